#include "setcode.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <stdexcept>

namespace {

const QString checkFailed = QStringLiteral("コードが正しくありません（確認文字が合いません）。");

// Seeds at the edges of the range and some from anywhere in it.
QList<quint32> seedsToTry()
{
    QList<quint32> seeds{0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu};
    QRandomGenerator picks(20240601);
    for (int i = 0; i < 12; ++i)
        seeds.append(picks.generate());
    return seeds;
}

} // namespace

class TestSetCode : public QObject
{
    Q_OBJECT

private slots:
    void pinnedCodes_data();
    void pinnedCodes();
    void everySetReadsBack();
    void typingVariantsReadTheSame_data();
    void typingVariantsReadTheSame();
    void everySingleWrongCharacterIsRefused();
    void everyNeighbourSwapIsRefused();
    void refusals_data();
    void refusals();
    void topOutsideTheSetsIsNoCode();
    void sheetNumbers_data();
    void sheetNumbers();
    void typedNumbers_data();
    void typedNumbers();
};

void TestSetCode::pinnedCodes_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("text");
    // Worked out by hand: value = seed * 77 + (top - 24) in base 31, then the check character
    // that makes the sum of position times digit a multiple of 31.
    QTest::newRow("smallest value") << 0u << 24 << "2222-22222";
    QTest::newRow("next top number") << 0u << 25 << "2222-22238";
    QTest::newRow("next seed") << 1u << 24 << "2222-224HS";
    QTest::newRow("a usual set") << 4711u << 75 << "2222-E7J7D";
    QTest::newRow("largest signed seed") << 0x7FFFFFFFu << 50 << "82BT-TGXCH";
    QTest::newRow("largest seed, top 24") << 0xFFFFFFFFu << 24 << "E2NM-KYVGB";
    QTest::newRow("largest value") << 0xFFFFFFFFu << 100 << "E2NM-KYXXV";
}

void TestSetCode::pinnedCodes()
{
    QFETCH(quint32, seed);
    QFETCH(int, top);
    QFETCH(QString, text);
    QCOMPARE(SetCode(seed, top).text(), text);
    const SetCodeReading reading = SetCode::read(text);
    QVERIFY2(reading.code, qPrintable(reading.error));
    QCOMPARE(reading.code->seed(), seed);
    QCOMPARE(reading.code->top(), top);
}

void TestSetCode::everySetReadsBack()
{
    const QRegularExpression shape(QStringLiteral("^[2-9A-HJKMNP-Z]{4}-[2-9A-HJKMNP-Z]{5}$"));
    for (int top = SheetRules::MinTop; top <= SheetRules::MaxTop; ++top) {
        for (quint32 seed : seedsToTry()) {
            const QString text = SetCode(seed, top).text();
            QVERIFY2(shape.match(text).hasMatch(), qPrintable(text));
            const SetCodeReading reading = SetCode::read(text);
            QVERIFY2(reading.code, qPrintable(text + u' ' + reading.error));
            QCOMPARE(reading.code->seed(), seed);
            QCOMPARE(reading.code->top(), top);
            QVERIFY(reading.error.isEmpty());
        }
    }
}

void TestSetCode::typingVariantsReadTheSame_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("as shown") << "82BT-TGXCH";
    QTest::newRow("lower case") << "82bt-tgxch";
    QTest::newRow("no dash") << "82BTTGXCH";
    QTest::newRow("spaces and dashes anywhere") << " 82 BT-T-GX CH ";
    QTest::newRow("full-width, as an input method types it") << "８２ＢＴ－ＴＧＸＣＨ";
}

void TestSetCode::typingVariantsReadTheSame()
{
    QFETCH(QString, typed);
    const SetCodeReading reading = SetCode::read(typed);
    QVERIFY2(reading.code, qPrintable(reading.error));
    QCOMPARE(*reading.code, SetCode(0x7FFFFFFFu, 50));
}

void TestSetCode::everySingleWrongCharacterIsRefused()
{
    QRandomGenerator picks(77);
    for (int n = 0; n < 150; ++n) {
        const SetCode code(picks.generate(), SheetRules::MinTop + int(picks.bounded(77)));
        const QString text = code.text().remove(u'-');
        for (int i = 0; i < SetCode::Length; ++i) {
            for (char other : SetCode::Alphabet) {
                if (QChar(other) == text.at(i))
                    continue;
                QString wrong = text;
                wrong[i] = QChar(other);
                const SetCodeReading reading = SetCode::read(wrong);
                QVERIFY2(!reading.code, qPrintable(text + " read as " + wrong));
                QCOMPARE(reading.error, checkFailed);
            }
        }
    }
}

void TestSetCode::everyNeighbourSwapIsRefused()
{
    QRandomGenerator picks(31);
    int swaps = 0;
    for (int n = 0; n < 2000; ++n) {
        const SetCode code(picks.generate(), SheetRules::MinTop + int(picks.bounded(77)));
        // Shown with its dash: the fourth and fifth characters are neighbours to a reader too.
        const QString text = code.text().remove(u'-');
        for (int i = 0; i + 1 < SetCode::Length; ++i) {
            if (text.at(i) == text.at(i + 1))
                continue;
            QString swapped = text;
            std::swap(swapped[i], swapped[i + 1]);
            const SetCodeReading reading = SetCode::read(swapped);
            QVERIFY2(!reading.code, qPrintable(text + " read as " + swapped));
            QCOMPARE(reading.error, checkFailed);
            ++swaps;
        }
    }
    QVERIFY(swaps > 10000);
}

void TestSetCode::refusals_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");
    const QString letters =
        QStringLiteral("（コードは 2～9 と、I, L, O を除く英字でできています）。");
    QTest::newRow("nothing") << ""
                             << "コードを入力してください。";
    QTest::newRow("only dashes and spaces") << " - - "
                                            << "コードを入力してください。";
    QTest::newRow("letter O for zero")
        << "82BT-TGXCO" << QStringLiteral("コードに使われない文字「O」があります") + letters;
    QTest::newRow("digit zero") << "02BT-TGXCH"
                                << QStringLiteral("コードに使われない文字「0」があります") +
                                       letters;
    QTest::newRow("digit one") << "82BT-1GXCH"
                               << QStringLiteral("コードに使われない文字「1」があります") + letters;
    QTest::newRow("lower-case l") << "82BT-TGXlH"
                                  << QStringLiteral("コードに使われない文字「l」があります") +
                                         letters;
    QTest::newRow("letter I") << "I2BT-TGXCH"
                              << QStringLiteral("コードに使われない文字「I」があります") + letters;
    QTest::newRow("punctuation") << "82BT/TGXCH"
                                 << QStringLiteral("コードに使われない文字「/」があります") +
                                        letters;
    QTest::newRow("one character short") << "82BT-TGXC"
                                         << "コードは 9 文字です（入力は 8 文字でした）。";
    QTest::newRow("one character too many") << "82BT-TGXCHH"
                                            << "コードは 9 文字です（入力は 10 文字でした）。";
    QTest::newRow("check character wrong") << "82BT-TGXCJ" << checkFailed;
    QTest::newRow("first value past the sets")
        << "E2NM-KYXY3"
        << "コードが正しくありません（どのシートの組にも当たりません）。";
    QTest::newRow("largest value of the characters")
        << "ZZZZ-ZZZZ6"
        << "コードが正しくありません（どのシートの組にも当たりません）。";
}

void TestSetCode::refusals()
{
    QFETCH(QString, typed);
    QFETCH(QString, error);
    const SetCodeReading reading = SetCode::read(typed);
    QVERIFY(!reading.code);
    QCOMPARE(reading.error, error);
}

void TestSetCode::topOutsideTheSetsIsNoCode()
{
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SetCode(1, 23));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SetCode(1, 101));
}

void TestSetCode::sheetNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("names");
    QTest::newRow("zero") << 0 << false;
    QTest::newRow("negative") << -3 << false;
    QTest::newRow("first") << 1 << true;
    QTest::newRow("last a set can have") << 100000 << true;
    QTest::newRow("one past the last") << 100001 << false;
}

void TestSetCode::sheetNumbers()
{
    QFETCH(int, number);
    QFETCH(bool, names);
    const auto refusal = SetCode::sheetNumberRefusal(number);
    QCOMPARE(!refusal, names);
    const SetCode code(4711, 75);
    if (names) {
        // A sheet of the set: 25 distinct values from 0..75.
        QSet<int> values;
        for (int value : code.sheet(number)) {
            QVERIFY(value >= 0 && value <= 75);
            values.insert(value);
        }
        QCOMPARE(values.size(), 25);
        return;
    }
    QCOMPARE(*refusal, QStringLiteral("シート番号 %1 はありません。シート番号は 1 から 100000 "
                                      "までです。")
                           .arg(number));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, code.sheet(number));
}

void TestSetCode::typedNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("number"); // -1: not a number
    QTest::newRow("plain digits") << "7" << qint64(7);
    QTest::newRow("leading zeros") << "0000000000007" << qint64(7);
    QTest::newRow("full-width digits") << "０７" << qint64(7);
    QTest::newRow("full-width and plain mixed") << "１0０" << qint64(100);
    QTest::newRow("blanks around, full-width ones too") << "\u3000 12 \t" << qint64(12);
    QTest::newRow("zero") << "００" << qint64(0);
    QTest::newRow("beyond every sheet, read as typed") << "12345678901" << qint64(12345678901);
    QTest::newRow("beyond any count, still past every sheet")
        << "99999999999999999999999" << qint64(999999999999999999);
    QTest::newRow("empty") << "" << qint64(-1);
    QTest::newRow("blanks only") << "  " << qint64(-1);
    QTest::newRow("a sign") << "+7" << qint64(-1);
    QTest::newRow("a full-width sign") << "－７" << qint64(-1);
    QTest::newRow("a blank inside") << "1 2" << qint64(-1);
    QTest::newRow("a letter") << "7a" << qint64(-1);
}

void TestSetCode::typedNumbers()
{
    QFETCH(QString, typed);
    QFETCH(qint64, number);
    const std::optional<qint64> read = SetCode::readSheetNumber(typed);
    QCOMPARE(read.value_or(-1), number);
}

QTEST_APPLESS_MAIN(TestSetCode)
#include "tst_setcode.moc"
