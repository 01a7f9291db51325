#include <QProcess>
#include <QTest>

#include <unistd.h>

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
}

// The message names the program as its users type it, in the language of the locale.
void TestStandardStreams::lostOutputIsAFailure()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, closed);
    QFETCH(bool, english);
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

QTEST_GUILESS_MAIN(TestStandardStreams)
#include "tst_standardstreams.moc"
