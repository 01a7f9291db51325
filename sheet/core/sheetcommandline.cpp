#include "sheetcommandline.h"

#include "dialogint.h"

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

void setUp(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Makes, shows and prints bingo sheets."));
    parser.addHelpOption();
    parser.addOptions(
        {sheetsOption, topOption, colorOption, seedOption, pageSizeOption, pdfOption, printOption});
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

std::optional<SheetColour> colourNamed(const QString &name)
{
    if (name == QLatin1String("blue"))
        return SheetColour::Blue;
    if (name == QLatin1String("red"))
        return SheetColour::Red;
    if (name == QLatin1String("green"))
        return SheetColour::Green;
    return std::nullopt;
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

    if (!parser.isSet(pdfOption)) {
        for (const QCommandLineOption *option :
             {&sheetsOption, &topOption, &colorOption, &pageSizeOption}) {
            if (parser.isSet(*option))
                return refused(QStringLiteral("--%1 is only used with --pdf")
                                   .arg(option->names().constFirst()));
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
    const QString topText = parser.value(topOption);
    const DialogInt top = readWholeInt(topText);
    if (!top.ok() || !SheetSetup::topNumberAllowed(top.value))
        return refused(QStringLiteral("--top needs a whole number from %1 to %2, not \"%3\"")
                           .arg(SheetSetup::MinTopNumber)
                           .arg(SheetSetup::MaxTopNumber)
                           .arg(topText));
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

    result.setup = {sheets.value, top.value, *colour};
    return result;
}

QString SheetCommandLine::helpText()
{
    QCommandLineParser parser;
    setUp(parser);
    return parser.helpText();
}
