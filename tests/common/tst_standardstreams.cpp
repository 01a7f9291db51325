#include <QProcess>
#include <QTest>

#include <tuple>
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
    const QStringList check{"--check-sheet", "2222-E7HD5", "7", "--called", "18,39,24,7,43"};
    const QStringList setCode{"--set-code", "--seed", "4711", "--top", "50"};
    const QList<std::tuple<const char *, QString, QStringList>> runs{
        {"Kavelo --version", kavelo, {"--version"}},
        {"Kavelo --help", kavelo, {"--help"}},
        {"a complete line checked", kavelo, check},
        {"bingo --set-code", bingo, setCode},
        {"bingo --help", bingo, {"--help"}}};
    for (const auto &[name, program, arguments] : runs) {
        QTest::addRow("%s, full", name)
            << program << arguments << false << QStringLiteral("ディスクに空きがありません");
        QTest::addRow("%s, closed", name)
            << program << arguments << true << QStringLiteral("閉じられています");
    }
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
