#include "callercommandline.h"
#include "qttranslation.h"

#include <QTest>

using Mode = CallerCommandLine::Mode;

class TestCallerCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // The messages as an English user reads them, which are the texts the tests name.
    void initTestCase()
    {
        QVERIFY(installKitTranslations(*QCoreApplication::instance(), KitLanguage::English,
                                       QStringLiteral("kavelo")));
    }
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void helpNamesTheCommandAndTheRules();
};

void TestCallerCommandLine::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<qint64>("seed");
    QTest::newRow("nothing: the window, seeded by the time")
        << QStringList() << int(Mode::Window) << qint64(-1);
    QTest::newRow("seed zero") << QStringList{"--seed", "0"} << int(Mode::Window) << qint64(0);
    QTest::newRow("seed in one argument")
        << QStringList{"--seed=12345"} << int(Mode::Window) << qint64(12345);
    QTest::newRow("largest seed") << QStringList{"--seed", "4294967295"} << int(Mode::Window)
                                  << qint64(4294967295);
    QTest::newRow("leading zeros are digits too")
        << QStringList{"--seed", "007"} << int(Mode::Window) << qint64(7);
    QTest::newRow("help") << QStringList{"--help"} << int(Mode::Help) << qint64(-1);
    QTest::newRow("short help") << QStringList{"-h"} << int(Mode::Help) << qint64(-1);
    QTest::newRow("version") << QStringList{"--version"} << int(Mode::Version) << qint64(-1);
    QTest::newRow("help wins over a seed")
        << QStringList{"--seed", "1", "--help"} << int(Mode::Help) << qint64(-1);
    // The sheet program takes the same: leading zeros do not count against the largest seed.
    QTest::newRow("more digits than the largest seed, in leading zeros")
        << QStringList{"--seed", "00000000000012"} << int(Mode::Window) << qint64(12);
    QTest::newRow("serving the live page")
        << QStringList{"--serve"} << int(Mode::Window) << qint64(-1);
    QTest::newRow("serving on a port of its own")
        << QStringList{"--serve", "--port", "8000"} << int(Mode::Window) << qint64(-1);
    QTest::newRow("a port for the menu item, and a seed")
        << QStringList{"--port=65535", "--seed", "3"} << int(Mode::Window) << qint64(3);
    QTest::newRow("the lowest port")
        << QStringList{"--port", "1"} << int(Mode::Window) << qint64(-1);
}

void TestCallerCommandLine::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(qint64, seed);
    const CallerCommandLine line = CallerCommandLine::parse(QStringList{"Kavelo"} + arguments);
    QCOMPARE(int(line.mode), mode);
    QVERIFY(line.error.isEmpty());
    QCOMPARE(line.seed.has_value(), seed >= 0);
    if (line.seed)
        QCOMPARE(qint64(*line.seed), seed);
    QCOMPARE(line.serve, arguments.contains("--serve"));
    const qsizetype port = arguments.indexOf("--port");
    const QString portText =
        port >= 0 ? arguments.value(port + 1) : arguments.filter("--port=").join("").mid(7);
    QCOMPARE(line.port ? QString::number(*line.port) : QString(), portText);
}

void TestCallerCommandLine::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString seedRule = "--seed needs a whole number from 0 to 4294967295, not \"%1\"";
    QTest::newRow("negative seed") << QStringList{"--seed", "-1"} << seedRule.arg("-1");
    QTest::newRow("plus sign") << QStringList{"--seed", "+5"} << seedRule.arg("+5");
    QTest::newRow("blank before") << QStringList{"--seed", " 5"} << seedRule.arg(" 5");
    QTest::newRow("blank after") << QStringList{"--seed", "5 "} << seedRule.arg("5 ");
    QTest::newRow("text after the digits") << QStringList{"--seed", "5x"} << seedRule.arg("5x");
    QTest::newRow("hexadecimal") << QStringList{"--seed", "0x10"} << seedRule.arg("0x10");
    QTest::newRow("exponent") << QStringList{"--seed", "1e3"} << seedRule.arg("1e3");
    QTest::newRow("one beyond 32 bits")
        << QStringList{"--seed", "4294967296"} << seedRule.arg("4294967296");
    QTest::newRow("eleven digits beyond the largest seed")
        << QStringList{"--seed", "42949672950"} << seedRule.arg("42949672950");
    QTest::newRow("full-width digits") << QStringList{"--seed", "１２"} << seedRule.arg("１２");
    QTest::newRow("empty seed") << QStringList{"--seed="} << seedRule.arg("");
    QTest::newRow("seed without its value")
        << QStringList{"--seed"} << "Missing value after '--seed'.";
    QTest::newRow("seed twice") << QStringList{"--seed", "1", "--seed", "2"}
                                << "--seed can be given only once";
    QTest::newRow("seed twice with one value")
        << QStringList{"--seed=3", "--seed", "3"} << "--seed can be given only once";
    QTest::newRow("version twice")
        << QStringList{"--version", "--version"} << "--version can be given only once";
    QTest::newRow("help by both its names")
        << QStringList{"-h", "--help"} << "--help can be given only once";
    QTest::newRow("version with a bad seed")
        << QStringList{"--version", "--seed", "x"} << seedRule.arg("x");
    QTest::newRow("help with a bad seed")
        << QStringList{"--help", "--seed=-1"} << seedRule.arg("-1");
    QTest::newRow("unknown option") << QStringList{"--top", "50"} << "Unknown option 'top'.";
    const QString portRule = "--port needs a whole number from 1 to 65535, not \"%1\"";
    QTest::newRow("port zero") << QStringList{"--port", "0"} << portRule.arg("0");
    QTest::newRow("port beyond 16 bits") << QStringList{"--port", "65536"} << portRule.arg("65536");
    QTest::newRow("port with a sign") << QStringList{"--port", "+80"} << portRule.arg("+80");
    QTest::newRow("port with blanks") << QStringList{"--port", " 80"} << portRule.arg(" 80");
    QTest::newRow("port by name") << QStringList{"--port", "http"} << portRule.arg("http");
    QTest::newRow("port twice") << QStringList{"--port", "80", "--port", "81"}
                                << "--port can be given only once";
    QTest::newRow("port without its value")
        << QStringList{"--port"} << "Missing value after '--port'.";
    QTest::newRow("serve takes no value")
        << QStringList{"--serve=yes"} << "Unexpected value after '--serve'.";
    QTest::newRow("an argument") << QStringList{"game.txt"}
                                 << "no arguments are taken, but \"game.txt\" was given";
}

void TestCallerCommandLine::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CallerCommandLine line = CallerCommandLine::parse(QStringList{"Kavelo"} + arguments);
    QCOMPARE(int(line.mode), int(Mode::Error));
    QCOMPARE(line.error, message);
    QVERIFY(!line.seed);
}

void TestCallerCommandLine::helpNamesTheCommandAndTheRules()
{
    // As the launcher is typed, whatever path started the program.
    const QString help = CallerCommandLine::helpText();
    QVERIFY2(help.startsWith(QStringLiteral("Usage: kavelo [options]\n")), qPrintable(help));
    QVERIFY2(help.contains(QStringLiteral("a repeated option is refused")), qPrintable(help));
}

QTEST_GUILESS_MAIN(TestCallerCommandLine)
#include "tst_callercommandline.moc"
