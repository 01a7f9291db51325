#include "callerdlgfixture.h"
#include "dialogtemplate.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

// The caller dialog as built: controls, places, captions and the state it opens in.
class TestCallerDlgLayout : public QObject
{
    Q_OBJECT

private slots:
    void pinnedFromTheDesign_data();
    void pinnedFromTheDesign();
    void displaysInsideTheirFrames_data();
    void displaysInsideTheirFrames();
    void initialState();
    void topNumberShowsEveryDigit_data();
    void topNumberShowsEveryDigit();
};

// Every control written out from the design, not taken from the table the dialog is built
// from, so that a wrong row in that table fails here. A decoration has no name: it is found by
// its place and caption.
void TestCallerDlgLayout::pinnedFromTheDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QRect>("dialogUnits");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char *name, const char *kind, QRect rect, const char *caption) {
        QTest::addRow("%s at %d, %d", name ? name : "decoration", rect.x(), rect.y())
            << QString::fromLatin1(name) << QByteArray(kind) << rect << QString::fromUtf8(caption);
    };
    row(nullptr, "QGroupBox", {181, 28, 72, 201}, "");
    row("IDC_START", "QPushButton", {10, 35, 80, 76}, "スタート");
    row("IDC_STOP", "QPushButton", {94, 35, 77, 76}, "ストップ");
    row("IDC_CLEAR", "QPushButton", {192, 117, 50, 16}, "クリア");
    row("IDC_ANIMATE", "QWidget", {190, 37, 52, 46}, "");
    row("IDC_DRAWN_LIST", "QTableWidget", {10, 117, 166, 110}, "");
    row("IDC_CALLED_PANEL", "QFrame", {258, 34, 150, 192}, "");
    row("IDC_SAVE", "QPushButton", {192, 91, 49, 16}, "保存");
    row("IDC_SHEET", "QPushButton", {192, 141, 50, 16}, "ビンゴ用紙");
    row("IDC_TOP_NUMBER", "QComboBox", {194, 173, 21, 57}, "");
    row("IDC_NUMBER_GROUP", "QGroupBox", {191, 163, 27, 28}, "数");
    row(nullptr, "QGroupBox", {190, 195, 53, 28}, "色");
    row("IDC_COLOR_BLUE", "QRadioButton", {192, 209, 16, 8}, "青");
    row("IDC_COLOR_RED", "QRadioButton", {208, 209, 17, 9}, "赤");
    row("IDC_COLOR_GREEN", "QRadioButton", {225, 207, 16, 11}, "緑");
    row(nullptr, "QGroupBox", {220, 163, 23, 28}, "B/C");
    row("IDC_BACK_ON", "QRadioButton", {222, 171, 18, 8}, "有");
    row("IDC_BACK_OFF", "QRadioButton", {222, 179, 18, 10}, "無");
    row("IDC_LOWER_PANEL", "QFrame", {10, 232, 398, 145}, "");
    row("IDC_DISPLAY_FRAME", "QGroupBox", {4, 22, 410, 365}, "");
}

void TestCallerDlgLayout::pinnedFromTheDesign()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, kind);
    QFETCH(QRect, dialogUnits);
    QFETCH(QString, caption);
    CallerDlgFixture f;
    const DialogBaseUnits units =
        DialogBaseUnits::forResolution(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("BINGO"));
    QCOMPARE(f.dialog->size(), QSize(units.toPixelsX(418), units.toPixelsY(399)));

    const QRect expected = units.toPixels(
        {dialogUnits.x(), dialogUnits.y(), dialogUnits.width(), dialogUnits.height()});
    QWidget *widget = name.isEmpty() ? nullptr : f.get(name.toLatin1().constData());
    for (auto *box : f.dialog->findChildren<QGroupBox *>()) {
        if (name.isEmpty() && box->objectName().isEmpty() && box->geometry() == expected &&
            box->title() == caption)
            widget = box;
    }
    QVERIFY(widget);
    QVERIFY(widget->inherits(kind.constData()));
    QCOMPARE(widget->pos(), expected.topLeft());
    QCOMPARE(widget->width(), expected.width());
    // A combobox's height in the design includes its dropped list.
    if (kind != "QComboBox")
        QCOMPARE(widget->height(), expected.height());
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto *box = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(box->title(), caption);
    else
        QVERIFY(caption.isEmpty());
}

void TestCallerDlgLayout::displaysInsideTheirFrames_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("panel");

    const auto row = [](const char *name, DisplaySlot slot, const char *panel) {
        QTest::newRow(name) << slot.x << slot.y << slot.pointSize << QString::fromLatin1(panel);
    };
    row("centre inside the lower frame", NumberDisplays::Centre, "IDC_LOWER_PANEL");
    row("left inside the lower frame", NumberDisplays::Left, "IDC_LOWER_PANEL");
    row("right inside the lower frame", NumberDisplays::Right, "IDC_LOWER_PANEL");
    row("called inside the top-right frame", NumberDisplays::Called, "IDC_CALLED_PANEL");
}

void TestCallerDlgLayout::displaysInsideTheirFrames()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, pointSize);
    QFETCH(QString, panel);

    CallerDlgFixture f;
    auto *frame = f.dialog->findChild<QFrame *>(panel);
    QVERIFY(frame);
    const QRect inner = frame->contentsRect().translated(frame->pos() - f.frame()->pos());
    const QRect box = textBox({x, y, pointSize}, QStringLiteral("88"));
    QVERIFY2(inner.contains(box), qPrintable(QStringLiteral("%1,%2 %3x%4 outside %5,%6 %7x%8")
                                                 .arg(box.x())
                                                 .arg(box.y())
                                                 .arg(box.width())
                                                 .arg(box.height())
                                                 .arg(inner.x())
                                                 .arg(inner.y())
                                                 .arg(inner.width())
                                                 .arg(inner.height())));
    QFont font(QStringLiteral("Times New Roman"));
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Serif"));
}

void TestCallerDlgLayout::initialState()
{
    const KeepCurrentDir keep;
    QTemporaryDir start;
    QDir::setCurrent(start.path());
    CallerDlgFixture f;
    QCOMPARE(f.dialog->startDir(), QDir::currentPath());
    QCOMPARE(f.buttons(), QStringLiteral("100011"));
    QCOMPARE(f.topNumber()->currentText(), QStringLiteral("50"));
    QVERIFY(f.topNumber()->isEditable());
    QStringList items;
    for (int i = 0; i < f.topNumber()->count(); ++i)
        items << f.topNumber()->itemText(i);
    QCOMPARE(items, (QStringList{"25", "50", "75"}));
    QVERIFY(f.get<QRadioButton>("IDC_COLOR_BLUE")->isChecked());
    QVERIFY(f.get<QRadioButton>("IDC_BACK_ON")->isChecked());
    QVERIFY(!f.get<QRadioButton>("IDC_BACK_OFF")->isChecked());

    QCOMPARE(f.sound.opened(), (QStringList{f.dialog->startDir() + "/wave/file.wav"}));
    QCOMPARE(f.sound.plays(), 1);
    QCOMPARE(f.countdown.calls, (QStringList{"open " + f.dialog->startDir() + "/COUNT16.AVI"}));

    QCOMPARE(f.grid()->columnCount(), 5);
    for (int c = 0; c < 5; ++c)
        QCOMPARE(f.grid()->columnWidth(c), 50);
    QVERIFY(f.grid()->showGrid());
    QVERIFY(f.grid()->horizontalHeader()->isHidden());
    QCOMPARE(f.grid()->rowCount(), 0);
    QVERIFY(!f.dialog->windowIcon().isNull());
    QVERIFY(f.frame()->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void TestCallerDlgLayout::topNumberShowsEveryDigit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("resumedTop");
    QTest::newRow("100 typed") << "100" << 0;
    QTest::newRow("100 resumed") << QString() << 100;
    QTest::newRow("50 typed") << "50" << 0;
    QTest::newRow("75 resumed") << QString() << 75;
}

void TestCallerDlgLayout::topNumberShowsEveryDigit()
{
    QFETCH(QString, typed);
    QFETCH(int, resumedTop);
    CallerDlgFixture f;
    QLineEdit *edit = f.topNumber()->lineEdit();
    if (resumedTop > 0) {
        std::vector<int> order(std::size_t(resumedTop), 0);
        std::iota(order.begin(), order.end(), 1);
        QVERIFY(f.dialog->restoreGame(order, 3));
    }
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    if (!typed.isEmpty()) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
    }
    const QString text = typed.isEmpty() ? QString::number(resumedTop) : typed;
    QCOMPARE(edit->text(), text);
    // With the cursor after the last digit, the first is still at the left edge.
    edit->setCursorPosition(int(text.size()));
    edit->grab();
    QCOMPARE(edit->cursorPositionAt(QPoint(3, edit->height() / 2)), 0);
    // Two digits keep the dialog's font.
    if (text.size() == 2)
        QCOMPARE(edit->font(), f.topNumber()->font());
}

QTEST_MAIN(TestCallerDlgLayout)
#include "tst_callerdlglayout.moc"
