// Makes the README's pictures of the caller in the middle of a game: a few numbers drawn, then
// a draw spinning, grabbed from the real dialog; and, when a second file is named, the
// audience screen between those draws, as a 1280 x 720 window.
//
// usage: callershot <file.png> [draws] [audience.png]

#include "audiencescreen.h"
#include "ccallerdlg.h"
#include "fontsubstitutions.h"
#include "qttranslation.h"
#include "quietcaller.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: callershot <file.png> [draws] [audience.png]\n");
        return 2;
    }
    QApplication app(argc, argv);
    registerFontSubstitutions();
    installKitTranslations(app, QStringLiteral("kavelo"));
    const QString output = QString::fromLocal8Bit(argv[1]);
    const int draws = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 13;
    const QString audienceOutput = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    QuietCaller caller;
    CCallerDlg &dialog = caller.dialog;
    QPushButton *start = caller.start;
    QPushButton *stop = caller.stop;
    int result = 0;
    QTimer::singleShot(300, &dialog, [&] {
        for (int k = 0; k < draws; ++k) {
            start->click();
            stop->click();
        }
        if (!audienceOutput.isEmpty()) {
            dialog.ToggleAudienceScreen();
            auto *audience = dialog.findChild<AudienceScreen *>();
            audience->showNormal();
            audience->resize(1280, 720);
            if (!audience->grab().save(audienceOutput)) {
                std::fprintf(stderr, "callershot: cannot write %s\n", qPrintable(audienceOutput));
                result = 1;
            }
            dialog.ToggleAudienceScreen();
        }
        start->click();
        // Let the three displays flicker a little before the picture is taken.
        QTimer::singleShot(700, &dialog, [&] {
            if (!dialog.grab().save(output)) {
                std::fprintf(stderr, "callershot: cannot write %s\n", qPrintable(output));
                result = 1;
            }
            // Not reject(): mid-game that asks first, and no one is there to answer.
            dialog.done(QDialog::Rejected);
        });
    });
    dialog.exec();
    return result;
}
