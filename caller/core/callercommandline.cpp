#include "callercommandline.h"

#include "dialogint.h"

#include <QCommandLineParser>

namespace {

const QCommandLineOption seedOption(
    QStringLiteral("seed"),
    QStringLiteral("Seed of the generator instead of the current time, 0 to 4294967295; the same "
                   "seed draws the same order for the first game, so a game can be replayed."),
    QStringLiteral("S"));

const QCommandLineOption serveOption(
    QStringLiteral("serve"),
    QStringLiteral("Serve the live page for the players' phones from the start (the menu item "
                   "\"会場のスマホに公開\" turns it on and off)."));
const QCommandLineOption
    portOption(QStringLiteral("port"),
               QStringLiteral("Port of the live page, 1 to 65535, instead of 8765."),
               QStringLiteral("P"));

void setUp(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Calls the numbers of a bingo game. Each game is recorded in "
                       "$XDG_STATE_HOME/kavelo/journal, and an unfinished game can be continued "
                       "at the next start.\n\n"
                       "Kavelo --check-sheet CODE NUMBER --called 12,5,33,... prints sheet NUMBER "
                       "of the set CODE with its verdict against the numbers called, without a "
                       "window: exit status 0 when a line is complete, 1 when none is, 2 for bad "
                       "input."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(seedOption);
    parser.addOption(serveOption);
    parser.addOption(portOption);
}

CallerCommandLine refused(const QString &why)
{
    CallerCommandLine result;
    result.mode = CallerCommandLine::Mode::Error;
    result.error = why;
    return result;
}

// Plain digits, no more of them than the largest seed has.
std::optional<std::uint32_t> seedValue(const QString &text)
{
    if (text.size() > 10)
        return std::nullopt;
    return readPlainNumber(text, UINT32_MAX);
}

} // namespace

CallerCommandLine CallerCommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    setUp(parser);
    if (!parser.parse(arguments))
        return refused(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("no arguments are taken, but \"%1\" was given")
                           .arg(parser.positionalArguments().constFirst()));
    CallerCommandLine result;
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        result.mode = Mode::Help;
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.mode = Mode::Version;
        return result;
    }
    if (parser.isSet(seedOption)) {
        const QStringList values = parser.values(seedOption);
        if (values.size() > 1)
            return refused(QStringLiteral("--seed can be given only once"));
        result.seed = seedValue(values.constFirst());
        if (!result.seed)
            return refused(
                QStringLiteral("--seed needs a whole number from 0 to 4294967295, not \"%1\"")
                    .arg(values.constFirst()));
    }
    result.serve = parser.isSet(serveOption);
    if (parser.isSet(portOption)) {
        const QStringList values = parser.values(portOption);
        if (values.size() > 1)
            return refused(QStringLiteral("--port can be given only once"));
        const QString &text = values.constFirst();
        const std::optional<std::uint32_t> port =
            text.size() > 5 ? std::nullopt : readPlainNumber(text, 65535);
        if (!port || *port == 0)
            return refused(QStringLiteral("--port needs a whole number from 1 to 65535, not \"%1\"")
                               .arg(text));
        result.port = quint16(*port);
    }
    return result;
}

QString CallerCommandLine::helpText()
{
    QCommandLineParser parser;
    setUp(parser);
    return parser.helpText();
}
