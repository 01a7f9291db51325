#include "callercommandline.h"

#include "commandlinerules.h"
#include "dialogint.h"

#include <QCommandLineParser>

namespace {

const QCommandLineOption seedOption(
    QStringLiteral("seed"),
    QStringLiteral("Seed of the generator instead of the current time, 0 to 4294967295; the same "
                   "seed draws the same order for the first game, so a game can be replayed."),
    QStringLiteral("S"));

// The options, help and version among them, for telling a repeated one.
QList<QCommandLineOption> setUp(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Calls the numbers of a bingo game. Each game is recorded in "
                       "$XDG_STATE_HOME/kavelo/journal, and an unfinished game can be continued "
                       "at the next start.\n\n"
                       "kavelo --check-sheet CODE NUMBER --called 12,5,33,... prints sheet NUMBER "
                       "of the set CODE with its verdict against the numbers called, without a "
                       "window: exit status 0 when a line is complete, 1 when none is, 2 for bad "
                       "input. There, as in the sheet check's window, the numbers may also be "
                       "typed in full-width digits.\n\n") +
        CommandLineRules::note());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(seedOption);
    return {help, version, seedOption};
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
    const QList<QCommandLineOption> options = setUp(parser);
    if (!parser.parse(arguments))
        return refused(parser.errorText());
    if (const auto repeated = CommandLineRules::repeatedOption(parser, options))
        return refused(CommandLineRules::repeatedRefusal(*repeated));
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("no arguments are taken, but \"%1\" was given")
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
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
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
