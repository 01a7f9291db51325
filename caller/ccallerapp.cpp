#include "ccallerapp.h"

#include "ccallerdlg.h"
#include "desktopservices.h"
#include "fontsubstitutions.h"

CCallerApp::CCallerApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(CCallerDlg::ApplicationTitle);
    setApplicationVersion(QStringLiteral("1.0"));
}

int CCallerApp::InitInstance()
{
    registerFontSubstitutions();

    DesktopServices desktop;
    CCallerDlg dialog(desktop.services());
    dialog.exec();
    return 0;
}
