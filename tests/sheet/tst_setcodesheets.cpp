#include "crtrandom.h"
#include "setcode.h"
#include "sheetcolour.h"
#include "sheetset.h"

#include <QTest>

// A set code and a sheet number make that sheet again, cell for cell, as the set made it.
class TestSetCodeSheets : public QObject
{
    Q_OBJECT

private slots:
    void sameSheetsAsTheSet_data();
    void sameSheetsAsTheSet();
    void lastSheetOfTheLargestSet();
};

void TestSetCodeSheets::sameSheetsAsTheSet_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("top");
    QTest::newRow("seed 0, the smallest top") << 0u << 24;
    QTest::newRow("a usual set") << 4711u << 75;
    QTest::newRow("largest seed, top 100") << 0xFFFFFFFFu << 100;
    QTest::newRow("a time seed, top 50") << 1717171717u << 50;
}

void TestSetCodeSheets::sameSheetsAsTheSet()
{
    QFETCH(quint32, seed);
    QFETCH(int, top);
    CrtRandom random(seed);
    SheetSet set;
    set.generate({60, top, SheetColour::Blue}, random);
    // Through the code's text, as the operator types it.
    const SetCodeReading reading = SetCode::read(SetCode(seed, top).text());
    QVERIFY2(reading.code, qPrintable(reading.error));
    for (int number = 1; number <= set.sheetCount(); ++number) {
        const auto expected = set.sheet(number - 1);
        const auto made = reading.code->sheet(number);
        QVERIFY2(std::equal(expected.begin(), expected.end(), made.begin(), made.end()),
                 qPrintable(QStringLiteral("sheet %1").arg(number)));
    }
}

void TestSetCodeSheets::lastSheetOfTheLargestSet()
{
    CrtRandom random(4711);
    SheetSet set;
    set.generate({100000, 75, SheetColour::Red}, random);
    const auto expected = set.sheet(99999);
    const auto made = SetCode(4711, 75).sheet(100000);
    QVERIFY(std::equal(expected.begin(), expected.end(), made.begin(), made.end()));
    // Worked out by hand from the generator: the first column of that sheet.
    QCOMPARE((std::array{made[0], made[1], made[2], made[3], made[4]}),
             (std::array{72, 73, 10, 17, 27}));
}

QTEST_APPLESS_MAIN(TestSetCodeSheets)
#include "tst_setcodesheets.moc"
