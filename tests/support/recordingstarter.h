#pragma once

#include "processstarter.h"

#include <QStringList>

// Starts nothing: keeps each request as "<program> in <dir>" and answers with `failure`.
class RecordingStarter final : public ProcessStarter
{
public:
    std::optional<QString> startDetached(const QString &program, const QString &dir) override
    {
        started << program + QStringLiteral(" in ") + dir;
        return failure;
    }

    QStringList started;
    std::optional<QString> failure;
};
