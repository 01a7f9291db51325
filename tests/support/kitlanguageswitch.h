#pragma once

#include "qttranslation.h"

#include <QCoreApplication>
#include <QTranslator>

// Makes the application speak a language for as long as it lives, as the program does at
// start-up, and takes the translations away again afterwards.
class KitLanguageSwitch
{
public:
    KitLanguageSwitch(KitLanguage language, const QString &catalogue)
    {
        installed = installKitTranslations(*qApp, language, catalogue);
    }
    ~KitLanguageSwitch()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    KitLanguageSwitch(const KitLanguageSwitch &) = delete;
    KitLanguageSwitch &operator=(const KitLanguageSwitch &) = delete;

    bool installed = false;
};
