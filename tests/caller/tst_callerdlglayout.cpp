#include "callerdlgfixture.h"
#include "callerdlgtemplate.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char *kindClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
        return "QPushButton";
    case ControlKind::GroupBox:
        return "QGroupBox";
    case ControlKind::Frame:
        return "QFrame";
    case ControlKind::ComboBox:
        return "QComboBox";
    case ControlKind::RadioButton:
        return "QRadioButton";
    case ControlKind::ListView:
        return "QTableWidget";
    default:
        return "QWidget";
    }
}

} // namespace

// The caller dialog as built: controls, places, captions and the state it opens in.
class TestCallerDlgLayout : public QObject
{
    Q_OBJECT

private slots:
    void builtAgainstTheTable_data();
    void builtAgainstTheTable();
    void pinnedFromTheDesign_data();
    void pinnedFromTheDesign();
    void displaysInsideTheirFrames_data();
    void displaysInsideTheirFrames();
    void initialState();
};

void TestCallerDlgLayout::builtAgainstTheTable_data()
{
    QTest::addColumn<int>("index");
    for (const ControlTemplate &control : callerDialogTemplate.controls) {
        const int index = static_cast<int>(&control - callerDialogTemplate.controls.data());
        const QByteArray name =
            control.name ? QByteArray(control.name) : "decoration " + QByteArray::number(index);
        QTest::newRow(name.constData()) << index;
    }
}

void TestCallerDlgLayout::builtAgainstTheTable()
{
    QFETCH(int, index);
    Fixture f;
    const ControlTemplate &control = callerDialogTemplate.controls[std::size_t(index)];
    const DialogBaseUnits units =
        DialogBaseUnits::forResolution(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("BINGO"));
    QCOMPARE(f.dialog->size(), QSize(units.toPixelsX(418), units.toPixelsY(399)));

    const QRect expected = units.toPixels(control.rect);
    QWidget *widget = nullptr;
    if (control.name) {
        widget = f.get(control.name);
    } else {
        // A decoration is found by its place and caption.
        for (auto *box : f.dialog->findChildren<QGroupBox *>()) {
            if (box->geometry() == expected && box->title() == QString::fromUtf8(control.caption))
                widget = box;
        }
    }
    QVERIFY(widget);
    QVERIFY(widget->inherits(kindClass(control.kind)));
    QCOMPARE(widget->pos(), expected.topLeft());
    QCOMPARE(widget->width(), expected.width());
    if (control.kind != ControlKind::ComboBox)
        QCOMPARE(widget->height(), expected.height());

    const QString caption = QString::fromUtf8(control.caption);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), caption);
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(box->title(), caption);
}

// A few controls written out from the design rather than taken from the table the dialog is
// built from, so that a wrong row in that table fails here.
void TestCallerDlgLayout::pinnedFromTheDesign_data()
{
    QTest::addColumn<QRect>("dialogUnits");
    QTest::addColumn<QString>("caption");
    QTest::newRow("IDC_START") << QRect(10, 35, 80, 76) << QStringLiteral("スタート");
    QTest::newRow("IDC_STOP") << QRect(94, 35, 77, 76) << QStringLiteral("ストップ");
    QTest::newRow("IDC_CLEAR") << QRect(192, 117, 50, 16) << QStringLiteral("クリア");
    QTest::newRow("IDC_SAVE") << QRect(192, 91, 49, 16) << QStringLiteral("保存");
    QTest::newRow("IDC_SHEET") << QRect(192, 141, 50, 16) << QStringLiteral("ビンゴ用紙");
    QTest::newRow("IDC_NUMBER_GROUP") << QRect(191, 163, 27, 28) << QStringLiteral("数");
    QTest::newRow("IDC_COLOR_GREEN") << QRect(225, 207, 16, 11) << QStringLiteral("緑");
    QTest::newRow("IDC_BACK_OFF") << QRect(222, 179, 18, 10) << QStringLiteral("無");
    QTest::newRow("IDC_LOWER_PANEL") << QRect(10, 232, 398, 145) << QString();
    QTest::newRow("IDC_DISPLAY_FRAME") << QRect(4, 22, 410, 365) << QString();
}

void TestCallerDlgLayout::pinnedFromTheDesign()
{
    QFETCH(QRect, dialogUnits);
    QFETCH(QString, caption);
    Fixture f;
    const DialogBaseUnits units =
        DialogBaseUnits::forResolution(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    QWidget *widget = f.get(QTest::currentDataTag());
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), units.toPixels({dialogUnits.x(), dialogUnits.y(),
                                                 dialogUnits.width(), dialogUnits.height()}));
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

    Fixture f;
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
    Fixture f;
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

QTEST_MAIN(TestCallerDlgLayout)
#include "tst_callerdlglayout.moc"
