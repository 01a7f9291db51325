#include "ccallerapp.h"

#include "callercommandline.h"
#include "ccallerdlg.h"
#include "desktopservices.h"
#include "fontsubstitutions.h"
#include "gamejournal.h"
#include "gameresume.h"
#include "halldesk.h"
#include "journalfolder.h"
#include "liveserving.h"
#include "qttranslation.h"

#include <QTimer>

CCallerApp::CCallerApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(CCallerDlg::ApplicationTitle);
    setApplicationVersion(CallerCommandLine::Version);
}

int CCallerApp::InitInstance(std::optional<std::uint32_t> seed, bool serve,
                             std::optional<quint16> port)
{
    registerFontSubstitutions();
    installKitTranslations(*this, QStringLiteral("kavelo"));

    // Chosen here rather than in the dialog, so that the journal records it.
    const std::uint32_t generatorSeed = seed.value_or(CrtRandom::timeSeed());
    DesktopServices desktop;
    CallerServices services = desktop.services();
    services.seed = [start = CrtRandom::callerStart(generatorSeed)] { return start; };
    const JournalFolder folder(JournalFolder::defaultPath());
    JournalFolder::Claim running;
    if (anotherCallerRuns(folder, &running, *services.messages))
        return 0;
    CCallerDlg dialog(services);

    GameJournal journal(folder, generatorSeed, [] { return QDateTime::currentDateTime(); });
    dialog.live().setCallerSeed(generatorSeed);
    QObject::connect(&dialog.live(), &LiveServing::phoneSheetHeld, &journal,
                     &GameJournal::recordPhoneSheet);
    QObject::connect(&journal, &GameJournal::unavailable, &dialog,
                     [&dialog, &services](const QString &message) {
                         services.messages->show(&dialog, MessagePresenter::Icon::Warning,
                                                 CCallerDlg::ApplicationTitle, message);
                     });
    offerLastGame(dialog, journal, folder, *services.messages);
    QObject::connect(&dialog.hall().winners(), &WinnersList::recorded, &journal,
                     &GameJournal::note);
    journal.observe(dialog.game());
    if (port)
        dialog.live().setPort(*port);
    if (serve)
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.live().start(); });

    dialog.exec();
    journal.programEnded();
    return 0;
}
