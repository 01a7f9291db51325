#include "caboutdlg.h"

#include "aboutdlgtemplate.h"
#include "dialogbuilder.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const DialogBuilder builder(
        DialogBaseUnits::forResolution(screen ? screen->logicalDotsPerInchY() : 96.0));
    const BuiltDialog built = builder.build(this, aboutDialogTemplate);
    connect(built.get<QPushButton>(1), &QPushButton::clicked, this, &QDialog::accept);
}
