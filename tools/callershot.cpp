// Makes the README's picture of the caller in the middle of a game: a few numbers drawn, then
// a draw spinning, grabbed from the real dialog.
//
// usage: callershot <file.png> [draws]

#include "ccallerdlg.h"
#include "filechooser.h"
#include "fontsubstitutions.h"
#include "messagepresenter.h"
#include "processstarter.h"
#include "sleeper.h"
#include "soundoutput.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

class SilentSound final : public SoundOutput
{
public:
    bool open(const QString &) override { return false; }
    void play() override {}
    void close() override {}
};

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

    SilentSound sound;
    QtFileChooser files;
    QtMessagePresenter messages;
    QtProcessStarter processes;
    NoSleep sleeper;
    CallerServices services;
    services.sound = &sound;
    services.files = &files;
    services.messages = &messages;
    services.processes = &processes;
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
