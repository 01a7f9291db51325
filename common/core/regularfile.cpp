#include "regularfile.h"

#include "filereasons.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool isRegularFile(const QString &path)
{
    struct stat status;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           S_ISREG(status.st_mode);
}

bool isNonRegularEntry(const QString &path)
{
    struct stat status;
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &status) == 0 &&
           !isRegularFile(path);
}

namespace {

QString notRegularReason(const struct stat &status)
{
    return S_ISDIR(status.st_mode) ? FileReasons::folder() : FileReasons::notRegularFile();
}

} // namespace

bool openRegularFile(QFile &file, const QString &path, QString *reason)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (path.isEmpty() || ::stat(name.constData(), &status) != 0) {
        *reason = path.isEmpty() ? FileReasons::noFileName() : FileReasons::systemError(errno);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        *reason = notRegularReason(status);
        return false;
    }
    // Should a FIFO take the file's place after the look above, O_NONBLOCK still returns at
    // once, and the check once open refuses it.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *reason = FileReasons::systemError(errno);
        return false;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        *reason = FileReasons::notRegularFile();
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}
