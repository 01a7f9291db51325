#pragma once

#include "callergame.h"
#include "callerservices.h"
#include "crtrandom.h"
#include "cuesounds.h"
#include "dialogbuilder.h"
#include "gameview.h"
#include "numberdisplays.h"

#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>

#include <array>

class DisplayFrame;
class QComboBox;
class QRadioButton;
class QTableWidget;

// The caller's main window: dialog template 102. It shows the game of CallerGame, paints the
// number displays, plays the cues and the countdown, saves the drawn numbers and starts the
// sheet program. The About box is in its context menu, since this platform gives applications
// no window menu.
class CCallerDlg final : public QDialog, private GameView, private DisplayHost
{
    Q_OBJECT

public:
    static inline const QString ApplicationTitle = QStringLiteral("Kavelo");
    static inline const QString BingoEndText = QStringLiteral("Bingo End");
    static inline const QString AboutItemText = QStringLiteral("Kavelo のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    static inline const QString CountdownStill = QStringLiteral("/COUNT16.AVI");
    static inline const QString CountdownClip = QStringLiteral("wave/count16.AVI");
    static inline const QString SheetProgram = QStringLiteral("/bingo");
    static inline const QString SheetCheckItemText = QStringLiteral("シート確認");
    static inline const QKeySequence SheetCheckKey = QKeySequence(Qt::Key_F8);
    static inline const QString NothingToCheck =
        QStringLiteral("まだ数字を引いていません。シート確認は最初の数字を引いてからできます。");
    static inline const QString QuitQuestion =
        QStringLiteral("ゲームの途中です。終了すると、引いた数字は失われます。\n終了しますか?");

    explicit CCallerDlg(const CallerServices &services, QWidget *parent = nullptr);
    ~CCallerDlg() override;

    const CallerGame &game() const { return m_game; }
    const QString &startDir() const { return m_startDir; }
    QMenu &systemMenu() { return m_systemMenu; }

    void Start();
    void Stop();
    void Clear();
    void OnSave();
    void OnSheet();
    void OnAbout();
    // Checks a player's sheet against the numbers called so far.
    void OnSheetCheck();

    // Escape and the close box end the program; mid-game it asks first.
    void reject() override;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void OnInitDialog();
    void OnTimer(int id);
    void OnCtlColor();
    void OpenCountdown();
    void StartCountdown();
    void StopCountdown();
    void SaveDrawnNumbers();
    bool WriteDrawnNumbers(const QString &path);
    void EnableStopAfterSave(const QString &path);
    // The combobox text to and from m_topNumberText.
    void UpdateData(bool saveAndValidate);

    // GameView
    void setControlEnabled(GameControl control, bool enabled) override;
    QString topNumberInput() const override;
    void refuseTopNumber(const QString &message) override;
    void readTextColour() override;
    void startCountdown() override;
    void startSpinTimers() override;
    void playCue(GameCue cue) override;
    void reveal(int number) override;
    void insertGridRow(int row) override;
    void setGridCell(int row, int column, const QString &text) override;
    void clearGrid() override;
    void eraseDisplays() override;
    void showBingoEnd() override;

    // DisplayHost
    bool isChecked(DisplayRadio radio) const override;
    void drawText(int x, int y, int pointSize, const QString &text, Rgb textColour,
                  Rgb backColour) override;
    void stopCountdown() override;
    void killSpinTimers() override;
    void playStopCue() override;
    void sleep(int milliseconds) override;

    CallerServices m_services;
    CrtRandom m_random;
    CallerGame m_game;
    NumberDisplays m_displays;
    CueSounds m_cues;
    BuiltDialog m_controls;
    DisplayFrame *m_displayFrame = nullptr;
    QTableWidget *m_drawnList = nullptr;
    QComboBox *m_topNumberBox = nullptr;
    CountdownPlayer *m_animation = nullptr;
    // Timers 2, 3 and 4, named "timer2" and so on.
    std::array<QTimer *, NumberDisplays::SpinTimers.size()> m_spinTimers{};
    QMenu m_systemMenu;
    QString m_startDir;
    // The code of the last sheet checked, offered again for the next check.
    QString m_setCode;
};
