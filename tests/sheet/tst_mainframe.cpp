#include "cmainframe.h"
#include "sheetids.h"
#include "sheetresources.h"

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
    void menuMatchesItsTable();
    void acceleratorsMatchTheirTable();
    void toolBarMatchesItsTable();
    void commandsAsDesigned_data();
    void commandsAsDesigned();
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

void TestMainFrame::menuMatchesItsTable()
{
    QList<QAction *> built;
    for (QAction *popup : m_frame->menuBar()->actions()) {
        built.append(popup);
        built.append(visibleActions(popup->menu()));
    }
    const auto table = SheetResources::menu();
    QCOMPARE(built.size(), qsizetype(table.size()));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const MenuEntry &entry = table[i];
        QAction *action = built.at(qsizetype(i));
        switch (entry.kind) {
        case MenuEntry::Kind::Popup:
            QVERIFY(action->menu());
            QCOMPARE(action->text(), QString::fromUtf8(entry.caption));
            break;
        case MenuEntry::Kind::Separator:
            QVERIFY(action->isSeparator());
            break;
        case MenuEntry::Kind::Item:
            QCOMPARE(action->text(), QString::fromUtf8(entry.caption));
            QCOMPARE(action->data().toInt(), entry.id);
            QCOMPARE(action->statusTip(), SheetResources::prompt(entry.id));
            if (entry.greyed)
                QVERIFY(!action->isEnabled());
            break;
        }
    }
}

void TestMainFrame::acceleratorsMatchTheirTable()
{
    int shortcuts = 0;
    QSet<int> commands;
    for (const Accelerator &accelerator : SheetResources::accelerators()) {
        QAction *action = m_frame->action(accelerator.command);
        QVERIFY(action);
        QVERIFY2(action->shortcuts().contains(QKeySequence(accelerator.keys)),
                 qPrintable(QKeySequence(accelerator.keys).toString()));
        if (!commands.contains(accelerator.command)) {
            commands.insert(accelerator.command);
            shortcuts += int(action->shortcuts().size());
        }
    }
    QCOMPARE(shortcuts, int(SheetResources::accelerators().size()));
    // Nothing else in the window has a key of its own.
    int others = 0;
    for (QAction *action : m_frame->findChildren<QAction *>()) {
        if (!commands.contains(action->data().toInt()) && !action->shortcuts().isEmpty() &&
            action->data().isValid())
            ++others;
    }
    QCOMPARE(others, 0);
}

void TestMainFrame::toolBarMatchesItsTable()
{
    const QList<QAction *> built = m_frame->toolBar()->actions();
    const auto table = SheetResources::toolBar();
    QCOMPARE(built.size(), qsizetype(table.size()));
    for (std::size_t i = 0; i < table.size(); ++i) {
        QAction *action = built.at(qsizetype(i));
        if (table[i].id == 0) {
            QVERIFY(action->isSeparator());
            continue;
        }
        QCOMPARE(action->data().toInt(), table[i].id);
        QVERIFY(!action->icon().isNull());
        QVERIFY(!action->toolTip().isEmpty());
        QCOMPARE(action->toolTip(), SheetResources::toolTip(table[i].id));
    }
    QCOMPARE(m_frame->action(ID_FILE_NEW)->toolTip(), QStringLiteral("新規ﾌｧｲﾙ"));
    QVERIFY(m_frame->toolBar()->isMovable());
    QCOMPARE(m_frame->toolBarArea(m_frame->toolBar()), Qt::TopToolBarArea);
}

// The values below are written out from the design, not read from the tables the frame is
// built from, so a wrong entry in a table fails here.
void TestMainFrame::commandsAsDesigned_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("New") << 57600 << "新規作成(&N)\tCtrl+N"
                         << "新規にﾌｧｲﾙを作成";
    QTest::newRow("Open") << 57601 << "開く(&O)...\tCtrl+O"
                          << "既存のﾌｧｲﾙを開く";
    QTest::newRow("Print") << 57607 << "印刷(&P)...\tCtrl+P"
                           << "作業中のﾌｧｲﾙを印刷";
    QTest::newRow("Printer Setup") << 57606 << "ﾌﾟﾘﾝﾀの設定(&R)..."
                                   << "ﾌﾟﾘﾝﾀ/印刷ｵﾌﾟｼｮﾝの変更";
    QTest::newRow("Exit") << 57665 << "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"
                          << "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示";
    QTest::newRow("Paste") << 57637 << "貼り付け(&P)\tCtrl+V"
                           << "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け";
    QTest::newRow("Status bar") << 59393 << "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"
                                << "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示";
    QTest::newRow("About") << 57664 << "BINGO のﾊﾞｰｼﾞｮﾝ情報(&A)..."
                           << "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示";
}

void TestMainFrame::commandsAsDesigned()
{
    QFETCH(int, id);
    QFETCH(QString, caption);
    QFETCH(QString, prompt);
    QAction *action = m_frame->action(id);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->statusTip(), prompt);
    QStringList popups;
    for (QAction *popup : m_frame->menuBar()->actions())
        popups << popup->text();
    QCOMPARE(popups, (QStringList{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"}));
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
    QList<int> ids;
    QStringList tips;
    for (QAction *action : m_frame->toolBar()->actions()) {
        ids << (action->isSeparator() ? 0 : action->data().toInt());
        tips << action->toolTip();
    }
    QCOMPARE(ids, (QList<int>{57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57607, 0, 57664}));
    QCOMPARE(tips.at(2), QStringLiteral("保存"));
    QCOMPARE(tips.at(5), QStringLiteral("ｺﾋﾟｰ"));
    QCOMPARE(tips.at(8), QStringLiteral("印刷"));
    QCOMPARE(tips.at(10), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
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
