#pragma once

#include "filechooser.h"

#include <QList>
#include <QStringList>

// Stands in for the person at the file dialog: answers with the given paths in turn (an empty
// one, or none left, is a cancel) and keeps what each dialog was opened for.
class ScriptedFiles final : public FileChooser
{
public:
    QString choose(QWidget *, Purpose purpose, const QString &title,
                   const QStringList &filters) override
    {
        purposes.append(purpose);
        titles.append(title);
        nameFilters = filters;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QList<Purpose> purposes;
    QStringList titles;
    // The name filters of the last dialog.
    QStringList nameFilters;
};
