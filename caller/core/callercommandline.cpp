#include "callercommandline.h"

#include "commandlinerules.h"
#include "dialogint.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QCommandLineOption seedOption(QStringLiteral("seed"), QString(), QStringLiteral("S"));
const QCommandLineOption serveOption(QStringLiteral("serve"));
const QCommandLineOption portOption(QStringLiteral("port"), QString(), QStringLiteral("P"));

QCommandLineOption described(const QCommandLineOption &option, const char *description)
{
    return CommandLineRules::described(option, "CallerCommandLine", description);
}

// The options, help and version among them, for telling a repeated one.
QList<QCommandLineOption> setUp(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate(
            "CallerCommandLine",
            "ビンゴの数字を引きます。ゲームはそれぞれ $XDG_STATE_HOME/kavelo/journal に記録され、"
            "終わっていないゲームは次の起動で続けられます。\n\n"
            "kavelo --check-sheet コード シート番号 --called 12,5,33,... は、コードの組の"
            "その番号のシートを、呼んだ数字に照らした判定とともに、画面を開かずに表示します。"
            "終了ステータスは、そろった列があれば 0、なければ 1、入力が正しくなければ 2 です。"
            "ここでもシート確認の画面と同じく、数字は全角でも入力できます。\n\n") +
        CommandLineRules::note());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(described(seedOption, QT_TRANSLATE_NOOP("CallerCommandLine",
                                                             "現在の時刻の代わりに使う乱数の種 "
                                                             "(0 から 4294967295)。同じ種なら最初の"
                                                             "ゲームは同じ順に引かれ、ゲームを再現"
                                                             "できます。")));
    parser.addOption(described(
        serveOption, QT_TRANSLATE_NOOP("CallerCommandLine", "最初から会場のスマホに公開します "
                                                            "(画面では F9 で公開とやめるを切り替え"
                                                            "ます)。")));
    parser.addOption(described(
        portOption, QT_TRANSLATE_NOOP("CallerCommandLine", "スマホ向けページのポート (1 から "
                                                           "65535)。指定しなければ 8765 です。")));
    return {help, version, seedOption, serveOption, portOption};
}

CallerCommandLine refused(const QString &why)
{
    CallerCommandLine result;
    result.mode = CallerCommandLine::Mode::Error;
    result.error = why;
    return result;
}

} // namespace

CallerCommandLine CallerCommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (const auto why = CommandLineRules::refusal(parser, arguments, setUp(parser)))
        return refused(*why);
    if (!parser.positionalArguments().isEmpty())
        return refused(QCoreApplication::translate("CallerCommandLine",
                                                   "引数は取りませんが、「%1」が指定されました")
                           .arg(parser.positionalArguments().constFirst()));
    // A bad value is refused whatever else was asked for.
    CallerCommandLine result;
    if (parser.isSet(seedOption)) {
        const QString text = parser.value(seedOption);
        result.seed = readPlainNumber(text, UINT32_MAX);
        if (!result.seed)
            return refused(
                CommandLineRules::numberRefusal(QStringLiteral("seed"), 0, UINT32_MAX, text));
    }
    result.serve = parser.isSet(serveOption);
    if (parser.isSet(portOption)) {
        const QString text = parser.value(portOption);
        const std::optional<std::uint32_t> port = readPlainNumber(text, 65535);
        if (!port || *port == 0)
            return refused(CommandLineRules::numberRefusal(QStringLiteral("port"), 1, 65535, text));
        result.port = quint16(*port);
    }
    if (CommandLineRules::helpAsked(parser)) {
        result.mode = Mode::Help;
        result.seed.reset();
    } else if (parser.isSet(QStringLiteral("version"))) {
        result.mode = Mode::Version;
        result.seed.reset();
    }
    return result;
}

QString CallerCommandLine::helpText()
{
    QCommandLineParser parser;
    setUp(parser);
    return CommandLineRules::helpText(parser, Command);
}
