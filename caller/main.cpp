#include "callercommandline.h"
#include "ccallerapp.h"
#include "sheetcheckcommand.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void printTo(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto status = checkSheetFromCommandLine(argc, argv))
        return *status;

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CallerCommandLine commandLine = CallerCommandLine::parse(arguments);

    switch (commandLine.mode) {
    case CallerCommandLine::Mode::Help: {
        QCoreApplication app(argc, argv);
        printTo(stdout, CallerCommandLine::helpText());
        return 0;
    }
    case CallerCommandLine::Mode::Version:
        printTo(stdout, QStringLiteral("Kavelo %1\n").arg(CallerCommandLine::Version));
        return 0;
    case CallerCommandLine::Mode::Error:
        printTo(stderr,
                QStringLiteral("Kavelo: %1\nTry \"Kavelo --help\".\n").arg(commandLine.error));
        return 2;
    case CallerCommandLine::Mode::Window:
        break;
    }
    CCallerApp app(argc, argv);
    return app.InitInstance(commandLine.seed, commandLine.serve, commandLine.port);
}
