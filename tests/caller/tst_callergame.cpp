#include "callergame.h"
#include "crtrandom.h"
#include "quietgameview.h"

#include <QTest>

#include <vector>

namespace {

struct Fixture
{
    QuietGameView view{QStringLiteral("50")};
    CrtRandom random{12345};
    CallerGame game{view, view, random};
    Fixture() { game.initialise(); }

    void draw()
    {
        game.start();
        game.stop();
    }
};

// Draw orders of seed 12345, worked out by hand from the generator's formula and the fill's
// upward search, apart from this code.
const std::vector<int> orderOf50{34, 14, 45, 25, 28, 5,  27, 13, 22, 4,  9,  0,  43, 32, 35, 26, 16,
                                 17, 29, 49, 18, 30, 19, 36, 37, 38, 1,  39, 31, 20, 21, 12, 33, 23,
                                 2,  24, 40, 15, 3,  41, 42, 44, 10, 46, 47, 7,  6,  48, 50, 8};
const std::vector<int> orderOf25{9, 14, 20, 0,  3,  5, 2,  13, 22, 4,  10, 1, 18,
                                 7, 11, 6,  16, 17, 8, 24, 19, 12, 21, 15, 23};
// The game of 75 after two fills of 50 (the first game and its Clear).
const std::vector<int> orderOf75AfterTwoFills{
    47, 31, 45, 11, 24, 6,  32, 5,  39, 53, 70, 33, 18, 20, 59, 44, 57, 15, 34,
    60, 46, 67, 19, 38, 23, 14, 72, 51, 48, 25, 64, 1,  54, 26, 7,  61, 49, 22,
    58, 65, 62, 73, 35, 68, 74, 50, 21, 71, 40, 36, 9,  27, 55, 37, 75, 28, 16,
    2,  41, 63, 17, 52, 43, 29, 66, 42, 69, 30, 56, 3,  0,  4,  8,  12, 10};
// The first value the generator gives for seed 12345.
constexpr int FirstRandOf12345 = 7584;

} // namespace

class TestCallerGame : public QObject
{
    Q_OBJECT

private slots:
    void initialState();
    void startOrder();
    void wholeGameOfTwentyFive();
    void stopOrderOfCalls();
    void secondStartContinuesTheOrder();
    void clearThenNewTopNumber();
    void refusedTopNumbers_data();
    void refusedTopNumbers();
    void acceptedTopNumbers_data();
    void acceptedTopNumbers();
    void saveBetweenDraws();
    void saveAfterTheLastNumber_data();
    void saveAfterTheLastNumber();
    void publishedEvents();
};

void TestCallerGame::initialState()
{
    Fixture f;
    QCOMPARE(f.view.buttons(), QStringLiteral("1000--"));
    QCOMPARE(f.game.drawCount(), 0);
    QVERIFY(!f.game.started());
    QCOMPARE(f.game.topNumberText(), QStringLiteral("50"));
}

void TestCallerGame::startOrder()
{
    Fixture f;
    f.game.start();
    QCOMPARE(f.view.calls,
             (QStringList{"readTextColour", "startCountdown", "startSpinTimers", "cue start"}));
    QCOMPARE(f.view.buttons(), QStringLiteral("010000"));
    QCOMPARE(f.game.topNumber(), 50);
    QVERIFY(std::ranges::equal(orderOf50, f.game.drawOrder()));
}

void TestCallerGame::wholeGameOfTwentyFive()
{
    Fixture f;
    f.view.input = QStringLiteral("25");
    const std::vector<int> &order = orderOf25;
    for (int k = 0; k < 25; ++k) {
        f.game.start();
        QCOMPARE(f.view.buttons(), QStringLiteral("010000"));
        f.game.stop();
        QCOMPARE(f.view.revealed.last(), order[std::size_t(k)]);
        const std::pair<int, int> cell{k / 5, k % 5};
        QCOMPARE(f.view.lastCell, cell);
        QCOMPARE(f.view.cells[cell], QString::asprintf("%02d", order[std::size_t(k)]));
        QCOMPARE(f.game.drawCount(), k + 1);
        if (k < 24) {
            QCOMPARE(f.view.buttons(), QStringLiteral("101100"));
            QCOMPARE(f.view.bingoEnds, 0);
        }
    }
    QCOMPARE(f.view.bingoEnds, 1);
    QCOMPARE(f.view.buttons(), QStringLiteral("001100"));
    QVERIFY(f.game.isFinished());
    // Rows are inserted only when begun: the 6th number opens row 1, the 11th row 2.
    QCOMPARE(f.view.insertedRows, (QList<int>{0, 1, 2, 3, 4}));
    QCOMPARE(f.view.cells.size(), std::size_t(25));

    // Nothing more can be drawn: neither buttons nor calls reveal past the order.
    const qsizetype revealedBefore = f.view.revealed.size();
    f.game.start();
    f.game.stop();
    QCOMPARE(f.view.revealed.size(), revealedBefore);
    QCOMPARE(f.view.bingoEnds, 1);
}

void TestCallerGame::stopOrderOfCalls()
{
    Fixture f;
    f.game.start();
    f.view.calls.clear();
    f.game.stop();
    QCOMPARE(f.view.calls, (QStringList{"reveal", "insertRow", "setCell"}));
    f.game.start();
    f.view.calls.clear();
    f.game.stop();
    QCOMPARE(f.view.calls, (QStringList{"reveal", "setCell"}));
    QCOMPARE(f.view.lastCell, (std::pair{0, 1}));
}

void TestCallerGame::secondStartContinuesTheOrder()
{
    Fixture f;
    f.draw();
    f.view.input = QStringLiteral("75"); // ignored: the game is under way
    f.draw();
    f.draw();
    QCOMPARE(f.game.topNumber(), 50);
    QCOMPARE(f.view.revealed, (QList<int>{orderOf50[0], orderOf50[1], orderOf50[2]}));
}

void TestCallerGame::clearThenNewTopNumber()
{
    Fixture f;
    f.draw();
    f.draw();
    f.view.calls.clear();
    f.game.clear();
    QCOMPARE(f.view.calls, (QStringList{"clearGrid", "erase", "cue clear"}));
    QCOMPARE(f.view.buttons(), QStringLiteral("100011"));
    QVERIFY(f.view.cells.empty());
    QVERIFY(!f.game.started());
    QCOMPARE(f.game.drawCount(), 0);

    // The generator went through two fills of 50 before the new game's fill of 75.
    const std::vector<int> &next = orderOf75AfterTwoFills;
    f.view.input = QStringLiteral("75");
    f.draw();
    QCOMPARE(f.game.topNumber(), 75);
    QVERIFY(std::ranges::equal(next, f.game.drawOrder()));
    QCOMPARE(f.view.revealed.last(), next[0]);
    // The grid starts again from its first cell.
    const std::pair<int, int> firstCell{0, 0};
    QCOMPARE(f.view.lastCell, firstCell);
    QCOMPARE(f.view.cells[firstCell], QString::asprintf("%02d", next[0]));
}

void TestCallerGame::refusedTopNumbers_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("empty") << "";
    QTest::newRow("not a number") << "abc";
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-5";
    QTest::newRow("above the draw order's room") << "101";
    QTest::newRow("out of the 32-bit range") << "99999999999";
}

void TestCallerGame::refusedTopNumbers()
{
    QFETCH(QString, input);
    Fixture f;
    f.view.input = input;
    f.view.calls.clear();
    f.game.start();
    QCOMPARE(f.view.calls, QStringList{"refuse"});
    QVERIFY(f.view.refusal.contains(QStringLiteral("1 から 100")));
    QVERIFY(f.view.refusal.contains(input));
    QCOMPARE(f.view.buttons(), QStringLiteral("1000--"));
    QCOMPARE(f.game.topNumber(), 0);
    QVERIFY(!f.game.started());
    // Nothing was drawn from the generator.
    QCOMPARE(f.random.rand(), FirstRandOf12345);
    // A refused Stop cannot reveal anything either.
    f.game.stop();
    QVERIFY(f.view.revealed.isEmpty());
}

void TestCallerGame::acceptedTopNumbers_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("top");
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("a hundred") << "100" << 100;
    QTest::newRow("typed seven") << "7" << 7;
    QTest::newRow("blank then number") << " 75" << 75;
    QTest::newRow("number then letters") << "30abc" << 30;
}

void TestCallerGame::acceptedTopNumbers()
{
    QFETCH(QString, input);
    QFETCH(int, top);
    Fixture f;
    f.view.input = input;
    for (int k = 0; k < top; ++k)
        f.draw();
    QCOMPARE(f.game.topNumber(), top);
    QCOMPARE(f.view.bingoEnds, 1);
    QList<int> sorted = f.view.revealed;
    std::sort(sorted.begin(), sorted.end());
    QVERIFY(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
    QVERIFY(sorted.first() >= 0 && sorted.last() <= top);
    QVERIFY(f.view.refusal.isEmpty());
}

void TestCallerGame::saveBetweenDraws()
{
    Fixture f;
    f.draw();
    f.game.beginSave();
    QCOMPARE(f.view.buttons(), QStringLiteral("101000"));
    f.game.endSave(false);
    QCOMPARE(f.view.buttons(), QStringLiteral("101000"));

    f.draw();
    f.game.beginSave();
    f.game.endSave(true);
    QCOMPARE(f.view.buttons(), QStringLiteral("111000"));
    // Stop without a spin draws the next number at once.
    f.game.stop();
    QCOMPARE(f.game.drawCount(), 3);
    QCOMPARE(f.view.buttons(), QStringLiteral("101100"));
}

void TestCallerGame::saveAfterTheLastNumber_data()
{
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("buttons");
    // Start and Stop stay off either way: every number of the game has been drawn.
    QTest::newRow("written, Save is done") << true << QStringLiteral("001000");
    // No Stop is left to enable Save again, so it stays usable for another try.
    QTest::newRow("nothing written, Save can be tried again") << false << QStringLiteral("001100");
}

void TestCallerGame::saveAfterTheLastNumber()
{
    QFETCH(bool, written);
    QFETCH(QString, buttons);
    Fixture f;
    f.view.input = QStringLiteral("5");
    for (int k = 0; k < 5; ++k)
        f.draw();
    QCOMPARE(f.view.buttons(), QStringLiteral("001100"));
    f.game.beginSave();
    f.game.endSave(written);
    QCOMPARE(f.view.buttons(), buttons);
    f.game.clear();
    QCOMPARE(f.view.buttons(), QStringLiteral("100011"));
    f.draw();
    QCOMPARE(f.game.drawCount(), 1);
}

QTEST_APPLESS_MAIN(TestCallerGame)
// Observers see every step of a game, interleaved with the window's calls: a number is
// published as drawn before the reveal shows it, and as revealed once it is in the grid.
void TestCallerGame::publishedEvents()
{
    Fixture f;
    f.view.input = QStringLiteral("5");
    QStringList &calls = f.view.calls;
    QObject::connect(&f.game, &CallerGame::gameStarted, [&](int top, const QList<int> &order) {
        QStringList numbers;
        for (int n : order)
            numbers << QString::number(n);
        calls << QStringLiteral("started %1: %2").arg(top).arg(numbers.join(u' '));
    });
    QObject::connect(&f.game, &CallerGame::spinStarted,
                     [&](int index) { calls << QStringLiteral("spin %1").arg(index); });
    QObject::connect(&f.game, &CallerGame::numberDrawn, [&](int index, int number) {
        calls << QStringLiteral("drawn %1=%2").arg(index).arg(number);
    });
    // Each observer finds the game's state already at the step the signal announces.
    QObject::connect(&f.game, &CallerGame::numberRevealed, [&](int index, int number) {
        calls << QStringLiteral("revealed %1=%2").arg(index).arg(number);
        QCOMPARE(f.game.drawCount(), index + 1);
        QCOMPARE(f.game.drawnNumbers().back(), number);
    });
    QObject::connect(&f.game, &CallerGame::gameFinished, [&] {
        calls << QStringLiteral("finished");
        QVERIFY(f.game.isFinished());
    });
    QObject::connect(&f.game, &CallerGame::gameCleared,
                     [&](int drawn) { calls << QStringLiteral("cleared %1").arg(drawn); });
    QObject::connect(&f.game, &CallerGame::saveEnded, [&](bool written) {
        calls << QStringLiteral("saved %1").arg(written ? "yes" : "no");
    });

    f.draw();
    // Seed 12345 and top number 5 draw 4, 5, 0, 1, 3.
    QCOMPARE(calls, (QStringList{"readTextColour", "startCountdown", "startSpinTimers", "cue start",
                                 "started 5: 4 5 0 1 3", "spin 0", "drawn 0=4", "reveal",
                                 "insertRow", "setCell", "revealed 0=4"}));

    // A save between draws and the Start after it spin for the next number only.
    calls.clear();
    f.game.beginSave();
    f.game.endSave(true);
    f.game.start();
    QCOMPARE(calls, (QStringList{"saved yes", "readTextColour", "startCountdown", "startSpinTimers",
                                 "cue start", "spin 1"}));
    f.game.stop();
    for (int i = 0; i < 3; ++i)
        f.draw();
    QCOMPARE(calls.mid(calls.size() - 5),
             (QStringList{"reveal", "setCell", "revealed 4=3", "finished", "bingoEnd"}));

    calls.clear();
    f.game.clear();
    QCOMPARE(calls, (QStringList{"clearGrid", "erase", "cue clear", "cleared 5"}));
    f.draw();
    QVERIFY(calls.contains(QStringLiteral("spin 0")));
    QVERIFY(calls.filter(QStringLiteral("started 5:")).size() == 1);
}

#include "tst_callergame.moc"
