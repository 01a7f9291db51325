#include "standardstreams.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The exit status of a child that prints text on a standard output of /dev/full, as the
// programs finish.
int printedInChild(const QString &text)
{
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        const int full = ::open("/dev/full", O_WRONLY);
        ::dup2(full, STDOUT_FILENO);
        printTo(stdout, text);
        ::_exit(finishStandardOutput("child", 0));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

// Both programs print a result on standard output in a few modes; a result that did not get
// there is a failure, reported on standard error, whatever else the run would have said.
class TestStandardStreams : public QObject
{
    Q_OBJECT

private slots:
    void lostOutputIsAFailure_data();
    void lostOutputIsAFailure();
    void tooFewOpenFilesIsRefused_data();
    void tooFewOpenFilesIsRefused();
};

void TestStandardStreams::lostOutputIsAFailure_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("closed");  // standard output closed rather than a full device
    QTest::addColumn<bool>("english"); // run with an English locale
    const QString kavelo = QStringLiteral(KAVELO_PATH);
    const QString bingo = QStringLiteral(BINGO_PATH);
    const auto run = [](const char *name, const QString &program, const QStringList &arguments) {
        QTest::addRow("%s, full", name) << program << arguments << false << false;
        QTest::addRow("%s, closed", name) << program << arguments << true << false;
        QTest::addRow("%s, full, English", name) << program << arguments << false << true;
    };
    run("Kavelo --version", kavelo, {"--version"});
    run("Kavelo --help", kavelo, {"--help"});
    run("a complete line checked", kavelo,
        {"--check-sheet", "2222-E7HD5", "7", "--called", "18,39,24,7,43"});
    run("bingo --set-code", bingo, {"--set-code", "--seed", "4711", "--top", "50"});
    run("bingo --help", bingo, {"--help"});
    // More than the stdio buffer: the first part is lost while it is printed, so the final flush
    // has nothing left to fail on; only the stream's error flag tells.
    QTest::addRow("5 KB printed, full") << QString() << QStringList() << false << false;
}

// The message names the program as its users type it, in the language of the locale.
void TestStandardStreams::lostOutputIsAFailure()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, closed);
    QFETCH(bool, english);
    if (program.isEmpty()) {
        QCOMPARE(printedInChild(QString(5 * 1024, u'x')), 1);
        return;
    }
    QProcess process;
    if (closed)
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    else
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
    if (english) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        process.setProcessEnvironment(environment);
    }
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    const QString name = program == QStringLiteral(KAVELO_PATH) ? "kavelo" : "bingo";
    const QString message =
        english ? "Cannot write to standard output. The disk is full."
                : "標準出力に書き込めません。" +
                      QString(closed ? "閉じられています" : "ディスクに空きがありません");
    QVERIFY2(err.startsWith(name + ": " + message), qPrintable(err));
}

void TestStandardStreams::tooFewOpenFilesIsRefused_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("status");
    const QStringList pdf{"--sheets", "10", "--top", "50", "--color", "blue", "--pdf"};
    // Fonts failed to load: the export crashed, Kavelo showed message boxes without text.
#ifdef __SANITIZE_ADDRESS__
    // The sanitizers' runtime checks a pointer through a pipe of its own, which five files leave
    // no room for, and then reports a false error.
    const int fewest = 8;
#else
    const int fewest = 5;
#endif
    QTest::addRow("bingo --pdf, %d files", fewest)
        << QStringLiteral(BINGO_PATH) << pdf << fewest << 1;
    QTest::newRow("Kavelo, 12 files") << QStringLiteral(KAVELO_PATH) << QStringList() << 12 << 1;
    QTest::newRow("bingo --pdf, a soft limit of 5 is raised")
        << QStringLiteral(BINGO_PATH) << pdf << -5 << 0;
}

// Below what the programs need they refuse to start, saying why, rather than crash or show
// windows without text; a soft limit that can be raised is.
void TestStandardStreams::tooFewOpenFilesIsRefused()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, limit);
    QFETCH(int, status);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
    if (!arguments.isEmpty())
        arguments.append(pdf);
    QProcess process;
    process.setChildProcessModifier([limit] {
        struct rlimit files;
        ::getrlimit(RLIMIT_NOFILE, &files);
        files.rlim_cur = rlim_t(std::abs(limit));
        if (limit > 0)
            files.rlim_max = files.rlim_cur;
        ::setrlimit(RLIMIT_NOFILE, &files);
    });
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    if (status == 0) {
        QVERIFY(QFileInfo(pdf).size() > 0);
        return;
    }
    QVERIFY2(err.contains(QStringLiteral("ulimit -n")), qPrintable(err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_GUILESS_MAIN(TestStandardStreams)
#include "tst_standardstreams.moc"
