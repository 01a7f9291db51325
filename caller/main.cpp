#include "callercommandline.h"
#include "ccallerapp.h"
#include "qttranslation.h"
#include "safefilewriter.h"
#include "sheetcheckcommand.h"
#include "standardstreams.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    holdClosedStandardStreams();
    SafeFileWriter::removeTemporaryFilesOnInterrupt();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (requestsSheetCheck(arguments)) {
        QCoreApplication app(argc, argv);
        installKitTranslations(app, QStringLiteral("kavelo"));
        return finishStandardOutput("Kavelo", *checkSheetFromCommandLine(argc, argv));
    }
    const CallerCommandLine commandLine = CallerCommandLine::parse(arguments);

    switch (commandLine.mode) {
    case CallerCommandLine::Mode::Help: {
        QCoreApplication app(argc, argv);
        printTo(stdout, CallerCommandLine::helpText());
        return finishStandardOutput("Kavelo", 0);
    }
    case CallerCommandLine::Mode::Version:
        printTo(stdout, QStringLiteral("Kavelo %1\n").arg(CallerCommandLine::Version));
        return finishStandardOutput("Kavelo", 0);
    case CallerCommandLine::Mode::Error:
        printTo(stderr, QStringLiteral("Kavelo: %1\nTry \"%2 --help\".\n")
                            .arg(commandLine.error, CallerCommandLine::Command));
        return 2;
    case CallerCommandLine::Mode::Window:
        break;
    }
    CCallerApp app(argc, argv);
    return app.InitInstance(commandLine.seed);
}
