#include "caboutdlg.h"

#include "dialogbuilder.h"
#include "sheetids.h"
#include "sheetresources.h"

#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent)
{
    const BuiltDialog built = DialogBuilder(DialogBaseUnits::forResolution(logicalDpiY()))
                                  .build(this, SheetResources::aboutDialog());
    connect(built.get<QPushButton>(SheetIds::IDOK), &QPushButton::clicked, this, &QDialog::accept);
}
