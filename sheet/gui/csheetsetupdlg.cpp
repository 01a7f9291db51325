#include "csheetsetupdlg.h"

#include "messagepresenter.h"
#include "sheetids.h"
#include "sheetresources.h"
#include "sheetsetup.h"

#include <QCoreApplication>
#include <algorithm>

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace SheetIds;

CSheetSetupDlg::CSheetSetupDlg(MessagePresenter &messages, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
{
    m_controls = DialogBuilder(DialogBaseUnits::forResolution(logicalDpiY()))
                     .build(this, SheetResources::sheetSetupDialog());
    connect(m_controls.get<QPushButton>(IDOK), &QPushButton::clicked, this,
            &CSheetSetupDlg::accept);
    connect(m_controls.get<QPushButton>(IDCANCEL), &QPushButton::clicked, this,
            &CSheetSetupDlg::reject);
    OnInitDialog();
}

void CSheetSetupDlg::OnInitDialog()
{
    m_controls.get<QLineEdit>(IDC_SHEET_COUNT)->setText(QString::number(m_sheetCount));
    m_controls.get<QRadioButton>(IDC_SHEET_BLUE)->setChecked(true);
    auto *top = m_controls.get<QComboBox>(IDC_SHEET_TOP);
    for (int value : {25, 50, 75})
        top->addItem(QString::number(value));
    // The text stays as set before the list was filled, with no item selected.
    top->setCurrentIndex(-1);
    top->setEditText(m_topNumberText);
    m_controls.widget(IDOK)->setFocus();
}

std::optional<SheetColour> CSheetSetupDlg::colour() const
{
    switch (m_colorId) {
    case IDC_SHEET_BLUE:
        return SheetColour::Blue;
    case IDC_SHEET_RED:
        return SheetColour::Red;
    case IDC_SHEET_GREEN:
        return SheetColour::Green;
    default:
        return std::nullopt;
    }
}

void CSheetSetupDlg::accept()
{
    m_colorId = std::max(m_controls.radioGroups.constFirst()->checkedId(), 0);
    if (DoDataExchange())
        QDialog::accept();
}

bool CSheetSetupDlg::DoDataExchange()
{
    const QString title = QStringLiteral("BINGO");
    auto *count = m_controls.get<QLineEdit>(IDC_SHEET_COUNT);
    const SetupAnswer sheets = readSheetCount(count->text());
    if (!sheets.ok()) {
        m_messages.show(this, MessagePresenter::Icon::Warning, title,
                        QCoreApplication::translate(
                            "CSheetSetupDlg", "枚数は %1 から %2 までの整数で入力してください。")
                            .arg(SheetRules::MinSheetCount)
                            .arg(SheetRules::MaxSheetCount));
        count->setFocus();
        count->selectAll();
        return false;
    }
    auto *top = m_controls.get<QComboBox>(IDC_SHEET_TOP);
    const SetupAnswer topNumber = readTopNumber(top->currentText());
    if (!topNumber.ok()) {
        m_messages.show(this, MessagePresenter::Icon::Warning, title,
                        QCoreApplication::translate(
                            "CSheetSetupDlg", "数値は %1 から %2 までの数で入力してください。")
                            .arg(SheetRules::MinTop)
                            .arg(SheetRules::MaxTop));
        top->setFocus();
        top->lineEdit()->selectAll();
        return false;
    }
    m_sheetCount = sheets.value;
    m_topNumberText = top->currentText();
    return true;
}
