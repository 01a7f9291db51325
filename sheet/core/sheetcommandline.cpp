#include "sheetcommandline.h"

#include "commandlinerules.h"
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

// The options, help among them, for telling a repeated one.
QList<QCommandLineOption> setUp(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Makes, shows and prints bingo sheets.\n\nWords (colours, paper sizes) may "
                       "be written in any case. ") +
        CommandLineRules::note());
    const QList<QCommandLineOption> options{
        parser.addHelpOption(), sheetsOption, topOption,   colorOption,    seedOption,
        pageSizeOption,         pdfOption,    printOption, numberedOption, setCodeOption};
    parser.addOptions(options.mid(1));
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Document to open once the sheets are made."),
                                 QStringLiteral("[file]"));
    return options;
}

SheetCommandLine refused(const QString &why)
{
    SheetCommandLine result;
    result.mode = SheetCommandLine::Mode::Error;
    result.error = why;
    return result;
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

// The values of the options given, each read and checked on its own; error says why one was
// refused.
struct OptionValues
{
    std::optional<std::uint32_t> seed;
    std::optional<int> sheets;
    std::optional<int> top;
    std::optional<SheetColour> colour;
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    QString error;
};

OptionValues valuesOf(const QCommandLineParser &parser)
{
    OptionValues values;
    const auto number = [&parser, &values](const QCommandLineOption &option, std::uint32_t min,
                                           std::uint32_t max) -> std::optional<std::uint32_t> {
        if (!parser.isSet(option) || !values.error.isEmpty())
            return std::nullopt;
        const QString text = parser.value(option);
        const std::optional<std::uint32_t> value = readPlainNumber(text, max);
        if (!value || *value < min) {
            values.error =
                CommandLineRules::numberRefusal(option.names().constFirst(), min, max, text);
            return std::nullopt;
        }
        return value;
    };
    values.seed = number(seedOption, 0, UINT32_MAX);
    if (const auto sheets =
            number(sheetsOption, SheetRules::MinSheetCount, SheetRules::MaxSheetCount))
        values.sheets = static_cast<int>(*sheets);
    if (const auto top = number(topOption, SheetRules::MinTop, SheetRules::MaxTop))
        values.top = static_cast<int>(*top);
    if (!values.error.isEmpty())
        return values;

    if (parser.isSet(colorOption)) {
        const QString text = parser.value(colorOption);
        values.colour = colourNamed(text);
        if (!values.colour) {
            values.error = QStringLiteral("--color needs blue, red or green, not \"%1\"").arg(text);
            return values;
        }
    }
    const QString sizeText = parser.value(pageSizeOption);
    if (sizeText.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        values.pageSize = QPageSize::Letter;
    else if (sizeText.compare(QLatin1String("A4"), Qt::CaseInsensitive) != 0)
        values.error = QStringLiteral("--page-size needs A4 or Letter, not \"%1\"").arg(sizeText);
    return values;
}

// --set-code takes the seed and the top number of a set and nothing else.
SheetCommandLine setCodeOf(const QCommandLineParser &parser, const OptionValues &values,
                           SheetCommandLine result)
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
    if (!values.top)
        return refused(QStringLiteral("--set-code needs --top"));
    result.mode = SheetCommandLine::Mode::SetCode;
    result.setCode = SetCode(*result.seed, *values.top).text();
    return result;
}

} // namespace

SheetCommandLine SheetCommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QList<QCommandLineOption> options = setUp(parser);
    if (!parser.parse(arguments))
        return refused(parser.errorText());
    if (const auto repeated = CommandLineRules::repeatedOption(parser, options))
        return refused(CommandLineRules::repeatedRefusal(*repeated));
    // A bad value is refused whatever else was asked for.
    const OptionValues values = valuesOf(parser);
    if (!values.error.isEmpty())
        return refused(values.error);
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
    result.seed = values.seed;
    result.numbered = parser.isSet(numberedOption);
    if (parser.isSet(setCodeOption))
        return setCodeOf(parser, values, result);

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
    result.setup = {*values.sheets, *values.top, values.colour};
    result.pageSize = values.pageSize;
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
    return CommandLineRules::helpText(parser, QStringLiteral("bingo"));
}
