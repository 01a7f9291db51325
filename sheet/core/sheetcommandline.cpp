#include "sheetcommandline.h"

#include "dialogint.h"
#include "setcode.h"
#include "sheetids.h"

#include <QCommandLineParser>

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
    parser.setApplicationDescription(QStringLiteral("Makes, shows and prints bingo sheets."));
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

std::optional<int> colorIdOf(const QString &name)
{
    if (name == QLatin1String("blue"))
        return SheetIds::IDC_SHEET_BLUE;
    if (name == QLatin1String("red"))
        return SheetIds::IDC_SHEET_RED;
    if (name == QLatin1String("green"))
        return SheetIds::IDC_SHEET_GREEN;
    return std::nullopt;
}

std::optional<int> topOf(const QCommandLineParser &parser)
{
    const DialogInt top = readWholeInt(parser.value(topOption));
    if (!top.ok() || !SheetSetup::topNumberAllowed(top.value))
        return std::nullopt;
    return top.value;
}

QString topRefusal(const QCommandLineParser &parser)
{
    return QStringLiteral("--top needs a whole number from %1 to %2, not \"%3\"")
        .arg(SheetSetup::MinTopNumber)
        .arg(SheetSetup::MaxTopNumber)
        .arg(parser.value(topOption));
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
        bool ok = false;
        const QString text = parser.value(seedOption);
        const std::uint32_t seed = text.toUInt(&ok);
        if (!ok || text.startsWith(QLatin1Char('+')) || text.trimmed() != text)
            return refused(
                QStringLiteral("--seed needs a whole number from 0 to 4294967295, not \"%1\"")
                    .arg(text));
        result.seed = seed;
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
    const DialogInt sheets = readWholeInt(sheetsText);
    if (!sheets.ok() || !SheetSetup::sheetCountAllowed(sheets.value))
        return refused(QStringLiteral("--sheets needs a whole number from %1 to %2, not \"%3\"")
                           .arg(SheetSetup::MinSheetCount)
                           .arg(SheetSetup::MaxSheetCount)
                           .arg(sheetsText));
    const std::optional<int> top = topOf(parser);
    if (!top)
        return refused(topRefusal(parser));
    const QString colorText = parser.value(colorOption);
    const std::optional<int> colorId = colorIdOf(colorText);
    if (!colorId)
        return refused(
            QStringLiteral("--color needs blue, red or green, not \"%1\"").arg(colorText));
    const QString sizeText = parser.value(pageSizeOption);
    if (sizeText.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        result.pageSize = QPageSize::A4;
    else if (sizeText.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        result.pageSize = QPageSize::Letter;
    else
        return refused(QStringLiteral("--page-size needs A4 or Letter, not \"%1\"").arg(sizeText));

    result.setup = {sheets.value, *top, *colorId};
    return result;
}

QString SheetCommandLine::helpText()
{
    QCommandLineParser parser;
    setUp(parser);
    return parser.helpText();
}
