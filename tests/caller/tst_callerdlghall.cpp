#include "callerdlgfixture.h"
#include "halldesk.h"
#include "liveserving.h"
#include "readall.h"
#include "winnerswindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The cells of a row of the winners' table, joined by "|".
QString rowText(const QTableWidget *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << (table->item(row, column) ? table->item(row, column)->text() : "<none>");
    return cells.join(u'|');
}

} // namespace

// The hall playing along, as the operator sees it in the caller: the winners' list from the
// live page's tallies, its window, its file and "Bingo End".
class TestCallerDlgHall : public QObject
{
    Q_OBJECT

private slots:
    void winnersFromTheHall();
    void phoneSheetChoices_data();
    void phoneSheetChoices();
};

void TestCallerDlgHall::winnersFromTheHall()
{
    QTemporaryDir dir;
    CallerDlgFixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    f.topNumber()->setEditText(QStringLiteral("5"));
    QAction *item = f.dialog->hall().winnersItem();
    // Nothing of the hall shows while nothing is served or counted; the list of keys names F7
    // only once it does something.
    QVERIFY(!item->isVisible());
    f.dialog->OnKeys();
    f.draw();
    f.draw();
    LiveServing &live = f.dialog->live();
    emit live.tallied(HallTally{2, 3, 0, {}});
    QVERIFY(!item->isVisible());
    emit live.tallied(HallTally{
        3, 4, 2, {{"2222-E7HD5", 7, "<b>はな</b>", true}, {"3333-ABCDE", 12, QString(), false}}});
    emit live.sheetNamed({"3333-ABCDE", 12, "けん", false});
    QVERIFY(item->isVisible());
    f.dialog->OnKeys();
    QCOMPARE(f.messages.texts(),
             (QStringList{CCallerDlg::keysHelp(), CCallerDlg::keysHelp() + "\nビンゴ順位: F7"}));
    f.messages.shown.clear();

    // F7 opens the window, once however often it is pressed.
    QTest::keyClick(f.dialog.get(), Qt::Key_F7);
    QTest::keyClick(f.dialog.get(), Qt::Key_F7);
    const QList<WinnersWindow *> windows = f.dialog->findChildren<WinnersWindow *>();
    QCOMPARE(windows.size(), 1);
    WinnersWindow *window = windows.constFirst();
    QVERIFY(window->isVisible());
    QTableWidget *table = window->table();

    // The operator checks the first and hides its name, and removes nothing when asked No.
    auto click = [window](const char *name) {
        QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    };
    table->selectRow(0);
    click("IDC_WINNER_CHECK");
    click("IDC_WINNER_HIDE");
    f.messages.answer = false;
    click("IDC_WINNER_REMOVE");
    QCOMPARE(f.messages.questions.size(), 1);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(rowText(table, 0), "1|3|2222-E7HD5  No.7|(隠しています)|スマホ|済");
    QCOMPARE(rowText(table, 1), "1|3|3333-ABCDE  No.12|けん|紙 (用紙を見せてもらう)|");

    // The list saves beside the drawn numbers, and from its window.
    f.files.answers = {dir.filePath(QStringLiteral("game.txt")),
                       dir.filePath(QStringLiteral("list.csv")),
                       dir.filePath(QStringLiteral("missing/list.csv"))};
    f.click("IDC_SAVE");
    click("IDC_WINNERS_SAVE");
    QCOMPARE(f.files.purposes.constLast(), FileChooser::Purpose::Save);
    click("IDC_WINNERS_SAVE");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             (QStringList{"game-winners.csv", "game.txt", "list.csv"}));
    for (const char *saved : {"game-winners.csv", "list.csv"})
        QCOMPARE(readAll(dir.filePath(saved)), f.dialog->hall().winners().csv());
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.constFirst().icon, MessagePresenter::Icon::Critical);
    QVERIFY(f.messages.shown.constFirst().text.contains(QStringLiteral("missing/list.csv")));

    // Removed when asked Yes; "Bingo End" names the winners left, in order, hidden names not.
    f.messages.answer = true;
    table->selectRow(1);
    click("IDC_WINNER_REMOVE");
    QCOMPARE(table->rowCount(), 1);
    emit live.tallied(HallTally{4, 1, 3, {{"2222-E7HD5", 30, "ゆき", true}}});
    for (int k = 0; k < 3; ++k)
        f.draw();
    QCOMPARE(f.messages.shown.constLast().text,
             QStringLiteral("Bingo End\n\n1位  No.7  (スマホ)\n2位  No.30  ゆき  (スマホ)"));

    // Clear ends the game and its list; the item goes with it while nothing is served.
    f.click("IDC_CLEAR");
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(!item->isVisible());
    f.topNumber()->setEditText(QStringLiteral("5"));
    for (int k = 0; k < 5; ++k)
        f.draw();
    QCOMPARE(f.messages.shown.constLast().text, QStringLiteral("Bingo End"));
}

using HandOut = PhoneSheetPolicy::HandOut;

void TestCallerDlgHall::phoneSheetChoices_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("handOutRadio");
    // The total taken, or 0 where the dialog refuses it.
    QTest::addColumn<int>("taken");
    QTest::addColumn<HandOut>("handOut");

    const auto row = [](const char *name, bool on, const QString &total, const char *radio,
                        int taken, HandOut handOut) {
        QTest::newRow(name) << on << total << QStringLiteral("IDC_HANDOUT_") + radio << taken
                            << handOut;
    };
    row("switched off", false, "1000", "FIRST_START", 1000, HandOut::UntilFirstStart);
    row("reopened, total in full-width digits", true, "０５００", "OPEN", 500, HandOut::Open);
    row("closed", true, "30", "CLOSED", 30, HandOut::Closed);
    row("the most sheets a set has", true, "100000", "OPEN", 100000, HandOut::Open);
    for (const char *refused : {"0", "100001", "12a", ""})
        row(qPrintable(QStringLiteral("refused: \"%1\"").arg(refused)), true, refused, "OPEN", 0,
            HandOut::Open);
}

void TestCallerDlgHall::phoneSheetChoices()
{
    QFETCH(bool, on);
    QFETCH(QString, total);
    QFETCH(QString, handOutRadio);
    QFETCH(int, taken);
    QFETCH(HandOut, handOut);

    CallerDlgFixture f;
    bool stayed = false;
    QTimer::singleShot(0, this, [&] {
        auto &dialog = *qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("スマホのシート"));
        const auto radio = [&dialog](const QString &name) {
            return dialog.findChild<QRadioButton *>(name);
        };
        auto *totalBox = dialog.findChild<QLineEdit *>("IDC_PHONE_TOTAL");
        // The dialog starts from the policy in force.
        QVERIFY(radio("IDC_PHONE_ON")->isChecked());
        QVERIFY(radio("IDC_HANDOUT_FIRST_START")->isChecked());
        QCOMPARE(totalBox->text(), QStringLiteral("1000"));
        radio(on ? "IDC_PHONE_ON" : "IDC_PHONE_OFF")->setChecked(true);
        totalBox->setText(total);
        radio(handOutRadio)->setChecked(true);
        dialog.findChild<QPushButton *>("IDOK")->click();
        stayed = dialog.isVisible();
        if (stayed)
            dialog.reject();
    });
    f.dialog->hall().phoneSheetsItem()->trigger();
    // A refusal names what was typed and leaves the policy as it was.
    QCOMPARE(stayed, taken == 0);
    QCOMPARE(f.messages.shown.size(), taken == 0 ? 1 : 0);
    if (taken == 0)
        QVERIFY(f.messages.shown.constFirst().text.contains(QStringLiteral("「%1」").arg(total)));
    QCOMPARE(f.dialog->live().phoneSheetPolicy(),
             (taken == 0 ? PhoneSheetPolicy{}
                         : PhoneSheetPolicy{.enabled = on, .total = taken, .handOut = handOut}));
}

QTEST_MAIN(TestCallerDlgHall)
#include "tst_callerdlghall.moc"
