#include "bingoappfixture.h"
#include "cmainframe.h"
#include "fontsubstitutions.h"
#include "sheetids.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPageSize>
#include <QPrinterInfo>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

using namespace SheetIds;

// Printing from the sheet program: the pages chosen, the preview, the printer set-up and a real
// print server where one runs.
class TestBingoPrint : public QObject, BingoAppFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }
    void printChosenPagesOnly_data();
    void printChosenPagesOnly();
    void cancelledPrintPrintsNothing();
    void previewShowsThePagesPrintingWould_data();
    void previewShowsThePagesPrintingWould();
    void previewPrintsTheChosenPages_data();
    void previewPrintsTheChosenPages();
    void directPrintUsesThePrinterAndEnds();
    void printFailureNamesTheFile_data();
    void printFailureNamesTheFile();
    void printerSetupChangesTheAppPrinter();
    void printDialogKeepsThePaperOfPrinterSetup_data();
    void printDialogKeepsThePaperOfPrinterSetup();
    void realPrintDialogKeepsThePaper_data();
    void realPrintDialogKeepsThePaper();
    void unreachablePrinterIsNamed();
    void printJobsCarryTheDocumentName();
};

void TestBingoPrint::printChosenPagesOnly_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("pageNumbers");
    QTest::addColumn<QList<int>>("stars"); // one star per sheet, per page
    QTest::newRow("all pages") << 0 << 0 << QStringList{"1", "2"} << QList<int>{8, 2};
    QTest::newRow("pages 2 to 2") << 2 << 2 << QStringList{"2"} << QList<int>{2};
    QTest::newRow("range beyond the last page") << 2 << 9 << QStringList{"2"} << QList<int>{2};
}

void TestBingoPrint::printChosenPagesOnly()
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

void TestBingoPrint::cancelledPrintPrintsNothing()
{
    const auto app = start();
    m_printerDialogs.acceptPrint = false;
    app->mainFrame()->action(ID_FILE_PRINT)->trigger();
    QVERIFY(!QFile::exists(path("printed.pdf")));
    QVERIFY(m_messages.shown.isEmpty());
}

void TestBingoPrint::previewShowsThePagesPrintingWould_data()
{
    QTest::addColumn<bool>("numbered");
    QTest::addColumn<QString>("lastLabel"); // on the last page; none without numbering
    QTest::newRow("plain sheets") << false << QString();
    // The clock's seed 1700000000 and top 50 make the code 6SHA-6GX2M.
    QTest::newRow("numbered sheets carry their labels") << true << "No.17 6SHA-6GX2M";
}

void TestBingoPrint::previewShowsThePagesPrintingWould()
{
    QFETCH(bool, numbered);
    QFETCH(QString, lastLabel);
    m_answers.count = "17";
    const auto app = start();
    if (numbered)
        app->mainFrame()->action(ID_VIEW_NUMBERED)->trigger();
    app->mainFrame()->action(ID_FILE_PRINT_PREVIEW)->trigger();
    const QStringList previewed = pdfPages(path("printed.pdf"));
    QCOMPARE(previewed.size(), 3);
    const QString lastPage = previewed.constLast().simplified();
    QVERIFY2(numbered ? lastPage.contains(lastLabel) : !lastPage.contains(u"No."),
             qPrintable(lastPage));
    QFile::rename(path("printed.pdf"), path("previewed.pdf"));
    app->mainFrame()->action(ID_FILE_PRINT)->trigger();
    QCOMPARE(pdfText(path("printed.pdf")), pdfText(path("previewed.pdf")));
}

void TestBingoPrint::previewPrintsTheChosenPages_data()
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

void TestBingoPrint::previewPrintsTheChosenPages()
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

void TestBingoPrint::directPrintUsesThePrinterAndEnds()
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

void TestBingoPrint::printFailureNamesTheFile_data()
{
    QTest::addColumn<bool>("direct");
    QTest::addColumn<int>("command");
    QTest::newRow("print dialog") << false << int(ID_FILE_PRINT);
    QTest::newRow("print from the preview") << false << int(ID_FILE_PRINT_PREVIEW);
    QTest::newRow("direct print ends with failure") << true << 0;
}

void TestBingoPrint::printFailureNamesTheFile()
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
    const RecordingMessages::Shown &shown = m_messages.shown.constLast();
    QCOMPARE(shown.icon, MessagePresenter::Icon::Critical);
    QVERIFY2(shown.text.contains(QDir::toNativeSeparators(target)), qPrintable(shown.text));
    QVERIFY(QFileInfo(target).isDir());
}

void TestBingoPrint::printerSetupChangesTheAppPrinter()
{
    const auto app = start();
    app->mainFrame()->action(ID_FILE_PRINT_SETUP)->trigger();
    QCOMPARE(m_printerDialogs.setUpPrinters, QList<QPrinter *>{&app->printer()});
    // Printer Setup, which chooses the printer too, not the page setup alone.
    QVERIFY(m_printerDialogs.pageSetUpPrinters.isEmpty());
}

void TestBingoPrint::printDialogKeepsThePaperOfPrinterSetup_data()
{
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, {});
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {});
    const QPageLayout a5(QPageSize(QPageSize::A5), QPageLayout::Portrait, {});
    const QPageLayout a4Landscape(QPageSize(QPageSize::A4), QPageLayout::Landscape, {});
    QTest::addColumn<QPageLayout>("before");
    QTest::addColumn<QPageLayout>("after");
    QTest::addColumn<QPageLayout>("kept");
    const QPageLayout letterLandscape(QPageSize(QPageSize::Letter), QPageLayout::Landscape, {});
    QTest::newRow("reset to the driver's A4 undone") << letter << a4 << letter;
    QTest::newRow("reset undone for A5 too") << a5 << a4 << a5;
    QTest::newRow("other paper chosen in the dialog stays") << letter << a5 << a5;
    // Qt 6.4's dialog keeps the orientation while it resets the paper (seen with CUPS).
    QTest::newRow("landscape chosen in the dialog stays, on the paper set up")
        << letter << a4Landscape << letterLandscape;
    QTest::newRow("reset undone in landscape") << letterLandscape << a4Landscape << letterLandscape;
    QTest::newRow("nothing changed") << a4 << a4 << a4;
}

void TestBingoPrint::printDialogKeepsThePaperOfPrinterSetup()
{
    QFETCH(QPageLayout, before);
    QFETCH(QPageLayout, after);
    QFETCH(QPageLayout, kept);
    const QPageLayout result =
        layoutKeptThroughPrintDialog(before, after, QPageSize(QPageSize::A4));
    QVERIFY(result.pageSize().isEquivalentTo(kept.pageSize()));
    QCOMPARE(result.orientation(), kept.orientation());
}

void TestBingoPrint::realPrintDialogKeepsThePaper_data()
{
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    QTest::newRow("portrait") << QPageLayout::Portrait;
    QTest::newRow("landscape") << QPageLayout::Landscape;
}

// Qt's own print dialog, with a real print server: US Letter chosen before it survives it.
void TestBingoPrint::realPrintDialogKeepsThePaper()
{
    QFETCH(QPageLayout::Orientation, orientation);
    const QPrinterInfo destination = QPrinterInfo::defaultPrinter();
    if (destination.isNull())
        QSKIP("no print server with a default printer here (CUPS with a printer runs this)");
    QPrinter printer(destination);
    const QPageSize other(destination.defaultPageSize().isEquivalentTo(QPageSize(QPageSize::Letter))
                              ? QPageSize::A5
                              : QPageSize::Letter);
    printer.setPageSize(other);
    printer.setPageOrientation(orientation);
    QTimer::singleShot(0, this, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    QtPrinterDialogs dialogs;
    QVERIFY(dialogs.choosePrint(printer, 3, nullptr));
    QVERIFY2(printer.pageLayout().pageSize().isEquivalentTo(other),
             qPrintable(printer.pageLayout().pageSize().name()));
    QCOMPARE(printer.pageLayout().orientation(), orientation);
}

void TestBingoPrint::unreachablePrinterIsNamed()
{
    const auto app = start();
    // What Qt leaves when no print server answers: a PDF printer without a file.
    app->printer().setOutputFileName(QString());
    app->printer().setOutputFormat(QPrinter::PdfFormat);
    QTest::failOnWarning(QRegularExpression("QPainter"));
    app->mainFrame()->action(ID_FILE_PRINT)->trigger();
    QCOMPARE(m_messages.shown.size(), 1);
    QCOMPARE(m_messages.shown.constFirst().text,
             QStringLiteral("印刷できませんでした。ﾌﾟﾘﾝﾀに接続できません。"));
}

void TestBingoPrint::printJobsCarryTheDocumentName()
{
    const auto app = start();
    QCOMPARE(app->printer().docName(), QStringLiteral("BINGO"));
    app->mainFrame()->action(ID_FILE_PRINT)->trigger();
    QProcess info;
    info.start(QStandardPaths::findExecutable("pdfinfo"), {path("printed.pdf")});
    QVERIFY(info.waitForFinished(60000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(
        text.contains(QRegularExpression("^Title: +BINGO$", QRegularExpression::MultilineOption)),
        qPrintable(text));
}

QTEST_MAIN(TestBingoPrint)
#include "tst_bingoprint.moc"
