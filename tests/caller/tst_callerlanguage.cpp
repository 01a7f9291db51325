#include "audiencescreen.h"
#include "callerdlgfixture.h"
#include "gamejournal.h"
#include "gameresume.h"
#include "journalfolder.h"
#include "kitlanguageswitch.h"
#include "liveserving.h"
#include "setcode.h"
#include "sheetcheckdialog.h"
#include "showntexts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>

namespace {

// Runs `handle` on the modal dialog that `open` brings up, then lets the dialog end.
void onModal(const std::function<void()> &open, const std::function<void(QDialog &)> &handle)
{
    bool handled = false;
    QTimer::singleShot(0, qApp, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            handle(*dialog);
            handled = true;
            dialog->reject();
        }
    });
    open();
    QVERIFY(handled);
}

void gatherMessages(ShownTexts &shown, const RecordingMessages &messages)
{
    for (const RecordingMessages::Shown &box : messages.shown)
        shown.add(box.title + u'|' + box.text, QStringLiteral("message"));
    for (const QString &question : messages.questions)
        shown.add(question, QStringLiteral("question"));
}

} // namespace

class TestCallerLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void everyTextSpeaksTheLanguageAndFits_data();
    void everyTextSpeaksTheLanguageAndFits();
    void commandLineSpeaksTheLanguage_data();
    void commandLineSpeaksTheLanguage();
};

void TestCallerLanguage::everyTextSpeaksTheLanguageAndFits_data()
{
    QTest::addColumn<KitLanguage>("language");
    QTest::newRow("English") << KitLanguage::English;
    QTest::newRow("Japanese") << KitLanguage::Japanese;
}

// Walks the caller as an operator would meet it: the dialog, its context menu, the About box,
// the audience screen through a game, the sheet check with its verdict and refusals, and every
// message and question on the way.
void TestCallerLanguage::everyTextSpeaksTheLanguageAndFits()
{
    QFETCH(KitLanguage, language);
    KitLanguageSwitch speaking(language, QStringLiteral("kavelo"));
    QVERIFY(speaking.installed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    CallerDlgFixture f;
    ShownTexts shown;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    shown.gather(*f.dialog);
    QMenu &menu = f.dialog->systemMenu();
    shown.gather(menu);
    // What serving the phones says where no network is up.
    shown.add(LiveServing::noNetwork(), QStringLiteral("live serving"));

    onModal([&] { menu.findChild<QAction *>(QStringLiteral("IDM_ABOUTBOX"))->trigger(); },
            [&](QDialog &about) { shown.gather(about); });
    menu.findChild<QAction *>(QStringLiteral("keys"))->trigger();
    menu.findChild<QAction *>(QStringLiteral("sheetCheck"))->trigger();

    // The journal's one message, where its folder cannot be made.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const JournalFolder unwritable(blocker.fileName() + QStringLiteral("/journal"));
    GameJournal journal(unwritable, Seed, [] { return QDateTime::currentDateTime(); });
    connect(&journal, &GameJournal::unavailable, this,
            [&shown](const QString &message) { shown.add(message, QStringLiteral("journal")); });
    journal.observe(f.dialog->game());

    menu.findChild<QAction *>(QStringLiteral("audienceScreen"))->trigger();
    auto *audience = f.dialog->findChild<AudienceScreen *>();
    QVERIFY(audience);
    shown.gather(*audience);
    shown.add(audience->stateText(), QStringLiteral("audience before the first start"));

    f.starter.failure = QStringLiteral("No such file or directory");
    f.click("IDC_SHEET");
    f.topNumber()->setEditText(QStringLiteral("0"));
    f.click("IDC_START");
    f.topNumber()->setEditText(QStringLiteral("25"));
    f.click("IDC_START");
    shown.add(audience->stateText(), QStringLiteral("audience while spinning"));
    f.click("IDC_STOP");

    const QString code = SetCode(4711, 25).text();
    const auto checkWith = [&](const QString &typedCode, const QString &number) {
        onModal([&] { menu.findChild<QAction *>(QStringLiteral("sheetCheck"))->trigger(); },
                [&](QDialog &check) {
                    check.findChild<QLineEdit *>(QStringLiteral("setCode"))->setText(typedCode);
                    check.findChild<QLineEdit *>(QStringLiteral("sheetNumber"))->setText(number);
                    check.findChild<QPushButton *>(QStringLiteral("checkButton"))->click();
                    shown.gather(check);
                });
    };
    checkWith(code, QStringLiteral("7"));
    checkWith(QStringLiteral("IIII-IIIII"), QStringLiteral("7"));
    checkWith(SetCode(4711, 50).text(), QStringLiteral("7"));
    checkWith(code, QStringLiteral("x"));
    checkWith(code, QStringLiteral("100001"));

    f.dialog->reject();
    f.files.answers = {dir.filePath(QStringLiteral("missing/drawn.txt"))};
    f.click("IDC_SAVE");

    f.click("IDC_CLEAR");
    f.topNumber()->setEditText(QStringLiteral("1"));
    f.draw();
    shown.add(audience->stateText(), QStringLiteral("audience after Bingo End"));
    f.dialog->reject();
    f.files.answers = {dir.filePath(QStringLiteral("drawn.txt"))};
    f.click("IDC_SAVE");
    f.dialog->reject();
    for (const QString &title : f.files.titles)
        shown.add(title + u'|' + f.files.nameFilters.join(u'|'), QStringLiteral("file dialog"));

    // The question that offers a game to continue, and the word on a journal that cannot be
    // read.
    JournalGame unfinished;
    unfinished.topNumber = 50;
    unfinished.drawOrder = {17};
    unfinished.drawTimes = {QDateTime::currentDateTime()};
    unfinished.lastTime = QDateTime::currentDateTime();
    shown.add(resumeQuestion(unfinished), QStringLiteral("resume"));
    QDir(dir.path()).mkdir(QStringLiteral("journals"));
    const JournalFolder journals(dir.filePath(QStringLiteral("journals")));
    QFile broken(journals.path() + QStringLiteral("/game-20240501-010000-000.journal"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("no journal\n");
    broken.close();
    GameJournal second(journals, Seed, [] { return QDateTime::currentDateTime(); });
    offerLastGame(*f.dialog, second, journals, f.messages);
    gatherMessages(shown, f.messages);

    // Every step above said something: boxes, questions, refusals.
    QCOMPARE(f.messages.shown.size(), 11);
    QVERIFY(!shown.texts().filter(QRegularExpression(QStringLiteral("^journal: "))).isEmpty());
    QCOMPARE(f.messages.questions.size(), 3);
    QVERIFY2(shown.tooWide().isEmpty(), qPrintable(shown.tooWide().join(u'\n')));
    if (language == KitLanguage::English)
        QVERIFY2(shown.japanese().isEmpty(), qPrintable(shown.japanese().join(u'\n')));
    else
        QVERIFY(shown.texts().contains(QStringLiteral("IDC_START: スタート")));
}

void TestCallerLanguage::commandLineSpeaksTheLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected");
    const QStringList check{QStringLiteral("--check-sheet"), SetCode(4711, 50).text(),
                            QStringLiteral("7"), QStringLiteral("x")};
    QTest::newRow("sheet check, English")
        << "en_GB.UTF-8" << check << 2 << "\"x\" cannot be used here.";
    QTest::newRow("sheet check, no language set")
        << "C.UTF-8" << check << 2 << "「x」はここでは使えません。";
    const QStringList badSeed{QStringLiteral("--seed"), QStringLiteral("12x")};
    QTest::newRow("refusal, English")
        << "en_GB.UTF-8" << badSeed << 2
        << "Kavelo: --seed needs a whole number from 0 to 4294967295, not \"12x\"\n"
           "Try \"kavelo --help\".\n";
    QTest::newRow("refusal, no language set")
        << "C.UTF-8" << badSeed << 2
        << "Kavelo: --seed には 0 から 4294967295 までの整数を指定してください (指定は「12x」)\n"
           "使い方は「kavelo --help」で表示できます。\n";
    QTest::newRow("help, English") << "en_GB.UTF-8" << QStringList{QStringLiteral("--help")} << 0
                                   << "Seed of the generator instead of the current time";
    QTest::newRow("help, no language set") << "C.UTF-8" << QStringList{QStringLiteral("--help")}
                                           << 0 << "現在の時刻の代わりに使う乱数の種";
}

// The real program, so that what main() installs before any window is what speaks.
void TestCallerLanguage::commandLineSpeaksTheLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    QProcess kavelo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), lang);
    kavelo.setProcessEnvironment(environment);
    kavelo.start(QStringLiteral(KAVELO_PATH), arguments);
    QVERIFY(kavelo.waitForFinished(30000));
    QCOMPARE(kavelo.exitCode(), exitCode);
    const QString output = QString::fromUtf8(kavelo.readAllStandardOutput()) +
                           QString::fromUtf8(kavelo.readAllStandardError());
    QVERIFY2(output.contains(expected), qPrintable(output));
}

QTEST_MAIN(TestCallerLanguage)
#include "tst_callerlanguage.moc"
