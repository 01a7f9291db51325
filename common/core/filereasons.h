#pragma once

#include <QString>

// Why a file could not be read or written, in the user interface's language. Every reason the
// safe writer and the regular-file reader give comes from here, each a whole sentence, so that
// a message built from them reads in one language.
namespace FileReasons {

// The reason for a failed system call, from its errno. The system's own texts are English; the
// errors a user meets are named here, any other by its number.
QString systemError(int error);

QString noFileName();
QString folder();
QString notRegularFile();
QString notWritableKind();
QString fifoWithoutReader();
QString alreadyOpen();
QString writeOnly();
QString notOpen();
QString noTemporaryFile(const QString &why);
QString noFreeTemporaryName();
QString inPlaceFailedToo(const QString &folderReason, const QString &inPlaceReason);
QString tooLargeToKeep();
QString changedWhileRead();
QString noStagingFile(const QString &folder, const QString &why);
QString interrupted();
QString oldContentNotRestored(const QString &reason, const QString &why);
QString standardOutputFailed(const QString &why);

} // namespace FileReasons
