#include "dialogint.h"
#include "numbertext.h"

#include <QTest>

class TestDialogInt : public QObject
{
    Q_OBJECT

private slots:
    void leading_data();
    void leading();
    void whole_data();
    void whole();
    void text();
    void plain_data();
    void plain();
};

using Status = DialogInt::Status;
Q_DECLARE_METATYPE(DialogInt::Status)

void TestDialogInt::leading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Status>("status");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "50" << Status::Ok << 50;
    QTest::newRow("leading blanks") << " \t75" << Status::Ok << 75;
    QTest::newRow("digits then letters") << "50abc" << Status::Ok << 50;
    QTest::newRow("plus sign") << "+7" << Status::Ok << 7;
    QTest::newRow("minus sign") << "-12" << Status::Ok << -12;
    QTest::newRow("empty") << "" << Status::NoDigits << 0;
    QTest::newRow("letters only") << "abc" << Status::NoDigits << 0;
    QTest::newRow("sign without digits") << "-" << Status::NoDigits << 0;
    QTest::newRow("blank between sign and digits") << "- 5" << Status::NoDigits << 0;
    QTest::newRow("full-width digits are not digits") << "５０" << Status::NoDigits << 0;
    QTest::newRow("largest") << "2147483647" << Status::Ok << INT_MAX;
    QTest::newRow("smallest") << "-2147483648" << Status::Ok << INT_MIN;
    QTest::newRow("one above the largest") << "2147483648" << Status::OutOfRange << 0;
    QTest::newRow("one below the smallest") << "-2147483649" << Status::OutOfRange << 0;
    QTest::newRow("very long") << QString(200, u'9') << Status::OutOfRange << 0;
    QTest::newRow("leading zeros") << "00000000000000000042" << Status::Ok << 42;
}

void TestDialogInt::leading()
{
    QFETCH(QString, text);
    QFETCH(Status, status);
    QFETCH(int, value);
    const DialogInt got = readLeadingInt(text);
    QCOMPARE(got.status, status);
    QCOMPARE(got.value, value);
}

void TestDialogInt::whole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Status>("status");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "10" << Status::Ok << 10;
    QTest::newRow("blanks around") << "  10  " << Status::Ok << 10;
    QTest::newRow("negative") << "-3" << Status::Ok << -3;
    QTest::newRow("trailing letters") << "10x" << Status::TrailingText << 0;
    QTest::newRow("two numbers") << "1 2" << Status::TrailingText << 0;
    QTest::newRow("decimal point") << "1.5" << Status::TrailingText << 0;
    QTest::newRow("empty") << "" << Status::NoDigits << 0;
    QTest::newRow("too large") << "99999999999" << Status::OutOfRange << 0;
}

void TestDialogInt::whole()
{
    QFETCH(QString, text);
    QFETCH(Status, status);
    QFETCH(int, value);
    const DialogInt got = readWholeInt(text);
    QCOMPARE(got.status, status);
    QCOMPARE(got.value, value);
}

void TestDialogInt::text()
{
    QCOMPARE(numberText(0), QStringLiteral("00"));
    QCOMPARE(numberText(5), QStringLiteral("05"));
    QCOMPARE(numberText(42), QStringLiteral("42"));
    QCOMPARE(numberText(100), QStringLiteral("100"));
}

void TestDialogInt::plain_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("max");
    QTest::addColumn<qint64>("expected"); // -1: refused
    QTest::newRow("digits") << "42" << 100u << qint64(42);
    QTest::newRow("leading zeros") << "007" << 100u << qint64(7);
    QTest::newRow("the largest 32-bit value") << "4294967295" << 0xFFFFFFFFu << qint64(4294967295);
    QTest::newRow("one beyond it") << "4294967296" << 0xFFFFFFFFu << qint64(-1);
    QTest::newRow("above max") << "101" << 100u << qint64(-1);
    QTest::newRow("empty") << "" << 100u << qint64(-1);
    QTest::newRow("leading blank") << " 5" << 100u << qint64(-1);
    QTest::newRow("trailing blank") << "5 " << 100u << qint64(-1);
    QTest::newRow("plus sign") << "+5" << 100u << qint64(-1);
    QTest::newRow("minus zero") << "-0" << 100u << qint64(-1);
    QTest::newRow("hexadecimal") << "0x5" << 100u << qint64(-1);
    QTest::newRow("full-width digit") << QString::fromUtf8("\xef\xbc\x95") << 100u << qint64(-1);
}

void TestDialogInt::plain()
{
    QFETCH(QString, text);
    QFETCH(quint32, max);
    QFETCH(qint64, expected);
    const std::optional<std::uint32_t> read = readPlainNumber(text, max);
    QCOMPARE(read ? qint64(*read) : qint64(-1), expected);
}

QTEST_APPLESS_MAIN(TestDialogInt)
#include "tst_dialogint.moc"
