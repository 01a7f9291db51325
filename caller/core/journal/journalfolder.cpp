#include "journalfolder.h"

#include "filereasons.h"
#include "regularfile.h"
#include "safefilewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString AsideSuffix = QStringLiteral(".unreadable");
const QString StampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
// A journal holds at most a few kilobytes; anything much larger is no journal.
constexpr qint64 MaxJournalBytes = 1 << 20;

QString folderSystemError()
{
    return FileReasons::systemError(errno);
}

// Anything at all at path, a dangling link included.
bool entryExists(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

// A rename is on the disk only once its folder is.
bool syncFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Why what is at path is no regular file: a folder, a link to nothing, a FIFO or a device.
QString notRegularReason(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return folderSystemError();
    return S_ISDIR(status.st_mode) ? FileReasons::folder() : FileReasons::notRegularFile();
}

enum class LeftLock { Removed, Gone, Held, Failed };

// Removes a lock file no running program holds. QLockFile keeps a kernel lock (flock) on its
// file for as long as it holds it, and the kernel drops that however the program ended, so an
// empty file (a power cut), garbage or the number of a process long gone all count as left
// behind. Opened without waiting and checked to be a regular file, so a FIFO or device put in
// its place is never waited on or read.
LeftLock removeLeftLock(const QString &lockPath, QString *reason)
{
    const QByteArray name = QFile::encodeName(lockPath);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return LeftLock::Gone;
        *reason = folderSystemError();
        return LeftLock::Failed;
    }
    LeftLock result = LeftLock::Failed;
    struct stat opened;
    struct stat named;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        *reason = FileReasons::notRegularFile();
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            result = LeftLock::Held;
        else
            *reason = folderSystemError();
    } else if (opened.st_size == 0 && std::abs(now.tv_sec - opened.st_mtim.tv_sec) < 2) {
        // QLockFile makes its file before it locks it: a program is starting this moment.
        result = LeftLock::Held;
    } else if (::stat(name.constData(), &named) != 0 || named.st_dev != opened.st_dev ||
               named.st_ino != opened.st_ino) {
        // Another program took the file over meanwhile; look again.
        result = LeftLock::Gone;
    } else if (::unlink(name.constData()) == 0) {
        result = LeftLock::Removed;
    } else {
        *reason = folderSystemError();
    }
    ::close(fd);
    return result;
}

QString claimError(QLockFile::LockError error)
{
    return error == QLockFile::PermissionError
               ? QCoreApplication::translate("JournalFolder", "フォルダーに書く許可がありません。")
               : QCoreApplication::translate("JournalFolder", "記録の鍵ファイルを作れません。");
}

// A claim held until released, however long the game. QLockFile is only ever given a free name:
// what it finds at its path it opens and reads, and it would wait forever on a FIFO there.
JournalFolder::Claim tryClaim(const QString &lockPath, bool *heldElsewhere, QString *reason)
{
    *heldElsewhere = false;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (entryExists(lockPath)) {
            if (!isRegularFile(lockPath)) {
                *reason = notRegularReason(lockPath);
                return nullptr;
            }
            switch (removeLeftLock(lockPath, reason)) {
            case LeftLock::Held:
                *heldElsewhere = true;
                return nullptr;
            case LeftLock::Failed:
                return nullptr;
            case LeftLock::Removed:
            case LeftLock::Gone:
                continue;
            }
        }
        auto lock = std::make_unique<QLockFile>(lockPath);
        lock->setStaleLockTime(0);
        if (lock->tryLock(0))
            return lock;
        // Made by another program since the look above: look again.
        if (lock->error() != QLockFile::LockFailedError) {
            *reason = claimError(lock->error());
            return nullptr;
        }
    }
    *reason = QCoreApplication::translate("JournalFolder", "記録の鍵ファイルを作れません。");
    return nullptr;
}

// The journal at path as it reads now; nothing when no regular file is there (anymore), which
// is treated like no file at all, so a FIFO or device is never waited on.
std::optional<JournalReading> readJournal(const QString &path)
{
    QFile file;
    QString reason;
    if (!openRegularFile(file, path, &reason)) {
        if (!isRegularFile(path))
            return std::nullopt;
        JournalReading reading;
        reading.error = reason;
        return reading;
    }
    const QByteArray bytes = file.read(MaxJournalBytes + 1);
    if (bytes.size() > MaxJournalBytes) {
        JournalReading reading;
        reading.error =
            QCoreApplication::translate("JournalFolder", "ゲームの記録にしては大きすぎます。");
        return reading;
    }
    return JournalFormat::read(bytes);
}

} // namespace

JournalFolder::JournalFolder(QString path, Sync sync)
    : m_path(std::move(path))
    , m_sync(sync ? std::move(sync) : Sync([](int fd) { return ::fsync(fd) == 0; }))
{}

bool JournalFolder::appendDurably(int fd, const QByteArray &bytes, QString *error) const
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *error = folderSystemError();
            return false;
        }
        done += written;
    }
    if (!m_sync(fd)) {
        *error = folderSystemError();
        return false;
    }
    return true;
}

QString JournalFolder::defaultPath()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/kavelo/journal");
}

bool JournalFolder::isJournalName(const QString &fileName)
{
    static const QRegularExpression form(
        QStringLiteral("^game-([0-9]{8})-([0-9]{6}-[0-9]{3})\\.journal$"));
    const QRegularExpressionMatch match = form.match(fileName);
    // Date and time apart: the stamp is UTC, and a local clock's missing hour must not refuse it.
    return match.hasMatch() &&
           QDate::fromString(match.captured(1), QStringLiteral("yyyyMMdd")).isValid() &&
           QTime::fromString(match.captured(2), QStringLiteral("HHmmss-zzz")).isValid();
}

QStringList JournalFolder::journals() const
{
    QStringList found;
    for (const QString &name :
         QDir(m_path).entryList(QDir::AllEntries | QDir::System, QDir::Name)) {
        const QString path = m_path + u'/' + name;
        if (isJournalName(name) && isRegularFile(path))
            found << path;
    }
    return found;
}

JournalFolder::Claim JournalFolder::claim(const QString &journal, bool *heldElsewhere,
                                          QString *reason) const
{
    bool held = false;
    QString why;
    Claim claim = tryClaim(journal + QStringLiteral(".lock"), &held, &why);
    if (heldElsewhere)
        *heldElsewhere = held;
    if (reason)
        *reason = why;
    return claim;
}

QString JournalFolder::folderLockPath() const
{
    return m_path + QStringLiteral("/running.lock");
}

JournalFolder::Claim JournalFolder::claimFolder(bool *heldElsewhere, QString *reason) const
{
    *heldElsewhere = false;
    if (!QDir().mkpath(m_path)) {
        *reason = QCoreApplication::translate("JournalFolder", "フォルダーを作れません。");
        return nullptr;
    }
    return tryClaim(folderLockPath(), heldElsewhere, reason);
}

bool JournalFolder::reserve(int fd, QString *error)
{
    int result = 0;
    do
        result = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, ReservedBytes);
    while (result != 0 && errno == EINTR);
    if (result == 0 || errno == EOPNOTSUPP || errno == ENOSYS)
        return true;
    *error = folderSystemError();
    return false;
}

std::optional<JournalFolder::Claimed>
JournalFolder::create(const QDateTime &time, const QByteArray &firstRecord, QString *error) const
{
    if (!QDir().mkpath(m_path)) {
        *error = QCoreApplication::translate("JournalFolder", "フォルダーを作れません。");
        return std::nullopt;
    }
    // Two games can start within a millisecond only in two programs; the later one moves on by
    // a millisecond. The name is claimed before it is looked at, so neither program can take a
    // name the other is making.
    QDateTime moment = time.toUTC();
    for (int attempt = 0; attempt < 1000; ++attempt, moment = moment.addMSecs(1)) {
        const QString target =
            m_path + QStringLiteral("/game-") + moment.toString(StampFormat) + ".journal";
        bool held = false;
        QString reason;
        Claim claim = this->claim(target, &held, &reason);
        // A lock file of this name that cannot be taken only moves the name on.
        if (!claim && !held && !entryExists(target + QStringLiteral(".lock"))) {
            *error = reason;
            return std::nullopt;
        }
        if (!claim || entryExists(target))
            continue;
        // The first record reaches the disk whole, under its name, or not at all.
        if (const std::optional<QString> failure = writeFileSafely(target, firstRecord)) {
            *error = *failure;
            return std::nullopt;
        }
        prune(target);
        pruneAside();
        return Claimed{target, std::move(claim)};
    }
    *error = QCoreApplication::translate("JournalFolder", "新しい記録の名前が見つかりません。");
    return std::nullopt;
}

bool JournalFolder::Found::unfinished() const
{
    return reading && reading->game && !reading->game->complete();
}

QList<JournalFolder::Found> JournalFolder::survey() const
{
    QList<Found> found;
    for (const QString &path : journals()) {
        Found entry{path, readJournal(path), {}};
        entry.written = entry.reading && entry.reading->game ? entry.reading->game->lastTime
                                                             : QFileInfo(path).lastModified();
        found.append(std::move(entry));
    }
    return found;
}

std::optional<JournalFolder::Unfinished>
JournalFolder::lastUnfinished(QList<Unreadable> *unreadable) const
{
    const QList<Found> found = survey();
    std::optional<Unfinished> last;
    for (const Found &entry : found) {
        const std::optional<JournalReading> &first = entry.reading;
        // A finished game is only read, so it needs no claim.
        if (!first || (first->game && first->game->complete()))
            continue;
        bool held = false;
        QString reason;
        Claim claim = this->claim(entry.path, &held, &reason);
        if (held)
            continue;
        // Read again under the claim: the program that held it may have written since.
        std::optional<JournalReading> reading = claim ? readJournal(entry.path) : first;
        if (!reading || (reading->game && reading->game->complete()))
            continue;
        if (!reading->game) {
            // Moved aside only when claimed: no other program can be writing it.
            if (!claim)
                continue;
            Unreadable aside{entry.path, reading->error, {}, {}};
            if (const std::optional<QString> kept = moveAside(entry.path, &aside.moveError))
                aside.keptAs = *kept;
            unreadable->append(aside);
            continue;
        }
        if (continuedElsewhere(*reading->game, found))
            continue;
        // By the time of its last record, not by name: a name can be later than any record.
        if (last && reading->game->lastTime < last->reading.game->lastTime)
            continue;
        const QString sameFileError =
            claim ? QString()
                  : QCoreApplication::translate("JournalFolder", "鍵ファイル %1 を使えません。%2")
                        .arg(QDir::toNativeSeparators(entry.path + ".lock"), reason);
        last = Unfinished{{entry.path, std::move(claim)}, std::move(*reading), sameFileError};
    }
    return last;
}

std::optional<QString> JournalFolder::moveAside(const QString &journal, QString *error) const
{
    const QString target = journal + AsideSuffix;
    QFile::remove(target);
    if (::rename(QFile::encodeName(journal).constData(), QFile::encodeName(target).constData()) !=
        0) {
        *error = folderSystemError();
        return std::nullopt;
    }
    syncFolder(m_path);
    return target;
}

void JournalFolder::prune(const QString &keep) const
{
    QList<Found> found = survey();
    found.removeIf([&keep](const Found &entry) { return entry.path == keep; });
    qsizetype excess = found.size() + 1 - KeptGames;
    if (excess <= 0)
        return;
    // Oldest first, by what they record; a name can claim any time at all.
    std::stable_sort(found.begin(), found.end(),
                     [](const Found &a, const Found &b) { return a.written < b.written; });
    // The unfinished game the next start would offer stays, however old: the newest one no
    // other program plays.
    const Found *offered = nullptr;
    for (auto it = found.crbegin(); it != found.crend() && !offered; ++it) {
        if (!it->unfinished() || continuedElsewhere(*it->reading->game, found))
            continue;
        bool held = false;
        const Claim probe = this->claim(it->path, &held);
        if (!held)
            offered = &*it;
    }
    for (const Found &entry : found) {
        if (excess <= 0)
            break;
        if (&entry == offered)
            continue;
        // A journal another program still plays stays, and the next older one goes instead.
        if (const Claim claim = this->claim(entry.path)) {
            QFile::remove(entry.path);
            --excess;
        }
    }
}

bool JournalFolder::continuedElsewhere(const JournalGame &game, const QList<Found> &found)
{
    for (const Found &other : found) {
        if (!other.reading || !other.reading->game)
            continue;
        const JournalGame &copy = *other.reading->game;
        if (copy.started == game.started && copy.seed == game.seed &&
            copy.gameOfRun == game.gameOfRun && copy.drawOrder == game.drawOrder &&
            copy.drawCount() >= game.drawCount() && copy.lastTime > game.lastTime)
            return true;
    }
    return false;
}

void JournalFolder::pruneAside() const
{
    QStringList names;
    for (const QString &name :
         QDir(m_path).entryList(QDir::AllEntries | QDir::System, QDir::Name)) {
        if (name.endsWith(AsideSuffix) && isJournalName(name.chopped(AsideSuffix.size())))
            names << name;
    }
    for (qsizetype i = 0; i + KeptGames < names.size(); ++i)
        QFile::remove(m_path + u'/' + names[i]);
}
