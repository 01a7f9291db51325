#include "bingoappfixture.h"
#include "cmainframe.h"
#include "fontsubstitutions.h"
#include "printersetupdialog.h"
#include "sheetids.h"
#include "showntexts.h"

using namespace SheetIds;

class TestSheetLanguage : public QObject, BingoAppFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }
    void everyTextSpeaksTheLanguageAndFits_data() { languageRows(); }
    void everyTextSpeaksTheLanguageAndFits();
};

// Walks the sheet program as a user meets it: the setup dialog with its refusals, the frame with
// its menus, tool bar and status bar, the About box, Printer Setup, and the messages of opening,
// saving and printing that fail.
void TestSheetLanguage::everyTextSpeaksTheLanguageAndFits()
{
    QFETCH(KitLanguage, language);
    ShownTexts shown(language, QStringLiteral("bingo"));
    QVERIFY(shown.installed);
    CSheetSetupDlg setup(m_messages);
    setup.show();
    shown.gather(setup);
    SetupAnswers refused{.count = "x"};
    refused(setup);
    refused = {.count = "10", .top = "5"};
    refused(setup);

    // The printer writes into a folder that cannot take the file.
    QVERIFY(QDir().mkpath(path("printed.pdf")));
    const std::unique_ptr<CBINGOApp> app = start();
    CMainFrame &frame = *app->mainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.action(ID_VIEW_NUMBERED)->trigger();
    shown.gather(frame);
    onModal([&] { frame.action(ID_APP_ABOUT)->trigger(); },
            [&](QDialog &about) { shown.gather(about); });
    // Printer Setup as it looks where no printer is known.
    PrinterSetupDialog printerSetup({}, QString(), app->printer().pageLayout(), &frame);
    printerSetup.show();
    shown.gather(printerSetup);

    QFile notes(path("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("a list someone needs");
    notes.close();
    m_files.answers = {path("missing.bng"), notes.fileName(), path("missing/sheets.bng")};
    frame.action(ID_FILE_OPEN)->trigger();
    frame.action(ID_FILE_SAVE_AS)->trigger();
    frame.action(ID_FILE_SAVE_AS)->trigger();
    frame.action(ID_FILE_PRINT)->trigger();
    shown.gather(frame);
    shown.gather(m_messages, m_files);

    // Two refusals of the setup, the failed open, the refused save, the failed save and print.
    QCOMPARE(m_messages.shown.size(), 6);
    shown.check(QStringLiteral("IDCANCEL: ｷｬﾝｾﾙ"));
}

QTEST_MAIN(TestSheetLanguage)
#include "tst_sheetlanguage.moc"
