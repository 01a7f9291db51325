#include "sheetcommandline.h"

#include "dialogint.h"
#include "setcode.h"

#include <QCommandLineParser>
#include <QFile>

namespace {

const QCommandLineOption sheetsOption(QStringLiteral("sheets"),
                                      QStringLiteral("Number of sheets, 0 to 100000."),
                                      QStringLiteral("N"));
const QCommandLineOption topOption(QStringLiteral("top"),
                                   QStringLiteral("Top number of the sheets, 24 to 100."),
                                   QStringLiteral("T"));
const QCommandLineOption colorOption(QStringLiteral("color"),
                                     QStringLiteral("Colour of the numbers: blue, red or green."),
                                     QStringLiteral("COLOUR"));
const QCommandLineOption seedOption(
    QStringLiteral("seed"),
    QStringLiteral("Seed of the generator instead of the current time, 0 to 4294967295; the same "
                   "seed makes the same sheets."),
    QStringLiteral("S"));
const QCommandLineOption pageSizeOption(QStringLiteral("page-size"),
                                        QStringLiteral("Paper of the PDF file: A4 or Letter."),
                                        QStringLiteral("SIZE"), QStringLiteral("A4"));
const QCommandLineOption pdfOption(
    QStringLiteral("pdf"),
    QStringLiteral("Write the sheets to this PDF file without opening a window; needs --sheets, "
                   "--top and --color."),
    QStringLiteral("FILE"));
const QCommandLineOption printOption(
    QStringLiteral("print"),
    QStringLiteral("Print the sheets to the default printer without the print dialog, then end."));

const QCommandLineOption numberedOption(
    QStringLiteral("numbered"),
    QStringLiteral("Print on each sheet its number and the code of the set, for the sheet check."));
const QCommandLineOption setCodeOption(
    QStringLiteral("set-code"),
    QStringLiteral("Print the code of the set that --seed and --top make, then end."));

void setUp(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Makes, shows and prints bingo sheets.\n\nWords (colours, paper sizes) may "
                       "be written in any case. Numbers are written as plain digits, without a "
                       "sign, blanks or anything else."));
    parser.addHelpOption();
    parser.addOptions(
        {sheetsOption, topOption, colorOption, seedOption, pageSizeOption, pdfOption, printOption});
    parser.addOptions({numberedOption, setCodeOption});
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Document to open once the sheets are made."),
                                 QStringLiteral("[file]"));
}

SheetCommandLine refused(const QString &why)
{
    SheetCommandLine result;
    result.mode = SheetCommandLine::Mode::Error;
    result.error = why;
    return result;
}

// A number option in plain digits within min..max.
std::optional<int> plainNumberIn(const QString &text, int min, int max)
{
    const std::optional<std::uint32_t> value =
        readPlainNumber(text, static_cast<std::uint32_t>(max));
    if (!value || static_cast<int>(*value) < min)
        return std::nullopt;
    return static_cast<int>(*value);
}

QString numberRefused(const QString &option, qint64 min, qint64 max, const QString &text)
{
    return QStringLiteral("--%1 needs a whole number from %2 to %3 in plain digits, not \"%4\"")
        .arg(option)
        .arg(min)
        .arg(max)
        .arg(text);
}

std::optional<SheetColour> colourNamed(const QString &name)
{
    if (name.compare(QLatin1String("blue"), Qt::CaseInsensitive) == 0)
        return SheetColour::Blue;
    if (name.compare(QLatin1String("red"), Qt::CaseInsensitive) == 0)
        return SheetColour::Red;
    if (name.compare(QLatin1String("green"), Qt::CaseInsensitive) == 0)
        return SheetColour::Green;
    return std::nullopt;
}

// The bytes of an argument for a message: printable ASCII as it is, any other byte as \xHH.
QString escapedBytes(const QByteArray &bytes)
{
    QString shown;
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x20 && b < 0x7F && b != '\\')
            shown.append(QLatin1Char(byte));
        else
            shown.append(QString::asprintf("\\x%02X", b));
    }
    return shown;
}

std::optional<int> topOf(const QCommandLineParser &parser)
{
    return plainNumberIn(parser.value(topOption), SheetRules::MinTop, SheetRules::MaxTop);
}

QString topRefusal(const QCommandLineParser &parser)
{
    return numberRefused(QStringLiteral("top"), SheetRules::MinTop, SheetRules::MaxTop,
                         parser.value(topOption));
}

// --set-code takes the seed and the top number of a set and nothing else.
SheetCommandLine setCodeOf(const QCommandLineParser &parser, SheetCommandLine result)
{
    for (const QCommandLineOption *option : {&sheetsOption, &colorOption, &pageSizeOption,
                                             &pdfOption, &printOption, &numberedOption}) {
        if (parser.isSet(*option))
            return refused(QStringLiteral("--set-code cannot be used with --%1")
                               .arg(option->names().constFirst()));
    }
    if (!result.documentFile.isEmpty())
        return refused(QStringLiteral("--set-code opens no document, but \"%1\" was given")
                           .arg(result.documentFile));
    if (!result.seed)
        return refused(QStringLiteral("--set-code needs --seed"));
    if (!parser.isSet(topOption))
        return refused(QStringLiteral("--set-code needs --top"));
    const std::optional<int> top = topOf(parser);
    if (!top)
        return refused(topRefusal(parser));
    result.mode = SheetCommandLine::Mode::SetCode;
    result.setCode = SetCode(*result.seed, *top).text();
    return result;
}

} // namespace

SheetCommandLine SheetCommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    setUp(parser);
    if (!parser.parse(arguments))
        return refused(parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        SheetCommandLine help;
        help.mode = Mode::Help;
        return help;
    }

    SheetCommandLine result;
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refused(QStringLiteral("only one file can be opened, got %1").arg(files.size()));
    if (!files.isEmpty())
        result.documentFile = files.constFirst();

    if (parser.isSet(seedOption)) {
        const QString text = parser.value(seedOption);
        const std::optional<std::uint32_t> seed = readPlainNumber(text, UINT32_MAX);
        if (!seed)
            return refused(numberRefused(QStringLiteral("seed"), 0, UINT32_MAX, text));
        result.seed = *seed;
    }

    result.numbered = parser.isSet(numberedOption);
    if (parser.isSet(setCodeOption))
        return setCodeOf(parser, result);

    if (!parser.isSet(pdfOption)) {
        for (const QCommandLineOption *option :
             {&sheetsOption, &topOption, &colorOption, &pageSizeOption}) {
            if (parser.isSet(*option))
                return refused(
                    QStringLiteral("--%1 is only used with --pdf%2")
                        .arg(option->names().constFirst(),
                             option == &topOption ? QStringLiteral(" or --set-code") : QString()));
        }
        result.printDirect = parser.isSet(printOption);
        return result;
    }

    result.mode = Mode::Pdf;
    if (parser.isSet(printOption))
        return refused(QStringLiteral("--print and --pdf cannot be used together"));
    if (!result.documentFile.isEmpty())
        return refused(QStringLiteral("--pdf opens no document, but \"%1\" was given")
                           .arg(result.documentFile));
    result.pdfPath = parser.value(pdfOption);
    if (result.pdfPath.isEmpty())
        return refused(QStringLiteral("--pdf needs a file name"));
    for (const QCommandLineOption *option : {&sheetsOption, &topOption, &colorOption}) {
        if (!parser.isSet(*option))
            return refused(QStringLiteral("--pdf needs --%1").arg(option->names().constFirst()));
    }

    const QString sheetsText = parser.value(sheetsOption);
    const std::optional<int> sheets =
        plainNumberIn(sheetsText, SheetRules::MinSheetCount, SheetRules::MaxSheetCount);
    if (!sheets)
        return refused(numberRefused(QStringLiteral("sheets"), SheetRules::MinSheetCount,
                                     SheetRules::MaxSheetCount, sheetsText));
    const std::optional<int> top = topOf(parser);
    if (!top)
        return refused(topRefusal(parser));
    const QString colourText = parser.value(colorOption);
    const std::optional<SheetColour> colour = colourNamed(colourText);
    if (!colour)
        return refused(
            QStringLiteral("--color needs blue, red or green, not \"%1\"").arg(colourText));
    const QString sizeText = parser.value(pageSizeOption);
    if (sizeText.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        result.pageSize = QPageSize::A4;
    else if (sizeText.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        result.pageSize = QPageSize::Letter;
    else
        return refused(QStringLiteral("--page-size needs A4 or Letter, not \"%1\"").arg(sizeText));

    result.setup = {*sheets, *top, *colour};
    return result;
}

SheetCommandLine SheetCommandLine::parse(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString decoded = QFile::decodeName(bytes);
        // A name that does not survive the round trip would open or write another file.
        if (QFile::encodeName(decoded) != bytes)
            return refused(QStringLiteral("\"%1\" is not valid UTF-8; file names and other "
                                          "arguments must be UTF-8 text")
                               .arg(escapedBytes(bytes)));
        arguments.append(decoded);
    }
    return parse(arguments);
}

QString SheetCommandLine::helpText()
{
    QCommandLineParser parser;
    setUp(parser);
    return parser.helpText();
}
