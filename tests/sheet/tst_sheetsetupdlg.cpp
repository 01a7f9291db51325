#include "csheetsetupdlg.h"
#include "sheetfakes.h"
#include "sheetids.h"
#include "sheetresources.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

using namespace SheetIds;

class TestSheetSetupDlg : public QObject
{
    Q_OBJECT

private slots:
    void builtFromItsTemplate();
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

void TestSheetSetupDlg::builtFromItsTemplate()
{
    CSheetSetupDlg dialog(m_messages);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("BINGOSHEET"));
    const DialogTemplate &table = SheetResources::sheetSetupDialog();
    QCOMPARE(table.id, IDD_SHEET_SETUP);
    QCOMPARE(table.controls.size(), std::size_t(11));
    for (const ControlTemplate &control : table.controls) {
        if (!control.name)
            continue;
        QWidget *widget = dialog.findChild<QWidget *>(QString::fromLatin1(control.name));
        QVERIFY2(widget, control.name);
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            QCOMPARE(button->text(), QString::fromUtf8(control.caption));
    }
    QStringList boxes;
    for (auto *box : dialog.findChildren<QGroupBox *>())
        boxes << box->title();
    QCOMPARE(boxes, (QStringList{"Ｓheet", "数値", "色"}));
    QCOMPARE(dialog.findChild<QLabel *>()->text(), QStringLiteral("枚"));
}

// Rectangles from the design's dialog units, turned into pixels by hand with the base units of
// 96 dots per inch (7 by 12 pixels): x = (u * 7 + 2) / 4, y = (u * 12 + 4) / 8.
void TestSheetSetupDlg::placedAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("OK at 74, 48, 43, 14") << "IDOK" << QRect(130, 72, 75, 21);
    QTest::newRow("Cancel at 74, 68, 42, 14") << "IDCANCEL" << QRect(130, 102, 74, 21);
    QTest::newRow("count at 14, 26, 35, 13") << "IDC_SHEET_COUNT" << QRect(25, 39, 61, 20);
    QTest::newRow("green at 104, 27, 18, 12") << "IDC_SHEET_GREEN" << QRect(182, 41, 32, 18);
}

void TestSheetSetupDlg::placedAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    CSheetSetupDlg dialog(m_messages);
    QCOMPARE(dialog.logicalDpiY(), 96);
    // 135 by 95 dialog units.
    QCOMPARE(dialog.size(), QSize(236, 143));
    QWidget *control = dialog.findChild<QWidget *>(name);
    QVERIFY(control);
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
