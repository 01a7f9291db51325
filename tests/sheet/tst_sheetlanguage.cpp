#include "cbingoapp.h"
#include "cmainframe.h"
#include "fontsubstitutions.h"
#include "kitlanguageswitch.h"
#include "printersetupdialog.h"
#include "sheetcommandline.h"
#include "sheetfakes.h"
#include "sheetids.h"
#include "showntexts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace SheetIds;

class TestSheetLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void everyTextSpeaksTheLanguageAndFits_data();
    void everyTextSpeaksTheLanguageAndFits();
};

void TestSheetLanguage::everyTextSpeaksTheLanguageAndFits_data()
{
    QTest::addColumn<KitLanguage>("language");
    QTest::newRow("English") << KitLanguage::English;
    QTest::newRow("Japanese") << KitLanguage::Japanese;
}

// Walks the sheet program as a user meets it: the setup dialog with its refusals, the frame with
// its menus, tool bar and status bar, the About box, and the messages of opening, saving and
// printing that fail.
void TestSheetLanguage::everyTextSpeaksTheLanguageAndFits()
{
    QFETCH(KitLanguage, language);
    KitLanguageSwitch speaking(language, QStringLiteral("bingo"));
    QVERIFY(speaking.installed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSettings settings(dir.filePath(QStringLiteral("BINGO.ini")), QSettings::IniFormat);
    RecordingMessages messages;
    ScriptedFiles files;
    FakePrinterDialogs printerDialogs;
    ShownTexts shown;

    SheetServices services;
    services.runSetup = [&shown](CSheetSetupDlg &dialog) {
        dialog.show();
        shown.gather(dialog);
        SetupAnswers refused;
        refused.count = QStringLiteral("x");
        refused(dialog);
        refused.count = QStringLiteral("10");
        refused.top = QStringLiteral("5");
        refused(dialog);
        return SetupAnswers()(dialog);
    };
    services.seed = [] { return std::uint32_t(4711); };
    services.messages = &messages;
    services.files = &files;
    services.printerDialogs = &printerDialogs;
    services.settings = &settings;
    CBINGOApp app(services);
    // The printer writes into a folder that cannot take the file.
    const QString target = dir.filePath(QStringLiteral("printed.pdf"));
    QVERIFY(QDir().mkpath(target));
    app.printer().setOutputFormat(QPrinter::PdfFormat);
    app.printer().setOutputFileName(target);
    QVERIFY(app.InitInstance({}));

    CMainFrame &frame = *app.mainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.action(ID_VIEW_NUMBERED)->trigger();
    shown.gather(frame);

    bool aboutSeen = false;
    QTimer::singleShot(0, this, [&] {
        if (auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            shown.gather(*about);
            aboutSeen = true;
            about->reject();
        }
    });
    frame.action(ID_APP_ABOUT)->trigger();
    QVERIFY(aboutSeen);
    // Printer Setup as it looks where no printer is known.
    PrinterSetupDialog printerSetup({}, QString(), app.printer().pageLayout(), &frame);
    printerSetup.show();
    shown.gather(printerSetup);

    const QString notes = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(notes);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("a list someone needs");
    file.close();
    files.answers = {dir.filePath(QStringLiteral("missing.bng")), notes,
                     dir.filePath(QStringLiteral("missing/sheets.bng"))};
    frame.action(ID_FILE_OPEN)->trigger();
    frame.action(ID_FILE_SAVE_AS)->trigger();
    frame.action(ID_FILE_SAVE_AS)->trigger();
    for (const QString &title : files.titles)
        shown.add(title + u'|' + files.nameFilters.join(u'|'), QStringLiteral("file dialog"));
    frame.action(ID_FILE_PRINT)->trigger();
    shown.gather(frame);

    for (const RecordingMessages::Shown &box : messages.shown)
        shown.add(box.title + u'|' + box.text, QStringLiteral("message"));
    // Two refusals of the setup, the failed open, the refused save, the failed save and print.
    QCOMPARE(messages.shown.size(), 6);
    QVERIFY2(shown.tooWide().isEmpty(), qPrintable(shown.tooWide().join(u'\n')));
    if (language == KitLanguage::English)
        QVERIFY2(shown.japanese().isEmpty(), qPrintable(shown.japanese().join(u'\n')));
    else
        QVERIFY(shown.texts().contains(QStringLiteral("IDCANCEL: ｷｬﾝｾﾙ")));
}

QTEST_MAIN(TestSheetLanguage)
#include "tst_sheetlanguage.moc"
