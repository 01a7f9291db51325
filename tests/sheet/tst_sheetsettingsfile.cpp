#include "fifowatch.h"
#include "sheetsettingsfile.h"
#include "writefile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <optional>
#include <sys/time.h>

class TestSheetSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void theFileQtWouldUse();
    void keptAcrossRuns();
    void notARegularFile_data();
    void notARegularFile();
    void lockThatWouldWait_data();
    void lockThatWouldWait();

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
    // The first run of all: not even the folder is there yet.
    QVERIFY(QDir(folder()).removeRecursively());
    {
        SheetSettingsFile file;
        QVERIFY(file.warning().isEmpty());
        file.settings().setValue("Recent File List/File1", "/tmp/a.bgo");
    }
    SheetSettingsFile file;
    QCOMPARE(file.settings().value("Recent File List/File1").toString(), "/tmp/a.bgo");
    QVERIFY(QFile::remove(SheetSettingsFile::path()));
    QVERIFY(file.warning().isEmpty());
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

void TestSheetSettingsFile::lockThatWouldWait_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a folder older than 30 s") << "folder";
    QTest::newRow("a link to nothing") << "dangling";
    QTest::newRow("a fresh lock of no program") << "garbage";
}

// QSettings waits without end on each of these locks as it writes; the settings are kept for
// the run and written once the lock is gone.
void TestSheetSettingsFile::lockThatWouldWait()
{
    QFETCH(QString, kind);
    const QString lock = SheetSettingsFile::lockPath();
    std::optional<FifoWatch> fifo;
    if (kind == "fifo") {
        QVERIFY(fifo.emplace(lock).made());
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(lock));
        const struct timeval old[2] = {{std::time(nullptr) - 60, 0}, {std::time(nullptr) - 60, 0}};
        QVERIFY(::utimes(QFile::encodeName(lock).constData(), old) == 0);
    } else if (kind == "dangling") {
        QVERIFY(QFile::link(folder() + "/nowhere", lock));
    } else {
        QVERIFY(writeFile(lock, "not a lock\n"));
    }
    QStringList warnings;
    QElapsedTimer took;
    took.start();
    {
        SheetSettingsFile file([&warnings](const QString &warning) { warnings.append(warning); });
        file.settings().setValue("Settings/NumberedSheets", true);
        file.writeThrough();
        file.writeThrough(); // said once
        QCOMPARE(file.settings().value("Settings/NumberedSheets").toBool(), true);
        QVERIFY(!QFile::exists(SheetSettingsFile::path()));
        const QStringList all = QStringList(file.warning()) + warnings;
        QCOMPARE(all.filter(QStringLiteral(".lock")).size(), 1);
        QVERIFY2(all.join(u' ').contains(lock), qPrintable(all.join(u' ')));

        fifo.reset();
        QVERIFY(QFile::remove(lock) || QDir().rmdir(lock));
        file.writeThrough();
        QVERIFY(QFile::exists(SheetSettingsFile::path()));
    }
    QVERIFY2(took.elapsed() < 10000, "the lock made the settings wait");
    QVERIFY(QSettings(SheetSettingsFile::path(), QSettings::IniFormat)
                .value("Settings/NumberedSheets")
                .toBool());
    QVERIFY(QFile::remove(SheetSettingsFile::path()));
}

QTEST_GUILESS_MAIN(TestSheetSettingsFile)
#include "tst_sheetsettingsfile.moc"
