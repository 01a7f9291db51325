#include "drawnnumbersfile.h"
#include "readall.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <numeric>
#include <sys/resource.h>

namespace {

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Lets files grow to at most `bytes` while it lives, the way a full disk would stop them.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

const QByteArray header = "<<**SOLT-NUMBER**>>\r\n";
const QByteArray trailer = "<<***** END *****>>";

} // namespace

class TestDrawnNumbersFile : public QObject
{
    Q_OBJECT

private slots:
    void content_data();
    void content();
    void writesAndReplaces();
    void failures_data();
    void failures();
    void fullDiskKeepsTheOldFile();
};

void TestDrawnNumbersFile::content_data()
{
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("seven numbers, last line keeps its two spaces")
        << QList<int>{12, 5, 33, 47, 8, 21, 50}
        << header + "12  05  33  47  08\r\n21  50  \r\n" + trailer;
    QTest::newRow("five numbers leave an empty line before the trailer")
        << QList<int>{12, 5, 33, 47, 8} << header + "12  05  33  47  08\r\n\r\n" + trailer;
    QTest::newRow("nothing drawn") << QList<int>{} << header + "\r\n" + trailer;
    QTest::newRow("zero and the top number")
        << QList<int>{0, 100} << header + "00  100  \r\n" + trailer;
}

void TestDrawnNumbersFile::content()
{
    QFETCH(QList<int>, drawn);
    QFETCH(QByteArray, expected);
    const std::vector<int> numbers(drawn.begin(), drawn.end());
    QCOMPARE(drawnNumbersFileContent(numbers), expected);
}

void TestDrawnNumbersFile::writesAndReplaces()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("drawn")); // used as typed, no extension
    const std::vector<int> seven{12, 5, 33, 47, 8, 21, 50};
    QVERIFY(!writeDrawnNumbersFile(path, seven));
    QCOMPARE(readAll(path).size(), 70);

    // A whole game of 25: five full lines, an empty line, the trailer.
    std::vector<int> game(25);
    std::iota(game.begin(), game.end(), 0);
    QVERIFY(!writeDrawnNumbersFile(path, game));
    const QByteArray content = readAll(path);
    QCOMPARE(content.count("\r\n"), 7);
    QVERIFY(content.endsWith("20  21  22  23  24\r\n\r\n" + trailer));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("drawn")});

    QVERIFY(!writeDrawnNumbersFile(path, std::vector<int>{12, 5, 33, 47, 8}));
    QCOMPARE(readAll(path).size(), 62);
}

void TestDrawnNumbersFile::failures_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("folder that does not exist") << "missing/drawn.txt";
    QTest::newRow("path is a folder") << "folder";
    QTest::newRow("empty name") << "";
}

void TestDrawnNumbersFile::failures()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = relativePath.isEmpty() ? QString() : dir.filePath(relativePath);
    const auto error = writeDrawnNumbersFile(path, std::vector<int>{1, 2, 3});
    QVERIFY(error);
    QCOMPARE(error->path, path);
    QVERIFY(!error->reason.isEmpty());
    QVERIFY(error->message().contains(path));
    QVERIFY(error->message().contains(error->reason));
    QVERIFY(entries(dir.path()).isEmpty());
}

void TestDrawnNumbersFile::fullDiskKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("drawn.txt"));
    QVERIFY(!writeDrawnNumbersFile(path, std::vector<int>{1, 2}));
    const QByteArray before = readAll(path);

    std::vector<int> game(75);
    std::iota(game.begin(), game.end(), 0);
    std::optional<FileWriteError> error;
    {
        FileSizeLimit limit(40);
        if (!limit.active())
            QSKIP("cannot limit the file size here");
        error = writeDrawnNumbersFile(path, game);
    }
    QVERIFY(error);
    QVERIFY(error->message().contains(path));
    QCOMPARE(readAll(path), before);
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("drawn.txt")});
}

QTEST_APPLESS_MAIN(TestDrawnNumbersFile)
#include "tst_drawnnumbersfile.moc"
