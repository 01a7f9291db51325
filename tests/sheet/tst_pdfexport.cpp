#include "crtrandom.h"
#include "sheetids.h"
#include "sheetlayout.h"
#include "sheetset.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Word
{
    QRectF box; // points, from the page's top-left
    QString text;
};

struct Page
{
    QSizeF size;
    QList<Word> words;
};

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runBingo(const QStringList &arguments,
             const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(BINGO_PATH), arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// The words of every page with their boxes, as poppler reads them.
QList<Page> readPages(const QString &pdf)
{
    QProcess process;
    process.start(tool("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    QXmlStreamReader xml(process.readAllStandardOutput());
    QList<Page> pages;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            pages.append({QSizeF(attributes.value("width").toDouble(),
                                 attributes.value("height").toDouble()),
                          {}});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const QPointF topLeft(attributes.value("xMin").toDouble(),
                                  attributes.value("yMin").toDouble());
            const QPointF bottomRight(attributes.value("xMax").toDouble(),
                                      attributes.value("yMax").toDouble());
            pages.last().words.append({QRectF(topLeft, bottomRight), xml.readElementText()});
        }
    }
    return pages;
}

int pdfPageCount(const QString &pdf)
{
    QProcess process;
    process.start(tool("pdfinfo"), {pdf});
    process.waitForFinished(60000);
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                   QRegularExpression::MultilineOption);
    return pages.match(QString::fromLocal8Bit(process.readAllStandardOutput())).captured(1).toInt();
}

// Where a word falls in the layout, in 0.01-inch units from the printable area's corner.
QPointF layoutPoint(const Page &page, QPageSize::PageSizeId size, const Word &word)
{
    const QPageLayout layout(QPageSize(size), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                             QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    Q_ASSERT(qAbs(page.size.height() - layout.fullRect(QPageLayout::Point).height()) < 1);
    const qreal scale = SheetLayout::fitScale(printable.size() / 0.72);
    return (word.box.center() - printable.topLeft()) / 0.72 / scale;
}

} // namespace

class TestPdfExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesThePagesPrintingWould_data();
    void writesThePagesPrintingWould();
    void sameSeedSameOutput();
    void runsWithoutDisplay_data();
    void runsWithoutDisplay();
    void refusedArguments_data();
    void refusedArguments();
    void unwritableTargetLeavesItAlone();
    void helpListsTheOptions();
    void numberedSheetsCarryTheirLabels();
    void numberingChangesNothingElse();
    void setCodeAlone();

private:
    QTemporaryDir m_dir;
};

void TestPdfExport::initTestCase()
{
    QVERIFY2(!tool("pdftotext").isEmpty() && !tool("pdfinfo").isEmpty(),
             "poppler-utils (scripts/install-deps.sh) is needed");
    QVERIFY(m_dir.isValid());
}

void TestPdfExport::writesThePagesPrintingWould_data()
{
    QTest::addColumn<int>("sheets");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("pages");
    QTest::newRow("ten sheets on two A4 pages") << 10 << 50 << "A4" << 2;
    QTest::newRow("nine sheets, the last alone") << 9 << 25 << "A4" << 2;
    QTest::newRow("Letter keeps all four rows") << 16 << 75 << "Letter" << 2;
    QTest::newRow("top 100 with three digits") << 8 << 100 << "A4" << 1;
    QTest::newRow("no sheets still one page") << 0 << 50 << "A4" << 1;
}

void TestPdfExport::writesThePagesPrintingWould()
{
    QFETCH(int, sheets);
    QFETCH(int, top);
    QFETCH(QString, paper);
    QFETCH(int, pages);
    const QString pdf =
        m_dir.filePath(QStringLiteral("sheets-%1.pdf").arg(QTest::currentDataTag()));
    const Run run =
        runBingo({"--sheets", QString::number(sheets), "--top", QString::number(top), "--color",
                  "green", "--seed", "4711", "--page-size", paper, "--pdf", pdf});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(pdfPageCount(pdf), pages);

    // The same sheets as the setup dialog's answers would make with that seed.
    CrtRandom random(4711);
    SheetSet expected;
    expected.generate({sheets, top, SheetIds::IDC_SHEET_GREEN}, random);

    const QPageSize::PageSizeId size = paper == "A4" ? QPageSize::A4 : QPageSize::Letter;
    const QList<Page> read = readPages(pdf);
    QCOMPARE(read.size(), pages);
    for (int p = 0; p < pages; ++p) {
        const Page &page = read.at(p);
        const SheetRange onPage = SheetLayout::sheetsOfPage(p + 1, sheets);
        QHash<int, QList<int>> numbersOf; // by sheet slot
        QHash<int, int> starsOf;
        QStringList pageNumbers;
        for (const Word &word : page.words) {
            QVERIFY2(page.size.height() - word.box.bottom() > 0, "a word runs off the paper");
            const QPointF at = layoutPoint(page, size, word);
            int slot = -1;
            for (int s = 0; s < 8; ++s) {
                if (SheetLayout::sheetRect(s).contains(at.toPoint()))
                    slot = s;
            }
            if (slot < 0) {
                pageNumbers.append(word.text);
                continue;
            }
            if (word.text == QStringLiteral("★")) {
                ++starsOf[slot];
                continue;
            }
            QVERIFY2(QRegularExpression("^\\d{2,3}$").match(word.text).hasMatch(),
                     qPrintable(word.text));
            const int value = word.text.toInt();
            QVERIFY(value >= 0 && value <= top);
            numbersOf[slot].append(value);

            // Each number sits in the cell where its value belongs.
            const auto cells = expected.sheet(onPage.begin + slot);
            int cell = -1;
            for (int c = 0; c < 25; ++c) {
                if (QRectF(SheetLayout::cellPosition(slot, c), QSizeF(52, 52)).contains(at))
                    cell = c;
            }
            QVERIFY(cell >= 0 && cell != 12);
            QCOMPARE(value, cells[std::size_t(cell)]);
        }
        QCOMPARE(pageNumbers, QStringList{QString::number(p + 1)});
        QCOMPARE(numbersOf.size(), onPage.count());
        for (int slot = 0; slot < onPage.count(); ++slot) {
            const QList<int> &numbers = numbersOf.value(slot);
            QCOMPARE(numbers.size(), 24);
            QCOMPARE(QSet<int>(numbers.begin(), numbers.end()).size(), 24);
            QCOMPARE(starsOf.value(slot), 1);
        }
    }
}

void TestPdfExport::sameSeedSameOutput()
{
    const auto textOf = [this](const QString &name, const QString &seed) {
        const QString pdf = m_dir.filePath(name);
        const Run run = runBingo(
            {"--sheets", "20", "--top", "75", "--color", "red", "--seed", seed, "--pdf", pdf});
        QProcess text;
        text.start(tool("pdftotext"), {"-layout", pdf, "-"});
        text.waitForFinished();
        return run.exitCode == 0 ? text.readAllStandardOutput() : QByteArray();
    };
    const QByteArray first = textOf("seed-a.pdf", "123");
    QVERIFY(first.size() > 500);
    QCOMPARE(textOf("seed-b.pdf", "123"), first);
    QVERIFY(textOf("seed-c.pdf", "124") != first);
}

void TestPdfExport::runsWithoutDisplay_data()
{
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, none when empty
    QTest::newRow("no platform asked for") << QString();
    QTest::newRow("X11 asked for, no display") << QStringLiteral("xcb");
    QTest::newRow("a platform that is not installed") << QStringLiteral("no-such-platform");
}

void TestPdfExport::runsWithoutDisplay()
{
    QFETCH(QString, platform);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    const QString pdf = m_dir.filePath(QStringLiteral("headless-%1.pdf").arg(platform));
    const Run run =
        runBingo({"--sheets", "3", "--top", "50", "--color", "blue", "--pdf", pdf}, environment);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(pdfPageCount(pdf), 1);
}

void TestPdfExport::refusedArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QStringList good{"--sheets", "10", "--top", "50", "--color", "blue"};
    QTest::newRow("missing colour") << QStringList{"--sheets", "10", "--top", "50"} << "--color";
    QTest::newRow("count not a number")
        << QStringList{"--sheets", "many", "--top", "50", "--color", "blue"} << "--sheets";
    QTest::newRow("count above the limit")
        << QStringList{"--sheets", "100001", "--top", "50", "--color", "blue"} << "--sheets";
    QTest::newRow("top below 24") << QStringList{"--sheets", "10", "--top", "23", "--color", "blue"}
                                  << "--top";
    QTest::newRow("unknown colour")
        << QStringList{"--sheets", "10", "--top", "50", "--color", "pink"} << "--color";
    QTest::newRow("unknown paper") << (good + QStringList{"--page-size", "B5"}) << "--page-size";
    QTest::newRow("bad seed") << (good + QStringList{"--seed", "x"}) << "--seed";
    QTest::newRow("unknown option") << (good + QStringList{"--colour", "blue"}) << "colour";
    QTest::newRow("folder that does not exist") << good << "cannot write";
}

void TestPdfExport::refusedArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const bool missingFolder =
        QTest::currentDataTag() == QLatin1String("folder that does not exist");
    const QString pdf =
        missingFolder ? m_dir.filePath("no/such/folder/out.pdf") : m_dir.filePath("refused.pdf");
    const Run run = runBingo(arguments + QStringList{"--pdf", pdf});
    QVERIFY(run.exitCode > 0);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(pdf));
}

void TestPdfExport::unwritableTargetLeavesItAlone()
{
    // A folder where the file should go cannot be replaced; it stays as it was.
    const QString target = m_dir.filePath("taken");
    QVERIFY(QDir().mkpath(target));
    const Run run = runBingo({"--sheets", "10", "--top", "50", "--color", "blue", "--pdf", target});
    QVERIFY(run.exitCode > 0);
    QVERIFY2(run.err.contains(target), qPrintable(run.err));
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(QDir(m_dir.path()).entryList({"taken*"}, QDir::AllEntries | QDir::Hidden).size(), 1);
}

void TestPdfExport::helpListsTheOptions()
{
    const Run run = runBingo({"--help"});
    QCOMPARE(run.exitCode, 0);
    for (const char *option :
         {"--sheets", "--top", "--color", "--seed", "--page-size", "--pdf", "--print"})
        QVERIFY2(run.out.contains(QLatin1String(option)), option);
}

namespace {

// The first page of a PDF file as pdftoppm renders it at 100 dots per inch.
QImage renderFirstPage(const QString &pdf)
{
    QProcess render;
    render.start(tool("pdftoppm"), {"-r", "100", "-f", "1", "-l", "1", "-png", pdf});
    render.waitForFinished(60000);
    return QImage::fromData(render.readAllStandardOutput(), "PNG");
}

} // namespace

void TestPdfExport::numberedSheetsCarryTheirLabels()
{
    const QString plain = m_dir.filePath("unnumbered.pdf");
    const QString numbered = m_dir.filePath("numbered.pdf");
    const QStringList sheets{"--sheets", "10", "--top", "75", "--color", "red", "--seed", "4711"};
    QCOMPARE(runBingo(sheets + QStringList{"--pdf", plain}).exitCode, 0);
    QCOMPARE(runBingo(sheets + QStringList{"--numbered", "--pdf", numbered}).exitCode, 0);

    for (const Page &page : readPages(plain)) {
        for (const Word &word : page.words)
            QVERIFY2(!word.text.startsWith("No.") && word.text != "2222-E7J7D",
                     qPrintable(word.text));
    }

    // The code of seed 4711 and top 75, worked out by hand.
    const QList<Page> pages = readPages(numbered);
    QCOMPARE(pages.size(), 2);
    int labels = 0;
    for (int p = 0; p < pages.size(); ++p) {
        const SheetRange onPage = SheetLayout::sheetsOfPage(p + 1, 10);
        for (int slot = 0; slot < onPage.count(); ++slot) {
            const QRect sheet = SheetLayout::sheetRect(slot);
            const int rowTop = SheetLayout::RowPitch * SheetLayout::rowOf(slot);
            QStringList under; // the words under this sheet's grid, left to right
            for (const Word &word : pages.at(p).words) {
                const QPointF at = layoutPoint(pages.at(p), QPageSize::A4, word);
                if (at.x() > sheet.left() && at.x() < sheet.right() && at.y() > rowTop + 271 &&
                    at.y() < rowTop + 282) {
                    under << word.text;
                    QVERIFY2(word.box.height() >= 6, qPrintable(word.text)); // points
                }
            }
            QCOMPARE(under, (QStringList{QStringLiteral("No.%1").arg(onPage.begin + slot + 1),
                                         "2222-E7J7D"}));
            ++labels;
        }
    }
    QCOMPARE(labels, 10);
}

void TestPdfExport::numberingChangesNothingElse()
{
    const QString plain = m_dir.filePath("unnumbered.pdf");
    const QString numbered = m_dir.filePath("numbered.pdf");
    const QStringList sheets{"--sheets", "8", "--top", "50", "--color", "blue", "--seed", "99"};
    QCOMPARE(runBingo(sheets + QStringList{"--pdf", plain}).exitCode, 0);
    QCOMPARE(runBingo(sheets + QStringList{"--numbered", "--pdf", numbered}).exitCode, 0);
    const QImage before = renderFirstPage(plain);
    const QImage after = renderFirstPage(numbered);
    QVERIFY(!before.isNull());
    QCOMPARE(after.size(), before.size());

    // At 100 dots per inch one layout unit is a pixel, after the 5 mm margin.
    const qreal margin = 5 / 25.4 * 100;
    int inLabels = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y))
                continue;
            const QPointF at(x + 0.5 - margin, y + 0.5 - margin);
            // A label reaches a few units past its row, so rows are counted from 10 units up.
            const int row = int(at.y() + 10) / SheetLayout::RowPitch - 1;
            const qreal inRow = at.y() - row * SheetLayout::RowPitch;
            const bool labelStrip =
                row >= 0 && row < 4 && inRow > 269 && inRow < 284 && at.x() > 9 && at.x() < 560;
            QVERIFY2(labelStrip, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            ++inLabels;
        }
    }
    QVERIFY(inLabels > 8 * 50);
}

void TestPdfExport::setCodeAlone()
{
    const Run run = runBingo({"--set-code", "--seed", "4711", "--top", "75"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("2222-E7J7D\n"));
    const Run refused = runBingo({"--set-code", "--seed", "4711"});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains("--set-code needs --top"), qPrintable(refused.err));
    QCOMPARE(refused.out, QString());
}

QTEST_GUILESS_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
