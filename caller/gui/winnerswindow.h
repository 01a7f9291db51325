#pragma once

#include "dialogbuilder.h"
#include "dialogtemplate.h"

#include <QDialog>

#include <optional>

class FileChooser;
class MessagePresenter;
class QTableWidget;
class WinnersList;

enum WinnersControlId : int {
    IDC_WINNERS_LIST = 1200,
    IDC_WINNER_CHECK = 1201,
    IDC_WINNER_HIDE = 1202,
    IDC_WINNER_REMOVE = 1203,
    IDC_WINNERS_SAVE = 1204,
    IDC_WINNERS_CLOSE = 1205,
};

// The winners' window, ビンゴ順位.
extern const DialogTemplate winnersDialogTemplate;

// The winners of the game, in the order they won, for the operator: mark the one whose sheet
// was seen as checked, hide a name, remove a winner, save the list as CSV. Names are shown as
// the text they are, never read as markup.
class WinnersWindow final : public QDialog
{
    Q_OBJECT

public:
    static QString title() { return tr("ビンゴ順位"); }

    WinnersWindow(WinnersList &winners, MessagePresenter &messages, FileChooser &files,
                  QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }

    void toggleChecked();
    void toggleNameHidden();
    // Asks first: a removed winner does not come back.
    void removeWinner();
    void saveCsv();

private:
    void refill();
    int selectedRow() const;

    WinnersList &m_winners;
    MessagePresenter &m_messages;
    FileChooser &m_files;
    BuiltDialog m_controls;
    QTableWidget *m_table = nullptr;
};

// Writes the list as CSV through the kit's safe writer; the message to show when it could not.
std::optional<QString> writeWinnersCsv(const WinnersList &winners, const QString &path);
// Where the CSV goes beside a drawn-numbers file: "game.txt" gives "game-winners.csv".
QString winnersCsvBeside(const QString &drawnNumbersPath);
