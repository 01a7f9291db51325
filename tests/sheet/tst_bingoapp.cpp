#include "bingoappfixture.h"
#include "cbingodoc.h"
#include "cbingoview.h"
#include "cmainframe.h"
#include "fifowatch.h"
#include "fontsubstitutions.h"
#include "readall.h"
#include "sheetids.h"
#include "writefile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QtMath>

#include <cmath>
#include <memory>

using namespace SheetIds;

class TestBingoApp : public QObject, BingoAppFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }
    void answersMakeTheSheets();
    void seedOnTheCommandLineReplacesTheClock();
    void cancelEndsBeforeAnyWindow();
    void viewShowsTheSheetsAndScrolls();
    void saveKeepsTheSetAndOpenMakesItAgain();
    void saveFailureIsReported();
    void saveNeverEmptiesAFileWithContent_data();
    void saveNeverEmptiesAFileWithContent();
    void openingAFifoDoesNotWait();
    void openWithoutASetChangesNoSheet_data();
    void openWithoutASetChangesNoSheet();
    void openFailureIsReportedAndForgotten();
    void newReusesTheView();
    void fileOnTheCommandLineOpensAfterTheSheets();
    void recentFilesComeFromTheSettings();
    void homeAndEndReachTheEnds_data();
    void homeAndEndReachTheEnds();
    void aboutBox();
    void numberedSheetsFromTheMenuAreRemembered();
    void numberedOnTheCommandLineIsForThisRun();
    void numberedOnScreenOnlyAddsTheLabels();
};

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

    // Seeded with the clock's seconds: the sheets worked out by hand for srand(1700000000).
    QCOMPARE(QList<int>(set.sheet(0).begin(), set.sheet(0).end()),
             (QList<int>{12, 2,  13, 19, 8, 16, 14, 20, 17, 6, 18, 21, 22,
                         15, 23, 24, 11, 1, 25, 0,  3,  4,  9, 5,  10}));
    QCOMPARE(QList<int>(set.sheet(2).begin(), set.sheet(2).end()),
             (QList<int>{7,  9,  18, 0, 11, 20, 21, 8,  1,  4,  5,  19, 22,
                         23, 24, 25, 2, 10, 3,  6,  13, 12, 14, 15, 16}));
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("無題 - BINGO"));
}

void TestBingoApp::seedOnTheCommandLineReplacesTheClock()
{
    SheetCommandLine commandLine;
    commandLine.seed = 42;
    const auto app = start(commandLine);
    // The sheets of srand(42), worked out by hand; the clock's would differ.
    const SheetSet &set = app->view()->sheetSet();
    QCOMPARE(set.sheetCount(), 10);
    QCOMPARE(QList<int>(set.sheet(0).begin(), set.sheet(0).end()),
             (QList<int>{25, 0,  19, 6,  33, 29, 16, 44, 9,  20, 10, 1, 21,
                         49, 36, 26, 38, 12, 2,  27, 7,  30, 37, 8,  40}));
    QCOMPARE(QList<int>(set.sheet(9).begin(), set.sheet(9).end()),
             (QList<int>{30, 31, 2,  20, 1,  4,  3,  32, 18, 41, 45, 33, 5,
                         44, 29, 47, 13, 17, 36, 27, 11, 22, 42, 7,  12}));
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

void TestBingoApp::saveKeepsTheSetAndOpenMakesItAgain()
{
    m_answers = {"13", "75", "IDC_SHEET_RED"};
    const auto app = start();
    app->mainFrame()->action(ID_VIEW_NUMBERED)->trigger();
    const QString file = path("sheets.bgo");
    {
        QFile old(file); // an empty file is saved over as readily as a new one
        QVERIFY(old.open(QIODevice::WriteOnly));
    }
    m_files.answers = {file};
    app->mainFrame()->action(ID_FILE_SAVE)->trigger();
    QCOMPARE(m_files.purposes, QList<FileChooser::Purpose>{FileChooser::Purpose::Save});
    QVERIFY(m_messages.shown.isEmpty());
    const QString code = app->view()->setCode().text();
    QCOMPARE(readAll(file),
             "BINGO sheets 1\ncode=" + code.toLatin1() + "\nsheets=13\ncolour=red\nnumbered=yes\n");
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("sheets.bgo - BINGO"));
    QCOMPARE(app->recentFiles().files(), QStringList{file});
    QCOMPARE(m_settings->value("Recent File List/File1").toString(), file);

    // Save again goes to the same file without asking.
    app->mainFrame()->action(ID_FILE_SAVE)->trigger();
    QCOMPARE(m_files.purposes.size(), 1);

    // Another run, with other answers and numbering off, opens exactly those sheets again, and
    // leaves the remembered numbering as it was.
    m_settings->setValue("Settings/NumberedSheets", false);
    m_answers = {"2", "50", "IDC_SHEET_BLUE"};
    SheetCommandLine otherSeed;
    otherSeed.seed = 42;
    const auto again = start(otherSeed);
    again->OpenDocumentFile(file);
    QVERIFY(m_messages.shown.isEmpty());
    const SheetSet &sheets = again->view()->sheetSet();
    QCOMPARE(sheets.sheetCount(), 13);
    QVERIFY(std::ranges::equal(sheets.sheets(), app->view()->sheetSet().sheets()));
    QCOMPARE(sheets.colour(), app->view()->sheetSet().colour());
    QCOMPARE(again->view()->setCode().text(), code);
    QVERIFY(again->view()->isNumbered());
    QVERIFY(again->mainFrame()->action(ID_VIEW_NUMBERED)->isChecked());
    QCOMPARE(m_settings->value("Settings/NumberedSheets").toBool(), false);
    QVERIFY(again->view()->totalSize().height() > 0);
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

void TestBingoApp::openWithoutASetChangesNoSheet_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("refusal"); // empty where the file opens
    QTest::newRow("empty, as older versions saved") << QByteArray() << QString();
    QTest::newRow("someone's notes") << QByteArray("not ours") << "1 行目は";
    QTest::newRow("a damaged code")
        << QByteArray("BINGO sheets 1\ncode=2222-E7HD6\nsheets=4\ncolour=red\nnumbered=no\n")
        << "2 行目:";
    QTest::newRow("too many sheets")
        << QByteArray("BINGO sheets 1\ncode=2222-E7HD5\nsheets=100001\ncolour=red\nnumbered=no\n")
        << "3 行目: シートの枚数は 0 から 100000 まで";
}

void TestBingoApp::openWithoutASetChangesNoSheet()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, refusal);
    const auto app = start();
    const std::vector<int> before(app->view()->sheetSet().sheets().begin(),
                                  app->view()->sheetSet().sheets().end());
    const QString file = path("other.bgo");
    QVERIFY(writeFile(file, content));
    CBINGOView *view = app->view();
    m_files.answers = {file};
    app->mainFrame()->action(ID_FILE_OPEN)->trigger();
    QCOMPARE(m_files.purposes, QList<FileChooser::Purpose>{FileChooser::Purpose::Open});
    QCOMPARE(app->view(), view);
    QCOMPARE(m_answers.runs, 1);
    QVERIFY(std::ranges::equal(app->view()->sheetSet().sheets(), before));
    if (refusal.isEmpty()) {
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("other.bgo - BINGO"));
        QCOMPARE(app->recentFiles().files(), QStringList{file});
    } else {
        QCOMPARE(m_messages.shown.size(), 1);
        const QString text = m_messages.shown.constFirst().text;
        QVERIFY2(text.contains(file) && text.contains(refusal), qPrintable(text));
        QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("無題 - BINGO"));
    }
    QCOMPARE(readAll(file), content);
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

void TestBingoApp::homeAndEndReachTheEnds_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("lastAlone"); // the last row holds one sheet, on the left
    QTest::newRow("ten sheets") << "10" << false;
    QTest::newRow("an odd count") << "999" << true;
    QTest::newRow("the largest set") << "100000" << false;
    QTest::newRow("one row, shorter than the view") << "2" << false;
}

void TestBingoApp::homeAndEndReachTheEnds()
{
    QFETCH(QString, count);
    QFETCH(bool, lastAlone);
    m_answers.count = count;
    const auto app = start();
    app->mainFrame()->resize(400, 400);
    app->mainFrame()->show();
    QVERIFY(QTest::qWaitForWindowExposed(app->mainFrame()));
    CBINGOView *view = app->view();
    QScrollBar *vertical = view->verticalScrollBar();
    QScrollBar *horizontal = view->horizontalScrollBar();
    QTRY_VERIFY(horizontal->maximum() > 0);
    const int rows = (count.toInt() + 1) / 2;
    const bool taller = rows * 277 * view->logicalDpiY() / 100 > view->viewport()->height();
    // What the view shows of the cyan sheets, and the margin of white the design leaves around
    // them (a tenth of an inch), give or take a pixel.
    const auto sheetsShown = [view](int fromY = 0) {
        const QImage shown = view->viewport()->grab().toImage();
        QRect cyan;
        for (int y = fromY; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) == qRgb(0, 255, 255))
                    cyan |= QRect(x, y, 1, 1);
        return cyan;
    };
    const int margin = qCeil(10 * view->logicalDpiY() / 100.0) + 1;
    const int bottom = view->viewport()->height() - 1;
    const int right = view->viewport()->width() - 1;

    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(horizontal->value(), 0);
    if (taller) {
        // The last sheets fill the view down to its foot.
        const QRect shown = sheetsShown();
        QCOMPARE(shown.top(), 0);
        QVERIFY2(bottom - shown.bottom() <= margin, qPrintable(QString::number(shown.bottom())));
        const QRect lastRow = sheetsShown(shown.bottom() - 5);
        QCOMPARE(lastRow.right() < 282 * view->logicalDpiX() / 100, lastAlone);
    } else {
        QCOMPARE(vertical->value(), 0);
    }
    const int endValue = vertical->value();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(vertical->value(), endValue);
    const QRect shown = sheetsShown();
    QCOMPARE(shown.left(), 0);
    QVERIFY2(right - shown.right() <= margin, qPrintable(QString::number(shown.right())));
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(vertical->value(), 0);
    QVERIFY(horizontal->value() > 0);
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(vertical->value(), 0);
    QCOMPARE(horizontal->value(), 0);
    // The page keys and the designed scroll range stay as they were.
    QCOMPARE(vertical->maximum(), std::max(0, rows * 360 - view->viewport()->height()));
    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(vertical->value(), vertical->pageStep());
}

void TestBingoApp::numberedSheetsFromTheMenuAreRemembered()
{
    // The clock's seed 1700000000 and top 50 make the code 6SHA-6GX2M (worked out by hand).
    const QString code = QStringLiteral("6SHA-6GX2M");
    {
        const auto app = start();
        QAction *numbered = app->mainFrame()->action(ID_VIEW_NUMBERED);
        QVERIFY(numbered->isCheckable());
        QVERIFY(!numbered->isChecked());
        QVERIFY(!app->view()->isNumbered());
        QCOMPARE(app->mainFrame()->setCodePane()->text(), QStringLiteral("ｺｰﾄﾞ ") + code);

        app->mainFrame()->action(ID_FILE_PRINT)->trigger();
        QVERIFY(!pdfText(path("printed.pdf")).contains(code));

        numbered->trigger();
        QVERIFY(app->view()->isNumbered());
        QCOMPARE(m_settings->value("Settings/NumberedSheets").toBool(), true);
        app->mainFrame()->action(ID_FILE_PRINT)->trigger();
        const QStringList pages = pdfPages(path("printed.pdf"));
        QCOMPARE(pages.size(), 2);
        for (int sheet = 1; sheet <= 10; ++sheet)
            QVERIFY(pages.at((sheet - 1) / 8).contains(QStringLiteral("No.%1").arg(sheet)));
        QCOMPARE(pages.at(0).count(code), 8);
        QCOMPARE(pages.at(1).count(code), 2);
    }
    {
        // The next run starts numbered; turning it off is remembered too.
        const auto app = start();
        QAction *numbered = app->mainFrame()->action(ID_VIEW_NUMBERED);
        QVERIFY(numbered->isChecked());
        QVERIFY(app->view()->isNumbered());
        numbered->trigger();
        QVERIFY(!app->view()->isNumbered());
        QCOMPARE(m_settings->value("Settings/NumberedSheets").toBool(), false);
    }
}

void TestBingoApp::numberedOnTheCommandLineIsForThisRun()
{
    SheetCommandLine commandLine;
    commandLine.numbered = true;
    commandLine.seed = 42;
    commandLine.printDirect = true;
    const auto app = start(commandLine);
    QCOMPARE(app->exitCode(), 0);
    QVERIFY(app->mainFrame()->action(ID_VIEW_NUMBERED)->isChecked());
    QVERIFY(!m_settings->contains("Settings/NumberedSheets"));
    // Seed 42 and top 50 make the code 2222-25E7Y (worked out by hand).
    const QString text = pdfText(path("printed.pdf"));
    QCOMPARE(text.count(QStringLiteral("2222-25E7Y")), 10);
    QVERIFY(text.contains(QStringLiteral("No.10")));
}

void TestBingoApp::numberedOnScreenOnlyAddsTheLabels()
{
    const auto app = start();
    CBINGOView *view = app->view();
    app->mainFrame()->resize(760, 700);
    QVERIFY(QTest::qWaitForWindowExposed(app->mainFrame()));
    const QImage plain = view->viewport()->grab().toImage();
    app->mainFrame()->action(ID_VIEW_NUMBERED)->trigger();
    const QImage numbered = view->viewport()->grab().toImage();
    QCOMPARE(numbered.size(), plain.size());

    // Every changed pixel lies in a strip under a sheet's grid, and there are some in each of
    // the two sheets of the first row.
    const qreal unit = view->logicalDpiY() / 100.0;
    int left = 0;
    int right = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) == numbered.pixel(x, y))
                continue;
            const qreal layoutY = (y + 0.5) / unit;
            // From just under the grid to a little past the rectangle, into the next row.
            const qreal inRow = std::fmod(layoutY + 10, 277.0) - 10;
            QVERIFY2(inRow > 269 || (inRow > -10 && inRow < 7),
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            if (layoutY < 285)
                ++((x + 0.5) / unit < 282 ? left : right);
        }
    }
    QVERIFY(left > 20);
    QVERIFY(right > 20);
}

QTEST_MAIN(TestBingoApp)
#include "tst_bingoapp.moc"
