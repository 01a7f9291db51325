#include "japanesetext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// A text of a catalogue; the translation is empty where unfinished, the location the first place
// the sources use it.
struct Message
{
    QString context, source, translation, location;
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.emplaceBack().context = context;
        } else if (xml.name() == u"source") {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation" &&
                   attributes.value(QStringLiteral("type")) != u"unfinished") {
            messages.last().translation = xml.readElementText();
        } else if (xml.name() == u"location" && messages.last().location.isEmpty()) {
            // Named relative to the catalogue's folder.
            messages.last().location =
                QStringLiteral(" at %1:%2")
                    .arg(QDir::cleanPath(QFileInfo(path).dir().absoluteFilePath(
                             attributes.value(QStringLiteral("filename")).toString())),
                         attributes.value(QStringLiteral("line")));
        }
    }
    return messages;
}

// The texts that mark what the program finds in a text: arguments, the mnemonic, the shortcut
// after a tab and, for the string tables, the line end between prompt and tool tip.
QString markersOf(const Message &message, const QString &text)
{
    static const QRegularExpression argument(QStringLiteral("%\\d+"));
    QStringList arguments;
    for (const QRegularExpressionMatch &match : argument.globalMatch(text))
        arguments << match.captured();
    arguments.sort();
    arguments.removeDuplicates();
    return QStringLiteral("%1 &%2 tab%3 lines%4")
        .arg(arguments.join(u','))
        .arg(text.count(u'&'))
        .arg(text.section(u'\t', 1))
        .arg(message.context == u"SheetResources" ? text.count(u'\n') : 0);
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void everySourceTextTranslatedKeepingItsMarkers_data();
    void everySourceTextTranslatedKeepingItsMarkers();
};

void TestCatalogues::everySourceTextTranslatedKeepingItsMarkers_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("Kavelo") << "kavelo";
    QTest::newRow("bingo") << "bingo";
}

// The catalogue is brought up to date with the sources, as update_translations would do, in a
// copy: every text the sources hold must have an English translation with the source's markers.
void TestCatalogues::everySourceTextTranslatedKeepingItsMarkers()
{
    QFETCH(QString, catalogue);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(catalogue + QStringLiteral("_en.ts"));
    QVERIFY(QFile::copy(QStringLiteral(KIT_TS_DIR "/%1_en.ts").arg(catalogue), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_PATH),
                  {"-no-obsolete", "-locations", "absolute",
                   QStringLiteral("@" KIT_SOURCES_LIST_DIR "/%1_sources.lst").arg(catalogue), "-ts",
                   copy});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    const QList<Message> messages = readCatalogue(copy);
    QVERIFY(!messages.isEmpty());
    QString wrong;
    for (const Message &message : messages) {
        const QString source = markersOf(message, message.source);
        const QString translated = markersOf(message, message.translation);
        QString fault;
        if (message.translation.isEmpty())
            fault = QStringLiteral("no translation");
        else if (message.translation.contains(japaneseText))
            fault = QStringLiteral("Japanese in the translation");
        else if (source != translated)
            fault = QStringLiteral("%1 in the source, %2 translated").arg(source, translated);
        if (!fault.isEmpty())
            wrong += QStringLiteral("\n  [%1] \"%2\"%3: %4")
                         .arg(message.context, message.source, message.location, fault);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("translations/%1_en.ts (build "
                                                        "update_translations, then translate):%2")
                                             .arg(catalogue, wrong)));
}

QTEST_APPLESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
