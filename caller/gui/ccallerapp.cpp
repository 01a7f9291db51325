#include "ccallerapp.h"

#include "ccallerdlg.h"
#include "desktopservices.h"
#include "fontsubstitutions.h"
#include "qttranslation.h"

CCallerApp::CCallerApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(CCallerDlg::ApplicationTitle);
    setApplicationVersion(QStringLiteral("1.0"));
}

int CCallerApp::InitInstance()
{
    registerFontSubstitutions();
    installQtJapanese(*this);

    DesktopServices desktop;
    CCallerDlg dialog(desktop.services());
    dialog.exec();
    return 0;
}
