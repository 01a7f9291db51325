#include "commandlinerules.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace CommandLineRules {

QString note()
{
    return QStringLiteral("Each option is given at most once: a repeated option is refused, even "
                          "with the same value. Numbers are whole numbers in plain digits (leading "
                          "zeros are allowed), without a sign, blanks or anything else.");
}

std::optional<QString> repeatedOption(const QCommandLineParser &parser,
                                      const QList<QCommandLineOption> &options)
{
    QStringList seen;
    for (const QString &given : parser.optionNames()) {
        QString name = given;
        for (const QCommandLineOption &option : options) {
            if (option.names().contains(given)) {
                name = option.names().constLast();
                break;
            }
        }
        if (seen.contains(name))
            return name;
        seen.append(name);
    }
    return std::nullopt;
}

QString repeatedRefusal(const QString &option)
{
    return QStringLiteral("--%1 can be given only once").arg(option);
}

QString numberRefusal(const QString &option, qint64 min, qint64 max, const QString &text)
{
    return QStringLiteral("--%1 needs a whole number from %2 to %3, not \"%4\"")
        .arg(option)
        .arg(min)
        .arg(max)
        .arg(text);
}

QString helpText(const QCommandLineParser &parser, const QString &command)
{
    QString text = parser.helpText();
    // The usage line names the program by its first argument, or by a placeholder without an
    // application object.
    const QString started = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                         : QStringLiteral("<executable_name>");
    const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started);
    if (at >= 0 && at < text.indexOf(u'\n'))
        text.replace(at, started.size(), command);
    return text;
}

} // namespace CommandLineRules
