#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

// What both programs' command lines have in common, so that one rule holds for both.
namespace CommandLineRules {

// The rules as --help states them.
QString note();

// An option with its description, looked up in context, in the language the program speaks at
// this moment.
QCommandLineOption described(QCommandLineOption option, const char *context,
                             const char *description);

// Reads arguments (arguments[0] is the program) with parser, which knows every option of the
// program (options, help among them): why the command line is refused as a whole (an unknown
// option, a missing value, an option given twice), or nothing when the values are left to read.
std::optional<QString> refusal(QCommandLineParser &parser, const QStringList &arguments,
                               const QList<QCommandLineOption> &options);

// --help or --help-all was given.
bool helpAsked(const QCommandLineParser &parser);

// The hint printed under a refused command line, naming the program as its users type it.
QString tryHelp(const QString &command);

// Why a number option's value was refused.
QString numberRefusal(const QString &option, qint64 min, qint64 max, const QString &text);

// The parser's help, naming the program as its users type it (`command`) rather than by the
// path it was started from, such as a launcher's /usr/bin/../lib/bingo-kit/Kavelo.
QString helpText(const QCommandLineParser &parser, const QString &command);

} // namespace CommandLineRules
