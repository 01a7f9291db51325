#include "filereasons.h"
#include "readall.h"
#include "safefilewriter.h"
#include "tinydisk.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

void writeRaw(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

struct stat statOf(const QString &path)
{
    struct stat status
    {
    };
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

// A reason in the user interface's language: no word of another one.
bool isJapanese(const QString &text)
{
    return !text.isEmpty() && !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

bool isRoot()
{
    return ::geteuid() == 0;
}

QByteArray pattern(qsizetype size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(seed + i % 61);
    return bytes;
}

// Runs as the user "nobody" while it lives, so that permissions bind even when the tests run
// as root.
class AsNobody
{
public:
    AsNobody()
    {
        if (isRoot())
            m_switched = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~AsNobody()
    {
        if (m_switched) {
            QVERIFY(::seteuid(0) == 0);
            QVERIFY(::setegid(0) == 0);
        }
    }
    AsNobody(const AsNobody &) = delete;
    AsNobody &operator=(const AsNobody &) = delete;

    bool switched() const { return m_switched; }

private:
    bool m_switched = false;
};

// A FIFO in a temporary folder, opened for reading without waiting for a writer; reader is -1
// where it could not be made or opened.
struct FifoWithReader
{
    FifoWithReader()
    {
        const QByteArray name = QFile::encodeName(path);
        if (::mkfifo(name.constData(), 0666) == 0)
            reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("fifo"));
    int reader = -1;
};

std::atomic<int> caughtSignal{0};

extern "C" void catchSignal(int signal)
{
    caughtSignal.store(signal);
}

std::optional<QString> writeInChunks(const QString &path, const QByteArray &content)
{
    SafeFileWriter file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    for (qsizetype at = 0; at < content.size(); at += 1000) {
        if (file.write(content.mid(at, 1000)) < 0)
            break;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace

class TestSafeFileWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesNewAndReplaces();
    void followsLinksAndKeepsThem();
    void cancelLeavesTheOldFile();
    void refusedTargets_data();
    void refusedTargets();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void inPlaceWhenTheFolderTakesNoFile();
    void inPlaceFailurePutsTheOldContentBack();
    void devicesAreWrittenInPlace_data();
    void devicesAreWrittenInPlace();
    void fifoWithAReaderGetsTheContent();
    void fifoReaderLeavingIsAFailure();
    void inPlaceCopyAndItsFailures_data();
    void inPlaceCopyAndItsFailures();
    void interruptRemovesTheTemporaryFile_data();
    void interruptRemovesTheTemporaryFile();
    void everySystemErrorHasAReason();

private:
    QTemporaryDir m_dir;
};

void TestSafeFileWriter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Other users (see AsNobody) may pass through to the folders made inside.
    QVERIFY(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner | QFile::ExeGroup |
                                                    QFile::ExeOther));
    ::umask(022);
}

void TestSafeFileWriter::writesNewAndReplaces()
{
    const QString path = m_dir.filePath(QStringLiteral("replaced.txt"));
    QVERIFY(!writeFileSafely(path, "first"));
    QCOMPARE(readAll(path), QByteArray("first"));
    QCOMPARE(statOf(path).st_mode & 07777, 0644u); // 0666 less the umask

    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
    const QByteArray big = pattern(200 * 1024, 'a'); // more than one buffer's worth
    QVERIFY(!writeInChunks(path, big));
    QCOMPARE(readAll(path), big);
    QCOMPARE(statOf(path).st_mode & 07777, 0640u);

    QVERIFY(!writeFileSafely(path, QByteArray()));
    QCOMPARE(readAll(path), QByteArray());
    QCOMPARE(entries(m_dir.path()), QStringList{QStringLiteral("replaced.txt")});
    QVERIFY(QFile::remove(path));
}

void TestSafeFileWriter::followsLinksAndKeepsThem()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("real")));
    const QString target = dir.filePath(QStringLiteral("real/target.txt"));
    writeRaw(target, "old");
    const QString link = dir.filePath(QStringLiteral("link"));
    QVERIFY(QFile::link(QStringLiteral("real/target.txt"), link)); // relative, as ln -s makes
    QVERIFY(!writeFileSafely(link, "new"));
    QVERIFY(S_ISLNK(statOf(link).st_mode));
    QCOMPARE(readAll(target), QByteArray("new"));
    QCOMPARE(entries(dir.filePath(QStringLiteral("real"))), QStringList{"target.txt"});

    // A link to a file not made yet makes that file.
    const QString dangling = dir.filePath(QStringLiteral("dangling"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("real/later.txt")), dangling));
    QVERIFY(!writeFileSafely(dangling, "later"));
    QVERIFY(S_ISLNK(statOf(dangling).st_mode));
    QCOMPARE(readAll(dir.filePath(QStringLiteral("real/later.txt"))), QByteArray("later"));
}

void TestSafeFileWriter::cancelLeavesTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    writeRaw(path, "old content");
    {
        SafeFileWriter file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(pattern(100 * 1024, 'x')), 100 * 1024);
        file.cancelWriting();
        QVERIFY(!file.isOpen());
    }
    {
        SafeFileWriter file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("dropped when the writer goes away");
    }
    QCOMPARE(readAll(path), QByteArray("old content"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("kept.txt")});

    SafeFileWriter file(path);
    QVERIFY(!file.open(QIODevice::ReadWrite));
    QVERIFY(!file.commit());
    QCOMPARE(readAll(path), QByteArray("old content"));
}

void TestSafeFileWriter::refusedTargets_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const QString notWritable =
        "通常のファイル、名前付きパイプ、キャラクターデバイスのどれでもありません";
    QTest::newRow("a folder") << "folder"
                              << "フォルダーです";
    QTest::newRow("a symbolic link loop") << "loop"
                                          << "シンボリックリンクが循環しています";
    QTest::newRow("a FIFO nobody reads") << "fifo"
                                         << "読み取るプログラムのない名前付きパイプです";
    QTest::newRow("a socket") << "socket" << notWritable;
    QTest::newRow("a block device") << "block" << notWritable;
    QTest::newRow("a folder that does not exist") << "missing"
                                                  << "そのようなファイルやフォルダーはありません";
    QTest::newRow("no name") << "noname"
                             << "ファイル名がありません";
    QTest::newRow("a file the user may not write") << "readonly"
                                                   << "アクセスする権限がありません";
}

void TestSafeFileWriter::refusedTargets()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ExeOther));
    const QString target = dir.filePath(QStringLiteral("target"));
    const QByteArray name = QFile::encodeName(target);
    if (kind == "folder") {
        QVERIFY(QDir().mkdir(target));
    } else if (kind == "loop") {
        QVERIFY(::symlink("other", name.constData()) == 0);
        QVERIFY(::symlink("target", QFile::encodeName(dir.filePath("other")).constData()) == 0);
    } else if (kind == "fifo") {
        QVERIFY(::mkfifo(name.constData(), 0666) == 0);
        QVERIFY(::chmod(name.constData(), 0666) == 0);
    } else if (kind == "socket") {
        QVERIFY(::mknod(name.constData(), S_IFSOCK | 0666, 0) == 0);
    } else if (kind == "block") {
        if (!isRoot())
            QSKIP("making a device node needs root");
        if (::mknod(name.constData(), S_IFBLK | 0600, makedev(7, 0)) != 0)
            QSKIP("this root may not make device nodes (a container without the right to)");
    } else if (kind == "readonly") {
        writeRaw(target, "old");
        QVERIFY(::chmod(name.constData(), 0444) == 0);
    }
    const QString path = kind == "missing"  ? dir.filePath(QStringLiteral("no/such/file"))
                         : kind == "noname" ? QString()
                                            : target;
    const QStringList before = entries(dir.path());
    const mode_t typeBefore = statOf(target).st_mode & S_IFMT;

    std::optional<QString> error;
    {
        AsNobody nobody; // root may write any file, nobody may not
        error = writeFileSafely(path, "content");
    }
    QVERIFY(error);
    QVERIFY2(error->contains(reason), qPrintable(*error));
    QVERIFY2(isJapanese(*error), qPrintable(*error));
    QCOMPARE(entries(dir.path()), before);
    QCOMPARE(statOf(target).st_mode & S_IFMT, typeBefore);
    if (kind == "readonly")
        QCOMPARE(readAll(target), QByteArray("old"));
}

void TestSafeFileWriter::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("inChunks");
    QTest::newRow("replacing, fails on the last flush") << true << 30 * 1024 << false;
    QTest::newRow("replacing, fails while written") << true << 200 * 1024 << true;
    QTest::newRow("new file, fails on the last flush") << false << 30 * 1024 << false;
    QTest::newRow("new file, fails while written") << false << 200 * 1024 << true;
}

void TestSafeFileWriter::fullDiskKeepsTheOldFile()
{
    QFETCH(bool, oldFile);
    QFETCH(int, size);
    QFETCH(bool, inChunks);
    if (!isRoot())
        QSKIP("mounting a 12 KB tmpfs as a full disk needs root");
    TinyDisk disk(12);
    if (!disk.mounted())
        QSKIP("this root may not mount a tmpfs (a container without the right to)");
    const QString path = disk.filePath(QStringLiteral("old.pdf"));
    const QByteArray old = pattern(5000, 'o');
    if (oldFile)
        writeRaw(path, old);

    const QByteArray content = pattern(size, 'n');
    const auto error = inChunks ? writeInChunks(path, content) : writeFileSafely(path, content);
    QVERIFY(error);
    QVERIFY2(error->contains(QStringLiteral("ディスクに空きがありません")), qPrintable(*error));
    QCOMPARE(readAll(path), oldFile ? old : QByteArray("<missing>"));
    QCOMPARE(entries(disk.path()), oldFile ? QStringList{"old.pdf"} : QStringList{});
}

void TestSafeFileWriter::inPlaceWhenTheFolderTakesNoFile()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/open.txt");
    writeRaw(path, "a longer old content");
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0666) == 0);
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    const ino_t inode = statOf(path).st_ino;

    std::optional<QString> error;
    {
        AsNobody nobody;
        if (isRoot() && !nobody.switched())
            QSKIP("cannot act as another user here");
        error = writeFileSafely(path, "new");
    }
    QVERIFY2(!error, qPrintable(error.value_or(QString())));
    QCOMPARE(readAll(path), QByteArray("new"));
    QCOMPARE(statOf(path).st_ino, inode);
    QCOMPARE(entries(folder), QStringList{QStringLiteral("open.txt")});
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0755) == 0);
}

void TestSafeFileWriter::inPlaceFailurePutsTheOldContentBack()
{
    if (!isRoot())
        QSKIP("mounting a 12 KB tmpfs as a full disk needs root");
    TinyDisk disk(12);
    if (!disk.mounted())
        QSKIP("this root may not mount a tmpfs (a container without the right to)");
    const QString path = disk.filePath(QStringLiteral("open.txt"));
    const QByteArray old = pattern(6000, 'o');
    writeRaw(path, old);
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0666) == 0);
    // The folder belongs to root with mode 0755: nobody can write the file but not beside it.
    std::optional<QString> error;
    {
        AsNobody nobody;
        QVERIFY(nobody.switched());
        error = writeInChunks(path, pattern(40 * 1024, 'n'));
    }
    QVERIFY(error);
    QVERIFY2(error->contains(QStringLiteral("ディスクに空きがありません")), qPrintable(*error));
    QCOMPARE(readAll(path), old);
    QCOMPARE(entries(disk.path()), QStringList{QStringLiteral("open.txt")});
}

void TestSafeFileWriter::devicesAreWrittenInPlace_data()
{
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("reason"); // empty when the write succeeds
    QTest::newRow("a device that takes everything (null)") << 3 << QString();
    QTest::newRow("a device that is always full") << 7 << "ディスクに空きがありません";
}

void TestSafeFileWriter::devicesAreWrittenInPlace()
{
    QFETCH(int, minor);
    QFETCH(QString, reason);
    if (!isRoot())
        QSKIP("making a device node needs root");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("device"));
    if (::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, minor)) != 0)
        QSKIP("this root may not make device nodes (a container without the right to)");
    const auto error = writeFileSafely(path, pattern(100 * 1024, 'd'));
    if (reason.isEmpty())
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
    else
        QVERIFY2(error && error->contains(reason), qPrintable(error.value_or("no error")));
    QVERIFY(S_ISCHR(statOf(path).st_mode));
    QCOMPARE(major(statOf(path).st_rdev), 1u);
    QCOMPARE(minor(statOf(path).st_rdev), unsigned(minor));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("device")});
}

void TestSafeFileWriter::fifoWithAReaderGetsTheContent()
{
    FifoWithReader fifo;
    QVERIFY(fifo.reader >= 0);
    SafeFileWriter file(fifo.path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Drained only once the writer is there: before, a read finds no writer and ends at once.
    ::fcntl(fifo.reader, F_SETFL, 0);
    QByteArray received;
    std::thread drain([&] {
        char chunk[4096];
        ssize_t n;
        while ((n = ::read(fifo.reader, chunk, sizeof chunk)) > 0)
            received.append(chunk, n);
    });
    const QByteArray content = pattern(300 * 1024, 'f'); // far more than a pipe holds
    file.write(content);
    const bool committed = file.commit();
    drain.join();
    ::close(fifo.reader);
    QVERIFY2(committed, qPrintable(file.errorString()));
    QCOMPARE(received, content);
    QVERIFY(S_ISFIFO(statOf(fifo.path).st_mode));
    QCOMPARE(entries(fifo.dir.path()), QStringList{QStringLiteral("fifo")});
}

void TestSafeFileWriter::fifoReaderLeavingIsAFailure()
{
    FifoWithReader fifo;
    QVERIFY(fifo.reader >= 0);
    SafeFileWriter file(fifo.path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    ::close(fifo.reader);
    // Without care the write would raise SIGPIPE and end this test program.
    file.write(pattern(100 * 1024, 'p'));
    QVERIFY(!file.commit());
    QVERIFY2(file.errorString().contains(QStringLiteral("読み取る側のプログラムが終了しました")),
             qPrintable(file.errorString()));
    QVERIFY(S_ISFIFO(statOf(fifo.path).st_mode));
}

void TestSafeFileWriter::inPlaceCopyAndItsFailures_data()
{
    QTest::addColumn<bool>("inPlace"); // else replaced, in a folder open to all
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<int>("newSize");
    QTest::addColumn<bool>("limited"); // files may grow to 20 KiB at most
    // Raised once part of the new content lies over the old; negative: ignored, as under nohup.
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("reason"); // empty when the write succeeds
    const QString limit = "ファイルの大きさの上限を超えます";
    const int KiB = 1024;
    QTest::newRow("in place, small, kept in memory")
        << true << 5000 << 300 * KiB << false << 0 << "";
    QTest::newRow("in place, large, kept in the temporary folder")
        << true << 5000 << 6 * KiB * KiB << false << 0 << "";
    QTest::newRow("replacing past the size limit")
        << false << 5000 << 200 * KiB << true << 0 << limit;
    QTest::newRow("in place, the copy passes the limit")
        << true << 10000 << 30 * KiB << true << 0 << limit;
    QTest::newRow("in place, the old file already past the limit")
        << true << 100 * KiB << 30 * KiB << true << 0 << limit;
    QTest::newRow("in place, the temporary folder past the limit")
        << true << 5000 << 6 * KiB * KiB << true << 0 << "一時フォルダー";
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        QTest::addRow("in place, SIG%s during the copy", sigabbrev_np(signal))
            << true << 200 * KiB << 300 * KiB << false << signal << "中断";
    }
    QTest::newRow("in place, SIGHUP ignored, as under nohup")
        << true << 200 * KiB << 300 * KiB << false << -SIGHUP << "";
}

void TestSafeFileWriter::inPlaceCopyAndItsFailures()
{
    QFETCH(bool, inPlace);
    QFETCH(int, oldSize);
    QFETCH(int, newSize);
    QFETCH(bool, limited);
    QFETCH(int, signal);
    QFETCH(QString, reason);
    // A file in a folder that takes no new file, so that it can only be written in place, and
    // an empty temporary folder ($TMPDIR) of its own.
    const QByteArray old = pattern(oldSize, 'o');
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    const QString temporaryFolder = dir.filePath(QStringLiteral("tmp"));
    const QString open = dir.filePath(QStringLiteral("open"));
    const QString path = (inPlace ? locked : open) + QStringLiteral("/open.txt");
    for (const QString &folder : {locked, temporaryFolder, open})
        QVERIFY(QDir().mkdir(folder));
    writeRaw(path, old);
    const auto restore = qScopeGuard([&, tmpdir = qgetenv("TMPDIR")] {
        ::chmod(QFile::encodeName(locked).constData(), 0755);
        tmpdir.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmpdir);
    });
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0666) == 0);
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(temporaryFolder).constData(), 0777) == 0);
    QVERIFY(::chmod(QFile::encodeName(open).constData(), 0777) == 0);
    QVERIFY(::chmod(QFile::encodeName(locked).constData(), 0555) == 0);
    qputenv("TMPDIR", QFile::encodeName(temporaryFolder));
    const int number = std::abs(signal);
    const auto previous =
        number ? std::signal(number, signal > 0 ? catchSignal : SIG_IGN) : SIG_DFL;
    const auto restoreSignal = qScopeGuard([&] {
        if (number)
            std::signal(number, previous);
    });
    caughtSignal.store(0);
    const QByteArray content = pattern(newSize, 'n');
    AsNobody nobody;
    if (isRoot() && !nobody.switched())
        QSKIP("cannot act as another user here");
    rlimit saved{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto restoreLimit = qScopeGuard([&] { ::setrlimit(RLIMIT_FSIZE, &saved); });
    const rlimit limit{limited ? 20 * 1024 : saved.rlim_cur, saved.rlim_max};
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0); // past it, SIGXFSZ would end this test
    SafeFileWriter file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (qsizetype at = 0; at < content.size() && file.write(content.mid(at, 10000)) >= 0;)
        at += 10000;
    // Until commit the file holds its old content, and the new one has no name anywhere.
    QCOMPARE(readAll(path), old);
    QCOMPARE(entries(temporaryFolder), QStringList());
    int chunks = 0;
    int signalDuringCommit = -1; // while none was raised
    connect(&file, &QIODevice::bytesWritten, &file, [&] {
        if (++chunks == 2 && number) {
            ::raise(number);
            signalDuringCommit = caughtSignal.load();
        }
    });
    const bool committed = file.commit();
    const QString error = file.errorString();
    if (reason.isEmpty()) {
        QVERIFY2(committed, qPrintable(error));
        QCOMPARE(readAll(path), content);
    } else {
        QVERIFY(!committed);
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY2(isJapanese(QString(error).remove(temporaryFolder)), qPrintable(error));
        QVERIFY2(!error.contains(QStringLiteral("元の内容も戻せません")), qPrintable(error));
        QCOMPARE(readAll(path), old);
    }
    QCOMPARE(entries(QFileInfo(path).path()), QStringList{QStringLiteral("open.txt")});
    QCOMPARE(entries(temporaryFolder), QStringList());
    // A signal is held until the old content is back, then handled as the program had asked.
    QCOMPARE(signalDuringCommit, number ? 0 : -1);
    QCOMPARE(caughtSignal.load(), std::max(signal, 0));
}

void TestSafeFileWriter::interruptRemovesTheTemporaryFile_data()
{
    QTest::addColumn<int>("signal"); // negative: ignored, as under nohup
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGHUP ignored, as under nohup") << -SIGHUP;
    // Nothing runs on SIGKILL: the file being written must have no name to leave behind.
    QTest::newRow("SIGKILL") << SIGKILL;
}

void TestSafeFileWriter::interruptRemovesTheTemporaryFile()
{
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    writeRaw(path, "old");
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // As a program starts, not with the test framework's handlers.
        std::signal(std::abs(signal), signal > 0 ? SIG_DFL : SIG_IGN);
        SafeFileWriter::removeTemporaryFilesOnInterrupt();
        SafeFileWriter file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(pattern(200 * 1024, 't')) < 0)
            ::_exit(3);
        ::raise(std::abs(signal));
        file.cancelWriting();
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    // Ended by the signal itself, as the shell reports with 128 + its number; else exit 0.
    QCOMPARE(WIFSIGNALED(status) ? WTERMSIG(status) : -WEXITSTATUS(status), std::max(signal, 0));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("old.txt")});
    QCOMPARE(readAll(path), QByteArray("old"));
}

void TestSafeFileWriter::everySystemErrorHasAReason()
{
    for (int error = 0; error < 140; ++error) {
        const QString reason = FileReasons::systemError(error);
        QVERIFY2(isJapanese(reason) && reason.endsWith(u'。'), qPrintable(reason));
    }
}

QTEST_GUILESS_MAIN(TestSafeFileWriter)
#include "tst_safefilewriter.moc"
