#include "crtrandom.h"
#include "numberfill.h"
#include "sheetids.h"
#include "sheetset.h"

#include <QSet>
#include <QTest>

#include <stdexcept>

using namespace SheetIds;

class TestSheetSet : public QObject
{
    Q_OBJECT

private slots:
    void sheetsHoldDistinctValuesInRange_data();
    void sheetsHoldDistinctValuesInRange();
    void topOf25LeavesExactlyOneValueOut();
    void sheetsFormOneGeneratorSequence();
    void sameSeedSameSheets();
    void colourChoice_data();
    void colourChoice();
    void refusesWhatCannotBeMade_data();
    void refusesWhatCannotBeMade();
    void noSheetsIsAnEmptySet();
};

void TestSheetSet::sheetsHoldDistinctValuesInRange_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("count");
    QTest::newRow("smallest top") << 24 << 300;
    QTest::newRow("listed 25") << 25 << 300;
    QTest::newRow("listed 50") << 50 << 300;
    QTest::newRow("listed 75") << 75 << 300;
    QTest::newRow("largest top") << 100 << 300;
    QTest::newRow("odd count") << 50 << 7;
}

void TestSheetSet::sheetsHoldDistinctValuesInRange()
{
    QFETCH(int, top);
    QFETCH(int, count);
    for (std::uint32_t seed : {0u, 1u, 1700000000u, 0xFFFFFFFFu}) {
        CrtRandom random(seed);
        SheetSet set;
        set.generate({count, top, IDC_SHEET_BLUE}, random);
        QCOMPARE(set.sheetCount(), count);
        QCOMPARE(set.topNumber(), top);
        QCOMPARE(set.curSheet(), count);
        QCOMPARE(set.sheets().size(), std::size_t(count) * 25);
        bool sheetsShareAValue = false;
        QSet<int> previous;
        for (int s = 0; s < count; ++s) {
            QSet<int> values;
            for (int v : set.sheet(s)) {
                QVERIFY2(v >= 0 && v <= top, qPrintable(QString::number(v)));
                values.insert(v);
            }
            QCOMPARE(values.size(), 25);
            sheetsShareAValue = sheetsShareAValue || previous.intersects(values);
            previous = values;
        }
        if (count > 1)
            QVERIFY(sheetsShareAValue);
    }
}

void TestSheetSet::topOf25LeavesExactlyOneValueOut()
{
    CrtRandom random(12345);
    SheetSet set;
    set.generate({200, 25, IDC_SHEET_BLUE}, random);
    bool topSeen = false;
    for (int s = 0; s < set.sheetCount(); ++s) {
        QSet<int> values(set.sheet(s).begin(), set.sheet(s).end());
        QCOMPARE(values.size(), 25);
        int missing = 0;
        for (int v = 0; v <= 25; ++v)
            missing += values.contains(v) ? 0 : 1;
        QCOMPARE(missing, 1);
        topSeen = topSeen || values.contains(25);
    }
    QVERIFY(topSeen);
}

void TestSheetSet::sheetsFormOneGeneratorSequence()
{
    CrtRandom random(99);
    SheetSet set;
    set.generate({5, 50, IDC_SHEET_RED}, random);

    CrtRandom replay(99);
    for (int s = 0; s < 5; ++s) {
        int expected[25];
        fillUniqueNumbers(expected, 25, 50, replay);
        QVERIFY(std::equal(std::begin(expected), std::end(expected), set.sheet(s).begin()));
    }
    // Both generators are now at the same place: 25 draws per sheet, nothing more.
    QCOMPARE(random.rand(), replay.rand());
}

void TestSheetSet::sameSeedSameSheets()
{
    CrtRandom first(1700000000);
    CrtRandom second(1700000000);
    CrtRandom later(1700000001);
    SheetSet a;
    SheetSet b;
    SheetSet c;
    a.generate({40, 75, IDC_SHEET_GREEN}, first);
    b.generate({40, 75, IDC_SHEET_GREEN}, second);
    c.generate({40, 75, IDC_SHEET_GREEN}, later);
    QVERIFY(std::ranges::equal(a.sheets(), b.sheets()));
    QVERIFY(!std::ranges::equal(a.sheets(), c.sheets()));
}

void TestSheetSet::colourChoice_data()
{
    QTest::addColumn<int>("colorId");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("blue radio") << IDC_SHEET_BLUE << 0 << 0 << 255;
    QTest::newRow("red radio") << IDC_SHEET_RED << 255 << 0 << 0;
    QTest::newRow("green radio") << IDC_SHEET_GREEN << 0 << 255 << 0;
    QTest::newRow("no radio leaves components unchanged") << 0 << 0 << 0 << 0;
}

void TestSheetSet::colourChoice()
{
    QFETCH(int, colorId);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    CrtRandom random(1);
    SheetSet set;
    set.generate({1, 50, colorId}, random);
    QCOMPARE(set.colorId(), colorId);
    QCOMPARE(set.colour(), (Rgb{red, green, blue}));
}

void TestSheetSet::refusesWhatCannotBeMade_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("top");
    QTest::newRow("top 23 would never end") << 10 << 23;
    QTest::newRow("top 0 would divide by zero") << 10 << 0;
    QTest::newRow("negative top") << 10 << -5;
    QTest::newRow("top above 100") << 10 << 101;
    QTest::newRow("negative count") << -1 << 50;
    QTest::newRow("count above 100000") << 100001 << 50;
}

void TestSheetSet::refusesWhatCannotBeMade()
{
    QFETCH(int, count);
    QFETCH(int, top);
    CrtRandom random(1);
    SheetSet set;
    set.generate({2, 50, IDC_SHEET_RED}, random);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             set.generate({count, top, IDC_SHEET_BLUE}, random));
    // The set made before is still whole.
    QCOMPARE(set.sheetCount(), 2);
    QCOMPARE(set.topNumber(), 50);
    QCOMPARE(set.colour(), TextColours::Red);
}

void TestSheetSet::noSheetsIsAnEmptySet()
{
    CrtRandom random(5);
    SheetSet set;
    set.generate({0, 50, IDC_SHEET_BLUE}, random);
    QCOMPARE(set.sheetCount(), 0);
    QCOMPARE(set.curSheet(), 0);
    QVERIFY(set.sheets().empty());
    QCOMPARE(set.colour(), TextColours::Blue);
}

QTEST_APPLESS_MAIN(TestSheetSet)
#include "tst_sheetset.moc"
