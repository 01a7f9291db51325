#pragma once

#include <QString>

class QFile;

// Files the kit reads (clips, cues, documents, settings) must be plain files: opening a FIFO
// for reading waits until some program writes to it, which would freeze the program. Anything
// else at such a path is treated like a missing file.

// True when path, after its symbolic links, is a regular file.
bool isRegularFile(const QString &path);

// True when something other than a regular file is at path: a folder, FIFO, device, socket, or
// a symbolic link to nothing or in a loop.
bool isNonRegularEntry(const QString &path);

// Opens path for reading when it is a regular file, never waiting on a FIFO; otherwise false,
// with the reason.
bool openRegularFile(QFile &file, const QString &path, QString *reason);
