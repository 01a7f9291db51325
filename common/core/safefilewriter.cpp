#include "safefilewriter.h"

#include "filereasons.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
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
// New content for a file written in place stays in memory up to this, then goes to a file.
constexpr qsizetype maxStagedInMemory = 4 * 1024 * 1024;
constexpr int maxLinks = 40;
constexpr int interruptSignals[] = {SIGINT, SIGTERM, SIGHUP};

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

// Writing to a FIFO whose reader has gone raises SIGPIPE, and writing past the size limit
// raises SIGXFSZ; either would end the program. While this lives both are held back in this
// thread (where the kernel sends them) and dropped, and the write fails with EPIPE or EFBIG.
class HeldWriteSignals
{
public:
    HeldWriteSignals()
    {
        sigemptyset(&m_held);
        sigaddset(&m_held, SIGPIPE);
        sigaddset(&m_held, SIGXFSZ);
        sigpending(&m_pendingBefore);
        pthread_sigmask(SIG_BLOCK, &m_held, &m_old);
    }
    ~HeldWriteSignals()
    {
        sigset_t pending;
        sigpending(&pending);
        for (const int signal : {SIGPIPE, SIGXFSZ}) {
            if (sigismember(&pending, signal) && !sigismember(&m_pendingBefore, signal)) {
                sigset_t one;
                sigemptyset(&one);
                sigaddset(&one, signal);
                const timespec now{0, 0};
                sigtimedwait(&one, nullptr, &now);
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    HeldWriteSignals(const HeldWriteSignals &) = delete;
    HeldWriteSignals &operator=(const HeldWriteSignals &) = delete;

private:
    sigset_t m_held{};
    sigset_t m_old{};
    sigset_t m_pendingBefore{};
};

std::atomic<int> deferredSignal{0};

extern "C" void recordInterrupt(int signal)
{
    deferredSignal.store(signal);
}

// While this lives, SIGINT, SIGTERM and SIGHUP (those not ignored) are only recorded, in
// whichever thread they arrive; afterwards the program's own handling of them is back and the
// one recorded is raised again. Keeps a file from being left half-copied.
class DeferredInterrupts
{
public:
    DeferredInterrupts()
    {
        deferredSignal.store(0);
        struct sigaction record
        {
        };
        record.sa_handler = recordInterrupt;
        record.sa_flags = SA_RESTART;
        sigemptyset(&record.sa_mask);
        for (std::size_t i = 0; i < std::size(interruptSignals); ++i) {
            ::sigaction(interruptSignals[i], nullptr, &m_old[i]);
            m_replaced[i] = m_old[i].sa_handler != SIG_IGN &&
                            ::sigaction(interruptSignals[i], &record, nullptr) == 0;
        }
    }
    ~DeferredInterrupts()
    {
        for (std::size_t i = 0; i < std::size(interruptSignals); ++i) {
            if (m_replaced[i])
                ::sigaction(interruptSignals[i], &m_old[i], nullptr);
        }
        if (const int signal = deferredSignal.exchange(0))
            ::raise(signal);
    }
    DeferredInterrupts(const DeferredInterrupts &) = delete;
    DeferredInterrupts &operator=(const DeferredInterrupts &) = delete;

    bool interrupted() const { return deferredSignal.load() != 0; }

private:
    struct sigaction m_old[std::size(interruptSignals)]{};
    bool m_replaced[std::size(interruptSignals)]{};
};

// The temporary files of open writers, where a signal handler can read them: a slot is free
// (0), being filled (1) or holds a name (2).
struct TemporarySlot
{
    std::atomic<int> state{0};
    char name[PATH_MAX];
};
TemporarySlot temporaries[16];

int rememberTemporary(const QByteArray &name)
{
    if (name.size() >= PATH_MAX)
        return -1;
    for (int i = 0; i < int(std::size(temporaries)); ++i) {
        int expected = 0;
        if (temporaries[i].state.compare_exchange_strong(expected, 1)) {
            std::memcpy(temporaries[i].name, name.constData(), std::size_t(name.size()) + 1);
            temporaries[i].state.store(2);
            return i;
        }
    }
    return -1;
}

extern "C" void removeTemporariesAndEnd(int signal)
{
    for (TemporarySlot &slot : temporaries) {
        if (slot.state.load() == 2)
            ::unlink(slot.name);
    }
    // SA_RESETHAND has put the default action back: raised again, the signal ends the program
    // as it would have without this handler.
    ::raise(signal);
}

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

void SafeFileWriter::removeTemporaryFilesOnInterrupt()
{
    struct sigaction cleanUp
    {
    };
    cleanUp.sa_handler = removeTemporariesAndEnd;
    cleanUp.sa_flags = SA_RESETHAND;
    sigemptyset(&cleanUp.sa_mask);
    for (const int signal : interruptSignals) {
        struct sigaction current
        {
        };
        // An ignored signal (nohup) or a handler of the program's own is left as it is.
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
            ::sigaction(signal, &cleanUp, nullptr);
    }
}

bool SafeFileWriter::open(OpenMode mode)
{
    m_failed = false;
    m_written = 0;
    m_buffer.clear();
    if (isOpen())
        return fail(FileReasons::alreadyOpen());
    if ((mode & ~(Truncate | Unbuffered)) != WriteOnly)
        return fail(FileReasons::writeOnly());
    if (m_path.isEmpty())
        return fail(FileReasons::noFileName());
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
        return fail(FileReasons::folder());
    // Opened by the name given: links such as /dev/stdout name a pipe no path leads to.
    if (S_ISFIFO(existing.st_mode) || S_ISCHR(existing.st_mode))
        return openStream();
    if (!S_ISREG(existing.st_mode))
        return fail(FileReasons::notWritableKind());
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
    return fail(FileReasons::inPlaceFailedToo(folderReason, inPlaceReason));
}

QByteArray SafeFileWriter::temporaryName() const
{
    // Hidden, beside the target, and short enough for any name the folder can hold.
    const QByteArray base = m_target.mid(m_target.lastIndexOf('/') + 1).left(40);
    return folderOf(m_target) + "/." + base + '.' +
           QByteArray::number(QRandomGenerator::global()->generate(), 36);
}

bool SafeFileWriter::openTemporary(const struct stat *existing)
{
    m_mode = Mode::Replace;
    if (openUnnamed()) {
        if (existing)
            ::fchmod(m_fd, existing->st_mode & 07777);
        return true;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName();
        // Made and remembered for the interrupt handler in one step, so that no signal in
        // between leaves it behind.
        const DeferredInterrupts deferred;
        // The mode 0666 less the umask is what a new file gets; a file replaced keeps its own.
        m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno == EEXIST)
            continue;
        if (m_fd < 0)
            return fail(FileReasons::noTemporaryFile(FileReasons::systemError(errno)));
        m_temporary = name;
        m_temporarySlot = rememberTemporary(m_temporary);
        if (existing)
            ::fchmod(m_fd, existing->st_mode & 07777);
        return true;
    }
    return fail(FileReasons::noFreeTemporaryName());
}

bool SafeFileWriter::openUnnamed()
{
    // A file with no name in the target's folder: whatever ends the program, even SIGKILL or a
    // power cut, leaves nothing behind. It is given a name through /proc at commit; where the
    // file system has no such files, or /proc is missing, the named temporary file serves.
    m_fd = ::open(folderOf(m_target).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_fd < 0)
        return false;
    if (::access(unnamedPath().constData(), F_OK) == 0)
        return true;
    ::close(std::exchange(m_fd, -1));
    return false;
}

QByteArray SafeFileWriter::unnamedPath() const
{
    return "/proc/self/fd/" + QByteArray::number(m_fd);
}

bool SafeFileWriter::nameUnnamed()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName();
        const DeferredInterrupts deferred;
        if (::linkat(AT_FDCWD, unnamedPath().constData(), AT_FDCWD, name.constData(),
                     AT_SYMLINK_FOLLOW) == 0) {
            m_temporary = name;
            m_temporarySlot = rememberTemporary(m_temporary);
            return true;
        }
        if (errno != EEXIST)
            return failWithErrno(errno);
    }
    return fail(FileReasons::noFreeTemporaryName());
}

bool SafeFileWriter::openInPlace(QString *reason)
{
    const int fd = ::open(m_target.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *reason = FileReasons::systemError(errno);
        return false;
    }
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_size > maxInPlaceBytes) {
        *reason = FileReasons::tooLargeToKeep();
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
            *reason = n < 0 ? FileReasons::systemError(errno) : FileReasons::changedWhileRead();
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
            return fail(FileReasons::fifoWithoutReader());
        return failWithErrno(errno);
    }
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    m_mode = Mode::Stream;
    return true;
}

bool SafeFileWriter::openStaging()
{
    // Unnamed as soon as it is made, so that it goes with the program however that ends.
    const QString folder = QDir::tempPath();
    QByteArray name = QFile::encodeName(folder) + "/bingo-kit-XXXXXX";
    {
        const DeferredInterrupts deferred;
        m_stagingFd = ::mkostemp(name.data(), O_CLOEXEC);
        if (m_stagingFd >= 0)
            ::unlink(name.constData());
    }
    if (m_stagingFd < 0)
        return fail(FileReasons::noStagingFile(folder, FileReasons::systemError(errno)));
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
    if (m_mode == Mode::InPlace) {
        // Nothing reaches the file itself before commit.
        if (m_stagingFd < 0 && m_buffer.size() <= maxStagedInMemory)
            return true;
        if (m_stagingFd < 0 && !openStaging())
            return false;
        if (writeAll(m_stagingFd, m_buffer.constData(), m_buffer.size(), m_written) !=
            m_buffer.size())
            return fail(FileReasons::noStagingFile(QDir::tempPath(), errorString()));
    } else {
        if (writeAll(m_fd, m_buffer.constData(), m_buffer.size(), m_written) != m_buffer.size())
            return false;
        emit bytesWritten(m_buffer.size());
    }
    m_written += m_buffer.size();
    m_buffer.clear();
    return true;
}

qint64 SafeFileWriter::writeAll(int fd, const char *data, qint64 size, qint64 offset)
{
    const HeldWriteSignals held;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = m_mode == Mode::Stream
                              ? ::write(fd, data + done, size - done)
                              : ::pwrite(fd, data + done, size - done, offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            failWithErrno(n < 0 ? errno : ENOSPC);
            break;
        }
        done += n;
    }
    return done;
}

bool SafeFileWriter::copyIntoPlace()
{
    const DeferredInterrupts deferred;
    const HeldWriteSignals held;
    const bool inMemory = m_stagingFd < 0;
    const qint64 size = inMemory ? m_buffer.size() : m_written;
    QByteArray chunk(inMemory ? 0 : bufferBytes, Qt::Uninitialized);
    qint64 overwritten = 0;
    bool ok = true;
    while (ok && overwritten < size) {
        if (deferred.interrupted()) {
            ok = fail(FileReasons::interrupted());
            break;
        }
        const qint64 length = std::min<qint64>(bufferBytes, size - overwritten);
        const char *data = m_buffer.constData() + overwritten;
        if (!inMemory) {
            const ssize_t n = ::pread(m_stagingFd, chunk.data(), length, overwritten);
            if (n != length) {
                ok = failWithErrno(n < 0 ? errno : EIO);
                break;
            }
            data = chunk.constData();
        }
        const qint64 n = writeAll(m_fd, data, length, overwritten);
        overwritten += n;
        ok = n == length;
        if (ok)
            emit bytesWritten(n);
    }
    if (ok && deferred.interrupted())
        ok = fail(FileReasons::interrupted());
    bool truncated = false;
    if (ok) {
        truncated = ::ftruncate(m_fd, size) == 0;
        ok = (truncated && ::fsync(m_fd) == 0) || failWithErrno(errno);
    }
    if (!ok)
        restoreOldContent(truncated ? m_oldContent.size() : overwritten);
    return ok;
}

bool SafeFileWriter::restoreOldContent(qint64 overwritten)
{
    // Only the bytes overwritten go back: they lie over blocks the file already has, so a full
    // disk or the size limit does not stop them.
    const QString reason = errorString();
    const qint64 length = std::min<qint64>(overwritten, m_oldContent.size());
    int error = 0;
    if (writeAll(m_fd, m_oldContent.constData(), length, 0) != length ||
        ::ftruncate(m_fd, m_oldContent.size()) != 0 || ::fsync(m_fd) != 0)
        error = errno;
    if (error == 0) {
        setErrorString(reason);
        return true;
    }
    return fail(FileReasons::oldContentNotRestored(reason, FileReasons::systemError(error)));
}

bool SafeFileWriter::commit()
{
    if (!isOpen())
        return fail(FileReasons::notOpen());
    bool ok = flushBuffer();
    if (ok && m_mode == Mode::InPlace)
        ok = copyIntoPlace();
    else if (ok && m_mode == Mode::Replace && ::fsync(m_fd) != 0)
        ok = failWithErrno(errno);
    if (ok && m_mode == Mode::Replace && m_temporary.isEmpty())
        ok = nameUnnamed();
    if (ok) {
        const bool closed = ::close(std::exchange(m_fd, -1)) == 0;
        if (m_mode == Mode::Replace &&
            (!closed || ::rename(m_temporary.constData(), m_target.constData()) != 0))
            ok = failWithErrno(errno);
    }
    if (!ok) {
        discard();
        QIODevice::close();
        return false;
    }
    if (m_mode == Mode::Replace) {
        forgetTemporary();
        // The rename itself lasts through a power cut only once the folder is on disk too.
        const int folder = ::open(folderOf(m_target).constData(), O_RDONLY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
    }
    discard();
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

void SafeFileWriter::forgetTemporary()
{
    if (m_temporarySlot >= 0)
        temporaries[m_temporarySlot].state.store(0);
    m_temporarySlot = -1;
    m_temporary.clear();
}

void SafeFileWriter::discard()
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    if (m_stagingFd >= 0)
        ::close(std::exchange(m_stagingFd, -1));
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    forgetTemporary();
    m_oldContent.clear();
    m_buffer.clear();
}

bool SafeFileWriter::fail(const QString &reason)
{
    m_failed = true;
    setErrorString(reason);
    return false;
}

bool SafeFileWriter::failWithErrno(int error)
{
    fail(FileReasons::systemError(error));
    errno = error; // for a caller that reports it again
    return false;
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
