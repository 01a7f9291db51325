#include "callerdlgfixture.h"
#include "halldesk.h"
#include "liveserving.h"
#include "winnerswindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

HallSheet sheet(const QString &code, int number, const QString &name, bool phone)
{
    return HallSheet{code, number, name, phone};
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

} // namespace

// The hall playing along, as the operator sees it in the caller: the winners' list from the
// live page's tallies, its window, its file and "Bingo End".
class TestCallerDlgHall : public QObject
{
    Q_OBJECT

private slots:
    void winnersFromTheHall();
    void namesInBoxesAreNeverMarkup();
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
    // Nothing of the hall shows while nothing is served or counted.
    QVERIFY(!item->isVisible());
    f.dialog->OnKeys();
    QCOMPARE(f.messages.texts(), QStringList{CCallerDlg::keysHelp()});
    f.messages.shown.clear();

    f.draw();
    f.draw();
    LiveServing &live = f.dialog->live();
    emit live.tallied(HallTally{2, 3, 0, {}});
    QVERIFY(!item->isVisible());
    emit live.tallied(HallTally{
        3,
        4,
        2,
        {sheet("2222-E7HD5", 7, "<b>はな</b>", true), sheet("3333-ABCDE", 12, QString(), false)}});
    emit live.sheetNamed(sheet("3333-ABCDE", 12, "けん", false));
    QVERIFY(item->isVisible());
    // The list of keys names F7 only once it does something.
    f.dialog->OnKeys();
    QCOMPARE(f.messages.texts().constLast(),
             CCallerDlg::keysHelp() + QStringLiteral("\nビンゴ順位: F7"));
    f.messages.shown.clear();

    // F7 opens the window, once however often it is pressed.
    QTest::keyClick(f.dialog.get(), Qt::Key_F7);
    QTest::keyClick(f.dialog.get(), Qt::Key_F7);
    const QList<WinnersWindow *> windows = f.dialog->findChildren<WinnersWindow *>();
    QCOMPARE(windows.size(), 1);
    WinnersWindow *window = windows.constFirst();
    QVERIFY(window->isVisible());
    QTableWidget *table = window->table();
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(cellText(table, 0, 0), QStringLiteral("1"));
    QCOMPARE(cellText(table, 0, 2), QStringLiteral("2222-E7HD5  No.7"));
    QCOMPARE(cellText(table, 0, 3), QStringLiteral("<b>はな</b>"));
    QCOMPARE(cellText(table, 1, 3), QStringLiteral("けん"));
    QCOMPARE(cellText(table, 1, 4), QStringLiteral("紙 (用紙を見せてもらう)"));

    // The operator checks the first, hides the second's name and removes nothing when asked No.
    auto click = [window](const char *name) {
        QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    };
    table->selectRow(0);
    click("IDC_WINNER_CHECK");
    QCOMPARE(cellText(table, 0, 5), QStringLiteral("済"));
    table->selectRow(1);
    click("IDC_WINNER_HIDE");
    QCOMPARE(cellText(table, 1, 3), QStringLiteral("(隠しています)"));
    f.messages.answer = false;
    click("IDC_WINNER_REMOVE");
    QCOMPARE(f.messages.questions.size(), 1);
    QCOMPARE(table->rowCount(), 2);

    // The list saves beside the drawn numbers, and from its window.
    const QString drawn = dir.filePath(QStringLiteral("game.txt"));
    f.files.answers = {drawn};
    f.click("IDC_SAVE");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             (QStringList{"game-winners.csv", "game.txt"}));
    const QByteArray csv = f.dialog->hall().winners().csv();
    QCOMPARE(contentOf(dir.filePath(QStringLiteral("game-winners.csv"))), csv);
    QVERIFY(csv.contains("\"<b>はな</b>\",\"スマホ\",\"済\"\r\n"));
    QVERIFY(!csv.contains("けん"));
    f.files.answers = {dir.filePath(QStringLiteral("list.csv")),
                       dir.filePath(QStringLiteral("missing/list.csv"))};
    click("IDC_WINNERS_SAVE");
    QCOMPARE(f.files.purposes.constLast(), FileChooser::Purpose::Save);
    QCOMPARE(contentOf(dir.filePath(QStringLiteral("list.csv"))), csv);
    QVERIFY(f.messages.shown.isEmpty());
    click("IDC_WINNERS_SAVE");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.constFirst().icon, MessagePresenter::Icon::Critical);
    QVERIFY(f.messages.shown.constFirst().text.contains(QStringLiteral("missing/list.csv")));

    // Removed when asked Yes; "Bingo End" names the winners left, in order.
    f.messages.answer = true;
    table->selectRow(0);
    click("IDC_WINNER_REMOVE");
    QCOMPARE(table->rowCount(), 1);
    emit live.tallied(HallTally{4, 1, 3, {sheet("2222-E7HD5", 30, "ゆき", true)}});
    f.draw();
    f.draw();
    f.draw();
    QCOMPARE(f.messages.shown.constLast().text,
             QStringLiteral("Bingo End\n\n1位  No.12  (紙)\n2位  No.30  ゆき  (スマホ)"));

    // Clear ends the game and its list; the item goes with it while nothing is served.
    f.click("IDC_CLEAR");
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(!item->isVisible());
    f.topNumber()->setEditText(QStringLiteral("5"));
    for (int k = 0; k < 5; ++k)
        f.draw();
    QCOMPARE(f.messages.shown.constLast().text, QStringLiteral("Bingo End"));
}

void TestCallerDlgHall::namesInBoxesAreNeverMarkup()
{
    QtMessagePresenter boxes;
    CallerDlgFixture f({.messages = &boxes});
    f.topNumber()->setEditText(QStringLiteral("2"));
    f.draw();
    emit f.dialog->live().tallied(HallTally{1, 0, 1, {sheet("A", 1, "<i>x</i>", true)}});
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        format = box->textFormat();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    f.draw();
    QCOMPARE(format, Qt::PlainText);
    QVERIFY(text.contains(QStringLiteral("<i>x</i>")));
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

    QTest::newRow("as it starts") << true << "1000"
                                  << "IDC_HANDOUT_FIRST_START" << 1000 << HandOut::UntilFirstStart;
    QTest::newRow("switched off") << false << "1000"
                                  << "IDC_HANDOUT_FIRST_START" << 1000 << HandOut::UntilFirstStart;
    QTest::newRow("reopened, total in full-width digits")
        << true << "０５００"
        << "IDC_HANDOUT_OPEN" << 500 << HandOut::Open;
    QTest::newRow("closed") << true << "30"
                            << "IDC_HANDOUT_CLOSED" << 30 << HandOut::Closed;
    QTest::newRow("the most sheets a set has") << true << "100000"
                                               << "IDC_HANDOUT_OPEN" << 100000 << HandOut::Open;
    QTest::newRow("none is refused") << true << "0"
                                     << "IDC_HANDOUT_OPEN" << 0 << HandOut::Open;
    QTest::newRow("more than a set has is refused") << true << "100001"
                                                    << "IDC_HANDOUT_OPEN" << 0 << HandOut::Open;
    QTest::newRow("not a number is refused") << true << "12a"
                                             << "IDC_HANDOUT_OPEN" << 0 << HandOut::Open;
    QTest::newRow("empty is refused") << true << ""
                                      << "IDC_HANDOUT_OPEN" << 0 << HandOut::Open;
}

void TestCallerDlgHall::phoneSheetChoices()
{
    QFETCH(bool, on);
    QFETCH(QString, total);
    QFETCH(QString, handOutRadio);
    QFETCH(int, taken);
    QFETCH(HandOut, handOut);

    CallerDlgFixture f;
    LiveServing &live = f.dialog->live();
    const PhoneSheetPolicy before = live.phoneSheetPolicy();
    QCOMPARE(before, PhoneSheetPolicy{});
    bool stayed = false;
    QTimer::singleShot(0, this, [&] {
        auto &dialog = *qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("スマホのシート"));
        // The dialog starts from the policy in force.
        QVERIFY(dialog.findChild<QRadioButton *>("IDC_PHONE_ON")->isChecked());
        QVERIFY(dialog.findChild<QRadioButton *>("IDC_HANDOUT_FIRST_START")->isChecked());
        QCOMPARE(dialog.findChild<QLineEdit *>("IDC_PHONE_TOTAL")->text(), QStringLiteral("1000"));
        dialog.findChild<QRadioButton *>(on ? "IDC_PHONE_ON" : "IDC_PHONE_OFF")->setChecked(true);
        dialog.findChild<QLineEdit *>("IDC_PHONE_TOTAL")->setText(total);
        dialog.findChild<QRadioButton *>(handOutRadio)->setChecked(true);
        dialog.findChild<QPushButton *>("IDOK")->click();
        stayed = dialog.isVisible();
        if (stayed)
            dialog.reject();
    });
    f.dialog->hall().phoneSheetsItem()->trigger();
    QCOMPARE(stayed, taken == 0);
    if (taken == 0) {
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.messages.shown.constFirst().text.contains(QStringLiteral("「%1」").arg(total)));
        QCOMPARE(live.phoneSheetPolicy(), before);
        return;
    }
    QVERIFY(f.messages.shown.isEmpty());
    PhoneSheetPolicy expected;
    expected.enabled = on;
    expected.total = taken;
    expected.handOut = handOut;
    QCOMPARE(live.phoneSheetPolicy(), expected);
}

QTEST_MAIN(TestCallerDlgHall)
#include "tst_callerdlghall.moc"
