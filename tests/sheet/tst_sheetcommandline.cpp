#include "qttranslation.h"
#include "sheetcommandline.h"

#include <QTest>

#include <vector>

using Mode = SheetCommandLine::Mode;
using Colour = std::optional<SheetColour>;

class TestSheetCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // The messages as an English user reads them, which are the texts the tests name.
    void initTestCase()
    {
        QVERIFY(installKitTranslations(*QCoreApplication::instance(), KitLanguage::English,
                                       QStringLiteral("bingo")));
    }
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void argumentBytes_data();
    void argumentBytes();
    void numberedAndSetCode_data();
    void numberedAndSetCode();
    void helpNamesTheCommandAndTheRules();
};

void TestSheetCommandLine::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("sheets");
    QTest::addColumn<int>("top");
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<qint64>("seed"); // -1: none
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<QString>("file");

    const int a4 = QPageSize::A4;
    const Colour none;
    QTest::newRow("no arguments opens the window")
        << QStringList{} << Mode::Window << 10 << 50 << none << qint64(-1) << a4 << QString();
    QTest::newRow("a document to open") << QStringList{"sheets.bgo"} << Mode::Window << 10 << 50
                                        << none << qint64(-1) << a4 << "sheets.bgo";
    QTest::newRow("seed for the window")
        << QStringList{"--seed", "1700000000"} << Mode::Window << 10 << 50 << none
        << qint64(1700000000) << a4 << QString();
    QTest::newRow("pdf with every option")
        << QStringList{"--sheets", "12",         "--top",       "75",     "--color", "red",
                       "--seed",   "4294967295", "--page-size", "Letter", "--pdf",   "out.pdf"}
        << Mode::Pdf << 12 << 75 << Colour(SheetColour::Red) << qint64(4294967295)
        << int(QPageSize::Letter) << QString();
    QTest::newRow("pdf defaults to A4 and no seed")
        << QStringList{"--pdf=out.pdf", "--sheets=0", "--top=24", "--color=green"} << Mode::Pdf << 0
        << 24 << Colour(SheetColour::Green) << qint64(-1) << a4 << QString();
    QTest::newRow("page size in any case")
        << QStringList{"--sheets", "1",           "--top", "100",   "--color",
                       "blue",     "--page-size", "a4",    "--pdf", "x.pdf"}
        << Mode::Pdf << 1 << 100 << Colour(SheetColour::Blue) << qint64(-1) << a4 << QString();
    QTest::newRow("colour and paper in any case")
        << QStringList{"--sheets", "2",           "--top",  "50",    "--color",
                       "RED",      "--page-size", "letter", "--pdf", "x.pdf"}
        << Mode::Pdf << 2 << 50 << Colour(SheetColour::Red) << qint64(-1) << int(QPageSize::Letter)
        << QString();
    QTest::newRow("colour in mixed case")
        << QStringList{"--sheets", "2", "--top", "50", "--color", "Green", "--pdf", "x.pdf"}
        << Mode::Pdf << 2 << 50 << Colour(SheetColour::Green) << qint64(-1) << a4 << QString();
    QTest::newRow("leading zeros are still plain digits")
        << QStringList{"--sheets", "007",    "--top", "050",   "--color",
                       "blue",     "--seed", "00",    "--pdf", "x.pdf"}
        << Mode::Pdf << 7 << 50 << Colour(SheetColour::Blue) << qint64(0) << a4 << QString();
    QTest::newRow("largest count")
        << QStringList{"--sheets", "100000", "--top", "50", "--color", "blue", "--pdf", "x.pdf"}
        << Mode::Pdf << 100000 << 50 << Colour(SheetColour::Blue) << qint64(-1) << a4 << QString();
    QTest::newRow("help") << QStringList{"--help"} << Mode::Help << 10 << 50 << none << qint64(-1)
                          << a4 << QString();
    // The caller takes the same: leading zeros do not count against the largest seed.
    QTest::newRow("more digits than the largest seed, in leading zeros")
        << QStringList{"--seed", "00000000000012"} << Mode::Window << 10 << 50 << none << qint64(12)
        << a4 << QString();
}

void TestSheetCommandLine::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(Mode, mode);
    QFETCH(int, sheets);
    QFETCH(int, top);
    QFETCH(Colour, colour);
    QFETCH(qint64, seed);
    QFETCH(int, pageSize);
    QFETCH(QString, file);

    const SheetCommandLine parsed = SheetCommandLine::parse(QStringList{"bingo"} + arguments);
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.mode, mode);
    QCOMPARE(parsed.setup.sheetCount, sheets);
    QCOMPARE(parsed.setup.topNumber, top);
    QCOMPARE(parsed.setup.colour, colour);
    QCOMPARE(parsed.seed.has_value(), seed >= 0);
    if (seed >= 0)
        QCOMPARE(qint64(*parsed.seed), seed);
    QCOMPARE(int(parsed.pageSize), pageSize);
    QCOMPARE(parsed.documentFile, file);
}

void TestSheetCommandLine::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QStringList pdf{"--pdf", "out.pdf"};
    const QStringList good{"--sheets", "10", "--top", "50", "--color", "blue"};
    const auto with = [&](const QString &option, const QString &value) {
        QStringList arguments = good + pdf;
        const qsizetype at = arguments.indexOf(option);
        if (at >= 0)
            arguments[at + 1] = value;
        else
            arguments << option << value;
        return arguments;
    };
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "frobnicate";
    QTest::newRow("pdf without a file name") << QStringList{"--pdf"} << "pdf";
    QTest::newRow("pdf with an empty file name") << with("--pdf", "") << "file name";
    QTest::newRow("pdf without sheets")
        << QStringList{"--top", "50", "--color", "blue", "--pdf", "x.pdf"} << "--sheets";
    QTest::newRow("pdf without top")
        << QStringList{"--sheets", "5", "--color", "blue", "--pdf", "x.pdf"} << "--top";
    QTest::newRow("pdf without colour")
        << QStringList{"--sheets", "5", "--top", "50", "--pdf", "x.pdf"} << "--color";
    QTest::newRow("sheets not a number") << with("--sheets", "ten") << "--sheets";
    QTest::newRow("sheets with trailing text") << with("--sheets", "10x") << "--sheets";
    QTest::newRow("negative sheets") << with("--sheets", "-1") << "0 to 100000";
    QTest::newRow("too many sheets") << with("--sheets", "100001") << "0 to 100000";
    QTest::newRow("top that cannot fill a sheet") << with("--top", "23") << "24 to 100";
    QTest::newRow("top above 100") << with("--top", "101") << "24 to 100";
    QTest::newRow("top with trailing text") << with("--top", "50abc") << "--top";
    QTest::newRow("unknown colour") << with("--color", "purple") << "blue, red or green";
    QTest::newRow("unknown paper") << with("--page-size", "A3") << "A4 or Letter";
    QTest::newRow("negative seed") << with("--seed", "-1") << "--seed";
    QTest::newRow("seed beyond 32 bits") << with("--seed", "4294967296") << "--seed";
    QTest::newRow("seed not a number") << with("--seed", "soon") << "--seed";
    // One rule for every number: plain digits, no sign, no blanks.
    for (const char *option : {"--sheets", "--top", "--seed"}) {
        for (const char *text : {" 5", "5 ", "+5", "-0", "5.0", "0x10", "", "５"}) {
            const QString row = QStringLiteral("%1 \"%2\"").arg(option, text);
            const QString value = QString::fromUtf8(text);
            QTest::newRow(qPrintable(row)) << with(option, value) << option;
        }
    }
    QTest::newRow("seed twice") << QStringList{"--seed", "1", "--seed", "2"}
                                << "--seed can be given only once";
    QTest::newRow("pdf twice") << (good + pdf + QStringList{"--pdf", "b.pdf"})
                               << "--pdf can be given only once";
    QTest::newRow("a switch twice")
        << QStringList{"--numbered", "--numbered"} << "--numbered can be given only once";
    QTest::newRow("help with a bad value") << QStringList{"--help", "--top", "x"} << "--top";
    QTest::newRow("a document with pdf") << (good + pdf + QStringList{"doc.bgo"}) << "doc.bgo";
    QTest::newRow("print with pdf") << (good + pdf + QStringList{"--print"}) << "--print";
    QTest::newRow("sheets without pdf") << QStringList{"--sheets", "10"} << "only used with --pdf";
    QTest::newRow("two documents") << QStringList{"a.bgo", "b.bgo"} << "one file";
    QTest::newRow("top without pdf or set code")
        << QStringList{"--top", "50"} << "--top is only used with --pdf or --set-code";
    const QStringList code{"--set-code", "--seed", "4711", "--top", "75"};
    QTest::newRow("set code without seed")
        << QStringList{"--set-code", "--top", "75"} << "--set-code needs --seed";
    QTest::newRow("set code without top")
        << QStringList{"--set-code", "--seed", "4711"} << "--set-code needs --top";
    QTest::newRow("set code with a top no set has")
        << QStringList{"--set-code", "--seed", "4711", "--top", "23"} << "24 to 100";
    QTest::newRow("set code with sheets")
        << (code + QStringList{"--sheets", "5"}) << "--set-code cannot be used with --sheets";
    QTest::newRow("set code with pdf") << (code + pdf) << "--set-code cannot be used with --pdf";
    QTest::newRow("set code with numbered")
        << (code + QStringList{"--numbered"}) << "--set-code cannot be used with --numbered";
    QTest::newRow("set code with a document")
        << (code + QStringList{"doc.bgo"}) << "--set-code opens no document";
}

void TestSheetCommandLine::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const SheetCommandLine parsed = SheetCommandLine::parse(QStringList{"bingo"} + arguments);
    QCOMPARE(parsed.mode, Mode::Error);
    QVERIFY2(parsed.error.contains(message), qPrintable(parsed.error));
}

void TestSheetCommandLine::argumentBytes_data()
{
    QTest::addColumn<QByteArray>("pdf");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::newRow("ASCII name") << QByteArray("out.pdf") << QString();
    QTest::newRow("UTF-8 name") << QByteArray("\xe3\x82\xb7\xe3\x83\xbc\xe3\x83\x88.pdf")
                                << QString();
    QTest::newRow("bytes that are not UTF-8")
        << QByteArray("bad\xff\xfename.pdf")
        << QStringLiteral("\"bad\\xFF\\xFEname.pdf\" is not valid UTF-8");
    QTest::newRow("a lone continuation byte")
        << QByteArray("x\x80.pdf") << QStringLiteral("\"x\\x80.pdf\" is not valid UTF-8");
    QTest::newRow("an encoded surrogate")
        << QByteArray("x\xed\xa0\x80.pdf") << QStringLiteral("not valid UTF-8");
}

void TestSheetCommandLine::argumentBytes()
{
    QFETCH(QByteArray, pdf);
    QFETCH(QString, message);
    std::vector<const char *> argv{"bingo",   "--sheets", "1",     "--top",        "50",
                                   "--color", "green",    "--pdf", pdf.constData()};
    const SheetCommandLine parsed = SheetCommandLine::parse(int(argv.size()), argv.data());
    if (message.isEmpty()) {
        QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
        QCOMPARE(parsed.mode, Mode::Pdf);
        // The name names the file given, byte for byte.
        QCOMPARE(parsed.pdfPath.toUtf8(), pdf);
    } else {
        QCOMPARE(parsed.mode, Mode::Error);
        QVERIFY2(parsed.error.contains(message), qPrintable(parsed.error));
    }
}

void TestSheetCommandLine::numberedAndSetCode_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("numbered");
    QTest::addColumn<bool>("print");
    QTest::addColumn<QString>("code");
    QTest::newRow("window as designed") << QStringList{} << Mode::Window << false << false << "";
    QTest::newRow("numbered window")
        << QStringList{"--numbered"} << Mode::Window << true << false << "";
    QTest::newRow("numbered printout") << QStringList{"--print", "--numbered", "--seed", "4711"}
                                       << Mode::Window << true << true << "";
    QTest::newRow("numbered pdf") << QStringList{"--sheets", "2",       "--top",
                                                 "50",       "--color", "red",
                                                 "--pdf",    "x.pdf",   "--numbered"}
                                  << Mode::Pdf << true << false << "";
    // Codes worked out by hand from seed * 77 + (top - 24) in base 31 and the check character.
    QTest::newRow("set code") << QStringList{"--set-code", "--seed", "4711", "--top", "75"}
                              << Mode::SetCode << false << false << "2222-E7J7D";
    QTest::newRow("set code of the largest seed")
        << QStringList{"--top=100", "--seed=4294967295", "--set-code"} << Mode::SetCode << false
        << false << "E2NM-KYXXV";
}

void TestSheetCommandLine::numberedAndSetCode()
{
    QFETCH(QStringList, arguments);
    QFETCH(Mode, mode);
    QFETCH(bool, numbered);
    QFETCH(bool, print);
    QFETCH(QString, code);
    const SheetCommandLine parsed = SheetCommandLine::parse(QStringList{"bingo"} + arguments);
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.mode, mode);
    QCOMPARE(parsed.numbered, numbered);
    QCOMPARE(parsed.printDirect, print);
    QCOMPARE(parsed.setCode, code);
}

void TestSheetCommandLine::helpNamesTheCommandAndTheRules()
{
    // As the launcher is typed, whatever path started the program.
    const QString help = SheetCommandLine::helpText();
    QVERIFY2(help.startsWith(QStringLiteral("Usage: bingo [options] [file]\n")), qPrintable(help));
    QVERIFY2(help.contains(QStringLiteral("a repeated option is refused")), qPrintable(help));
}

QTEST_GUILESS_MAIN(TestSheetCommandLine)
#include "tst_sheetcommandline.moc"
