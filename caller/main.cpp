#include "callercommandline.h"
#include "ccallerapp.h"
#include "commandlinerules.h"
#include "processlimits.h"
#include "qttranslation.h"
#include "safefilewriter.h"
#include "sheetcheckcommand.h"
#include "standardstreams.h"

#include <QCoreApplication>

#include <new>

int main(int argc, char *argv[])
{
    holdClosedStandardStreams();
    if (openFilesRefusal()) {
        QCoreApplication app(argc, argv);
        installKitTranslations(app, QStringLiteral("kavelo"));
        printTo(stderr, QStringLiteral("Kavelo: %1\n").arg(*openFilesRefusal()));
        return 1;
    }
    SafeFileWriter::removeTemporaryFilesOnInterrupt();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (requestsSheetCheck(arguments)) {
        QCoreApplication app(argc, argv);
        installKitTranslations(app, QStringLiteral("kavelo"));
        return finishStandardOutput("kavelo", *checkSheetFromCommandLine(argc, argv));
    }
    CallerCommandLine commandLine = CallerCommandLine::parse(arguments);
    if (commandLine.mode != CallerCommandLine::Mode::Window) {
        QCoreApplication app(argc, argv);
        installKitTranslations(app, QStringLiteral("kavelo"));
        // Read again with the translations in place, so that help and refusals speak the
        // user's language.
        commandLine = CallerCommandLine::parse(arguments);
        switch (commandLine.mode) {
        case CallerCommandLine::Mode::Help:
            printTo(stdout, CallerCommandLine::helpText());
            return finishStandardOutput("kavelo", 0);
        case CallerCommandLine::Mode::Version:
            printTo(stdout, QStringLiteral("Kavelo %1\n").arg(CallerCommandLine::Version));
            return finishStandardOutput("kavelo", 0);
        case CallerCommandLine::Mode::Error:
            printTo(stderr, QStringLiteral("kavelo: %1\n%2\n")
                                .arg(commandLine.error,
                                     CommandLineRules::tryHelp(CallerCommandLine::Command)));
            return 2;
        case CallerCommandLine::Mode::Window:
            break;
        }
    }
    CCallerApp app(argc, argv);
    try {
        return app.InitInstance(commandLine.seed, commandLine.serve, commandLine.port);
    } catch (const std::bad_alloc &) {
        printTo(stderr, QStringLiteral("Kavelo: %1\n").arg(outOfMemory()));
        return 1;
    }
}
