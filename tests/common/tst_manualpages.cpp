#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Each manual page has an entry for every option the program's --help lists.
class TestManualPages : public QObject
{
    Q_OBJECT

private slots:
    void everyOptionHasAnEntry_data();
    void everyOptionHasAnEntry();
};

namespace {

// The options of --help's list, such as "-h" and "--help" from "  -h, --help  Displays ...".
QSet<QString> listedOptions(const QString &help)
{
    QSet<QString> options;
    static const QRegularExpression line(QStringLiteral("^  (-\\S.*?)(?:  |$)"),
                                         QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &match : line.globalMatch(help)) {
        for (const QString &name : match.captured(1).split(QStringLiteral(", ")))
            options.insert(name.section(u' ', 0, 0));
    }
    return options;
}

// The options named in the tags of the page's entries, the lines after ".TP".
QSet<QString> entries(const QString &page)
{
    QSet<QString> options;
    const QStringList lines = page.split(u'\n');
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[A-Za-z][\\w-]*"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines.at(i) != QStringLiteral(".TP"))
            continue;
        const QString tag =
            QString(lines.at(i + 1)).replace(QStringLiteral("\\-"), QStringLiteral("-"));
        for (const QRegularExpressionMatch &match : option.globalMatch(tag))
            options.insert(match.captured());
    }
    return options;
}

} // namespace

void TestManualPages::everyOptionHasAnEntry_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("page");
    QTest::newRow("kavelo") << QStringLiteral(KAVELO_PATH)
                            << QStringLiteral(MANUAL_DIR "/kavelo.1");
    QTest::newRow("bingo") << QStringLiteral(BINGO_PATH) << QStringLiteral(MANUAL_DIR "/bingo.1");
}

void TestManualPages::everyOptionHasAnEntry()
{
    QFETCH(QString, program);
    QFETCH(QString, page);
    QProcess process;
    process.start(program, {QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QSet<QString> listed =
        listedOptions(QString::fromLocal8Bit(process.readAllStandardOutput()));
    // The list is read as it should be: help and the program's own options are in it.
    QVERIFY2(listed.contains(QStringLiteral("--help-all")) &&
                 listed.contains(QStringLiteral("--seed")),
             qPrintable(QStringList(listed.begin(), listed.end()).join(u' ')));
    QFile file(page);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
    const QSet<QString> unlisted = listed - entries(QString::fromUtf8(file.readAll()));
    QStringList missing(unlisted.begin(), unlisted.end());
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no entry for ") + missing.join(u' ')));
}

QTEST_GUILESS_MAIN(TestManualPages)
#include "tst_manualpages.moc"
