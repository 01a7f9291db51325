#include "commandlinerules.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The first option given more than once, by its long name; an option's names all count as
// one (-h and --help).
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
    return QCoreApplication::translate("CommandLineRules", "--%1 は一度だけ指定できます")
        .arg(option);
}

} // namespace

namespace CommandLineRules {

QString note()
{
    return QCoreApplication::translate(
        "CommandLineRules",
        "各オプションは一度だけ指定できます。繰り返したオプションは、同じ値でも受け付けません。"
        "数は半角数字だけで書いた整数です (先頭の 0 "
        "は構いません)。符号や空白などは付けられません。");
}

QCommandLineOption described(QCommandLineOption option, const char *context,
                             const char *description)
{
    option.setDescription(QCoreApplication::translate(context, description));
    return option;
}

std::optional<QString> refusal(QCommandLineParser &parser, const QStringList &arguments,
                               const QList<QCommandLineOption> &options)
{
    if (!parser.parse(arguments))
        return parser.errorText();
    if (const auto repeated = repeatedOption(parser, options))
        return repeatedRefusal(*repeated);
    return std::nullopt;
}

bool helpAsked(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
}

QString tryHelp(const QString &command)
{
    return QCoreApplication::translate("CommandLineRules", "使い方は「%1 --help」で表示できます。")
        .arg(command);
}

QString numberRefusal(const QString &option, qint64 min, qint64 max, const QString &text)
{
    return QCoreApplication::translate("CommandLineRules",
                                       "--%1 には %2 から %3 までの整数を指定してください"
                                       " (指定は「%4」)")
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
