// The PDF export draws exactly what it drew when the references were made: for each case the
// text boxes poppler reads from a page and the pixels it renders of it hash to the recorded
// values. Only the drawing is compared, not the file's bytes (those carry the creation date).
//
// After a change meant to alter the pages, run with KIT_WRITE_PDF_REFERENCE=<file> to write
// the new values there, look at the pages, and replace pdfreference.txt with it.
#include <QCryptographicHash>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Output
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Output run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QByteArray sha256(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

// "case page" -> "bbox-hash pixel-hash", one line each in the reference file.
QMap<QString, QString> readReference()
{
    QMap<QString, QString> reference;
    QFile file(QStringLiteral(PDF_REFERENCE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return reference;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u' ');
        if (fields.size() == 4)
            reference.insert(fields[0] + u' ' + fields[1], fields[2] + u' ' + fields[3]);
    }
    return reference;
}

} // namespace

class TestPdfReference : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesAsRecorded_data();
    void pagesAsRecorded();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
    QMap<QString, QString> m_reference;
    QStringList m_written;
};

void TestPdfReference::initTestCase()
{
    QVERIFY2(!tool("pdftotext").isEmpty() && !tool("pdftoppm").isEmpty(),
             "poppler-utils (scripts/install-deps.sh) is needed");
    QVERIFY(m_dir.isValid());
    m_reference = readReference();
}

void TestPdfReference::pagesAsRecorded_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<int>>("pages");
    // Row names have no spaces: they key the reference file.
    QTest::newRow("a4-blue-top75-ten-sheets")
        << QStringList{"--sheets", "10", "--top", "75", "--color", "blue", "--seed", "1"}
        << QList<int>{1, 2};
    QTest::newRow("letter-green-top100-holds-100")
        << QStringList{"--sheets", "8",      "--top", "100",         "--color",
                       "green",    "--seed", "1",     "--page-size", "Letter"}
        << QList<int>{1};
    QTest::newRow("a4-red-top100-holds-100")
        << QStringList{"--sheets", "8", "--top", "100", "--color", "red", "--seed", "3"}
        << QList<int>{1};
    QTest::newRow("a4-green-top24-last-sheet-alone")
        << QStringList{"--sheets", "9", "--top", "24", "--color", "green", "--seed", "7"}
        << QList<int>{1, 2};
    QTest::newRow("letter-blue-top24-third-page")
        << QStringList{"--sheets", "17",     "--top",      "24",          "--color",
                       "blue",     "--seed", "4294967295", "--page-size", "Letter"}
        << QList<int>{3};
    QTest::newRow("letter-red-no-sheets")
        << QStringList{"--sheets", "0",      "--top", "50",          "--color",
                       "red",      "--seed", "0",     "--page-size", "Letter"}
        << QList<int>{1};
    QTest::newRow("a4-green-top99-thousand-sheets")
        << QStringList{"--sheets", "1000", "--top", "99", "--color", "green", "--seed", "12345"}
        << QList<int>{1, 64, 125};
}

void TestPdfReference::pagesAsRecorded()
{
    QFETCH(QStringList, arguments);
    QFETCH(QList<int>, pages);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QString pdf = m_dir.filePath(name + QStringLiteral(".pdf"));
    const Output bingo = run(QStringLiteral(BINGO_PATH), arguments + QStringList{"--pdf", pdf});
    QVERIFY2(bingo.exitCode == 0, bingo.err.constData());

    QStringList keys;
    for (int page : pages) {
        const QStringList range{"-f", QString::number(page), "-l", QString::number(page)};
        const Output text =
            run(tool("pdftotext"), QStringList{"-bbox"} + range + QStringList{pdf, "-"});
        QCOMPARE(text.exitCode, 0);
        // The document's head carries the creation date; the words and their boxes follow it.
        const qsizetype body = text.out.indexOf("<doc>");
        QVERIFY2(body >= 0 && text.out.contains("<word"), text.out.constData());
        const Output pixels =
            run(tool("pdftoppm"), QStringList{"-r", "100"} + range + QStringList{pdf});
        QCOMPARE(pixels.exitCode, 0);
        QVERIFY(pixels.out.startsWith("P6"));
        keys.append(name + u' ' + QString::number(page));
        m_written.append(
            keys.last() + u' ' +
            QString::fromLatin1(sha256(text.out.mid(body)) + ' ' + sha256(pixels.out)));
    }
    // Compared once every page is read, so a rewrite of the reference gets them all.
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QVERIFY2(m_reference.contains(keys[i]),
                 qPrintable(keys[i] + QStringLiteral(" not recorded")));
        QCOMPARE(m_written[m_written.size() - keys.size() + i],
                 keys[i] + u' ' + m_reference.value(keys[i]));
    }
}

void TestPdfReference::cleanupTestCase()
{
    const QString target = qEnvironmentVariable("KIT_WRITE_PDF_REFERENCE");
    if (target.isEmpty())
        return;
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write("# case page sha256(pdftotext -bbox from <doc>) sha256(pdftoppm -r 100)\n");
    file.write(m_written.join(u'\n').toUtf8() + '\n');
}

QTEST_GUILESS_MAIN(TestPdfReference)
#include "tst_pdfreference.moc"
