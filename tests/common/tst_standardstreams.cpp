#include "standardstreams.h"

#include <QProcess>
#include <QTest>

#include <fcntl.h>
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
};

void TestStandardStreams::lostOutputIsAFailure_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("closed"); // standard output closed rather than a full device
    const QString kavelo = QStringLiteral(KAVELO_PATH);
    const QString bingo = QStringLiteral(BINGO_PATH);
    const auto run = [](const char *name, const QString &program, const QStringList &arguments) {
        QTest::addRow("%s, full", name) << program << arguments << false;
        QTest::addRow("%s, closed", name) << program << arguments << true;
    };
    run("Kavelo --version", kavelo, {"--version"});
    run("Kavelo --help", kavelo, {"--help"});
    run("a complete line checked", kavelo,
        {"--check-sheet", "2222-E7HD5", "7", "--called", "18,39,24,7,43"});
    run("bingo --set-code", bingo, {"--set-code", "--seed", "4711", "--top", "50"});
    run("bingo --help", bingo, {"--help"});
    // More than the stdio buffer: the first part is lost while it is printed, so the final flush
    // has nothing left to fail on; only the stream's error flag tells.
    QTest::addRow("5 KB printed, full") << QString() << QStringList() << false;
}

void TestStandardStreams::lostOutputIsAFailure()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, closed);
    if (program.isEmpty()) {
        QCOMPARE(printedInChild(QString(5 * 1024, u'x')), 1);
        return;
    }
    QProcess process;
    if (closed)
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    else
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    const QString reason = closed ? "閉じられています" : "ディスクに空きがありません";
    QVERIFY2(err.contains("標準出力に書き込めません。" + reason), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestStandardStreams)
#include "tst_standardstreams.moc"
