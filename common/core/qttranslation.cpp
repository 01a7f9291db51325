#include "qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installQtJapanese(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;
}

bool installKitTranslations(QCoreApplication &app, KitLanguage language, const QString &catalogue)
{
    if (language == KitLanguage::Japanese) {
        installQtJapanese(app);
        return true;
    }
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/i18n/%1_en.qm").arg(catalogue))) {
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    return true;
}

bool installKitTranslations(QCoreApplication &app, const QString &catalogue)
{
    return installKitTranslations(app, chooseKitLanguage(QProcessEnvironment::systemEnvironment()),
                                  catalogue);
}
