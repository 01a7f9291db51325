#include "fifowatch.h"
#include "sheetsettingsfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

class TestSheetSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void theFileQtWouldUse();
    void keptAcrossRuns();
    void notARegularFile_data();
    void notARegularFile();

private:
    QString folder() const { return m_config.filePath("Local AppWizard-Generated Applications"); }

    QTemporaryDir m_config;
};

void TestSheetSettingsFile::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    QVERIFY(QDir().mkpath(folder()));
}

void TestSheetSettingsFile::theFileQtWouldUse()
{
    QCOMPARE(SheetSettingsFile::path(), folder() + "/BINGO.conf");
    const QSettings native(QSettings::NativeFormat, QSettings::UserScope,
                           "Local AppWizard-Generated Applications", "BINGO");
    QCOMPARE(SheetSettingsFile::path(), native.fileName());
}

void TestSheetSettingsFile::keptAcrossRuns()
{
    {
        SheetSettingsFile file;
        QVERIFY(file.warning().isEmpty());
        file.settings().setValue("Recent File List/File1", "/tmp/a.bgo");
    }
    SheetSettingsFile file;
    QCOMPARE(file.settings().value("Recent File List/File1").toString(), "/tmp/a.bgo");
    QVERIFY(QFile::remove(SheetSettingsFile::path()));
}

void TestSheetSettingsFile::notARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a loop of symbolic links") << "loop";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a file far larger than any settings") << "large";
}

void TestSheetSettingsFile::notARegularFile()
{
    QFETCH(QString, kind);
    const QString path = SheetSettingsFile::path();
    std::optional<FifoWatch> fifo;
    if (kind == "fifo") {
        QVERIFY(fifo.emplace(path).made());
    } else if (kind == "loop") {
        QVERIFY(QFile::link(path, path));
    } else if (kind == "large") {
        QFile large(path);
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.resize(SheetSettingsFile::MaxBytes + 1)); // sparse
    } else {
        QVERIFY(QDir().mkdir(path));
    }
    const QStringList before = QDir(folder()).entryList(QDir::AllEntries | QDir::System |
                                                        QDir::Hidden | QDir::NoDotAndDotDot);
    {
        SheetSettingsFile file;
        QVERIFY2(file.warning().contains(path), qPrintable(file.warning()));
        // The run still has settings, as with a missing file.
        QVERIFY(file.settings().value("Recent File List/File1").isNull());
        file.settings().setValue("Recent File List/File1", "/tmp/b.bgo");
        QCOMPARE(file.settings().value("Recent File List/File1").toString(), "/tmp/b.bgo");
        file.settings().sync();
    }
    if (fifo) {
        QVERIFY2(!fifo->readerSeen(), "reading the settings waited for a writer");
        QVERIFY(fifo->stillAFifo());
    }
    QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                      QDir::NoDotAndDotDot),
             before);
    if (kind == "large")
        QCOMPARE(QFileInfo(path).size(), SheetSettingsFile::MaxBytes + 1); // left as it was
    QVERIFY(QFileInfo(path).isSymLink() || QFile::remove(path) || QDir().rmdir(path) ||
            kind == "fifo");
    QFile::remove(path);
}

QTEST_GUILESS_MAIN(TestSheetSettingsFile)
#include "tst_sheetsettingsfile.moc"
