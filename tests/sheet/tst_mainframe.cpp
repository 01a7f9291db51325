#include "cmainframe.h"
#include "sheetids.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace SheetIds;

namespace {

QList<QAction *> visibleActions(QMenu *menu)
{
    QList<QAction *> shown;
    for (QAction *action : menu->actions()) {
        if (action->isVisible())
            shown.append(action);
    }
    return shown;
}

} // namespace

class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menuAsDesigned();
    void acceleratorsAsDesigned();
    void keysAsDesigned_data();
    void keysAsDesigned();
    void toolBarAsDesigned();
    void editCommandsAreDisabled();
    void paneKeysDoNothing_data();
    void paneKeysDoNothing();
    void statusBarPanes();
    void hoveringACommandShowsItsPrompt();
    void viewTogglesShowAndHideTheBars();
    void recentFilesReplaceThePlaceholder();

private:
    CMainFrame *m_frame = nullptr;
};

void TestMainFrame::init()
{
    m_frame = new CMainFrame;
}

void TestMainFrame::cleanup()
{
    delete m_frame;
    m_frame = nullptr;
}

// The values below are written out from the design, not read from the tables the frame is
// built from, so a wrong entry in a table fails here.
void TestMainFrame::menuAsDesigned()
{
    // Each popup's caption, then its items as "id caption | prompt", marked when they show
    // disabled, and "-" for a separator.
    QStringList built;
    for (QAction *popup : m_frame->menuBar()->actions()) {
        QVERIFY(popup->menu());
        built << popup->text();
        for (QAction *item : visibleActions(popup->menu())) {
            if (item->isSeparator()) {
                built << QStringLiteral("-");
                continue;
            }
            const int id = item->data().toInt();
            QCOMPARE(m_frame->action(id), item);
            built << QStringLiteral("%1 %2 | %3%4")
                         .arg(QString::number(id), item->text(), item->statusTip(),
                              item->isEnabled() ? QString() : QStringLiteral(" (greyed)"));
        }
    }
    QCOMPARE(built,
             (QStringList{
                 "ﾌｧｲﾙ(&F)",
                 "57600 新規作成(&N)\tCtrl+N | 新規にﾌｧｲﾙを作成",
                 "57601 開く(&O)...\tCtrl+O | 既存のﾌｧｲﾙを開く",
                 "57603 上書き保存(&S)\tCtrl+S | 作業中のﾌｧｲﾙを上書きして保存",
                 "57604 名前を付けて保存(&A)... | 作業中のﾌｧｲﾙを新しい名前で保存",
                 "-",
                 "57607 印刷(&P)...\tCtrl+P | 作業中のﾌｧｲﾙを印刷",
                 "57609 印刷ﾌﾟﾚﾋﾞｭｰ(&V) | 印刷ｲﾒｰｼﾞを表示",
                 "57606 ﾌﾟﾘﾝﾀの設定(&R)... | ﾌﾟﾘﾝﾀ/印刷ｵﾌﾟｼｮﾝの変更",
                 "-",
                 "57616 最近使ったﾌｧｲﾙ | 指定のﾌｧｲﾙを開く (greyed)",
                 "-",
                 "57665 ｱﾌﾟﾘｹｰｼｮﾝの終了(&X) | ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示",
                 "編集(&E)",
                 "57643 元に戻す(&U)\tCtrl+Z | 直前に行った動作を元に戻す (greyed)",
                 "-",
                 "57635 切り取り(&T)\tCtrl+X | 選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存 (greyed)",
                 "57634 ｺﾋﾟｰ(&C)\tCtrl+C | 選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存 (greyed)",
                 "57637 貼り付け(&P)\tCtrl+V | ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け (greyed)",
                 "表示(&V)",
                 "59392 ﾂｰﾙ ﾊﾞｰ(&T) | ﾂｰﾙ ﾊﾞｰの 表示/非表示",
                 "59393 ｽﾃｰﾀｽ ﾊﾞｰ(&S) | ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示",
                 // The kit's own item, not one of the design's: numbered sheets.
                 "32771 ｼｰﾄ番号とｺｰﾄﾞ(&N) | 各ｼｰﾄにｼｰﾄ番号と組のｺｰﾄﾞを入れる",
                 "ﾍﾙﾌﾟ(&H)",
                 "57664 BINGO のﾊﾞｰｼﾞｮﾝ情報(&A)... | ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示",
             }));
}

void TestMainFrame::acceleratorsAsDesigned()
{
    // Accelerator table 128, in its order.
    const std::pair<QKeyCombination, int> design[] = {
        {Qt::CTRL | Qt::Key_N, 57600},        {Qt::CTRL | Qt::Key_O, 57601},
        {Qt::CTRL | Qt::Key_S, 57603},        {Qt::CTRL | Qt::Key_P, 57607},
        {Qt::CTRL | Qt::Key_Z, 57643},        {Qt::CTRL | Qt::Key_X, 57635},
        {Qt::CTRL | Qt::Key_C, 57634},        {Qt::CTRL | Qt::Key_V, 57637},
        {Qt::ALT | Qt::Key_Backspace, 57643}, {Qt::SHIFT | Qt::Key_Delete, 57635},
        {Qt::CTRL | Qt::Key_Insert, 57634},   {Qt::SHIFT | Qt::Key_Insert, 57637},
        {QKeyCombination(Qt::Key_F6), 57680}, {Qt::SHIFT | Qt::Key_F6, 57681},
    };
    for (const auto &[keys, id] : design) {
        QAction *action = m_frame->action(id);
        QVERIFY(action);
        QVERIFY2(action->shortcuts().contains(QKeySequence(keys)),
                 qPrintable(QKeySequence(keys).toString()));
    }
    // Those are all: nothing else in the window has a key of its own.
    int keys = 0;
    for (QAction *action : m_frame->findChildren<QAction *>())
        keys += int(action->shortcuts().size());
    QCOMPARE(keys, 14);
}

void TestMainFrame::keysAsDesigned_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("New") << 57600 << QStringList{"Ctrl+N"};
    QTest::newRow("Save") << 57603 << QStringList{"Ctrl+S"};
    QTest::newRow("Print") << 57607 << QStringList{"Ctrl+P"};
    QTest::newRow("Undo") << 57643 << QStringList{"Ctrl+Z", "Alt+Backspace"};
    QTest::newRow("Cut") << 57635 << QStringList{"Ctrl+X", "Shift+Del"};
    QTest::newRow("Copy") << 57634 << QStringList{"Ctrl+C", "Ctrl+Ins"};
    QTest::newRow("Paste") << 57637 << QStringList{"Ctrl+V", "Shift+Ins"};
    QTest::newRow("Next pane") << 57680 << QStringList{"F6"};
    QTest::newRow("Previous pane") << 57681 << QStringList{"Shift+F6"};
    QTest::newRow("Save As has none") << 57604 << QStringList{};
}

void TestMainFrame::keysAsDesigned()
{
    QFETCH(int, id);
    QFETCH(QStringList, keys);
    QAction *action = m_frame->action(id);
    QVERIFY(action);
    QStringList shortcuts;
    for (const QKeySequence &shortcut : action->shortcuts())
        shortcuts << shortcut.toString(QKeySequence::PortableText);
    QCOMPARE(shortcuts, keys);
}

void TestMainFrame::toolBarAsDesigned()
{
    // Each button as "id tool tip", "-" for a separator.
    QStringList built;
    for (QAction *action : m_frame->toolBar()->actions()) {
        if (action->isSeparator()) {
            built << QStringLiteral("-");
            continue;
        }
        QVERIFY(!action->icon().isNull());
        built << QStringLiteral("%1 %2").arg(QString::number(action->data().toInt()),
                                             action->toolTip());
    }
    QCOMPARE(built, (QStringList{"57600 新規ﾌｧｲﾙ", "57601 開く", "57603 保存", "-",
                                 "57635 切り取り", "57634 ｺﾋﾟｰ", "57637 貼り付け", "-",
                                 "57607 印刷", "-", "57664 ﾊﾞｰｼﾞｮﾝ情報"}));
    QCOMPARE(m_frame->toolBar()->iconSize(), QSize(16, 15));
    QVERIFY(m_frame->toolBar()->isMovable());
    QCOMPARE(m_frame->toolBarArea(m_frame->toolBar()), Qt::TopToolBarArea);
}

void TestMainFrame::editCommandsAreDisabled()
{
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) {
        QAction *action = m_frame->action(id);
        QVERIFY(!action->isEnabled());
        if (QWidget *button = m_frame->toolBar()->widgetForAction(action))
            QVERIFY(!button->isEnabled());
    }
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_APP_ABOUT})
        QVERIFY(m_frame->action(id)->isEnabled());
}

void TestMainFrame::paneKeysDoNothing_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QKeyCombination>("keys");
    QTest::newRow("F6 next pane") << ID_NEXT_PANE << QKeyCombination(Qt::Key_F6);
    QTest::newRow("Shift+F6 previous pane") << ID_PREV_PANE << (Qt::SHIFT | Qt::Key_F6);
}

void TestMainFrame::paneKeysDoNothing()
{
    QFETCH(int, id);
    QFETCH(QKeyCombination, keys);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
    QSignalSpy triggered(m_frame->action(id), &QAction::triggered);
    QTest::keyClick(m_frame, keys.key(), keys.keyboardModifiers());
    QCOMPARE(triggered.size(), 0);
    QVERIFY(m_frame->isVisible());
}

void TestMainFrame::statusBarPanes()
{
    QStatusBar *bar = m_frame->statusBar();
    auto *message = bar->findChild<QLabel *>("ID_SEPARATOR");
    QVERIFY(message);
    QCOMPARE(message->text(), QStringLiteral("ﾚﾃﾞｨ"));
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QStringList order;
    int previousRight = message->geometry().right();
    for (QLabel *pane : m_frame->indicatorPanes()) {
        order << pane->objectName();
        QVERIFY(pane->geometry().left() > previousRight);
        previousRight = pane->geometry().right();
        // No lock state is reported here, so the pane stays blank but keeps room for its text.
        QVERIFY(pane->text().isEmpty());
    }
    QCOMPARE(order, (QStringList{"ID_INDICATOR_KANA", "ID_INDICATOR_CAPS", "ID_INDICATOR_NUM",
                                 "ID_INDICATOR_SCRL"}));
    const QStringList texts{"ｶﾅ", "CAP", "NUM", "SCRL"};
    for (int i = 0; i < 4; ++i) {
        QLabel *pane = m_frame->indicatorPanes().at(i);
        QVERIFY(pane->width() >= pane->fontMetrics().horizontalAdvance(texts.at(i)));
    }
}

void TestMainFrame::hoveringACommandShowsItsPrompt()
{
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QWidget *newButton = m_frame->toolBar()->widgetForAction(m_frame->action(ID_FILE_NEW));
    QTest::mouseMove(newButton);
    QTRY_COMPARE(m_frame->statusBar()->currentMessage(), QStringLiteral("新規にﾌｧｲﾙを作成"));
    QTest::mouseMove(m_frame->statusBar());
    QTRY_VERIFY(m_frame->statusBar()->currentMessage().isEmpty());
    QVERIFY(m_frame->statusBar()->findChild<QLabel *>("ID_SEPARATOR")->isVisible());
}

void TestMainFrame::viewTogglesShowAndHideTheBars()
{
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    QAction *toolBarToggle = m_frame->action(ID_VIEW_TOOLBAR);
    QAction *statusToggle = m_frame->action(ID_VIEW_STATUS_BAR);
    QVERIFY(toolBarToggle->isChecked() && statusToggle->isChecked());

    toolBarToggle->trigger();
    QVERIFY(!m_frame->toolBar()->isVisible());
    QVERIFY(!toolBarToggle->isChecked());
    statusToggle->trigger();
    QVERIFY(!m_frame->statusBar()->isVisible());
    QVERIFY(!statusToggle->isChecked());

    toolBarToggle->trigger();
    statusToggle->trigger();
    QVERIFY(m_frame->toolBar()->isVisible() && toolBarToggle->isChecked());
    QVERIFY(m_frame->statusBar()->isVisible() && statusToggle->isChecked());

    // Hidden another way, the tool bar's check mark follows.
    m_frame->toolBar()->toggleViewAction()->trigger();
    QVERIFY(!toolBarToggle->isChecked());
}

void TestMainFrame::recentFilesReplaceThePlaceholder()
{
    QMenu *file = m_frame->menuBar()->actions().constFirst()->menu();
    const auto captions = [file] {
        QStringList texts;
        for (QAction *action : visibleActions(file))
            texts << action->text();
        return texts;
    };
    const QStringList empty = captions();
    QVERIFY(empty.contains(QStringLiteral("最近使ったﾌｧｲﾙ")));

    m_frame->setRecentFiles({"/tmp/b&w.bgo", "/tmp/two.bgo"});
    QStringList shown = captions();
    QVERIFY(!shown.contains(QStringLiteral("最近使ったﾌｧｲﾙ")));
    const qsizetype first = shown.indexOf(QStringLiteral("&1 /tmp/b&&w.bgo"));
    QVERIFY(first > 0);
    QCOMPARE(shown.at(first + 1), QStringLiteral("&2 /tmp/two.bgo"));
    QCOMPARE(shown.size(), empty.size() + 1);

    QSignalSpy chosen(m_frame, &CMainFrame::recentFileChosen);
    visibleActions(file).at(first + 1)->trigger();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.constFirst().constFirst().toString(), QStringLiteral("/tmp/two.bgo"));

    m_frame->setRecentFiles({});
    QCOMPARE(captions(), empty);

    // A path of 10 KB keeps its start and its end around an ellipsis, the menu stays narrow,
    // and the tool tip and the command keep the whole path.
    const QString longPath = QStringLiteral("/home/hall/") + QString(10000, u'x') +
                             QStringLiteral("/sheets-of-the-evening.bgo");
    m_frame->setRecentFiles({longPath});
    QAction *entry = visibleActions(file).at(first);
    QVERIFY2(entry->text().startsWith(QStringLiteral("&1 /home/hall/")), qPrintable(entry->text()));
    QVERIFY(entry->text().endsWith(QStringLiteral(".bgo")));
    QVERIFY(entry->text().contains(QChar(0x2026)));
    QVERIFY(file->fontMetrics().horizontalAdvance(entry->text()) <=
            (CMainFrame::RecentEntryChars + 4) * file->fontMetrics().averageCharWidth());
    QCOMPARE(entry->toolTip(), longPath);
    QVERIFY(file->toolTipsVisible());
    entry->trigger();
    QCOMPARE(chosen.constLast().constFirst().toString(), longPath);
}

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
