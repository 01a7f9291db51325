#pragma once

#include "processstarter.h"

// Starts the program through QProcess.
class QtProcessStarter final : public ProcessStarter
{
public:
    std::optional<QString> startDetached(const QString &program,
                                         const QString &workingDirectory) override;
};
