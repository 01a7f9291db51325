#include "phonesheetsdialog.h"

#include "messagepresenter.h"
#include "setcode.h"
#include "sheetrules.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

constexpr ControlTemplate controls[] = {
    {-1, nullptr, ControlKind::GroupBox, {7, 4, 206, 26}, ""},
    {IDC_PHONE_ON,
     "IDC_PHONE_ON",
     ControlKind::RadioButton,
     {15, 14, 60, 10},
     QT_TRANSLATE_NOOP("DialogTemplate", "配る"),
     StartsGroup | TabStop},
    {IDC_PHONE_OFF,
     "IDC_PHONE_OFF",
     ControlKind::RadioButton,
     {90, 14, 80, 10},
     QT_TRANSLATE_NOOP("DialogTemplate", "配らない"),
     TabStop},
    {-1,
     nullptr,
     ControlKind::Label,
     {10, 38, 50, 8},
     QT_TRANSLATE_NOOP("DialogTemplate", "シートは全部で")},
    {IDC_PHONE_TOTAL, "IDC_PHONE_TOTAL", ControlKind::Edit, {62, 36, 40, 12}, "", TabStop},
    {-1,
     nullptr,
     ControlKind::Label,
     {106, 38, 40, 8},
     QT_TRANSLATE_NOOP("DialogTemplate", "枚まで")},
    {-1,
     nullptr,
     ControlKind::GroupBox,
     {7, 52, 206, 40},
     QT_TRANSLATE_NOOP("DialogTemplate", "配るのは")},
    {IDC_HANDOUT_FIRST_START,
     "IDC_HANDOUT_FIRST_START",
     ControlKind::RadioButton,
     {15, 63, 100, 10},
     QT_TRANSLATE_NOOP("DialogTemplate", "最初のスタートまで"),
     StartsGroup | TabStop},
    {IDC_HANDOUT_OPEN,
     "IDC_HANDOUT_OPEN",
     ControlKind::RadioButton,
     {120, 63, 88, 10},
     QT_TRANSLATE_NOOP("DialogTemplate", "いつでも"),
     TabStop},
    {IDC_HANDOUT_CLOSED,
     "IDC_HANDOUT_CLOSED",
     ControlKind::RadioButton,
     {15, 76, 100, 10},
     QT_TRANSLATE_NOOP("DialogTemplate", "締め切る"),
     TabStop},
    {-1,
     nullptr,
     ControlKind::Label,
     {10, 100, 60, 8},
     QT_TRANSLATE_NOOP("DialogTemplate", "セットコード")},
    {IDC_PHONE_CODE, "IDC_PHONE_CODE", ControlKind::Label, {72, 100, 90, 8}, ""},
    {IDC_PHONE_COUNT, "IDC_PHONE_COUNT", ControlKind::Label, {10, 112, 150, 8}, ""},
    {1, "IDOK", ControlKind::PushButton, {110, 126, 50, 14}, "OK", DefaultButton | TabStop},
    {2,
     "IDCANCEL",
     ControlKind::PushButton,
     {163, 126, 50, 14},
     QT_TRANSLATE_NOOP("DialogTemplate", "キャンセル"),
     TabStop},
};

} // namespace

const DialogTemplate phoneSheetsDialogTemplate{
    1300,    QT_TRANSLATE_NOOP("DialogTemplate", "スマホのシート"), "ＭＳ Ｐゴシック", 9, 220, 147,
    controls};

PhoneSheetsDialog::PhoneSheetsDialog(const PhoneSheetPolicy &policy, const QString &setCode,
                                     int handedOut, MessagePresenter &messages, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_policy(policy)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const DialogBuilder builder(
        DialogBaseUnits::forResolution(screen ? screen->logicalDotsPerInchY() : 96.0));
    m_controls = builder.build(this, phoneSheetsDialogTemplate);
    m_controls.get<QRadioButton>(policy.enabled ? IDC_PHONE_ON : IDC_PHONE_OFF)->setChecked(true);
    m_controls.get<QLineEdit>(IDC_PHONE_TOTAL)->setText(QString::number(policy.total));
    int handOut = IDC_HANDOUT_FIRST_START;
    if (policy.handOut == PhoneSheetPolicy::HandOut::Open)
        handOut = IDC_HANDOUT_OPEN;
    else if (policy.handOut == PhoneSheetPolicy::HandOut::Closed)
        handOut = IDC_HANDOUT_CLOSED;
    m_controls.get<QRadioButton>(handOut)->setChecked(true);
    m_controls.get<QLabel>(IDC_PHONE_CODE)->setText(setCode.isEmpty() ? tr("(なし)") : setCode);
    m_controls.get<QLabel>(IDC_PHONE_COUNT)
        ->setText(tr("このゲームで配ったシート: %1 枚").arg(handedOut));
    connect(m_controls.get<QPushButton>(1), &QPushButton::clicked, this, &QDialog::accept);
    connect(m_controls.get<QPushButton>(2), &QPushButton::clicked, this, &QDialog::reject);
}

void PhoneSheetsDialog::accept()
{
    const QString typed = m_controls.get<QLineEdit>(IDC_PHONE_TOTAL)->text();
    const std::optional<qint64> total = SetCode::readSheetNumber(typed);
    if (!total || *total < 1 || *total > SheetRules::MaxSheetCount) {
        m_messages.show(this, MessagePresenter::Icon::Warning, title(),
                        tr("シートの数には 1 から %1 までの数字を入力してください。\n"
                           "入力された数: 「%2」")
                            .arg(SheetRules::MaxSheetCount)
                            .arg(typed));
        m_controls.widget(IDC_PHONE_TOTAL)->setFocus();
        return;
    }
    m_policy.enabled = m_controls.get<QRadioButton>(IDC_PHONE_ON)->isChecked();
    m_policy.total = static_cast<int>(*total);
    m_policy.handOut = PhoneSheetPolicy::HandOut::UntilFirstStart;
    if (m_controls.get<QRadioButton>(IDC_HANDOUT_OPEN)->isChecked())
        m_policy.handOut = PhoneSheetPolicy::HandOut::Open;
    else if (m_controls.get<QRadioButton>(IDC_HANDOUT_CLOSED)->isChecked())
        m_policy.handOut = PhoneSheetPolicy::HandOut::Closed;
    QDialog::accept();
}
