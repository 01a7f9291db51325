#pragma once

#include <QString>

#include <optional>

// Starts a program as a process of its own, with no arguments and no shell, and does not wait
// for it. Tests hand in one that records the request.
class ProcessStarter
{
public:
    virtual ~ProcessStarter() = default;
    // Returns why the program could not be started, or nothing when it runs.
    virtual std::optional<QString> startDetached(const QString &program,
                                                 const QString &workingDirectory) = 0;
};
