#pragma once

#include "hallsheet.h"
#include "liveservice.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>

class AudienceBoard;
class AudienceScreen;
class LiveCorner;
class MessagePresenter;
class QAction;
class QWidget;

// The caller's switch for the live page, 会場のスマホに公開: it starts and stops serving, asks
// before taking another port when the chosen one is taken, and shows the address in the
// dialog's title and, with its QR code, in a corner of the audience screen.
class LiveServing final : public QObject
{
    Q_OBJECT

public:
    static QString itemText() { return tr("会場のスマホに公開"); }
    static inline const QKeySequence Key = QKeySequence(Qt::Key_F9);
    static QString noNetwork()
    {
        return tr("この機械はネットワークにつながっていないため、スマホに公開できません。\n"
                  "会場の Wi-Fi につないでから、もう一度選んでください。");
    }

    LiveServing(const AudienceBoard &board, MessagePresenter &messages, QWidget &dialog);

    QAction *action() const { return m_action; }
    LiveService &service() { return m_service; }
    // The port to serve on; the default one unless the command line chose another.
    void setPort(quint16 port) { m_port = port; }
    // The page's address while serving, else empty.
    const QString &url() const { return m_url; }

    // Starts serving, asking first about another port when the chosen one is taken; false
    // when it does not serve, after saying why.
    bool start();
    void stop();
    // The audience screen shows the address while serving.
    void showOn(AudienceScreen *screen);

    // Phone sheets: whether they are handed out, how many, to how many phones an address, and
    // until when. Takes effect at once, for the game being played too.
    void setPhoneSheetPolicy(const PhoneSheetPolicy &policy);
    const PhoneSheetPolicy &phoneSheetPolicy() const { return m_policy; }
    // The set code of this game's phone sheets ("XXXX-XXXXX"), or empty while the game's top
    // number allows no sheet.
    const QString &phoneSetCode() const { return m_phoneSetCode; }
    // How many phone sheets this game has handed out.
    int phoneSheetCount() const { return m_phoneSheetCount; }
    // The seed the caller's generator took at program start: each game's phone set is kept
    // apart from what it draws and from the printed sheets of the same seed.
    void setCallerSeed(std::uint32_t seed);
    // A game put back from its journal: its phone set (none when no sheet was handed out) and
    // who held which sheet.
    void resumePhoneSheets(const std::optional<SetCode> &set, int topNumber,
                           const QList<PhoneSheetHolding> &holdings);

signals:
    // After each reveal, the room's reach and bingo over every sheet the phones follow.
    void tallied(const HallTally &tally);
    // A holder gave their sheet a name (or changed it).
    void sheetNamed(const HallSheet &sheet);
    void phoneSetCodeChanged(const QString &code);
    void phoneSheetCountChanged(int count);
    // A phone sheet was handed out or named: for the game's journal.
    void phoneSheetHeld(const SetCode &set, const PhoneSheetHolding &holding);

private:
    void toggle();
    void refuse(const QString &text);
    void showAddress();
    void followBoard();
    // A new game's set when given its seed, else the same set for another top number.
    void choosePhoneSet(int topNumber, std::optional<std::uint32_t> newGameSeed,
                        const QList<PhoneSheetHolding> &holdings = {});
    std::uint32_t newSetSeed() const;

    const AudienceBoard &m_board;
    MessagePresenter &m_messages;
    QWidget &m_dialog;
    LiveService m_service;
    QAction *m_action;
    quint16 m_port = LiveService::DefaultPort;
    QString m_url;
    QString m_title;
    QPointer<AudienceScreen> m_screen;
    QPointer<LiveCorner> m_corner;
    PhoneSheetPolicy m_policy;
    QString m_phoneSetCode;
    int m_phoneSheetCount = 0;
    std::uint32_t m_callerSeed = 0;
    std::uint32_t m_phoneSeed = 0;
    int m_phoneSetTop = -1;
    bool m_gameUnderWay = false;
};
