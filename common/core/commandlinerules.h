#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <optional>

class QCommandLineParser;

// What both programs' command lines have in common, so that one rule holds for both.
namespace CommandLineRules {

// The rules as --help states them.
QString note();

// The first option given more than once, by its long name; an option's names all count as
// one (-h and --help).
std::optional<QString> repeatedOption(const QCommandLineParser &parser,
                                      const QList<QCommandLineOption> &options);
QString repeatedRefusal(const QString &option);

// The hint printed under a refused command line, naming the program as its users type it.
QString tryHelp(const QString &command);

// Why a number option's value was refused.
QString numberRefusal(const QString &option, qint64 min, qint64 max, const QString &text);

// The parser's help, naming the program as its users type it (`command`) rather than by the
// path it was started from, such as a launcher's /usr/bin/../lib/bingo-kit/Kavelo.
QString helpText(const QCommandLineParser &parser, const QString &command);

} // namespace CommandLineRules
