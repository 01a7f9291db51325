#include "dialogbuilder.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

constexpr ControlTemplate sampleControls[] = {
    {1, "IDOK", ControlKind::PushButton, {74, 48, 43, 14}, "OK", DefaultButton | TabStop},
    {2, "IDCANCEL", ControlKind::PushButton, {74, 68, 42, 14}, "ｷｬﾝｾﾙ", TabStop},
    {-1, nullptr, ControlKind::GroupBox, {7, 7, 121, 81}, "Ｓheet", CentredCaption},
    {10, "IDC_A", ControlKind::RadioButton, {67, 27, 18, 12}, "青", StartsGroup},
    {11, "IDC_B", ControlKind::RadioButton, {86, 27, 19, 12}, "赤"},
    {20, "IDC_C", ControlKind::RadioButton, {67, 40, 18, 12}, "有", StartsGroup},
    {21, "IDC_D", ControlKind::RadioButton, {86, 40, 18, 12}, "無"},
    {30, "IDC_COMBO", ControlKind::ComboBox, {17, 59, 37, 58}, "", TabStop},
    {40, "IDC_CUSTOM", ControlKind::Custom, {1, 2, 3, 4}, ""},
};

constexpr DialogTemplate sample{130, "BINGOSHEET", "ＭＳ Ｐゴシック", 9, 135, 95, sampleControls};

} // namespace

class TestDialogBuilder : public QObject
{
    Q_OBJECT

private slots:
    void unitsConvert();
    void buildsTheTable();
    void radioGroupsAreSeparate();
    void decorationsLetClicksThrough();
    void comboBoxKeepsWhatIsTyped();
};

void TestDialogBuilder::unitsConvert()
{
    const DialogBaseUnits units{7, 12};
    QCOMPARE(units.toPixels({4, 8, 40, 16}), QRect(7, 12, 70, 24));
    QCOMPARE(units.toPixelsX(418), 732);
    QCOMPARE(units.toPixelsY(399), 599);
    QCOMPARE(DialogBaseUnits::forResolution(96).x, 7);
    QCOMPARE(DialogBaseUnits::forResolution(192).y, 24);
}

void TestDialogBuilder::buildsTheTable()
{
    QDialog dialog;
    DialogBuilder builder({7, 12});
    builder.setFactory(40, [](const ControlTemplate &, QWidget *parent) {
        auto *w = new QWidget(parent);
        w->setProperty("custom", true);
        return w;
    });
    const BuiltDialog built = builder.build(&dialog, sample);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("BINGOSHEET"));
    QCOMPARE(dialog.size(), QSize(236, 143));
    QCOMPARE(built.inOrder.size(), std::size(sampleControls));
    for (const ControlTemplate &control : sampleControls) {
        QWidget *w = built.inOrder.at(&control - sampleControls);
        QCOMPARE(w->objectName(), QString::fromLatin1(control.name ? control.name : ""));
        const QRect expected = builder.units().toPixels(control.rect);
        QCOMPARE(w->pos(), expected.topLeft());
        QCOMPARE(w->width(), expected.width());
        if (control.kind != ControlKind::ComboBox)
            QCOMPARE(w->height(), expected.height());
    }
    QVERIFY(built.widget(40)->property("custom").toBool());
    QCOMPARE(built.get<QPushButton>(2)->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    QVERIFY(built.get<QPushButton>(1)->isDefault());
    QVERIFY(!built.get<QPushButton>(2)->isDefault());
    QVERIFY(built.get<QComboBox>(30)->isEditable());
    QCOMPARE(built.get<QRadioButton>(10)->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(built.get<QPushButton>(2)->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(qobject_cast<QGroupBox *>(built.inOrder.at(2))->alignment(), Qt::AlignHCenter);
}

void TestDialogBuilder::radioGroupsAreSeparate()
{
    QDialog dialog;
    const BuiltDialog built = DialogBuilder({7, 12}).build(&dialog, sample);
    QCOMPARE(built.radioGroups.size(), 2);
    built.get<QRadioButton>(10)->setChecked(true);
    built.get<QRadioButton>(20)->setChecked(true);
    QVERIFY(built.get<QRadioButton>(10)->isChecked());
    built.get<QRadioButton>(11)->click();
    QVERIFY(!built.get<QRadioButton>(10)->isChecked());
    QVERIFY(built.get<QRadioButton>(20)->isChecked());
    QCOMPARE(built.radioGroups.at(0)->checkedId(), 11);
}

void TestDialogBuilder::decorationsLetClicksThrough()
{
    QDialog dialog;
    const BuiltDialog built = DialogBuilder({7, 12}).build(&dialog, sample);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The group box lies over the radio buttons; a click must still reach them.
    QRadioButton *red = built.get<QRadioButton>(11);
    QCOMPARE(dialog.childAt(red->geometry().center()), red);
    QTest::mouseClick(red, Qt::LeftButton);
    QVERIFY(red->isChecked());
}

void TestDialogBuilder::comboBoxKeepsWhatIsTyped()
{
    QDialog dialog;
    const BuiltDialog built = DialogBuilder({7, 12}).build(&dialog, sample);
    auto *combo = built.get<QComboBox>(30);
    combo->addItems({QStringLiteral("25"), QStringLiteral("50"), QStringLiteral("75")});
    combo->clearEditText();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_7);
    QCOMPARE(combo->currentText(), QStringLiteral("7"));
}

QTEST_MAIN(TestDialogBuilder)
#include "tst_dialogbuilder.moc"
