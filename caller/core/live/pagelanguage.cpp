#include "pagelanguage.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace {

thread_local const KitLanguage *pageLanguage = nullptr;

// Installed last, so it is asked first: silent unless a page text is being made.
class PageTranslator final : public QTranslator
{
public:
    explicit PageTranslator(QObject *parent)
        : QTranslator(parent)
    {
        // Without the catalogue (a test built without it) English pages read Japanese.
        if (!m_english.load(QStringLiteral(":/i18n/kavelo_en.qm")))
            qWarning("The English catalogue for the live page is missing.");
    }

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override
    {
        if (!pageLanguage)
            return {};
        if (*pageLanguage == KitLanguage::English) {
            const QString english = m_english.translate(context, sourceText, disambiguation, n);
            if (!english.isEmpty())
                return english;
        }
        return QString::fromUtf8(sourceText);
    }

    bool isEmpty() const override { return false; }

private:
    QTranslator m_english;
};

} // namespace

void PageLanguage::install(QCoreApplication &app)
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    app.installTranslator(new PageTranslator(&app));
}

PageLanguage::PageLanguage(KitLanguage language)
    : m_outer(pageLanguage)
    , m_language(language)
{
    pageLanguage = &m_language;
}

PageLanguage::~PageLanguage()
{
    pageLanguage = m_outer;
}

KitLanguage PageLanguage::of(const QString &asked)
{
    return asked == QLatin1String("en") ? KitLanguage::English : KitLanguage::Japanese;
}
