#include "sheetsetup.h"

#include <QTest>

using Problem = SetupAnswer::Problem;

class TestSheetSetup : public QObject
{
    Q_OBJECT

private slots:
    void sheetCount_data();
    void sheetCount();
    void topNumber_data();
    void topNumber();
};

void TestSheetSetup::sheetCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<int>("value");
    QTest::newRow("default") << "10" << Problem::None << 10;
    QTest::newRow("zero sheets") << "0" << Problem::None << 0;
    QTest::newRow("largest") << "100000" << Problem::None << 100000;
    QTest::newRow("blanks around") << "  25 " << Problem::None << 25;
    QTest::newRow("plus sign") << "+3" << Problem::None << 3;
    QTest::newRow("negative") << "-1" << Problem::OutOfRange << -1;
    QTest::newRow("too many") << "100001" << Problem::OutOfRange << 100001;
    QTest::newRow("beyond 32 bits") << "99999999999" << Problem::OutOfRange << 0;
    QTest::newRow("empty") << "" << Problem::NotInteger << 0;
    QTest::newRow("letters") << "abc" << Problem::NotInteger << 0;
    QTest::newRow("trailing letters") << "12a" << Problem::NotInteger << 0;
    QTest::newRow("decimal") << "1.5" << Problem::NotInteger << 0;
}

void TestSheetSetup::sheetCount()
{
    QFETCH(QString, text);
    QFETCH(Problem, problem);
    QFETCH(int, value);
    const SetupAnswer answer = readSheetCount(text);
    QCOMPARE(answer.problem, problem);
    QCOMPARE(answer.value, value);
}

void TestSheetSetup::topNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<int>("value");
    QTest::newRow("listed 50") << "50" << Problem::None << 50;
    QTest::newRow("typed 30") << "30" << Problem::None << 30;
    QTest::newRow("smallest that fills a sheet") << "24" << Problem::None << 24;
    QTest::newRow("largest") << "100" << Problem::None << 100;
    QTest::newRow("50 followed by letters") << "50abc" << Problem::None << 50;
    QTest::newRow("75 preceded by a blank") << " 75" << Problem::None << 75;
    QTest::newRow("23 cannot fill a sheet") << "23" << Problem::OutOfRange << 23;
    QTest::newRow("zero") << "0" << Problem::OutOfRange << 0;
    QTest::newRow("negative") << "-50" << Problem::OutOfRange << -50;
    QTest::newRow("above 100") << "101" << Problem::OutOfRange << 101;
    QTest::newRow("beyond 32 bits") << "4294967296" << Problem::OutOfRange << 0;
    QTest::newRow("empty") << "" << Problem::NotNumber << 0;
    QTest::newRow("letters only") << "abc" << Problem::NotNumber << 0;
    QTest::newRow("sign only") << "-" << Problem::NotNumber << 0;
}

void TestSheetSetup::topNumber()
{
    QFETCH(QString, text);
    QFETCH(Problem, problem);
    QFETCH(int, value);
    const SetupAnswer answer = readTopNumber(text);
    QCOMPARE(answer.problem, problem);
    QCOMPARE(answer.value, value);
}

QTEST_APPLESS_MAIN(TestSheetSetup)
#include "tst_sheetsetup.moc"
