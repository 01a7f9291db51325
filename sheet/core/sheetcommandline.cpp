#include "sheetcommandline.h"

#include "commandlinerules.h"
#include "dialogint.h"
#include "setcode.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

namespace {

const QCommandLineOption sheetsOption(QStringLiteral("sheets"), QString(), QStringLiteral("N"));
const QCommandLineOption topOption(QStringLiteral("top"), QString(), QStringLiteral("T"));
const QCommandLineOption colorOption(QStringLiteral("color"), QString(), QStringLiteral("COLOUR"));
const QCommandLineOption seedOption(QStringLiteral("seed"), QString(), QStringLiteral("S"));
const QCommandLineOption pageSizeOption(QStringLiteral("page-size"), QString(),
                                        QStringLiteral("SIZE"), QStringLiteral("A4"));
const QCommandLineOption pdfOption(QStringLiteral("pdf"), QString(), QStringLiteral("FILE"));
const QCommandLineOption printOption(QStringLiteral("print"));
const QCommandLineOption numberedOption(QStringLiteral("numbered"));
const QCommandLineOption setCodeOption(QStringLiteral("set-code"));

QCommandLineOption described(const QCommandLineOption &option, const char *description)
{
    return CommandLineRules::described(option, "SheetCommandLine", description);
}

// The options, help among them, for telling a repeated one.
QList<QCommandLineOption> setUp(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("SheetCommandLine",
                                    "ビンゴのシートを作り、表示し、印刷します。\n\n"
                                    "語 (色、用紙の大きさ) は大文字でも小文字でも書けます。") +
        CommandLineRules::note());
    const QList<QCommandLineOption> options{
        parser.addHelpOption(),
        described(sheetsOption,
                  QT_TRANSLATE_NOOP("SheetCommandLine", "シートの枚数 (0 から 100000)。")),
        described(topOption, QT_TRANSLATE_NOOP("SheetCommandLine", "シートの数値 (24 から 100)。")),
        described(colorOption, QT_TRANSLATE_NOOP("SheetCommandLine",
                                                 "数字の色: blue (青)、red (赤)、green (緑)。")),
        described(seedOption, QT_TRANSLATE_NOOP("SheetCommandLine",
                                                "現在の時刻の代わりに使う乱数の種 (0 から "
                                                "4294967295)。同じ種からは同じシートができます。")),
        described(pageSizeOption,
                  QT_TRANSLATE_NOOP("SheetCommandLine", "PDF ファイルの用紙: A4 か Letter。")),
        described(pdfOption, QT_TRANSLATE_NOOP("SheetCommandLine",
                                               "画面を開かずに、シートをこの PDF ファイルに書き出し"
                                               "ます。--sheets、--top、--color が必要です。")),
        described(printOption,
                  QT_TRANSLATE_NOOP("SheetCommandLine", "印刷ダイアログを出さずに、シートを既定の"
                                                        "プリンターで印刷して終了します。")),
        described(numberedOption,
                  QT_TRANSLATE_NOOP("SheetCommandLine", "シート確認のために、各シートにシート番号と"
                                                        "組のコードを印刷します。")),
        described(setCodeOption, QT_TRANSLATE_NOOP("SheetCommandLine",
                                                   "--seed と --top から決まる組のコードを表示して"
                                                   "終了します。"))};
    parser.addOptions(options.mid(1));
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("SheetCommandLine", "シートを作った後に開く文書。"),
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
            values.error =
                QCoreApplication::translate(
                    "SheetCommandLine",
                    "--color には blue、red、green のどれかを指定してください (指定は「%1」)")
                    .arg(text);
            return values;
        }
    }
    const QString sizeText = parser.value(pageSizeOption);
    if (sizeText.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        values.pageSize = QPageSize::Letter;
    else if (sizeText.compare(QLatin1String("A4"), Qt::CaseInsensitive) != 0)
        values.error = QCoreApplication::translate(
                           "SheetCommandLine",
                           "--page-size には A4 か Letter を指定してください (指定は「%1」)")
                           .arg(sizeText);
    return values;
}

// --set-code takes the seed and the top number of a set and nothing else.
SheetCommandLine setCodeOf(const QCommandLineParser &parser, const OptionValues &values,
                           SheetCommandLine result)
{
    for (const QCommandLineOption *option : {&sheetsOption, &colorOption, &pageSizeOption,
                                             &pdfOption, &printOption, &numberedOption}) {
        if (parser.isSet(*option))
            return refused(QCoreApplication::translate("SheetCommandLine",
                                                       "--set-code は --%1 と一緒には使えません")
                               .arg(option->names().constFirst()));
    }
    if (!result.documentFile.isEmpty())
        return refused(
            QCoreApplication::translate("SheetCommandLine",
                                        "--set-code は文書を開きませんが、「%1」が指定されました")
                .arg(result.documentFile));
    if (!result.seed)
        return refused(
            QCoreApplication::translate("SheetCommandLine", "--set-code には --seed が必要です"));
    if (!values.top)
        return refused(
            QCoreApplication::translate("SheetCommandLine", "--set-code には --top が必要です"));
    result.mode = SheetCommandLine::Mode::SetCode;
    result.setCode = SetCode(*result.seed, *values.top).text();
    return result;
}

} // namespace

SheetCommandLine SheetCommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (const auto why = CommandLineRules::refusal(parser, arguments, setUp(parser)))
        return refused(*why);
    // A bad value is refused whatever else was asked for.
    const OptionValues values = valuesOf(parser);
    if (!values.error.isEmpty())
        return refused(values.error);
    if (CommandLineRules::helpAsked(parser)) {
        SheetCommandLine help;
        help.mode = Mode::Help;
        return help;
    }

    SheetCommandLine result;
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refused(
            QCoreApplication::translate("SheetCommandLine",
                                        "開けるファイルは一つだけですが、%1 個指定されました")
                .arg(files.size()));
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
                return refused((option == &topOption
                                    ? QCoreApplication::translate(
                                          "SheetCommandLine",
                                          "--%1 は --pdf か --set-code と一緒にだけ使います")
                                    : QCoreApplication::translate(
                                          "SheetCommandLine", "--%1 は --pdf と一緒にだけ使います"))
                                   .arg(option->names().constFirst()));
        }
        result.printDirect = parser.isSet(printOption);
        return result;
    }

    result.mode = Mode::Pdf;
    if (parser.isSet(printOption))
        return refused(QCoreApplication::translate("SheetCommandLine",
                                                   "--print と --pdf は一緒には使えません"));
    if (!result.documentFile.isEmpty())
        return refused(QCoreApplication::translate(
                           "SheetCommandLine", "--pdf は文書を開きませんが、「%1」が指定されました")
                           .arg(result.documentFile));
    result.pdfPath = parser.value(pdfOption);
    if (result.pdfPath.isEmpty())
        return refused(
            QCoreApplication::translate("SheetCommandLine", "--pdf にはファイル名が必要です"));
    for (const QCommandLineOption *option : {&sheetsOption, &topOption, &colorOption}) {
        if (!parser.isSet(*option))
            return refused(
                QCoreApplication::translate("SheetCommandLine", "--pdf には --%1 が必要です")
                    .arg(option->names().constFirst()));
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
            return refused(QCoreApplication::translate(
                               "SheetCommandLine",
                               "「%1」は正しい UTF-8 ではありません。ファイル名などの引数は UTF-8 "
                               "で書いてください")
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
