#include "crtrandom.h"
#include "numberfill.h"
#include "scriptedrandom.h"

#include <QTest>

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <vector>

namespace {

std::vector<int> fill(int k, int n, RandomSource &random, std::size_t room = 0)
{
    std::vector<int> dest(room ? room : std::size_t(std::max(k, 0)), -1);
    fillUniqueNumbers(dest, k, n, random);
    return dest;
}

// The fill as its contract states it, slot by slot, looking back over every earlier slot.
std::vector<int> contractFill(int k, int n, RandomSource &random)
{
    std::vector<int> dest;
    for (int i = 0; i < k; ++i) {
        int v = random.rand() % n;
        while (std::find(dest.begin(), dest.end(), v) != dest.end())
            v = v == n ? 0 : v + 1;
        dest.push_back(v);
    }
    return dest;
}

} // namespace

class TestNumberFill : public QObject
{
    Q_OBJECT

private slots:
    void generatorSequence_data();
    void generatorSequence();
    void fillFromScript_data();
    void fillFromScript();
    void fullRangeOfTwentyFive();
    void nothingToFill();
    void refusals_data();
    void refusals();
    void oneCallPerSlotInOrder();
    void ordersFromSeeds_data();
    void ordersFromSeeds();
    void sameAsTheContract_data();
    void sameAsTheContract();
    void largeGeneratorValues();
    void callerDrawsNoSheetOfItsSeed_data();
    void callerDrawsNoSheetOfItsSeed();
};

void TestNumberFill::generatorSequence_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("seed 1, the classic runtime start")
        << 1u << QList<int>{41, 18467, 6334, 26500, 19169};
    QTest::newRow("seed 0") << 0u << QList<int>{38, 7719, 21238, 2437, 8855};
    QTest::newRow("the largest seed wraps the state")
        << 0xFFFFFFFFu << QList<int>{35, 29739, 3374, 11141};
    QTest::newRow("a seed of whole seconds")
        << 1700000000u << QList<int>{28462, 1027, 22663, 25444};
}

void TestNumberFill::generatorSequence()
{
    QFETCH(quint32, seed);
    QFETCH(QList<int>, expected);
    CrtRandom random(seed);
    QList<int> got;
    for (int i = 0; i < expected.size(); ++i)
        got.append(random.rand());
    QCOMPARE(got, expected);

    random.srand(seed);
    QCOMPARE(random.rand(), expected.first());
}

void TestNumberFill::fillFromScript_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("constant 7 climbs and wraps after the top")
        << QList<int>{7} << 10 << 10 << QList<int>{7, 8, 9, 10, 0, 1, 2, 3, 4, 5};
    QTest::newRow("constant n-1 reaches the top then wraps")
        << QList<int>{2} << 3 << 3 << QList<int>{2, 3, 0};
    QTest::newRow("single slot of top 1 holds 0") << QList<int>{12345} << 1 << 1 << QList<int>{0};
    QTest::newRow("values are reduced modulo n")
        << QList<int>{23, 27, 5} << 3 << 25 << QList<int>{23, 2, 5};
    QTest::newRow("clash rescans from the first slot")
        << QList<int>{1, 2, 1} << 3 << 5 << QList<int>{1, 2, 3};
    QTest::newRow("k of n plus one takes every value")
        << QList<int>{0} << 4 << 3 << QList<int>{0, 1, 2, 3};
}

void TestNumberFill::fillFromScript()
{
    QFETCH(QList<int>, script);
    QFETCH(int, k);
    QFETCH(int, n);
    QFETCH(QList<int>, expected);
    ScriptedRandom random(std::vector<int>(script.begin(), script.end()));
    const std::vector<int> got = fill(k, n, random);
    QCOMPARE(QList<int>(got.begin(), got.end()), expected);
    QCOMPARE(random.calls(), std::size_t(k));
}

void TestNumberFill::fullRangeOfTwentyFive()
{
    for (quint32 seed = 0; seed < 200; ++seed) {
        CrtRandom random(seed);
        const std::vector<int> got = fill(25, 25, random);
        std::vector<bool> seen(26, false);
        for (int v : got) {
            QVERIFY2(v >= 0 && v <= 25, qPrintable(QString::number(v)));
            QVERIFY2(!seen[std::size_t(v)], "a value appears twice");
            seen[std::size_t(v)] = true;
        }
        QCOMPARE(std::count(seen.begin(), seen.end(), false), 1);
    }
}

void TestNumberFill::nothingToFill()
{
    for (int k : {0, -1, -100}) {
        ScriptedRandom random({3});
        std::vector<int> dest(4, -1);
        fillUniqueNumbers(dest, k, 0, random);
        QCOMPARE(random.calls(), std::size_t(0));
        QCOMPARE(dest, std::vector<int>(4, -1));
    }
}

void TestNumberFill::refusals_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("room");
    QTest::newRow("top number 0 would divide by zero") << 25 << 0 << 25;
    QTest::newRow("negative top number") << 3 << -5 << 3;
    QTest::newRow("more slots than values would never end") << 25 << 23 << 25;
    QTest::newRow("largest top number does not overflow the check") << 3 << INT_MAX << 2;
    QTest::newRow("destination too short") << 10 << 50 << 9;
}

void TestNumberFill::refusals()
{
    QFETCH(int, k);
    QFETCH(int, n);
    QFETCH(int, room);
    ScriptedRandom random({1});
    std::vector<int> dest(std::size_t(room), -1);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, fillUniqueNumbers(dest, k, n, random));
    QCOMPARE(random.calls(), std::size_t(0));
    QCOMPARE(dest, std::vector<int>(std::size_t(room), -1));
}

void TestNumberFill::oneCallPerSlotInOrder()
{
    // Two fills in a row continue one generator sequence, so a whole set is reproducible.
    CrtRandom first(99);
    std::vector<int> both(50);
    fillUniqueNumbers(std::span<int>(both).first(25), 25, 50, first);
    fillUniqueNumbers(std::span<int>(both).last(25), 25, 50, first);

    CrtRandom second(99);
    std::vector<int> raw;
    for (int i = 0; i < 50; ++i)
        raw.push_back(second.rand() % 50);
    // The first slot of each fill can never clash, so it is the raw value itself.
    QCOMPARE(both[0], raw[0]);
    QCOMPARE(both[25], raw[25]);
    QCOMPARE(first.rand(), second.rand());
}

void TestNumberFill::ordersFromSeeds_data()
{
    // Worked out by hand from the generator's formula and the upward search for a free value.
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("a game of 5 from seed 12345") << 12345u << 5 << 5 << QList<int>{4, 5, 0, 1, 3};
    QTest::newRow("a game of 25 from seed 4242")
        << 4242u << 25 << 25 << QList<int>{16, 21, 19, 18, 24, 17, 3,  14, 0, 20, 2, 13, 15,
                                           22, 1,  10, 4,  11, 23, 25, 5,  6, 9,  8, 7};
    QTest::newRow("a sheet of top 50 from seed 99")
        << 99u << 25 << 50 << QList<int>{11, 35, 19, 9, 40, 27, 36, 29};
}

void TestNumberFill::ordersFromSeeds()
{
    QFETCH(quint32, seed);
    QFETCH(int, k);
    QFETCH(int, n);
    QFETCH(QList<int>, expected);
    CrtRandom random(seed);
    const std::vector<int> got = fill(k, n, random);
    QCOMPARE(QList<int>(got.begin(), got.begin() + expected.size()), expected);
}

void TestNumberFill::sameAsTheContract_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("slotCounts");
    QTest::newRow("top 24: every sheet uses all but one value") << 24 << QList<int>{1, 24, 25};
    QTest::newRow("top 25") << 25 << QList<int>{25, 26};
    QTest::newRow("top 50, sheets and a whole game") << 50 << QList<int>{25, 50, 51};
    QTest::newRow("top 63, last value of the first word") << 63 << QList<int>{25, 63, 64};
    QTest::newRow("top 64, first value of the second word") << 64 << QList<int>{25, 64, 65};
    QTest::newRow("top 75") << 75 << QList<int>{25, 75};
    QTest::newRow("top 100") << 100 << QList<int>{25, 100, 101};
    QTest::newRow("top 127, the largest kept as bits") << 127 << QList<int>{25, 128};
    QTest::newRow("top 128, beyond the bits") << 128 << QList<int>{25, 129};
    QTest::newRow("top 1") << 1 << QList<int>{1, 2};
}

void TestNumberFill::sameAsTheContract()
{
    QFETCH(int, n);
    QFETCH(QList<int>, slotCounts);
    for (int k : slotCounts) {
        for (quint32 seed = 0; seed < 1000; ++seed) {
            CrtRandom random(seed);
            CrtRandom replay(seed);
            const std::vector<int> got = fill(k, n, random);
            const std::vector<int> expected = contractFill(k, n, replay);
            if (got != expected)
                QFAIL(qPrintable(QStringLiteral("seed %1, %2 slots differ").arg(seed).arg(k)));
            // Both took the same values from the generator.
            QCOMPARE(random.rand(), replay.rand());
        }
    }
}

void TestNumberFill::largeGeneratorValues()
{
    // A source other than the runtime generator may hand out values above 32767.
    const std::vector<int> script{INT_MAX, 32768, 65535, 1 << 20, 32767, 0, 99999};
    for (int n : {24, 50, 100, 127}) {
        ScriptedRandom random(script);
        ScriptedRandom replay(script);
        const std::vector<int> got = fill(7, n, random);
        QCOMPARE(got, contractFill(7, n, replay));
    }
    ScriptedRandom random(script);
    QCOMPARE(fill(3, 100, random), (std::vector<int>{47, 68, 35}));
}

void TestNumberFill::callerDrawsNoSheetOfItsSeed_data()
{
    QTest::addColumn<quint32>("seed");
    // Seed 4711 once made the caller draw sheet 1 of the set, column by column.
    QTest::newRow("seed 4711") << 4711u;
    QTest::newRow("seed 0") << 0u;
    QTest::newRow("the largest seed") << 0xFFFFFFFFu;
    QTest::newRow("a seed of whole seconds") << 1700000000u;
}

void TestNumberFill::callerDrawsNoSheetOfItsSeed()
{
    QFETCH(quint32, seed);
    // A set of 100000 sheets of 25 cells takes that many values from the seed on. The values
    // repeat with the state's lower 31 bits, so the caller, starting at none of these states,
    // draws none of a sheet's values in turn, wherever in a sheet it would begin.
    constexpr int SetSteps = 100000 * 25;
    const std::uint32_t start = CrtRandom::callerStart(seed) & 0x7FFFFFFFu;
    std::uint32_t state = seed;
    int met = -1;
    for (int step = 0; step <= SetSteps && met < 0; ++step) {
        if ((state & 0x7FFFFFFFu) == start)
            met = step;
        state = state * 214013u + 2531011u;
    }
    QCOMPARE(met, -1);
    // The jump the caller's start takes, against the steps taken one by one.
    QCOMPARE(CrtRandom::advanced(seed, SetSteps + 1), state);
}

QTEST_APPLESS_MAIN(TestNumberFill)
#include "tst_numberfill.moc"
