#include "qtprocessstarter.h"

#include <QProcess>

std::optional<QString> QtProcessStarter::startDetached(const QString &program,
                                                       const QString &workingDirectory)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments({});
    process.setWorkingDirectory(workingDirectory);
    if (process.startDetached())
        return std::nullopt;
    return process.errorString();
}
