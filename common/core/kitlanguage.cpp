#include "kitlanguage.h"

#include <QRegularExpression>

namespace {

// The language part of a locale name such as "ja_JP.UTF-8" or "en@euro".
QString languageOf(const QString &locale)
{
    static const QRegularExpression separators(QStringLiteral("[_.@]"));
    return locale.section(separators, 0, 0).toLower();
}

bool isUnchosen(const QString &locale)
{
    const QString language = languageOf(locale);
    return language.isEmpty() || language == QLatin1String("c") ||
           language == QLatin1String("posix");
}

} // namespace

KitLanguage chooseKitLanguage(const QProcessEnvironment &environment)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QString::fromLatin1(name));
        if (!locale.isEmpty())
            break;
    }
    if (isUnchosen(locale))
        return KitLanguage::Japanese;

    const QStringList preferred =
        environment.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts);
    bool namesOthers = false;
    for (const QString &entry : preferred) {
        const QString language = languageOf(entry);
        if (language == QLatin1String("ja"))
            return KitLanguage::Japanese;
        if (language == QLatin1String("en"))
            return KitLanguage::English;
        namesOthers = namesOthers || !isUnchosen(entry);
    }
    if (namesOthers)
        return KitLanguage::English;
    return languageOf(locale) == QLatin1String("ja") ? KitLanguage::Japanese : KitLanguage::English;
}
