#pragma once

#include "csheetsetupdlg.h"

#include <QLineEdit>
#include <QPushButton>

#include <functional>

// Answers the sheet program's setup dialog as a person would: count sheets, then OK.
inline std::function<int(CSheetSetupDlg &)> setupWithSheets(int count)
{
    return [count](CSheetSetupDlg &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("IDC_SHEET_COUNT"))
            ->setText(QString::number(count));
        dialog.findChild<QPushButton *>(QStringLiteral("IDOK"))->click();
        return dialog.result();
    };
}
