#pragma once

#include "audiencehall.h"
#include "winnerslist.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <optional>

class AudienceBoard;
class AudienceScreen;
class CallerGame;
class FileChooser;
class LiveServing;
class MessagePresenter;
class QAction;
class QWidget;
class WinnersWindow;

// The caller's side of the hall playing along: the winners' list of the game, kept from the
// live page's tallies and cleared with the game, and the menu items for it. The items show
// once the page is served or a winner is counted, so a caller that never serves looks as it
// always did.
class HallDesk final : public QObject
{
    Q_OBJECT

public:
    static inline const QKeySequence WinnersKey = QKeySequence(Qt::Key_F7);
    static QString winnersItemText() { return tr("ビンゴ順位(&W)..."); }
    // The line of the list of keys for the winners' list, which is there only with the hall.
    static QString winnersKeyHelp() { return tr("ビンゴ順位: F7"); }
    static QString phoneSheetsItemText() { return tr("スマホのシート(&P)..."); }
    // How many winners "Bingo End" names.
    static constexpr int BingoEndWinners = 5;

    HallDesk(const CallerGame &game, LiveServing &live, MessagePresenter &messages,
             FileChooser &files, QWidget &dialog);

    WinnersList &winners() { return m_winners; }
    const AudienceHall &audience() const { return m_audience; }
    QAction *winnersItem() const { return m_winnersItem; }
    QAction *phoneSheetsItem() const { return m_phoneSheetsItem; }

    void openWinners();
    // The phone sheets dialog; what the operator chose goes to the live page at once.
    void choosePhoneSheets();
    // The audience screen shows the room's counts and bingos in a strip at its foot.
    void showOn(AudienceScreen &screen, const AudienceBoard &board);
    // "Bingo End", with the first winners in order under it when there are any. The last number
    // never completes a sheet (with all but two numbers called every sheet has a line), so the
    // tally that follows it, from the server's thread, adds no winner to wait for.
    QString bingoEndText(const QString &bingoEnd) const;
    // Saves the winners beside a drawn-numbers file just written; the message to show when it
    // could not. Nothing is written while the list is empty.
    std::optional<QString> saveBeside(const QString &drawnNumbersPath) const;

private:
    void updateItems();

    LiveServing &m_live;
    MessagePresenter &m_messages;
    FileChooser &m_files;
    QWidget &m_dialog;
    WinnersList m_winners;
    AudienceHall m_audience;
    QAction *m_winnersItem;
    QAction *m_phoneSheetsItem;
    QPointer<WinnersWindow> m_window;
};
