#include "japanesetext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
    QString location;

    QString describe() const
    {
        return QStringLiteral("\n  [%1] \"%2\"%3")
            .arg(context, source,
                 location.isEmpty() ? QString() : QStringLiteral(" at ") + location);
    }
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Message message;
            message.context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    message.source = xml.readElementText();
                } else if (xml.name() == u"location") {
                    // Named relative to the catalogue's folder.
                    message.location = QStringLiteral("%1:%2").arg(
                        QFileInfo(path).dir().absoluteFilePath(
                            xml.attributes().value(QStringLiteral("filename")).toString()),
                        xml.attributes().value(QStringLiteral("line")));
                    xml.skipCurrentElement();
                } else if (xml.name() == u"translation") {
                    message.unfinished =
                        xml.attributes().value(QStringLiteral("type")) == u"unfinished";
                    message.translation = xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.append(message);
        }
    }
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The texts that mark what the program finds in a text: arguments, the mnemonic, the shortcut
// after a tab and, for the string tables, the line end between prompt and tool tip.
QString markersOf(const Message &message, const QString &text)
{
    const bool lines = message.context == u"SheetResources";
    return QStringLiteral("%1 &%2 tab%3 lines%4")
        .arg(placeholders(text).join(u','))
        .arg(text.count(u'&'))
        .arg(text.section(u'\t', 1))
        .arg(lines ? text.count(u'\n') : 0);
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void everySourceTextIsTranslated_data();
    void everySourceTextIsTranslated();
    void translationsAreEnglishWithTheSameMarkers_data();
    void translationsAreEnglishWithTheSameMarkers();
};

void TestCatalogues::everySourceTextIsTranslated_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("Kavelo") << "kavelo";
    QTest::newRow("bingo") << "bingo";
}

// The catalogue is brought up to date with the sources, as update_translations would do, in a
// copy: any text the sources hold that the catalogue does not translate is named with its place.
void TestCatalogues::everySourceTextIsTranslated()
{
    QFETCH(QString, catalogue);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(catalogue + QStringLiteral("_en.ts"));
    QVERIFY(QFile::copy(QStringLiteral(KIT_TS_DIR "/%1_en.ts").arg(catalogue), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_PATH),
                  {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                   QStringLiteral("absolute"),
                   QStringLiteral("@" KIT_SOURCES_LIST_DIR "/%1_sources.lst").arg(catalogue),
                   QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    const QList<Message> messages = readCatalogue(copy);
    QVERIFY(!messages.isEmpty());
    QString missing;
    for (const Message &message : messages) {
        if (message.unfinished || message.translation.isEmpty())
            missing += message.describe();
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("texts without an English translation "
                                                          "in translations/%1_en.ts (build the "
                                                          "target update_translations, then "
                                                          "translate them):%2")
                                               .arg(catalogue, missing)));
}

void TestCatalogues::translationsAreEnglishWithTheSameMarkers_data()
{
    everySourceTextIsTranslated_data();
}

void TestCatalogues::translationsAreEnglishWithTheSameMarkers()
{
    QFETCH(QString, catalogue);
    const QList<Message> messages =
        readCatalogue(QStringLiteral(KIT_TS_DIR "/%1_en.ts").arg(catalogue));
    QVERIFY(!messages.isEmpty());
    QString wrong;
    for (const Message &message : messages) {
        if (containsJapanese(message.translation))
            wrong += message.describe() + QStringLiteral(": Japanese in the translation");
        else if (markersOf(message, message.source) != markersOf(message, message.translation))
            wrong += message.describe() + QStringLiteral(": %1 in the source, %2 translated")
                                              .arg(markersOf(message, message.source),
                                                   markersOf(message, message.translation));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

QTEST_APPLESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
