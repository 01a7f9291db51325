#include "safefilewriter.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr qsizetype bufferBytes = 64 * 1024;
// An old file is kept in memory while it is written in place; past this it is refused instead.
constexpr qint64 maxInPlaceBytes = 256 * 1024 * 1024;
constexpr int maxLinks = 40;

QString errnoText(int error)
{
    if (error == ELOOP)
        return QStringLiteral("it is a loop of symbolic links");
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// Follows the symbolic links of the last component, so that the file replaced is the one the
// links point to and the links stay; a link to nothing yet gives the file it would create.
QByteArray resolveLinks(QByteArray path)
{
    for (int i = 0; i < maxLinks; ++i) {
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), link.data(), link.size());
        if (length < 0)
            return path;
        link.truncate(length);
        path = link.startsWith('/') ? link : folderOf(path) + '/' + link;
    }
    return path;
}

// Writing to a FIFO whose reader has gone raises SIGPIPE, which would end the program; while
// this lives the signal is held back and dropped, and the write fails with EPIPE instead.
class SigpipeBlock
{
public:
    SigpipeBlock()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_old);
    }
    ~SigpipeBlock()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!m_wasPending && sigismember(&pending, SIGPIPE)) {
            const timespec now{0, 0};
            sigtimedwait(&m_pipe, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    SigpipeBlock(const SigpipeBlock &) = delete;
    SigpipeBlock &operator=(const SigpipeBlock &) = delete;

private:
    sigset_t m_pipe{};
    sigset_t m_old{};
    bool m_wasPending = false;
};

} // namespace

SafeFileWriter::SafeFileWriter(const QString &path, QObject *parent)
    : QIODevice(parent)
    , m_path(path)
{}

SafeFileWriter::~SafeFileWriter()
{
    if (isOpen())
        cancelWriting();
}

bool SafeFileWriter::open(OpenMode mode)
{
    m_failed = false;
    m_written = 0;
    m_buffer.clear();
    if (isOpen())
        return fail(QStringLiteral("it is already open"));
    if ((mode & ~(Truncate | Unbuffered)) != WriteOnly)
        return fail(QStringLiteral("it can only be written, not read or appended to"));
    if (m_path.isEmpty())
        return fail(QStringLiteral("no file name was given"));
    m_target = QFile::encodeName(m_path);

    struct stat link;
    if (::lstat(m_target.constData(), &link) != 0) {
        if (errno != ENOENT)
            return failWithErrno(errno);
        if (!openTemporary(nullptr))
            return false;
    } else if (!openExisting()) {
        return false;
    }
    return QIODevice::open(WriteOnly | Unbuffered);
}

bool SafeFileWriter::openExisting()
{
    struct stat existing;
    if (::stat(m_target.constData(), &existing) != 0) {
        if (errno != ENOENT)
            return failWithErrno(errno);
        m_target = resolveLinks(m_target); // a link to a file not made yet
        return openTemporary(nullptr);
    }
    if (S_ISDIR(existing.st_mode))
        return fail(QStringLiteral("it is a folder"));
    // Opened by the name given: links such as /dev/stdout name a pipe no path leads to.
    if (S_ISFIFO(existing.st_mode) || S_ISCHR(existing.st_mode))
        return openStream();
    if (!S_ISREG(existing.st_mode))
        return fail(QStringLiteral("it is not a regular file, a FIFO or a character device"));
    m_target = resolveLinks(m_target);
    if (::access(m_target.constData(), W_OK) != 0)
        return failWithErrno(errno);
    if (openTemporary(&existing))
        return true;
    // The folder takes no new file (no write permission, for one); the file itself may still
    // be written where it is.
    const QString folderReason = errorString();
    QString inPlaceReason;
    if (openInPlace(&inPlaceReason)) {
        m_failed = false;
        setErrorString({});
        return true;
    }
    return fail(
        QStringLiteral("%1; writing it in place failed too: %2").arg(folderReason, inPlaceReason));
}

bool SafeFileWriter::openTemporary(const struct stat *existing)
{
    // Hidden, beside the target, and short enough for any name the folder can hold.
    const QByteArray base = m_target.mid(m_target.lastIndexOf('/') + 1).left(40);
    const QByteArray prefix = folderOf(m_target) + "/." + base + '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name =
            prefix + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // The mode 0666 less the umask is what a new file gets; a file replaced keeps its own.
        m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno == EEXIST)
            continue;
        if (m_fd < 0)
            return fail(QStringLiteral("cannot create a temporary file in its folder: %1")
                            .arg(errnoText(errno)));
        m_temporary = name;
        m_mode = Mode::Replace;
        if (existing)
            ::fchmod(m_fd, existing->st_mode & 07777);
        return true;
    }
    return fail(QStringLiteral("cannot find a free temporary name in its folder"));
}

bool SafeFileWriter::openInPlace(QString *reason)
{
    const int fd = ::open(m_target.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *reason = errnoText(errno);
        return false;
    }
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_size > maxInPlaceBytes) {
        *reason = QStringLiteral("it is too large to keep a copy of while it is written");
        ::close(fd);
        return false;
    }
    QByteArray old(opened.st_size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < old.size()) {
        const ssize_t n = ::pread(fd, old.data() + done, old.size() - done, done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *reason = n < 0 ? errnoText(errno) : QStringLiteral("it changed while it was read");
            ::close(fd);
            return false;
        }
        done += n;
    }
    m_fd = fd;
    m_oldContent = old;
    m_mode = Mode::InPlace;
    return true;
}

bool SafeFileWriter::openStream()
{
    // Without O_NONBLOCK, opening a FIFO waits until some program opens it for reading.
    m_fd = ::open(m_target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        if (errno == ENXIO)
            return fail(QStringLiteral("it is a FIFO that no program is reading from"));
        return failWithErrno(errno);
    }
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    m_mode = Mode::Stream;
    return true;
}

qint64 SafeFileWriter::readData(char *, qint64)
{
    return -1;
}

qint64 SafeFileWriter::writeData(const char *data, qint64 size)
{
    if (m_failed || m_fd < 0)
        return -1;
    m_buffer.append(data, size);
    if (m_buffer.size() >= bufferBytes && !flushBuffer())
        return -1;
    return size;
}

bool SafeFileWriter::flushBuffer()
{
    if (m_failed)
        return false;
    if (!writeAll(m_buffer.constData(), m_buffer.size(), m_written))
        return false;
    m_written += m_buffer.size();
    m_buffer.clear();
    return true;
}

bool SafeFileWriter::writeAll(const char *data, qint64 size, qint64 offset)
{
    const SigpipeBlock noSigpipe;
    while (size > 0) {
        const ssize_t n =
            m_mode == Mode::Stream ? ::write(m_fd, data, size) : ::pwrite(m_fd, data, size, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failWithErrno(errno);
        if (n == 0)
            return failWithErrno(ENOSPC);
        data += n;
        size -= n;
        offset += n;
    }
    return true;
}

bool SafeFileWriter::commit()
{
    if (!isOpen())
        return fail(QStringLiteral("it was not open for writing"));
    bool ok = flushBuffer();
    if (ok && m_mode == Mode::InPlace && ::ftruncate(m_fd, m_written) != 0)
        ok = failWithErrno(errno);
    if (ok && m_mode != Mode::Stream && ::fsync(m_fd) != 0)
        ok = failWithErrno(errno);
    if (!ok) {
        discard();
        QIODevice::close();
        return false;
    }
    const bool closed = ::close(std::exchange(m_fd, -1)) == 0;
    if (m_mode == Mode::Replace) {
        if (!closed || ::rename(m_temporary.constData(), m_target.constData()) != 0) {
            failWithErrno(errno);
            ::unlink(m_temporary.constData());
            m_temporary.clear();
            QIODevice::close();
            return false;
        }
        m_temporary.clear();
        // The rename itself lasts through a power cut only once the folder is on disk too.
        const int folder = ::open(folderOf(m_target).constData(), O_RDONLY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
    }
    m_oldContent.clear();
    QIODevice::close();
    return true;
}

void SafeFileWriter::cancelWriting()
{
    if (!isOpen())
        return;
    discard();
    QIODevice::close();
}

void SafeFileWriter::close()
{
    cancelWriting();
}

void SafeFileWriter::discard()
{
    if (m_mode == Mode::InPlace && m_fd >= 0 && !restoreOldContent()) {
        const QString reason = errnoText(errno);
        fail(QStringLiteral("%1; putting the old content back failed: %2")
                 .arg(errorString(), reason));
    }
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    if (m_mode == Mode::Replace && !m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    m_temporary.clear();
    m_oldContent.clear();
    m_buffer.clear();
}

bool SafeFileWriter::restoreOldContent()
{
    // The old bytes go back over blocks the file already has, so a full disk does not stop it.
    const bool failed = m_failed;
    const QString reason = errorString();
    const bool restored = writeAll(m_oldContent.constData(), m_oldContent.size(), 0) &&
                          ::ftruncate(m_fd, m_oldContent.size()) == 0 && ::fsync(m_fd) == 0;
    const int error = errno;
    m_failed = failed;
    setErrorString(reason);
    errno = error;
    return restored;
}

bool SafeFileWriter::fail(const QString &reason)
{
    m_failed = true;
    setErrorString(reason);
    return false;
}

bool SafeFileWriter::failWithErrno(int error)
{
    return fail(errnoText(error));
}

std::optional<QString> writeFileSafely(const QString &path, const QByteArray &content)
{
    SafeFileWriter file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(content);
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
