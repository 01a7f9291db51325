#include "pdfexport.h"
#include "readall.h"
#include "sheetlayout.h"
#include "sheetset.h"
#include "tinydisk.h"
#include "writefile.h"

#include <QDir>
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

#include <algorithm>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

// The environment with no language chosen, where the program speaks Japanese, the language its
// messages are checked in.
QProcessEnvironment withoutLanguage(QProcessEnvironment environment)
{
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    return environment;
}

Run runBingo(const QStringList &arguments,
             const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(withoutLanguage(environment));
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

// Where a word falls on the page as designed, in 0.01-inch units from the printable area's
// corner: a page is 559 wide and 1128 high (the foot of the page number), shrunk uniformly where
// the paper's printable area is smaller.
QPointF layoutPoint(const Page &page, QPageSize::PageSizeId size, const Word &word)
{
    const QPageLayout layout(QPageSize(size), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                             QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    Q_ASSERT(qAbs(page.size.height() - layout.fullRect(QPageLayout::Point).height()) < 1);
    const qreal scale =
        std::min({1.0, printable.width() / 0.72 / 559, printable.height() / 0.72 / 1128});
    return (word.box.center() - printable.topLeft()) / 0.72 / scale;
}

// The sheet slot (0..7) of the page whose cyan rectangle holds a point, or -1: two columns of
// four rows, 277 apart.
int slotAt(QPointF at)
{
    for (int slot = 0; slot < 8; ++slot) {
        const qreal top = 277 * (slot / 2) + 10;
        const qreal left = slot % 2 == 0 ? 10 : 287;
        const qreal right = slot % 2 == 0 ? 277 : 559;
        if (QRectF(left, top, right - left, 267).contains(at))
            return slot;
    }
    return -1;
}

// The cell (0..24) of a sheet slot whose box holds a point, or -1: cell c sits in column c / 5
// and row c % 5 of a grid with a pitch of 52 from the slot's first cell.
int cellAt(int slot, QPointF at)
{
    const QPointF first(slot % 2 == 0 ? 15 : 295, 277 * (slot / 2) + 15);
    for (int c = 0; c < 25; ++c) {
        if (QRectF(first + QPointF(52 * (c / 5), 52 * (c % 5)), QSizeF(52, 52)).contains(at))
            return c;
    }
    return -1;
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
    void nameThatIsNotUtf8IsRefused();
    void successSaysNothingOnStandardError_data();
    void successSaysNothingOnStandardError();
    void fullDiskKeepsTheOldPdf();
    void progressAndCancel_data();
    void progressAndCancel();
    void targetsThatAreNotFiles_data();
    void targetsThatAreNotFiles();
    void writesToAPipeThroughDevStdout();
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
    // The first and the last sheet for seed 4711, worked out by hand from srand/rand and the
    // fill (cell 12 lies under the star).
    QTest::addColumn<QList<int>>("first");
    QTest::addColumn<QList<int>>("last");
    QTest::newRow("ten sheets on two A4 pages")
        << 10 << 50 << "A4" << 2 << QList<int>{22, 2,  26, 46, 21, 19, 27, 3,  20, 9,  13, 28, 10,
                                               23, 29, 43, 24, 32, 31, 25, 33, 30, 44, 11, 18}
        << QList<int>{14, 23, 1,  38, 0,  13, 2,  33, 34, 24, 4,  15, 3,
                      41, 6,  22, 42, 31, 26, 18, 49, 12, 36, 20, 8};
    QTest::newRow("nine sheets, the last alone")
        << 9 << 25 << "A4" << 2 << QList<int>{22, 2, 1,  21, 23, 19, 3, 4,  20, 9,  13, 5, 10,
                                              24, 6, 18, 25, 7,  8,  0, 11, 12, 14, 15, 16}
        << QList<int>{3, 6,  21, 7,  10, 22, 9, 8,  11, 12, 23, 16, 13,
                      4, 14, 5,  15, 17, 18, 0, 20, 19, 24, 25, 1};
    QTest::newRow("Letter keeps all four rows")
        << 16 << 75 << "Letter" << 2
        << QList<int>{47, 27, 1,  21, 22, 69, 51, 28, 70, 9,  38, 3, 60,
                      44, 26, 18, 45, 32, 6,  25, 57, 23, 43, 61, 46}
        << QList<int>{20, 57, 74, 68, 36, 38, 45, 27, 63, 4,  42, 11, 8,
                      69, 10, 39, 12, 16, 44, 58, 59, 17, 13, 64, 33};
    QTest::newRow("top 100 with three digits")
        << 8 << 100 << "A4" << 1 << QList<int>{22, 2,  26, 96, 71, 69, 27, 53, 20, 9,  63, 28, 10,
                                               19, 29, 43, 70, 82, 31, 25, 32, 21, 93, 61, 68}
        << QList<int>{42, 12, 23, 62, 19, 91, 67, 76, 2,  48, 28, 55, 66,
                      70, 54, 84, 9,  97, 85, 98, 65, 52, 86, 68, 45};
    QTest::newRow("no sheets still one page")
        << 0 << 50 << "A4" << 1 << QList<int>() << QList<int>();
}

void TestPdfExport::writesThePagesPrintingWould()
{
    QFETCH(int, sheets);
    QFETCH(int, top);
    QFETCH(QString, paper);
    QFETCH(int, pages);
    QFETCH(QList<int>, first);
    QFETCH(QList<int>, last);
    const QString pdf =
        m_dir.filePath(QStringLiteral("sheets-%1.pdf").arg(QTest::currentDataTag()));
    const Run run =
        runBingo({"--sheets", QString::number(sheets), "--top", QString::number(top), "--color",
                  "green", "--seed", "4711", "--page-size", paper, "--pdf", pdf});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(pdfPageCount(pdf), pages);

    const QPageSize::PageSizeId size = paper == "A4" ? QPageSize::A4 : QPageSize::Letter;
    const QList<Page> read = readPages(pdf);
    QCOMPARE(read.size(), pages);
    int pinnedSeen = 0;
    for (int p = 0; p < pages; ++p) {
        const Page &page = read.at(p);
        const int firstOnPage = 8 * p;
        const int countOnPage = std::clamp(sheets - firstOnPage, 0, 8);
        QHash<int, QList<int>> numbersOf; // by sheet slot
        QHash<int, int> starsOf;
        QStringList pageNumbers;
        for (const Word &word : page.words) {
            QVERIFY2(page.size.height() - word.box.bottom() > 0, "a word runs off the paper");
            const QPointF at = layoutPoint(page, size, word);
            const int slot = slotAt(at);
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

            // The first and last sheets show their numbers in the cells where they belong.
            const int cell = cellAt(slot, at);
            QVERIFY(cell >= 0 && cell != 12);
            const int sheet = firstOnPage + slot;
            if (sheet == 0 || sheet == sheets - 1) {
                QCOMPARE(value, (sheet == 0 ? first : last).at(cell));
                ++pinnedSeen;
            }
        }
        QCOMPARE(pageNumbers, QStringList{QString::number(p + 1)});
        QCOMPARE(numbersOf.size(), countOnPage);
        for (int slot = 0; slot < countOnPage; ++slot) {
            const QList<int> &numbers = numbersOf.value(slot);
            QCOMPARE(numbers.size(), 24);
            QCOMPARE(QSet<int>(numbers.begin(), numbers.end()).size(), 24);
            QCOMPARE(starsOf.value(slot), 1);
        }
    }
    QCOMPARE(pinnedSeen, sheets == 0 ? 0 : sheets == 1 ? 24 : 48);
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
    QTest::newRow("seed with a plus") << (good + QStringList{"--seed", "+5"}) << "--seed";
    QTest::newRow("seed after a blank") << (good + QStringList{"--seed", " 5"}) << "--seed";
    QTest::newRow("seed before a blank") << (good + QStringList{"--seed", "5 "}) << "--seed";
    QTest::newRow("count with a plus")
        << QStringList{"--sheets", "+5", "--top", "50", "--color", "blue"} << "--sheets";
    QTest::newRow("top minus zero")
        << QStringList{"--sheets", "5", "--top", "-0", "--color", "blue"} << "--top";
    QTest::newRow("unknown option") << (good + QStringList{"--colour", "blue"}) << "colour";
    QTest::newRow("folder that does not exist") << good << "に書き込めません";
}

void TestPdfExport::refusedArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const bool missingFolder =
        QTest::currentDataTag() == QLatin1String("folder that does not exist");
    // A file of its own for each row, so that one wrongly written cannot fail the next.
    const QString pdf =
        missingFolder
            ? m_dir.filePath("no/such/folder/out.pdf")
            : m_dir.filePath(QStringLiteral("refused-%1.pdf").arg(QTest::currentDataTag()));
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

void TestPdfExport::nameThatIsNotUtf8IsRefused()
{
    // The name's bytes go through a shell: QProcess would pass them as UTF-8 text.
    const QString sh = tool("sh");
    QVERIFY(!sh.isEmpty());
    QDir dir(m_dir.filePath("names"));
    QVERIFY(dir.mkpath("."));
    QProcess process;
    process.setProcessEnvironment(withoutLanguage(QProcessEnvironment::systemEnvironment()));
    process.setWorkingDirectory(dir.path());
    process.start(sh, {"-c",
                       "exec \"$0\" --sheets 1 --top 50 --color blue --pdf "
                       "\"$(printf 'bad\\377\\376name.pdf')\"",
                       QStringLiteral(BINGO_PATH)});
    QVERIFY(process.waitForFinished(60000));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 2);
    QVERIFY2(err.contains(QStringLiteral("「bad\\xFF\\xFEname.pdf」は正しい UTF-8 ではありません")),
             qPrintable(err));
    // Neither the name given nor a name with replacement characters was written.
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TestPdfExport::successSaysNothingOnStandardError_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("pdf, colour and paper in capitals")
        << QStringList{"--sheets", "3", "--top", "50", "--color", "RED", "--page-size", "letter"};
    QTest::newRow("pdf with a seed")
        << QStringList{"--sheets", "1", "--top", "75", "--color", "blue", "--seed", "5"};
    QTest::newRow("help") << QStringList{"--help"};
}

void TestPdfExport::successSaysNothingOnStandardError()
{
    QFETCH(QStringList, arguments);
    // As under cron or ssh, where no runtime folder is named.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    const QString pdf = m_dir.filePath(QStringLiteral("quiet-%1.pdf").arg(QTest::currentDataTag()));
    const bool help = arguments.constFirst() == QLatin1String("--help");
    const Run run = runBingo(help ? arguments : arguments + QStringList{"--pdf", pdf}, environment);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    if (!help)
        QCOMPARE(pdfPageCount(pdf), 1);
}

void TestPdfExport::fullDiskKeepsTheOldPdf()
{
    if (::geteuid() != 0)
        QSKIP("mounting a 12 KB tmpfs as a full disk needs root");
    const QString good = m_dir.filePath(QStringLiteral("good.pdf"));
    const QStringList sheets{"--sheets", "1", "--top", "50", "--color", "blue"};
    QCOMPARE(runBingo(sheets + QStringList{"--pdf", good}).exitCode, 0);
    QFile goodFile(good);
    QVERIFY(goodFile.open(QIODevice::ReadOnly));
    const QByteArray old = goodFile.readAll();
    QVERIFY(old.size() > 4096 && old.size() < 8192); // two of the disk's three pages

    TinyDisk disk(12);
    if (!disk.mounted())
        QSKIP("this root may not mount a tmpfs (a container without the right to)");
    const QString oldPdf = disk.filePath(QStringLiteral("old.pdf"));
    QVERIFY(QFile::copy(good, oldPdf));
    // Small enough to sit whole in a write buffer until the last flush, where it fails.
    const QStringList next{"--sheets", "3", "--top", "75", "--color", "red"};
    const Run replace = runBingo(next + QStringList{"--pdf", oldPdf});
    QVERIFY(replace.exitCode > 0);
    QVERIFY2(replace.err.contains(oldPdf) && replace.err.contains("ディスクに空きがありません"),
             qPrintable(replace.err));
    QFile kept(oldPdf);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), old);
    QCOMPARE(pdfPageCount(oldPdf), 1);

    const QString newPdf = disk.filePath(QStringLiteral("new.pdf"));
    const Run fresh = runBingo(next + QStringList{"--pdf", newPdf});
    QVERIFY(fresh.exitCode > 0);
    QVERIFY2(fresh.err.contains(newPdf), qPrintable(fresh.err));
    QCOMPARE(QDir(disk.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"old.pdf"});
}

void TestPdfExport::progressAndCancel_data()
{
    QTest::addColumn<int>("stopAfter"); // the page after which progress asks to stop; 0: never
    QTest::newRow("told of every page") << 0;
    QTest::newRow("cancelled on page 2 of 5: the old file stays") << 2;
    QTest::newRow("cancelled on the last page: still nothing written") << 5;
}

void TestPdfExport::progressAndCancel()
{
    QFETCH(int, stopAfter);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
    QVERIFY(writeFile(pdf, "the older export"));
    const std::optional<SheetSet> set = makeSheetSet({40, 75, SheetColour::Red}, 7);
    QVERIFY(set);
    QList<QPair<int, int>> told;
    const PdfExportResult result =
        exportSheetsPdf(*set, pdf, QPageSize::A4, 48, {}, [&](int done, int total) {
            told.append({done, total});
            return done != stopAfter;
        });
    const int pages = stopAfter == 0 ? 5 : stopAfter;
    QCOMPARE(told.size(), pages);
    QCOMPARE(told.constLast(), qMakePair(pages, 5));
    QCOMPARE(result.ok, stopAfter == 0);
    QCOMPARE(result.cancelled, stopAfter != 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"sheets.pdf"});
    if (stopAfter == 0) {
        QCOMPARE(pdfPageCount(pdf), 5);
        return;
    }
    QVERIFY2(result.error.contains(pdf), qPrintable(result.error));
    QCOMPARE(readAll(pdf), QByteArray("the older export"));
}

void TestPdfExport::targetsThatAreNotFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a FIFO nobody reads is refused at once")
        << "fifo" << 1 << "読み取るプログラムのない名前付きパイプです";
    QTest::newRow("a loop of symbolic links")
        << "loop" << 1 << "シンボリックリンクが循環しています";
    QTest::newRow("a device that is always full") << "full" << 1 << "ディスクに空きがありません";
    QTest::newRow("a device that takes everything") << "null" << 0 << "";
}

void TestPdfExport::targetsThatAreNotFiles()
{
    QFETCH(QString, kind);
    QFETCH(int, exitCode);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.pdf"));
    const QByteArray name = QFile::encodeName(target);
    if (kind == "fifo") {
        QVERIFY(::mkfifo(name.constData(), 0600) == 0);
    } else if (kind == "loop") {
        QVERIFY(::symlink("target.pdf", name.constData()) == 0);
    } else {
        if (::geteuid() != 0)
            QSKIP("making a device node needs root");
        const unsigned minor = kind == "full" ? 7 : 3;
        if (::mknod(name.constData(), S_IFCHR | 0666, makedev(1, minor)) != 0)
            QSKIP("this root may not make device nodes (a container without the right to)");
    }
    struct stat before
    {
    };
    QVERIFY(::lstat(name.constData(), &before) == 0);

    // A FIFO opened the usual way would wait for a reader forever; runBingo gives up after two
    // minutes and reports -1.
    const Run run = runBingo({"--sheets", "10", "--top", "50", "--color", "blue", "--pdf", target});
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0)
        QVERIFY2(run.err.contains(target) && run.err.contains(reason), qPrintable(run.err));
    struct stat after
    {
    };
    QVERIFY(::lstat(name.constData(), &after) == 0);
    QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    QCOMPARE(after.st_rdev, before.st_rdev);
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"target.pdf"});
}

void TestPdfExport::writesToAPipeThroughDevStdout()
{
    // /dev/stdout is a link to a pipe that no path leads to: it is written where it is.
    QProcess process;
    process.start(QStringLiteral(BINGO_PATH),
                  {"--sheets", "9", "--top", "50", "--color", "green", "--pdf", "/dev/stdout"});
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray pdf = process.readAllStandardOutput();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    const QString copy = m_dir.filePath(QStringLiteral("from-stdout.pdf"));
    QFile file(copy);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    QCOMPARE(pdfPageCount(copy), 2);
}

void TestPdfExport::helpListsTheOptions()
{
    const Run run = runBingo({"--help"});
    QCOMPARE(run.exitCode, 0);
    // One rule for every option, stated once.
    QVERIFY2(run.out.contains(QStringLiteral("大文字でも小文字でも")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("半角数字")), qPrintable(run.out));
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
    QVERIFY2(refused.err.contains(QStringLiteral("--set-code には --top が必要です")),
             qPrintable(refused.err));
    QCOMPARE(refused.out, QString());
}

QTEST_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
