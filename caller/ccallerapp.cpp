#include "ccallerapp.h"

#include "ccallerdlg.h"
#include "filechooser.h"
#include "fontsubstitutions.h"
#include "messagepresenter.h"
#include "processstarter.h"
#include "qtsoundoutput.h"
#include "sleeper.h"

CCallerApp::CCallerApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(CCallerDlg::ApplicationTitle);
    setApplicationVersion(QStringLiteral("1.0"));
}

int CCallerApp::InitInstance()
{
    registerFontSubstitutions();

    QtSoundOutput sound;
    QtFileChooser files;
    QtMessagePresenter messages;
    QtProcessStarter processes;
    ThreadSleeper sleeper;
    CallerServices services;
    services.sound = &sound;
    services.files = &files;
    services.messages = &messages;
    services.processes = &processes;
    services.sleeper = &sleeper;

    CCallerDlg dialog(services);
    dialog.exec();
    return 0;
}
