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
    QTest::addColumn<bool>("closed"); // standard output closed rather than a full device
    QTest::addColumn<QString>("reason");
    const QString kavelo = QStringLiteral(KAVELO_PATH);
    const QString bingo = QStringLiteral(BINGO_PATH);
    const QString full = QStringLiteral("ディスクに空きがありません");
    const QString closed = QStringLiteral("閉じられています");
    const QStringList check{"--check-sheet", "2222-E7HD5", "7", "--called", "18,39,24,7,43"};
    const QStringList setCode{"--set-code", "--seed", "4711", "--top", "50"};
    QTest::newRow("Kavelo --version, full") << kavelo << QStringList{"--version"} << false << full;
    QTest::newRow("Kavelo --version, closed")
        << kavelo << QStringList{"--version"} << true << closed;
    QTest::newRow("Kavelo --help, full") << kavelo << QStringList{"--help"} << false << full;
    QTest::newRow("a complete line checked, full") << kavelo << check << false << full;
    QTest::newRow("a complete line checked, closed") << kavelo << check << true << closed;
    QTest::newRow("bingo --set-code, full") << bingo << setCode << false << full;
    QTest::newRow("bingo --set-code, closed") << bingo << setCode << true << closed;
    QTest::newRow("bingo --help, closed") << bingo << QStringList{"--help"} << true << closed;
}

void TestStandardStreams::lostOutputIsAFailure()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, closed);
    QFETCH(QString, reason);
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
    QVERIFY2(err.contains(QStringLiteral("標準出力に書き込めません。") + reason), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestStandardStreams)
#include "tst_standardstreams.moc"
