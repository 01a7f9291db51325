#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The whole content of a file, or "<missing>" where it cannot be read, so that a comparison
// tells a missing file from an empty one.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}
