#include "callerdlgfixture.h"
#include "numbertext.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// A game played through the dialog: buttons, grid, cues, the end and closing.
class TestCallerDlgGame : public QObject
{
    Q_OBJECT

private slots:
    void wholeGameOfTwentyFive();
    void refusedTopNumber();
    void typedTopNumberIsPlayedAsTyped_data();
    void typedTopNumberIsPlayedAsTyped();
    void closingMidGameAsksFirst_data();
    void closingMidGameAsksFirst();
    void closingAfterTheGameEnded_data();
    void closingAfterTheGameEnded();
    void gridFollowsTheLatestRow();
    void gridMarksNoNumber();
};

void TestCallerDlgGame::wholeGameOfTwentyFive()
{
    CallerDlgFixture f;
    f.topNumber()->setEditText(QStringLiteral("25"));
    const std::vector<int> &order = orderOf25;
    const QString dir = f.dialog->startDir();
    QStringList cues{dir + "/wave/file.wav"};

    for (int k = 0; k < 25; ++k) {
        f.countdown.calls.clear();
        f.sleeper.sleeps.clear();
        f.click("IDC_START");
        QCOMPARE(f.buttons(), QStringLiteral("010000"));
        QCOMPARE(f.countdown.calls, (QStringList{"open wave/count16.AVI", "play -1 0 65535"}));
        for (int id : {2, 3, 4})
            QVERIFY(f.timer(id)->isActive());
        cues << dir + "/wave/start.wav";

        f.click("IDC_STOP");
        cues << dir + "/wave/stop.wav" << dir + "/wave/stop.wav" << dir + "/wave/stop.wav";
        QCOMPARE(f.countdown.calls.last(), QStringLiteral("stop"));
        QCOMPARE(f.sleeper.sleeps, (QList<int>{100, 300, 300}));
        for (int id : {2, 3, 4})
            QVERIFY(!f.timer(id)->isActive());

        QTableWidgetItem *cell = f.grid()->item(k / 5, k % 5);
        QVERIFY(cell);
        QCOMPARE(cell->text(), numberText(order[std::size_t(k)]));
        QCOMPARE(cell->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(f.grid()->rowCount(), k / 5 + 1);
        QCOMPARE(f.buttons(), k < 24 ? QStringLiteral("101100") : QStringLiteral("001100"));
    }
    QCOMPARE(f.sound.opened(), cues);
    QCOMPARE(f.messages.shown.size(), 1);
    const RecordingMessages::Shown &end = f.messages.shown.constFirst();
    QCOMPARE(end.title, QStringLiteral("Kavelo"));
    QCOMPARE(end.text, QStringLiteral("Bingo End"));
    // "Bingo End" opens on a finished game: every number is counted by then.
    QCOMPARE(end.probed, 25);
    QCOMPARE(f.dialog->game().drawCount(), 25);

    f.click("IDC_CLEAR");
    QCOMPARE(f.buttons(), QStringLiteral("100011"));
    QCOMPARE(f.grid()->rowCount(), 0);
    QCOMPARE(f.sound.opened().last(), dir + "/wave/clear.wav");
    QCOMPARE(f.sound.opened().size(), cues.size() + 1);
}

void TestCallerDlgGame::refusedTopNumber()
{
    CallerDlgFixture f;
    f.topNumber()->setEditText(QStringLiteral("abc"));
    f.click("IDC_START");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.constFirst().title, QStringLiteral("Kavelo"));
    QVERIFY(f.messages.shown.constFirst().text.contains(QStringLiteral("abc")));
    QCOMPARE(f.buttons(), QStringLiteral("100011"));
    QCOMPARE(f.sound.opened().size(), 1);
    QVERIFY(!f.timer(2)->isActive());
}

void TestCallerDlgGame::typedTopNumberIsPlayedAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("topNumber");
    QTest::newRow("7 is not completed to 75") << "7" << 7;
    QTest::newRow("2 is not completed to 25") << "2" << 2;
    QTest::newRow("5 is not completed to 50") << "5" << 5;
    QTest::newRow("a listed number typed in full") << "25" << 25;
}

void TestCallerDlgGame::typedTopNumberIsPlayedAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(int, topNumber);
    CallerDlgFixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    QLineEdit *edit = f.topNumber()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QCOMPARE(f.topNumber()->currentText(), typed);
    f.draw();
    QCOMPARE(f.dialog->game().topNumber(), topNumber);
}

void TestCallerDlgGame::closingMidGameAsksFirst_data()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("ended");
    QTest::newRow("before the first draw Escape closes at once")
        << 0 << "Escape" << false << false << true;
    QTest::newRow("mid-game Escape answered no keeps the game")
        << 3 << "Escape" << false << true << false;
    QTest::newRow("mid-game close box answered no keeps the game")
        << 3 << "close box" << false << true << false;
    QTest::newRow("mid-game Escape answered yes closes") << 3 << "Escape" << true << true << true;
    QTest::newRow("mid-game Clear answered no keeps the game")
        << 3 << "Clear" << false << true << false;
    QTest::newRow("mid-game Clear answered yes clears") << 3 << "Clear" << true << true << true;
}

void TestCallerDlgGame::closingMidGameAsksFirst()
{
    QFETCH(int, draws);
    QFETCH(QString, how);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, ended);
    CallerDlgFixture f;
    f.messages.answer = answer;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    for (int k = 0; k < draws; ++k)
        f.draw();
    QSignalSpy rejected(f.dialog.get(), &QDialog::rejected);
    QSignalSpy cleared(&f.dialog->game(), &CallerGame::gameCleared);
    const bool clearing = how == QStringLiteral("Clear");
    if (how == QStringLiteral("Escape"))
        QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
    else if (clearing)
        f.click("IDC_CLEAR");
    else
        f.dialog->close();
    QCOMPARE(f.messages.questions.size(), asked ? 1 : 0);
    if (asked)
        QCOMPARE(f.messages.questions.first(),
                 QStringLiteral("Kavelo|") + (clearing ? CCallerDlg::clearMidGameQuestion()
                                                       : CCallerDlg::quitMidGameQuestion()));
    QCOMPARE(rejected.size(), ended && !clearing ? 1 : 0);
    QCOMPARE(cleared.size(), ended && clearing ? 1 : 0);
    QCOMPARE(f.dialog->isVisible(), clearing || !ended);
    QCOMPARE(f.dialog->game().drawCount(), ended && clearing ? 0 : draws);
    QCOMPARE(f.grid()->rowCount(), ended && clearing ? 0 : (draws + 4) / 5);
}

void TestCallerDlgGame::gridFollowsTheLatestRow()
{
    CallerDlgFixture f;
    f.topNumber()->setEditText(QStringLiteral("75"));
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    for (int k = 0; k < 75; ++k)
        f.draw();
    QTableWidget *grid = f.grid();
    QCOMPARE(grid->rowCount(), 15);
    // The row of the last number drawn is in view without the operator scrolling.
    const QRect last = grid->visualItemRect(grid->item(14, 4));
    QVERIFY(grid->viewport()->rect().contains(last));
}

void TestCallerDlgGame::gridMarksNoNumber()
{
    CallerDlgFixture f;
    f.dialog->show();
    f.dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
    for (int k = 0; k < 3; ++k)
        f.draw();
    // Focus passes on from the buttons as they are disabled; the grid must not take it, or
    // its current cell is drawn as if that number were marked.
    QVERIFY(QApplication::focusWidget() != f.grid());
    QVERIFY(!f.grid()->currentIndex().isValid());
}

void TestCallerDlgGame::closingAfterTheGameEnded_data()
{
    // d draws, s saves to a file, c cancels a save, x clears; the top number is 3.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("question");

    const QString underWay =
        QStringLiteral("ゲームの途中です。終了すると、引いた数字は失われます。\n終了しますか?");
    const QString finished = QStringLiteral("ゲームは終了しました。引いた数字は保存されていないため"
                                            "、終了すると失われます。\n終了しますか?");
    const QString saved =
        QStringLiteral("ゲームは終了し、引いた数字は保存されています。\n終了しますか?");
    QTest::newRow("after Bingo End, not saved") << "ddd" << finished;
    QTest::newRow("after Bingo End, save cancelled") << "dddc" << finished;
    QTest::newRow("after Bingo End, saved") << "ddds" << saved;
    QTest::newRow("saved mid-game, then Bingo End") << "ddsd" << finished;
    QTest::newRow("saved mid-game, still under way") << "dds" << underWay;
    QTest::newRow("saved game cleared, next one ended unsaved") << "dddsxddd" << finished;
    QTest::newRow("saved game cleared, nothing drawn since") << "dddsx" << QString();
}

void TestCallerDlgGame::closingAfterTheGameEnded()
{
    QFETCH(QString, script);
    QFETCH(QString, question);
    QTemporaryDir dir;
    CallerDlgFixture f;
    f.topNumber()->setEditText(QStringLiteral("3"));
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    for (QChar step : script) {
        if (step == u'd') {
            f.draw();
        } else if (step == u'x') {
            f.click("IDC_CLEAR");
        } else {
            f.files.answers = {step == u's' ? dir.filePath(QStringLiteral("n.txt")) : QString()};
            f.click("IDC_SAVE");
        }
    }
    QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
    QCOMPARE(f.messages.questions, question.isEmpty()
                                       ? QStringList()
                                       : QStringList{QStringLiteral("Kavelo|") + question});
    // Answered no, the window stays; with no question it closes.
    QCOMPARE(f.dialog->isVisible(), !question.isEmpty());
}

QTEST_MAIN(TestCallerDlgGame)
#include "tst_callerdlggame.moc"
