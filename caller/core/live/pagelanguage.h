#pragma once

#include "kitlanguage.h"

class QCoreApplication;
class QString;

// Each phone reads the page in its own language, whatever language the desktop speaks: the
// texts a phone is sent are made inside a PageLanguage, which turns the program's texts into
// that language from the kit's catalogue, on the thread that made it only.
class PageLanguage
{
public:
    // Run once, on the program's main thread, before any page text is made.
    static void install(QCoreApplication &app);

    explicit PageLanguage(KitLanguage language);
    ~PageLanguage();
    PageLanguage(const PageLanguage &) = delete;
    PageLanguage &operator=(const PageLanguage &) = delete;

    // The language a page asked for with ?lang=: English for "en", Japanese otherwise.
    static KitLanguage of(const QString &asked);

private:
    const KitLanguage *m_outer;
    KitLanguage m_language;
};
