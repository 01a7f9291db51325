#include "recordingmessages.h"
#include "sheetcheckdialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

namespace {

// Sheet 3 of the set 2222-E7J7D (seed 4711, top 75), worked out by hand from the generator,
// row by row from the top.
const QStringList sheetThreeRows{"24 38 11 32 43", "31 61 63 48 22", "33 10 ★ 34 64",
                                 "68 62 01 58 72", "05 25 15 26 39"};

struct Fixture
{
    RecordingMessages messages;
    SheetCheckDialog dialog;

    Fixture(QList<int> called, int top = 75, const QString &code = {})
        : dialog(messages, top, std::move(called), code)
    {}

    void type(const QString &code, const QString &number)
    {
        dialog.findChild<QLineEdit *>("setCode")->setText(code);
        dialog.findChild<QLineEdit *>("sheetNumber")->setText(number);
        QTest::mouseClick(dialog.findChild<QPushButton *>("checkButton"), Qt::LeftButton);
    }
    QTableWidget *grid() const { return dialog.findChild<QTableWidget *>("sheetGrid"); }
    QString headline() const { return dialog.findChild<QLabel *>("verdictHeadline")->text(); }
    QString details() const { return dialog.findChild<QLabel *>("verdictDetails")->text(); }
    QStringList rows() const
    {
        QStringList rows;
        for (int r = 0; r < 5; ++r) {
            QStringList cells;
            for (int c = 0; c < 5; ++c)
                cells << (grid()->item(r, c) ? grid()->item(r, c)->text() : QString());
            rows << cells.join(u' ');
        }
        return rows;
    }
};

} // namespace

class TestSheetCheckDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheSheetWithTheCalledNumbersMarked();
    void verdictInLargeType();
    void refusals_data();
    void refusals();
    void codeOfTheLastGoodCheckIsKept();
    void nothingOverlaps_data();
    void nothingOverlaps();
};

void TestSheetCheckDialog::showsTheSheetWithTheCalledNumbersMarked()
{
    Fixture f({5, 24, 61, 70});
    f.type("2222-e7j7d", "3");
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.rows(), sheetThreeRows);
    // 24 (top left), 61 (second row) and 5 (bottom left) are called, the star is free.
    const QColor called = f.grid()->item(0, 0)->background().color();
    const QColor open = f.grid()->item(0, 1)->background().color();
    QVERIFY(called != open);
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const bool marked = (r == 0 && c == 0) || (r == 1 && c == 1) || (r == 4 && c == 0);
            if (r == 2 && c == 2)
                continue;
            QCOMPARE(f.grid()->item(r, c)->background().color(), marked ? called : open);
        }
    }
    QCOMPARE(f.grid()->item(2, 2)->text(), QStringLiteral("★"));
    // The code is shown as it is read aloud.
    QCOMPARE(f.dialog.findChild<QLineEdit *>("setCode")->text(), QStringLiteral("2222-E7J7D"));
}

void TestSheetCheckDialog::verdictInLargeType()
{
    // The top row is 24 38 11 32 43; 43 completes it at the 6th call. The third column,
    // 11 63 ★ 01 15, waits for 15.
    Fixture f({70, 24, 38, 11, 32, 43, 63, 1});
    f.type("2222-E7J7D", "3");
    QCOMPARE(f.headline(), QStringLiteral("ビンゴ！ 1 列そろいました"));
    QCOMPARE(f.details(), QStringLiteral("そろった列: 上から 1 行目（6 回目の 43 でそろいました）\n"
                                         "リーチ: 左から 3 列目（あと 15）"));
    QVERIFY(f.dialog.verdict() && f.dialog.verdict()->hasLine());
    auto *headline = f.dialog.findChild<QLabel *>("verdictHeadline");
    QVERIFY(headline->font().pointSize() >= 2 * QApplication::font().pointSize());
}

void TestSheetCheckDialog::refusals_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    QTest::newRow("check character wrong") << "2222-E7J7E"
                                           << "3"
                                           << "コードが正しくありません（確認文字が合いません）。";
    QTest::newRow("code of another top number")
        << "2222-22238"
        << "3"
        << "コード 2222-22238 は数値 25 までのシートの組です。このゲームは 75 までです。";
    QTest::newRow("sheet number past the last")
        << "2222-E7J7D"
        << "100001"
        << "シート番号 100001 はありません。シート番号は 1 から 100000 までです。";
    QTest::newRow("sheet number 0")
        << "2222-E7J7D"
        << "0"
        << "シート番号 0 はありません。シート番号は 1 から 100000 までです。";
    QTest::newRow("no sheet number") << "2222-E7J7D"
                                     << ""
                                     << "シート番号を 1 から 100000 までの数字で入力してください。";
    QTest::newRow("sheet number past any sheet, shown as typed")
        << "2222-E7J7D"
        << "0012345678901"
        << "シート番号 12345678901 はありません。シート番号は 1 から 100000 までです。";
}

void TestSheetCheckDialog::refusals()
{
    QFETCH(QString, code);
    QFETCH(QString, number);
    QFETCH(QString, message);
    Fixture f({5, 24});
    // A good check first: a refused one must not leave its verdict standing.
    f.type("2222-E7J7D", "3");
    QVERIFY(f.dialog.verdict());
    f.type(code, number);
    QCOMPARE(f.messages.texts(), QStringList{message});
    QCOMPARE(f.messages.shown.constFirst().title, QStringLiteral("シート確認"));
    QVERIFY(!f.dialog.verdict());
    QCOMPARE(f.headline(), QString());
    QCOMPARE(f.rows(), QStringList(5, QStringLiteral("    ")));
}

void TestSheetCheckDialog::codeOfTheLastGoodCheckIsKept()
{
    Fixture f({5}, 75, QStringLiteral("2222-E7J7D"));
    QCOMPARE(f.dialog.findChild<QLineEdit *>("setCode")->text(), QStringLiteral("2222-E7J7D"));
    f.type("2222-E7J7E", "3");
    QCOMPARE(f.dialog.setCode(), QStringLiteral("2222-E7J7D"));
    // Seed 0 and top 75, typed loosely, the sheet number in full-width digits as a Japanese
    // input method types them; kept as shown.
    f.type(" 2222 223pb ", "　０１ ");
    QVERIFY(f.dialog.verdict());
    QCOMPARE(f.dialog.setCode(), QStringLiteral("2222-223PB"));
}

void TestSheetCheckDialog::nothingOverlaps_data()
{
    QTest::addColumn<QList<int>>("called");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("a line and a reach, all in view")
        << QList<int>{70, 24, 38, 11, 32, 43, 63, 1} << false;
    QList<int> all;
    for (const QString &row : sheetThreeRows) {
        for (const QString &cell : row.split(u' ')) {
            if (cell != QStringLiteral("★"))
                all << cell.toInt();
        }
    }
    QTest::newRow("every line and the whole sheet, taller than the screen: they scroll")
        << all << true;
}

void TestSheetCheckDialog::nothingOverlaps()
{
    QFETCH(QList<int>, called);
    QFETCH(bool, scrolls);
    Fixture f(called);
    f.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
    f.type("2222-E7J7D", "3");
    QVERIFY(f.dialog.verdict());
    const QRect available = f.dialog.screen()->availableGeometry();
    QVERIFY(available.contains(f.dialog.frameGeometry()));
    auto *area = f.dialog.findChild<QScrollArea *>();
    QVERIFY(area);
    QCOMPARE(area->verticalScrollBar()->maximum() > 0, scrolls);
    // Scrolled only where the dialog could not grow any further.
    if (scrolls)
        QCOMPARE(f.dialog.frameGeometry().height(), available.height());

    // At the size the check gave it and at the smallest it can be made, every part lies inside
    // the dialog and apart from the others.
    const QList<QWidget *> parts{f.dialog.findChild<QLineEdit *>("setCode"),
                                 f.dialog.findChild<QLineEdit *>("sheetNumber"),
                                 f.dialog.findChild<QPushButton *>("checkButton"),
                                 f.grid(),
                                 f.dialog.findChild<QLabel *>("verdictHeadline"),
                                 area,
                                 f.dialog.findChild<QDialogButtonBox *>()};
    const auto rectOf = [&](QWidget *w) { return QRect(w->mapTo(&f.dialog, QPoint()), w->size()); };
    for (const QSize size : {f.dialog.size(), f.dialog.minimumSize()}) {
        f.dialog.resize(size);
        QCoreApplication::processEvents();
        for (int i = 0; i < parts.size(); ++i) {
            QVERIFY2(f.dialog.rect().contains(rectOf(parts[i])),
                     qPrintable(parts[i]->objectName()));
            for (int j = i + 1; j < parts.size(); ++j)
                QVERIFY2(!rectOf(parts[i]).intersects(rectOf(parts[j])),
                         qPrintable(parts[i]->objectName() + u'/' + parts[j]->objectName()));
        }
    }
}

QTEST_MAIN(TestSheetCheckDialog)
#include "tst_sheetcheckdialog.moc"
