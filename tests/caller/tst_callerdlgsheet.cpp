#include "caboutdlg.h"
#include "callerdlgfixture.h"
#include "qtprocessstarter.h"
#include "sheetcheckdialog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Starting the sheet program, and the About box.
class TestCallerDlgSheet : public QObject
{
    Q_OBJECT

private slots:
    void sheetButton_data();
    void sheetButton();
    void sheetStartsForReal();
    void sheetMissingForReal();
    void aboutFromTheContextMenu();
    void sheetCheckBeforeAnyDrawSaysWhy();
    void sheetCheckMarksTheNumbersDrawn();
};

void TestCallerDlgSheet::sheetButton_data()
{
    QTest::addColumn<bool>("fails");
    QTest::newRow("each click starts one more") << false;
    QTest::newRow("a failure names the path and the reason") << true;
}

void TestCallerDlgSheet::sheetButton()
{
    const KeepCurrentDir keep;
    QFETCH(bool, fails);
    QTemporaryDir start;
    QTemporaryDir elsewhere;
    QDir::setCurrent(start.path());
    CallerDlgFixture f;
    if (fails)
        f.starter.failure = QStringLiteral("no such file");
    QDir::setCurrent(elsewhere.path());
    f.click("IDC_SHEET");
    f.click("IDC_SHEET");

    const QString expected = f.dialog->startDir() + "/bingo in " + QDir::currentPath();
    QCOMPARE(f.starter.started, (QStringList{expected, expected}));
    QCOMPARE(f.messages.shown.size(), fails ? 2 : 0);
    if (fails) {
        QVERIFY(f.messages.shown.constFirst().text.contains(f.dialog->startDir() + "/bingo"));
        QVERIFY(f.messages.shown.constFirst().text.contains(QStringLiteral("no such file")));
    }
    f.click("IDC_START");
    QVERIFY(!f.button("IDC_SHEET")->isEnabled());
}

void TestCallerDlgSheet::sheetStartsForReal()
{
    const KeepCurrentDir keep;
    QTemporaryDir start;
    QTemporaryDir elsewhere;
    QVERIFY(QFile::copy(QStringLiteral(RECORDLAUNCH_PATH), start.filePath("bingo")));
    QDir::setCurrent(start.path());
    QtProcessStarter processes;
    CallerDlgFixture f({.processes = &processes});
    QDir::setCurrent(elsewhere.path());
    f.click("IDC_SHEET");

    QFile record(QDir(elsewhere.path()).filePath("launch-record.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(record.exists(), 10000);
    QVERIFY(record.open(QIODevice::ReadOnly));
    const QString expected = "args=0\ncwd=" + QDir(elsewhere.path()).canonicalPath() + "\n";
    QCOMPARE(QString::fromLocal8Bit(record.readAll()), expected);
    QVERIFY(f.messages.shown.isEmpty());
}

void TestCallerDlgSheet::sheetMissingForReal()
{
    const KeepCurrentDir keep;
    QTemporaryDir start;
    QDir::setCurrent(start.path());
    QtProcessStarter processes;
    CallerDlgFixture f({.processes = &processes});
    f.click("IDC_SHEET");
    QCOMPARE(f.messages.shown.size(), 1);
    const QString text = f.messages.shown.constFirst().text;
    QVERIFY(text.contains(f.dialog->startDir() + "/bingo"));
    QVERIFY2(text.section(u'\n', 1).size() > 0, qPrintable(text));
}

void TestCallerDlgSheet::aboutFromTheContextMenu()
{
    CallerDlgFixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));

    const QList<QAction *> actions = f.dialog->systemMenu().actions();
    QCOMPARE(actions.size(), 8);
    QVERIFY(actions.at(0)->isSeparator());
    QCOMPARE(actions.at(1)->text(), QStringLiteral("Kavelo のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    // The audience screen, the sheet check, the live page and the list of keys come after the
    // About item.
    QCOMPARE(actions.at(2)->text(), QStringLiteral("観客用表示(&D)"));
    QCOMPARE(actions.at(3)->text(), QStringLiteral("シート確認"));
    QCOMPARE(actions.at(3)->shortcut(), QKeySequence(Qt::Key_F8));
    QCOMPARE(actions.at(4)->text(), QStringLiteral("会場のスマホに公開"));
    QCOMPARE(actions.at(4)->shortcut(), QKeySequence(Qt::Key_F9));
    QVERIFY(actions.at(4)->isCheckable());
    QVERIFY(!actions.at(4)->isChecked());
    // The winners' list and the phone sheets show only while the page is served or a winner was
    // counted.
    QCOMPARE(actions.at(5)->text(), QStringLiteral("ビンゴ順位(&W)..."));
    QCOMPARE(actions.at(5)->shortcut(), QKeySequence(Qt::Key_F7));
    QVERIFY(!actions.at(5)->isVisible());
    QCOMPARE(actions.at(6)->text(), QStringLiteral("スマホのシート(&P)..."));
    QVERIFY(!actions.at(6)->isVisible());
    QCOMPARE(actions.at(7)->text(), QStringLiteral("キー操作(&K)..."));

    QString title;
    QStringList texts;
    QTimer::singleShot(0, this, [&] {
        QWidget *popup = QApplication::activePopupWidget();
        QCOMPARE(popup, &f.dialog->systemMenu());
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<CAboutDlg *>(QApplication::activeModalWidget());
            QVERIFY(about);
            title = about->windowTitle();
            for (auto *label : about->findChildren<QLabel *>())
                texts << label->text();
            QVERIFY(!about->findChild<QLabel *>("IDC_ABOUT_ICON")->pixmap().isNull());
            QTest::mouseClick(about->findChild<QPushButton *>("IDOK"), Qt::LeftButton);
        });
        actions.at(1)->trigger();
        f.dialog->systemMenu().close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            f.dialog->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(f.dialog.get(), &event);

    QCOMPARE(title, QStringLiteral("Kaveloのﾊﾞｰｼﾞｮﾝ情報"));
    QVERIFY(texts.contains(QStringLiteral("Kavelo Version 1.0")));
}

void TestCallerDlgSheet::sheetCheckBeforeAnyDrawSaysWhy()
{
    CallerDlgFixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    QTest::keyClick(f.dialog.get(), Qt::Key_F8);
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.constFirst().title, QStringLiteral("シート確認"));
    QCOMPARE(
        f.messages.shown.constFirst().text,
        QStringLiteral("まだ数字を引いていません。シート確認は最初の数字を引いてからできます。"));
}

void TestCallerDlgSheet::sheetCheckMarksTheNumbersDrawn()
{
    CallerDlgFixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    for (int i = 0; i < 20; ++i)
        f.draw();
    const auto drawn = f.dialog->game().drawnNumbers();
    const QSet<int> called(drawn.begin(), drawn.end());

    // F8 opens the check; the code of seed 4711 and top 50 (worked out by hand) and sheet 7.
    int marked = 0;
    QTimer::singleShot(0, this, [&] {
        auto *check = qobject_cast<SheetCheckDialog *>(QApplication::activeModalWidget());
        QVERIFY(check);
        QCOMPARE(check->findChild<QLineEdit *>("setCode")->text(), QString());
        check->findChild<QLineEdit *>("setCode")->setText("2222-E7HD5");
        check->findChild<QLineEdit *>("sheetNumber")->setText("7");
        QTest::mouseClick(check->findChild<QPushButton *>("checkButton"), Qt::LeftButton);
        QVERIFY(check->verdict());
        const auto *grid = check->findChild<QTableWidget *>("sheetGrid");
        const QColor open = Qt::white;
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 5; ++c) {
                if (r == 2 && c == 2)
                    continue;
                const QTableWidgetItem *item = grid->item(r, c);
                const bool isCalled = item->background().color() != open;
                QCOMPARE(isCalled, called.contains(item->text().toInt()));
                marked += isCalled;
            }
        }
        check->reject();
    });
    QTest::keyClick(f.dialog.get(), Qt::Key_F8);
    QVERIFY(marked > 0);
    QVERIFY(f.messages.shown.isEmpty());

    // From the context menu the code comes back for the next sheet.
    QString offered;
    QTimer::singleShot(0, this, [&] {
        auto *check = qobject_cast<SheetCheckDialog *>(QApplication::activeModalWidget());
        QVERIFY(check);
        offered = check->findChild<QLineEdit *>("setCode")->text();
        check->reject();
    });
    f.dialog->systemMenu().findChild<QAction *>("sheetCheck")->trigger();
    QCOMPARE(offered, QStringLiteral("2222-E7HD5"));
}

QTEST_MAIN(TestCallerDlgSheet)
#include "tst_callerdlgsheet.moc"
