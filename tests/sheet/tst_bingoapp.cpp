#include "../support/fifowatch.h"
#include "cbingoapp.h"
#include "cbingodoc.h"
#include "cbingoview.h"
#include "cmainframe.h"
#include "crtrandom.h"
#include "fontsubstitutions.h"
#include "sheetcommandline.h"
#include "sheetfakes.h"
#include "sheetids.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace SheetIds;

namespace {

// The words of a PDF file, page after page, with pages separated by form feeds.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable("pdftotext"), {pdf, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList pdfPages(const QString &pdf)
{
    QStringList pages = pdfText(pdf).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString lastWord(const QString &page)
{
    const QStringList words = page.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    return words.isEmpty() ? QString() : words.last();
}

} // namespace

class TestBingoApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void init();
    void cleanup();
    void answersMakeTheSheets();
    void seedOnTheCommandLineReplacesTheClock();
    void cancelEndsBeforeAnyWindow();
    void viewShowsTheSheetsAndScrolls();
    void saveWritesAnEmptyFile();
    void saveFailureIsReported();
    void saveNeverEmptiesAFileWithContent_data();
    void saveNeverEmptiesAFileWithContent();
    void openingAFifoDoesNotWait();
    void openChangesNothing();
    void openFailureIsReportedAndForgotten();
    void newReusesTheView();
    void fileOnTheCommandLineOpensAfterTheSheets();
    void recentFilesComeFromTheSettings();
    void printChosenPagesOnly_data();
    void printChosenPagesOnly();
    void cancelledPrintPrintsNothing();
    void previewShowsThePagesPrintingWould();
    void previewPrintsTheChosenPages_data();
    void previewPrintsTheChosenPages();
    void directPrintUsesThePrinterAndEnds();
    void printFailureNamesTheFile_data();
    void printFailureNamesTheFile();
    void printerSetupChangesTheAppPrinter();
    void aboutBox();

private:
    std::unique_ptr<CBINGOApp> start(const SheetCommandLine &commandLine = {});
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    FakeMessages m_messages;
    FakeFiles m_files;
    FakePrinterDialogs m_printerDialogs;
    SetupAnswers m_answers;
};

void TestBingoApp::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    // Test-mode settings in a file of our own, never the user's.
    m_settings = std::make_unique<QSettings>(path("BINGO.ini"), QSettings::IniFormat);
    m_messages = {};
    m_files = {};
    m_printerDialogs = {};
    m_answers = {};
}

void TestBingoApp::cleanup()
{
    m_settings.reset();
    m_dir.reset();
}

std::unique_ptr<CBINGOApp> TestBingoApp::start(const SheetCommandLine &commandLine)
{
    SheetServices services;
    services.runSetup = [this](CSheetSetupDlg &dialog) { return m_answers(dialog); };
    services.clock = [] { return std::uint32_t(1700000000); };
    services.messages = &m_messages;
    services.files = &m_files;
    services.printerDialogs = &m_printerDialogs;
    services.settings = m_settings.get();
    auto app = std::make_unique<CBINGOApp>(services);
    app->printer().setOutputFormat(QPrinter::PdfFormat);
    app->printer().setOutputFileName(path("printed.pdf"));
    app->InitInstance(commandLine);
    return app;
}

void TestBingoApp::answersMakeTheSheets()
{
    m_answers = {"3", "25", "IDC_SHEET_RED"};
    const auto app = start();
    QCOMPARE(m_answers.runs, 1);
    QVERIFY(app->mainFrame()->isVisible());
    const SheetSet &set = app->view()->sheetSet();
    QCOMPARE(set.sheetCount(), 3);
    QCOMPARE(set.topNumber(), 25);
    QCOMPARE(set.colour(), TextColours::Red);

    // Seeded with the clock's seconds: the same sheets as a set made from that seed.
    CrtRandom random(1700000000);
    SheetSet expected;
    expected.generate({3, 25, IDC_SHEET_RED}, random);
    QVERIFY(std::ranges::equal(set.sheets(), expected.sheets()));
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("無題 - BINGO"));
}

void TestBingoApp::seedOnTheCommandLineReplacesTheClock()
{
    SheetCommandLine commandLine;
    commandLine.seed = 42;
    const auto app = start(commandLine);
    CrtRandom random(42);
    SheetSet expected;
    expected.generate({10, 50, IDC_SHEET_BLUE}, random);
    QVERIFY(std::ranges::equal(app->view()->sheetSet().sheets(), expected.sheets()));
}

void TestBingoApp::cancelEndsBeforeAnyWindow()
{
    m_answers.cancel = true;
    const auto app = start();
    QCOMPARE(app->view()->state(), CBINGOView::State::Declined);
    QCOMPARE(app->exitCode(), 0);
    QVERIFY(!app->mainFrame()->isVisible());
    QVERIFY(QApplication::topLevelWidgets().size() > 0);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

void TestBingoApp::viewShowsTheSheetsAndScrolls()
{
    m_answers.count = "10";
    const auto app = start();
    CBINGOView *view = app->view();
    QCOMPARE(view->totalSize(), QSize(720, 5 * 360));
    app->mainFrame()->resize(760, 500);
    QVERIFY(QTest::qWaitForWindowExposed(app->mainFrame()));
    QTRY_VERIFY(view->verticalScrollBar()->maximum() > 0);
    QCOMPARE(view->verticalScrollBar()->maximum(), 1800 - view->viewport()->height());

    const qreal unit = view->logicalDpiY() / 100.0;
    const QImage top = view->viewport()->grab().toImage();
    QCOMPARE(top.pixelColor(QPointF(12 * unit, 12 * unit).toPoint()), QColor(0, 255, 255));

    // Scrolled down by one inch, the gap between the first two rows comes up to 1.8 inches.
    const QPoint lowPoint = QPointF(12 * unit, 180 * unit).toPoint();
    QCOMPARE(top.pixelColor(lowPoint), QColor(0, 255, 255));
    view->verticalScrollBar()->setValue(qRound(100 * unit));
    const QImage scrolled = view->viewport()->grab().toImage();
    QCOMPARE(scrolled.pixelColor(lowPoint), QColor(255, 255, 255));
    QCOMPARE(scrolled.pixelColor(QPointF(12 * unit, 190 * unit).toPoint()), QColor(0, 255, 255));
}

void TestBingoApp::saveWritesAnEmptyFile()
{
    const auto app = start();
    const QString file = path("sheets.bgo");
    {
        QFile old(file); // an empty file is saved over as readily as a new one
        QVERIFY(old.open(QIODevice::WriteOnly));
    }
    m_files.answers = {file};
    app->mainFrame()->action(ID_FILE_SAVE)->trigger();
    QCOMPARE(m_files.purposes, QList<FileChooser::Purpose>{FileChooser::Purpose::Save});
    QCOMPARE(QFileInfo(file).size(), 0);
    QVERIFY(m_messages.shown.isEmpty());
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("sheets.bgo - BINGO"));
    QCOMPARE(app->recentFiles().files(), QStringList{file});
    QCOMPARE(m_settings->value("Recent File List/File1").toString(), file);

    // Save again goes to the same file without asking.
    app->mainFrame()->action(ID_FILE_SAVE)->trigger();
    QCOMPARE(m_files.purposes.size(), 1);
    QCOMPARE(QFileInfo(file).size(), 0);
}

void TestBingoApp::saveFailureIsReported()
{
    const auto app = start();
    const QString file = path("missing/folder/sheets.bgo");
    m_files.answers = {file};
    app->mainFrame()->action(ID_FILE_SAVE_AS)->trigger();
    QCOMPARE(m_messages.shown.size(), 1);
    QCOMPARE(m_messages.shown.constFirst().icon, MessagePresenter::Icon::Critical);
    QVERIFY(m_messages.shown.constFirst().text.contains(file));
    QVERIFY(!QFile::exists(file));
    QVERIFY(app->recentFiles().files().isEmpty());
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("無題 - BINGO"));
}

void TestBingoApp::saveNeverEmptiesAFileWithContent_data()
{
    QTest::addColumn<bool>("openedFirst");
    QTest::newRow("opened, then saved") << true;
    QTest::newRow("chosen in Save As") << false;
}

void TestBingoApp::saveNeverEmptiesAFileWithContent()
{
    QFETCH(bool, openedFirst);
    const auto app = start();
    const QString file = path("notes.txt");
    {
        QFile notes(file);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("a list someone needs");
    }
    if (openedFirst) {
        app->OpenDocumentFile(file);
        app->mainFrame()->action(ID_FILE_SAVE)->trigger();
    } else {
        m_files.answers = {file};
        app->mainFrame()->action(ID_FILE_SAVE_AS)->trigger();
    }
    QCOMPARE(m_messages.shown.size(), 1);
    QCOMPARE(m_messages.shown.constFirst().icon, MessagePresenter::Icon::Critical);
    QVERIFY2(m_messages.shown.constFirst().text.contains(file),
             qPrintable(m_messages.shown.constFirst().text));
    QFile notes(file);
    QVERIFY(notes.open(QIODevice::ReadOnly));
    QCOMPARE(notes.readAll(), QByteArray("a list someone needs"));
    QCOMPARE(QDir(m_dir->path()).entryList({"notes*", ".notes*"}, QDir::Files | QDir::Hidden),
             QStringList{"notes.txt"});
}

void TestBingoApp::openingAFifoDoesNotWait()
{
    const QString fifo = path("fifo.bgo");
    FifoWatch watch(fifo);
    QVERIFY(watch.made());
    const auto app = start();
    app->OpenDocumentFile(fifo);
    QVERIFY2(!watch.readerSeen(), "opening the FIFO waited for a writer");
    QCOMPARE(m_messages.shown.size(), 1);
    QVERIFY(m_messages.shown.constFirst().text.contains(fifo));
    QVERIFY(app->recentFiles().files().isEmpty());
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("無題 - BINGO"));
    QVERIFY(watch.stillAFifo());
}

void TestBingoApp::openChangesNothing()
{
    const auto app = start();
    const std::vector<int> before(app->view()->sheetSet().sheets().begin(),
                                  app->view()->sheetSet().sheets().end());
    const QString file = path("other.bgo");
    {
        QFile other(file);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("not ours");
    }
    CBINGOView *view = app->view();
    m_files.answers = {file};
    app->mainFrame()->action(ID_FILE_OPEN)->trigger();
    QCOMPARE(m_files.purposes, QList<FileChooser::Purpose>{FileChooser::Purpose::Open});
    QVERIFY(m_messages.shown.isEmpty());
    QCOMPARE(app->view(), view);
    QCOMPARE(m_answers.runs, 1);
    QVERIFY(std::ranges::equal(app->view()->sheetSet().sheets(), before));
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("other.bgo - BINGO"));
    QFile other(file);
    QVERIFY(other.open(QIODevice::ReadOnly));
    QCOMPARE(other.readAll(), QByteArray("not ours"));
    QCOMPARE(app->recentFiles().files(), QStringList{file});
}

void TestBingoApp::openFailureIsReportedAndForgotten()
{
    const QString gone = path("gone.bgo");
    m_settings->setValue("Recent File List/File1", gone);
    const auto app = start();
    QCOMPARE(app->recentFiles().files(), QStringList{gone});
    app->OpenDocumentFile(gone);
    QCOMPARE(m_messages.shown.size(), 1);
    QVERIFY(m_messages.shown.constFirst().text.contains(gone));
    QVERIFY(app->recentFiles().files().isEmpty());
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("無題 - BINGO"));
}

void TestBingoApp::newReusesTheView()
{
    const auto app = start();
    m_files.answers = {path("a.bgo")};
    app->mainFrame()->action(ID_FILE_SAVE_AS)->trigger();
    CBINGOView *view = app->view();
    app->mainFrame()->action(ID_FILE_NEW)->trigger();
    QCOMPARE(app->view(), view);
    QCOMPARE(m_answers.runs, 1);
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("無題 - BINGO"));
    QVERIFY(app->document()->pathName().isEmpty());
}

void TestBingoApp::fileOnTheCommandLineOpensAfterTheSheets()
{
    const QString file = path("start.bgo");
    QFile(file).open(QIODevice::WriteOnly);
    SheetCommandLine commandLine;
    commandLine.documentFile = file;
    const auto app = start(commandLine);
    QCOMPARE(m_answers.runs, 1);
    QCOMPARE(app->view()->state(), CBINGOView::State::Ready);
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("start.bgo - BINGO"));
}

void TestBingoApp::recentFilesComeFromTheSettings()
{
    const QString file = path("recent.bgo");
    QFile(file).open(QIODevice::WriteOnly);
    m_settings->setValue("Recent File List/File1", file);
    const auto app = start();
    QMenu *fileMenu = app->mainFrame()->menuBar()->actions().constFirst()->menu();
    QAction *entry = nullptr;
    for (QAction *action : fileMenu->actions()) {
        if (action->text() == QStringLiteral("&1 ") + file)
            entry = action;
    }
    QVERIFY(entry);
    entry->trigger();
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("recent.bgo - BINGO"));
}

void TestBingoApp::printChosenPagesOnly_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("pageNumbers");
    QTest::addColumn<QList<int>>("stars"); // one star per sheet, per page
    QTest::newRow("all pages") << 0 << 0 << QStringList{"1", "2"} << QList<int>{8, 2};
    QTest::newRow("pages 2 to 2") << 2 << 2 << QStringList{"2"} << QList<int>{2};
    QTest::newRow("range beyond the last page") << 2 << 9 << QStringList{"2"} << QList<int>{2};
}

void TestBingoApp::printChosenPagesOnly()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, pageNumbers);
    QFETCH(QList<int>, stars);
    const auto app = start();
    m_printerDialogs.fromPage = from;
    m_printerDialogs.toPage = to;
    app->mainFrame()->action(ID_FILE_PRINT)->trigger();
    QCOMPARE(m_printerDialogs.offeredLastPage, 2);
    QVERIFY(m_messages.shown.isEmpty());
    const QStringList pages = pdfPages(path("printed.pdf"));
    QCOMPARE(pages.size(), pageNumbers.size());
    for (qsizetype i = 0; i < pages.size(); ++i) {
        QCOMPARE(lastWord(pages.at(i)), pageNumbers.at(i));
        QCOMPARE(pages.at(i).count(QStringLiteral("★")), stars.at(i));
    }
}

void TestBingoApp::cancelledPrintPrintsNothing()
{
    const auto app = start();
    m_printerDialogs.acceptPrint = false;
    app->mainFrame()->action(ID_FILE_PRINT)->trigger();
    QVERIFY(!QFile::exists(path("printed.pdf")));
    QVERIFY(m_messages.shown.isEmpty());
}

void TestBingoApp::previewShowsThePagesPrintingWould()
{
    m_answers.count = "17";
    const auto app = start();
    app->mainFrame()->action(ID_FILE_PRINT_PREVIEW)->trigger();
    const QStringList previewed = pdfPages(path("printed.pdf"));
    QCOMPARE(previewed.size(), 3);
    QFile::rename(path("printed.pdf"), path("previewed.pdf"));
    app->mainFrame()->action(ID_FILE_PRINT)->trigger();
    QCOMPARE(pdfText(path("printed.pdf")), pdfText(path("previewed.pdf")));
}

void TestBingoApp::previewPrintsTheChosenPages_data()
{
    QTest::addColumn<bool>("printedBefore"); // pages 2 to 2 printed before the preview opens
    QTest::addColumn<bool>("printFromPreview");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("pageNumbers"); // of the file written last
    QTest::newRow("earlier range leaves the preview whole")
        << true << false << 0 << 0 << QStringList{"1", "2", "3"};
    QTest::newRow("preview prints every page")
        << false << true << 0 << 0 << QStringList{"1", "2", "3"};
    QTest::newRow("preview prints pages 2 to 3 only")
        << false << true << 2 << 3 << QStringList{"2", "3"};
    QTest::newRow("preview prints a range beyond the last page")
        << false << true << 3 << 9 << QStringList{"3"};
}

void TestBingoApp::previewPrintsTheChosenPages()
{
    QFETCH(bool, printedBefore);
    QFETCH(bool, printFromPreview);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, pageNumbers);
    m_answers.count = "17";
    const auto app = start();
    if (printedBefore) {
        m_printerDialogs.fromPage = 2;
        m_printerDialogs.toPage = 2;
        app->mainFrame()->action(ID_FILE_PRINT)->trigger();
        QCOMPARE(pdfPages(path("printed.pdf")).size(), 1);
    }
    m_printerDialogs.fromPage = from;
    m_printerDialogs.toPage = to;
    m_printerDialogs.printFromPreview = printFromPreview;
    app->mainFrame()->action(ID_FILE_PRINT_PREVIEW)->trigger();
    QVERIFY(m_messages.shown.isEmpty());
    QStringList printed;
    for (const QString &page : pdfPages(path("printed.pdf")))
        printed.append(lastWord(page));
    QCOMPARE(printed, pageNumbers);
}

void TestBingoApp::directPrintUsesThePrinterAndEnds()
{
    m_answers.count = "0";
    SheetCommandLine commandLine;
    commandLine.printDirect = true;
    const auto app = start(commandLine);
    QCOMPARE(app->exitCode(), 0);
    QVERIFY(!app->mainFrame()->isVisible());
    QCOMPARE(m_printerDialogs.offeredLastPage, 0);
    const QStringList pages = pdfPages(path("printed.pdf"));
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.constFirst().trimmed(), QStringLiteral("1"));
}

void TestBingoApp::printFailureNamesTheFile_data()
{
    QTest::addColumn<bool>("direct");
    QTest::addColumn<int>("command");
    QTest::newRow("print dialog") << false << int(ID_FILE_PRINT);
    QTest::newRow("print from the preview") << false << int(ID_FILE_PRINT_PREVIEW);
    QTest::newRow("direct print ends with failure") << true << 0;
}

void TestBingoApp::printFailureNamesTheFile()
{
    QFETCH(bool, direct);
    QFETCH(int, command);
    // A folder where the printed file should go: the printer cannot be opened.
    const QString target = path("printed.pdf");
    QVERIFY(QDir().mkpath(target));
    m_printerDialogs.printFromPreview = true;
    SheetCommandLine commandLine;
    commandLine.printDirect = direct;
    const auto app = start(commandLine);
    if (direct)
        QCOMPARE(app->exitCode(), 1);
    else
        app->mainFrame()->action(command)->trigger();
    QVERIFY(!m_messages.shown.isEmpty());
    const FakeMessages::Shown &shown = m_messages.shown.constLast();
    QCOMPARE(shown.icon, MessagePresenter::Icon::Critical);
    QVERIFY2(shown.text.contains(QDir::toNativeSeparators(target)), qPrintable(shown.text));
    QVERIFY(QFileInfo(target).isDir());
}

void TestBingoApp::printerSetupChangesTheAppPrinter()
{
    const auto app = start();
    app->mainFrame()->action(ID_FILE_PRINT_SETUP)->trigger();
    QCOMPARE(m_printerDialogs.setUpPrinters, QList<QPrinter *>{&app->printer()});
}

void TestBingoApp::aboutBox()
{
    const auto app = start();
    QString title;
    QTimer::singleShot(0, this, [&title] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            box->findChild<QPushButton *>("IDOK")->click();
        }
    });
    app->mainFrame()->action(ID_APP_ABOUT)->trigger();
    QCOMPARE(title, QStringLiteral("BINGOのﾊﾞｰｼﾞｮﾝ情報"));
}

QTEST_MAIN(TestBingoApp)
#include "tst_bingoapp.moc"
