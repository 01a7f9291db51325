#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes content to path, replacing what was there: false unless all of it was written.
inline bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
