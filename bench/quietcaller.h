#pragma once

#include "ccallerdlg.h"
#include "desktopservices.h"
#include "sleeper.h"
#include "soundoutput.h"

#include <QPushButton>

// The real caller dialog on the desktop's services, shown, but silent and, unless asked for,
// without the pauses of a reveal: what the benchmarks and the README's pictures drive.
struct QuietCaller
{
    enum class Pauses { Skipped, Real };

    class NoSleep final : public Sleeper
    {
    public:
        void sleep(int) override {}
    };

    explicit QuietCaller(Pauses reveal = Pauses::Skipped)
        : pauses(reveal)
    {
        dialog.show();
    }

    const Pauses pauses;
    DesktopServices desktop;
    SilentSoundOutput sound;
    NoSleep sleeper;
    CCallerDlg dialog{services()};
    QPushButton *start = dialog.findChild<QPushButton *>(QStringLiteral("IDC_START"));
    QPushButton *stop = dialog.findChild<QPushButton *>(QStringLiteral("IDC_STOP"));

private:
    CallerServices services()
    {
        CallerServices services = desktop.services();
        services.sound = &sound;
        if (pauses == Pauses::Skipped)
            services.sleeper = &sleeper;
        return services;
    }
};
