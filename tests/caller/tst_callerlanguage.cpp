#include "audiencescreen.h"
#include "callerdlgfixture.h"
#include "gamejournal.h"
#include "gameresume.h"
#include "halldesk.h"
#include "liveserving.h"
#include "setcode.h"
#include "showntexts.h"
#include "winnerswindow.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

class TestCallerLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void everyTextSpeaksTheLanguageAndFits_data() { languageRows(); }
    void everyTextSpeaksTheLanguageAndFits();
    void commandLineSpeaksTheLanguage_data();
    void commandLineSpeaksTheLanguage();
};

// Walks the caller as an operator would meet it: the dialog, its context menu, the About box,
// the audience screen through a game, the sheet check with its verdict and refusals, and every
// message and question on the way.
void TestCallerLanguage::everyTextSpeaksTheLanguageAndFits()
{
    QFETCH(KitLanguage, language);
    ShownTexts shown(language, QStringLiteral("kavelo"));
    QVERIFY(shown.installed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    CallerDlgFixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    shown.gather(*f.dialog);
    QMenu &menu = f.dialog->systemMenu();
    shown.gather(menu);
    auto choose = [&menu](const QString &name) { menu.findChild<QAction *>(name)->trigger(); };
    shown.add(LiveServing::noNetwork(), QStringLiteral("live serving"));
    onModal([&] { choose("IDM_ABOUTBOX"); }, [&](QDialog &about) { shown.gather(about); });
    choose("keys");
    choose("sheetCheck");

    // A journal that cannot be read, standing where the journal's folder should be made.
    QFile broken(dir.filePath("game-20240501-010000-000.journal"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("no journal\n");
    broken.close();
    const JournalFolder unwritable(broken.fileName() + "/journal");
    GameJournal journal(unwritable, Seed, &QDateTime::currentDateTime);
    connect(&journal, &GameJournal::unavailable, this,
            [&shown](const QString &message) { shown.add(message, QStringLiteral("journal")); });
    journal.observe(f.dialog->game());

    choose("audienceScreen");
    auto *audience = f.dialog->findChild<AudienceScreen *>();
    QVERIFY(audience);
    shown.gather(*audience);
    shown.add(audience->stateText(), QStringLiteral("audience before the first start"));
    f.starter.failure = QStringLiteral("No such file or directory");
    f.click("IDC_SHEET");
    f.topNumber()->setEditText("0");
    f.click("IDC_START");
    f.topNumber()->setEditText("25");
    f.click("IDC_START");
    shown.add(audience->stateText(), QStringLiteral("audience while spinning"));
    f.click("IDC_STOP");

    // The hall's winners: their window, the question before one is removed, a file refused.
    emit f.dialog->live().tallied(HallTally{1,
                                            1,
                                            2,
                                            {HallSheet{SetCode(4711, 25).text(), 7, "Hana", true},
                                             HallSheet{SetCode(4711, 25).text(), 8, {}, false}}});
    f.dialog->hall().winnersItem()->trigger();
    auto *winners = f.dialog->findChild<WinnersWindow *>();
    QVERIFY(winners);
    winners->table()->selectRow(0);
    winners->toggleNameHidden();
    winners->toggleChecked();
    shown.gather(*winners);
    shown.add(f.dialog->hall().bingoEndText(QStringLiteral("Bingo End")),
              QStringLiteral("Bingo End with winners"));
    winners->removeWinner();
    f.files.answers = {dir.filePath("missing/winners.csv")};
    winners->saveCsv();
    winners->close();
    onModal([&] { f.dialog->hall().phoneSheetsItem()->trigger(); },
            [&](QDialog &phones) {
                shown.gather(phones);
                phones.findChild<QLineEdit *>("IDC_PHONE_TOTAL")->setText("x");
                phones.accept();
            });

    // The verdict, then a code mistyped, another game's code, a number that is none, one too big.
    const QString code = SetCode(4711, 25).text();
    const QList<QStringList> checks{{code, "7"},
                                    {"IIII-IIIII", "7"},
                                    {SetCode(4711, 50).text(), "7"},
                                    {code, "x"},
                                    {code, "100001"}};
    for (const QStringList &typed : checks) {
        onModal([&] { choose("sheetCheck"); },
                [&](QDialog &check) {
                    check.findChild<QLineEdit *>("setCode")->setText(typed[0]);
                    check.findChild<QLineEdit *>("sheetNumber")->setText(typed[1]);
                    check.findChild<QPushButton *>("checkButton")->click();
                    shown.gather(check);
                });
    }

    f.dialog->reject();
    f.files.answers = {dir.filePath("missing/drawn.txt")};
    f.click("IDC_SAVE");
    f.messages.answer = true;
    f.click("IDC_CLEAR");
    f.messages.answer = false;
    f.topNumber()->setEditText("1");
    f.draw();
    shown.add(audience->stateText(), QStringLiteral("audience after Bingo End"));
    f.dialog->reject();
    f.files.answers = {dir.filePath("drawn.txt")};
    f.click("IDC_SAVE");
    f.dialog->reject();

    // The question that offers a game to continue, and the word on the journal that cannot be
    // read.
    const QDateTime now = QDateTime::currentDateTime();
    const JournalGame game{
        .topNumber = 50, .started = now, .drawOrder = {17}, .drawTimes = {now}, .lastTime = now};
    shown.add(resumeQuestion(game), QStringLiteral("resume"));
    const JournalFolder journals(dir.path());
    GameJournal second(journals, Seed, &QDateTime::currentDateTime);
    offerLastGame(*f.dialog, second, journals, f.messages);
    shown.gather(f.messages, f.files);

    // Every step above said something: boxes, questions, refusals.
    QCOMPARE(f.messages.shown.size(), 13);
    QCOMPARE(f.messages.questions.size(), 5);
    QVERIFY(!shown.texts.filter(QRegularExpression(QStringLiteral("^journal: "))).isEmpty());
    shown.check(QStringLiteral("IDC_START: スタート"));
}

void TestCallerLanguage::commandLineSpeaksTheLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("japanese");
    QTest::newRow("sheet check") << QStringList{"--check-sheet", SetCode(4711, 50).text(), "7", "x"}
                                 << 2 << "\"x\" cannot be used here."
                                 << "「x」はここでは使えません。";
    QTest::newRow("refusal")
        << QStringList{"--seed", "12x"} << 2
        << "kavelo: --seed needs a whole number from 0 to 4294967295, not "
           "\"12x\"\nTry \"kavelo --help\".\n"
        << "kavelo: --seed には 0 から 4294967295 までの整数を指定してください "
           "(指定は「12x」)\n使い方は「kavelo --help」で表示できます。\n";
    QTest::newRow("help") << QStringList{"--help"} << 0
                          << "Seed of the generator instead of the current time"
                          << "現在の時刻の代わりに使う乱数の種";
}

// The real program, so that what main() installs before any window is what speaks: English where
// the locale asks for it, Japanese where no language is set.
void TestCallerLanguage::commandLineSpeaksTheLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, english);
    QFETCH(QString, japanese);
    for (const auto &[lang, expected] :
         {std::pair{"en_GB.UTF-8", english}, {"C.UTF-8", japanese}}) {
        QProcess kavelo;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(name);
        environment.insert("LANG", lang);
        kavelo.setProcessEnvironment(environment);
        kavelo.start(QStringLiteral(KAVELO_PATH), arguments);
        QVERIFY(kavelo.waitForFinished(30000));
        QCOMPARE(kavelo.exitCode(), exitCode);
        const QString output =
            QString::fromUtf8(kavelo.readAllStandardOutput() + kavelo.readAllStandardError());
        QVERIFY2(output.contains(expected), qPrintable(lang + QStringLiteral(": ") + output));
    }
}

QTEST_MAIN(TestCallerLanguage)
#include "tst_callerlanguage.moc"
