#include "csheetsetupdlg.h"
#include "sheetfakes.h"
#include "sheetids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

using namespace SheetIds;

namespace {

QString captionOf(const QWidget *control)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *box = qobject_cast<const QGroupBox *>(control))
        return box->title();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return {};
}

} // namespace

class TestSheetSetupDlg : public QObject
{
    Q_OBJECT

private slots:
    void builtAsDesigned();
    void placedAsDesigned_data();
    void placedAsDesigned();
    void startsWithTheDefaults();
    void enterAtOnceGivesTheDefaults();
    void tabMovesAmongFourControls();
    void accepts_data();
    void accepts();
    void refuses_data();
    void refuses();
    void cancelLeavesTheAnswersAsTheyWere();

private:
    RecordingMessages m_messages;
};

// The values below are written out from the design, not read from the table the dialog is
// built from, so a wrong row in that table fails here.
void TestSheetSetupDlg::builtAsDesigned()
{
    CSheetSetupDlg dialog(m_messages);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("BINGOSHEET"));
    // Every control in template order, the order its widget was made in: its kind, the name the
    // dialog knows it by, its caption, and what else of its style shows.
    QStringList built;
    for (QWidget *control : dialog.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QStringList parts{QString::fromLatin1(control->metaObject()->className()),
                          control->objectName(), captionOf(control)};
        if (auto *button = qobject_cast<QPushButton *>(control); button && button->isDefault())
            parts << QStringLiteral("default");
        if (auto *radio = qobject_cast<QRadioButton *>(control))
            parts << QString::number(radio->group()->id(radio));
        if (auto *box = qobject_cast<QGroupBox *>(control);
            box && box->alignment() == Qt::AlignHCenter)
            parts << QStringLiteral("centred");
        parts.removeAll(QString());
        built << parts.join(u' ');
    }
    QCOMPARE(built, (QStringList{"QPushButton IDOK OK default", "QPushButton IDCANCEL ｷｬﾝｾﾙ",
                                 "QLineEdit IDC_SHEET_COUNT", "QLabel 枚",
                                 "QGroupBox Ｓheet centred", "QComboBox IDC_SHEET_TOP",
                                 "QGroupBox 数値 centred", "QRadioButton IDC_SHEET_BLUE 青 1005",
                                 "QRadioButton IDC_SHEET_RED 赤 1006",
                                 "QRadioButton IDC_SHEET_GREEN 緑 1007", "QGroupBox 色 centred"}));
}

// Rectangles from the design's dialog units, turned into pixels by hand with the base units of
// 96 dots per inch (7 by 12 pixels): x = (u * 7 + 2) / 4, y = (u * 12 + 4) / 8. A control
// without a name is found by its caption.
void TestSheetSetupDlg::placedAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("OK at 74, 48, 43, 14") << "IDOK" << QRect(130, 72, 75, 21);
    QTest::newRow("Cancel at 74, 68, 42, 14") << "IDCANCEL" << QRect(130, 102, 74, 21);
    QTest::newRow("count at 14, 26, 35, 13") << "IDC_SHEET_COUNT" << QRect(25, 39, 61, 20);
    // 12 units wide where the design has 8 (14 pixels), for the English unit.
    QTest::newRow("枚 at 50, 29, 12, 12") << "枚" << QRect(88, 44, 21, 18);
    QTest::newRow("Ｓheet box at 7, 7, 121, 81") << "Ｓheet" << QRect(12, 11, 212, 122);
    QTest::newRow("top at 17, 59, 37, 58") << "IDC_SHEET_TOP" << QRect(30, 89, 65, 87);
    QTest::newRow("数値 box at 11, 46, 48, 35") << "数値" << QRect(19, 69, 84, 53);
    QTest::newRow("blue at 67, 27, 18, 12") << "IDC_SHEET_BLUE" << QRect(117, 41, 32, 18);
    QTest::newRow("red at 86, 27, 19, 12") << "IDC_SHEET_RED" << QRect(151, 41, 33, 18);
    QTest::newRow("green at 104, 27, 18, 12") << "IDC_SHEET_GREEN" << QRect(182, 41, 32, 18);
    QTest::newRow("色 box at 62, 17, 63, 25") << "色" << QRect(109, 26, 110, 38);
}

void TestSheetSetupDlg::placedAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    CSheetSetupDlg dialog(m_messages);
    QCOMPARE(dialog.logicalDpiY(), 96);
    // 135 by 95 dialog units.
    QCOMPARE(dialog.size(), QSize(236, 143));
    QWidget *control = nullptr;
    for (QWidget *child : dialog.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName() == name || captionOf(child) == name)
            control = child;
    }
    QVERIFY(control);
    if (qobject_cast<QComboBox *>(control)) {
        // The design's rectangle takes in the open list; closed, the box is one line high.
        QVERIFY(control->height() < rect.height());
        rect.setHeight(control->height());
    }
    QCOMPARE(control->geometry(), rect);
}

void TestSheetSetupDlg::startsWithTheDefaults()
{
    CSheetSetupDlg dialog(m_messages);
    QCOMPARE(dialog.findChild<QLineEdit *>("IDC_SHEET_COUNT")->text(), QStringLiteral("10"));
    auto *top = dialog.findChild<QComboBox *>("IDC_SHEET_TOP");
    QCOMPARE(top->currentText(), QStringLiteral("50"));
    QCOMPARE(top->currentIndex(), -1);
    QStringList items;
    for (int i = 0; i < top->count(); ++i)
        items << top->itemText(i);
    QCOMPARE(items, (QStringList{"25", "50", "75"}));
    QVERIFY(dialog.findChild<QRadioButton *>("IDC_SHEET_BLUE")->isChecked());
    QVERIFY(!dialog.findChild<QRadioButton *>("IDC_SHEET_RED")->isChecked());
    QVERIFY(!dialog.findChild<QRadioButton *>("IDC_SHEET_GREEN")->isChecked());
    QCOMPARE(dialog.colorId(), 0);
    QCOMPARE(dialog.colour(), std::nullopt);
}

void TestSheetSetupDlg::enterAtOnceGivesTheDefaults()
{
    CSheetSetupDlg dialog(m_messages);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.findChild<QWidget *>("IDOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.sheetCount(), 10);
    QCOMPARE(dialog.topNumberText(), QStringLiteral("50"));
    QCOMPARE(dialog.colorId(), IDC_SHEET_BLUE);
    QCOMPARE(dialog.colour(), SheetColour::Blue);
}

void TestSheetSetupDlg::tabMovesAmongFourControls()
{
    CSheetSetupDlg dialog(m_messages);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const auto focused = [] {
        QWidget *w = QApplication::focusWidget();
        // An editable combobox takes the focus in its line edit.
        if (w && qobject_cast<QComboBox *>(w->parentWidget()))
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    };
    QStringList visited{focused()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focused();
    }
    QCOMPARE(visited,
             (QStringList{"IDOK", "IDCANCEL", "IDC_SHEET_COUNT", "IDC_SHEET_TOP", "IDOK"}));
}

void TestSheetSetupDlg::accepts_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("sheetCount");
    QTest::addColumn<int>("colorId");
    QTest::addColumn<SheetColour>("colour");
    QTest::newRow("no sheets") << "0"
                               << "50"
                               << "IDC_SHEET_BLUE" << 0 << IDC_SHEET_BLUE << SheetColour::Blue;
    QTest::newRow("most sheets") << "100000"
                                 << "75"
                                 << "IDC_SHEET_RED" << 100000 << IDC_SHEET_RED << SheetColour::Red;
    QTest::newRow("typed 30 passes as typed")
        << "3"
        << "30"
        << "IDC_SHEET_GREEN" << 3 << IDC_SHEET_GREEN << SheetColour::Green;
    QTest::newRow("50 followed by letters")
        << "4"
        << "50abc"
        << "IDC_SHEET_BLUE" << 4 << IDC_SHEET_BLUE << SheetColour::Blue;
    QTest::newRow("count with blanks")
        << " 12 "
        << " 75"
        << "IDC_SHEET_RED" << 12 << IDC_SHEET_RED << SheetColour::Red;
}

void TestSheetSetupDlg::accepts()
{
    QFETCH(QString, count);
    QFETCH(QString, top);
    QFETCH(QString, radio);
    QFETCH(int, sheetCount);
    QFETCH(int, colorId);
    QFETCH(SheetColour, colour);
    m_messages.shown.clear();
    CSheetSetupDlg dialog(m_messages);
    SetupAnswers answers{count, top, radio};
    QCOMPARE(answers(dialog), int(QDialog::Accepted));
    QVERIFY(m_messages.shown.isEmpty());
    QCOMPARE(dialog.sheetCount(), sheetCount);
    QCOMPARE(dialog.topNumberText(), top);
    QCOMPARE(dialog.colorId(), colorId);
    QCOMPARE(dialog.colour(), colour);
}

void TestSheetSetupDlg::refuses_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("allowed");
    QTest::newRow("empty count") << ""
                                 << "50"
                                 << "IDC_SHEET_COUNT"
                                 << "0 から 100000";
    QTest::newRow("count not an integer") << "ten"
                                          << "50"
                                          << "IDC_SHEET_COUNT"
                                          << "0 から 100000";
    QTest::newRow("count with a fraction") << "1.5"
                                           << "50"
                                           << "IDC_SHEET_COUNT"
                                           << "0 から 100000";
    QTest::newRow("negative count") << "-1"
                                    << "50"
                                    << "IDC_SHEET_COUNT"
                                    << "0 から 100000";
    QTest::newRow("count above the limit") << "100001"
                                           << "50"
                                           << "IDC_SHEET_COUNT"
                                           << "0 から 100000";
    QTest::newRow("top 23 cannot fill a sheet") << "10"
                                                << "23"
                                                << "IDC_SHEET_TOP"
                                                << "24 から 100";
    QTest::newRow("top 0 would divide by zero") << "10"
                                                << "0"
                                                << "IDC_SHEET_TOP"
                                                << "24 から 100";
    QTest::newRow("negative top") << "10"
                                  << "-50"
                                  << "IDC_SHEET_TOP"
                                  << "24 から 100";
    QTest::newRow("top above 100") << "10"
                                   << "101"
                                   << "IDC_SHEET_TOP"
                                   << "24 から 100";
    QTest::newRow("top not a number") << "10"
                                      << "abc"
                                      << "IDC_SHEET_TOP"
                                      << "24 から 100";
    QTest::newRow("empty top") << "10"
                               << ""
                               << "IDC_SHEET_TOP"
                               << "24 から 100";
}

void TestSheetSetupDlg::refuses()
{
    QFETCH(QString, count);
    QFETCH(QString, top);
    QFETCH(QString, field);
    QFETCH(QString, allowed);
    m_messages.shown.clear();
    CSheetSetupDlg dialog(m_messages);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.findChild<QRadioButton *>("IDC_SHEET_GREEN")->setChecked(true);
    SetupAnswers answers{count, top, "IDC_SHEET_GREEN"};
    answers(dialog);

    QVERIFY(dialog.isVisible());
    QCOMPARE(m_messages.shown.size(), 1);
    QVERIFY2(m_messages.shown.constFirst().text.contains(allowed),
             qPrintable(m_messages.shown.constFirst().text));
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    if (qobject_cast<QComboBox *>(focus->parentWidget()))
        focus = focus->parentWidget();
    QCOMPARE(focus->objectName(), field);
    // Nothing reaches the answers until OK succeeds, but the colour is stored at every OK.
    QCOMPARE(dialog.sheetCount(), 10);
    QCOMPARE(dialog.topNumberText(), QStringLiteral("50"));
    QCOMPARE(dialog.colorId(), IDC_SHEET_GREEN);
    QCOMPARE(dialog.colour(), SheetColour::Green);
}

void TestSheetSetupDlg::cancelLeavesTheAnswersAsTheyWere()
{
    CSheetSetupDlg dialog(m_messages);
    SetupAnswers answers{"77", "25", "IDC_SHEET_RED", true};
    QCOMPARE(answers(dialog), int(QDialog::Rejected));
    QCOMPARE(dialog.sheetCount(), 10);
    QCOMPARE(dialog.topNumberText(), QStringLiteral("50"));
    QCOMPARE(dialog.colorId(), 0);
    QCOMPARE(dialog.colour(), std::nullopt);
}

QTEST_MAIN(TestSheetSetupDlg)
#include "tst_sheetsetupdlg.moc"
