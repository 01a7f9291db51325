// Makes the README's picture of the caller in the middle of a game: a few numbers drawn, then
// a draw spinning, grabbed from the real dialog.
//
// usage: callershot <file.png> [draws]

#include "ccallerdlg.h"
#include "desktopservices.h"
#include "fontsubstitutions.h"
#include "soundoutput.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

class NoSleep final : public Sleeper
{
public:
    void sleep(int) override {}
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: callershot <file.png> [draws]\n");
        return 2;
    }
    QApplication app(argc, argv);
    registerFontSubstitutions();
    const QString output = QString::fromLocal8Bit(argv[1]);
    const int draws = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 13;

    DesktopServices desktop;
    SilentSoundOutput sound;
    NoSleep sleeper;
    CallerServices services = desktop.services();
    services.sound = &sound;
    services.sleeper = &sleeper;
    CCallerDlg dialog(services);
    dialog.show();

    auto *start = dialog.findChild<QPushButton *>(QStringLiteral("IDC_START"));
    auto *stop = dialog.findChild<QPushButton *>(QStringLiteral("IDC_STOP"));
    int result = 0;
    QTimer::singleShot(300, &dialog, [&] {
        for (int k = 0; k < draws; ++k) {
            start->click();
            stop->click();
        }
        start->click();
        // Let the three displays flicker a little before the picture is taken.
        QTimer::singleShot(700, &dialog, [&] {
            if (!dialog.grab().save(output)) {
                std::fprintf(stderr, "callershot: cannot write %s\n", qPrintable(output));
                result = 1;
            }
            dialog.reject();
        });
    });
    dialog.exec();
    return result;
}
