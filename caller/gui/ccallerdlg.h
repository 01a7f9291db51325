#pragma once

#include "audienceboard.h"
#include "callergame.h"
#include "callerservices.h"
#include "crtrandom.h"
#include "cuesounds.h"
#include "dialogbuilder.h"
#include "displaypanel.h"
#include "gameview.h"

#include <QDialog>
#include <QKeySequence>
#include <QMenu>

#include <span>

class AudienceScreen;
class DisplayFrame;
class HallDesk;
class LiveServing;
class NextKeyFilter;
class QComboBox;
class QTableWidget;

// The caller's main window: dialog template 102. It shows the game of CallerGame in its buttons
// and grid, plays the cues and the countdown, saves the drawn numbers and starts the sheet
// program; the number displays paint through their own DisplayPanel. The About box is in its
// context menu, since this platform gives applications no window menu, and so is the audience
// screen, which shows the game to the room.
class CCallerDlg final : public QDialog, private GameView
{
    Q_OBJECT

public:
    static inline const QString ApplicationTitle = QStringLiteral("Kavelo");
    static inline const QString BingoEndText = QStringLiteral("Bingo End");
    static inline const QString CountdownStill = QStringLiteral("/COUNT16.AVI");
    static inline const QString CountdownClip = QStringLiteral("wave/count16.AVI");
    static inline const QString SheetProgram = QStringLiteral("/bingo");
    static inline const QKeySequence SheetCheckKey = QKeySequence(Qt::Key_F8);
    // The texts of the context menu and of its boxes, in the user's language.
    static QString aboutItemText() { return tr("Kavelo のﾊﾞｰｼﾞｮﾝ情報(&A)..."); }
    static QString audienceItemText() { return tr("観客用表示(&D)"); }
    static QString keysItemText() { return tr("キー操作(&K)..."); }
    static QString keysHelp()
    {
        return tr("スタート / ストップ: Space, Enter, Page Down, →\n"
                  "観客用表示を開く / 閉じる: F5\n"
                  "観客用表示の全画面表示: F11 (戻るときは F11 か Esc)\n"
                  "シート確認: F8\n"
                  "会場のスマホに公開 / やめる: F9");
    }
    static QString sheetCheckItemText() { return tr("シート確認"); }
    static QString nothingToCheckText()
    {
        return tr("まだ数字を引いていません。シート確認は最初の数字を引いてからできます。");
    }
    // What closing asks in the middle of a game, after its end unsaved and after it was saved.
    static QString quitMidGameQuestion()
    {
        return tr("ゲームの途中です。終了すると、引いた数字は失われます。\n終了しますか?");
    }
    static QString quitFinishedQuestion()
    {
        return tr("ゲームは終了しました。引いた数字は保存されていないため、"
                  "終了すると失われます。\n終了しますか?");
    }
    static QString quitSavedQuestion()
    {
        return tr("ゲームは終了し、引いた数字は保存されています。\n終了しますか?");
    }
    // What クリア asks in the middle of a game.
    static QString clearMidGameQuestion()
    {
        return tr("ゲームの途中です。クリアすると、引いた数字は失われ、"
                  "このゲームは続けられません。\nクリアしますか?");
    }

    explicit CCallerDlg(const CallerServices &services, QWidget *parent = nullptr);
    ~CCallerDlg() override;

    const CallerGame &game() const { return m_game; }
    const QString &startDir() const { return m_startDir; }
    QMenu &systemMenu() { return m_systemMenu; }
    // The live page for the players' phones, 会場のスマホに公開.
    LiveServing &live() { return *m_live; }
    // The hall playing along: the winners' list and its window.
    HallDesk &hall() { return *m_hall; }

    void Start();
    void Stop();
    // Ends the game for a new one; in the middle of a game it asks first.
    void Clear();
    void OnSave();
    void OnSheet();
    void OnAbout();
    // The step a presenter remote's "next" key takes: Start when it is enabled, else Stop
    // when it is enabled, else nothing.
    void Next();
    void ToggleAudienceScreen();
    void OnKeys();
    // Checks a player's sheet against the numbers called so far.
    void OnSheetCheck();

    // Shows a game put back from its journal as it stood after its last draw; false when the
    // order or count cannot be a game.
    bool restoreGame(std::span<const int> drawOrder, int drawCount);

    // Escape and the close box end the program; once a number was drawn it asks first, in the
    // words that fit the game: under way, finished, or finished and saved.
    void reject() override;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    BuiltDialog buildControls();
    DisplayPanel::Radios displayRadios() const;
    void OnInitDialog();
    void OpenCountdown();
    void SaveDrawnNumbers();
    bool WriteDrawnNumbers(const QString &path);
    void EnableStopAfterSave();
    // What the boxes of the game and the sheet check open over: the audience screen where it is
    // full screen in front of the dialog, so the room keeps seeing it; else the dialog.
    QWidget *frontWindow();
    // The question closing asks, or an empty string when nothing drawn would be lost.
    QString quitQuestion() const;
    Rgb chosenTextColour() const;
    // The combobox text to and from m_topNumberText.
    void UpdateData(bool saveAndValidate);
    // Keeps every digit of the top number in view.
    void fitTopNumberText();

    // GameView
    void setControlEnabled(GameControl control, bool enabled) override;
    QString topNumberInput() const override;
    void refuseTopNumber(const QString &message) override;
    void StartCountdown() override;
    void playCue(GameCue cue) override;
    void insertGridRow(int row) override;
    void setGridCell(int row, int column, const QString &text) override;
    void clearGrid() override;
    void showBingoEnd() override;

    CallerServices m_services;
    CrtRandom m_random;
    CueSounds m_cues;
    // Set by the control factories while the controls are built.
    DisplayFrame *m_displayFrame = nullptr;
    CountdownPlayer *m_animation = nullptr;
    BuiltDialog m_controls;
    DisplayPanel *m_panel;
    CallerGame m_game;
    QTableWidget *m_drawnList = nullptr;
    QComboBox *m_topNumberBox = nullptr;
    QMenu m_systemMenu;
    QString m_startDir;
    // How many numbers of this game the last written file holds; -1 when none was written.
    int m_savedDrawCount = -1;
    AudienceBoard m_audienceBoard;
    AudienceScreen *m_audienceScreen = nullptr;
    QAction *m_audienceItem = nullptr;
    QAction *m_sheetCheckItem = nullptr;
    QAction *m_keysItem = nullptr;
    NextKeyFilter *m_nextKeys = nullptr;
    LiveServing *m_live = nullptr;
    HallDesk *m_hall = nullptr;
    // The code of the last sheet checked, offered again for the next check.
    QString m_setCode;
};
