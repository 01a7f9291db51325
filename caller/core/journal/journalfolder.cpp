#include "journalfolder.h"

#include "filereasons.h"
#include "regularfile.h"
#include "safefilewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString AsideSuffix = QStringLiteral(".unreadable");
const QString StampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
// A journal holds at most a few kilobytes; anything much larger is no journal.
constexpr qint64 MaxJournalBytes = 1 << 20;

QString systemError()
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

// A claim held until released, however long the game: only a program that is gone leaves a
// stale one.
JournalFolder::Claim tryClaim(const QString &lockPath, QLockFile::LockError *error)
{
    auto lock = std::make_unique<QLockFile>(lockPath);
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    *error = lock->error();
    return nullptr;
}

QString claimError(QLockFile::LockError error)
{
    return error == QLockFile::PermissionError
               ? QCoreApplication::translate("JournalFolder", "フォルダーに書く許可がありません。")
               : QCoreApplication::translate("JournalFolder", "記録の鍵ファイルを作れません。");
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
            *error = systemError();
            return false;
        }
        done += written;
    }
    if (!m_sync(fd)) {
        *error = systemError();
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

JournalFolder::Claim JournalFolder::claim(const QString &journal) const
{
    QLockFile::LockError error = QLockFile::NoError;
    return tryClaim(journal + QStringLiteral(".lock"), &error);
}

JournalFolder::Claim JournalFolder::claimFolder(bool *heldElsewhere) const
{
    *heldElsewhere = false;
    if (!QDir().mkpath(m_path))
        return nullptr;
    QLockFile::LockError error = QLockFile::NoError;
    Claim claim = tryClaim(m_path + QStringLiteral("/running.lock"), &error);
    *heldElsewhere = !claim && error == QLockFile::LockFailedError;
    return claim;
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
        QLockFile::LockError lockError = QLockFile::NoError;
        Claim claim = tryClaim(target + QStringLiteral(".lock"), &lockError);
        if (!claim && lockError != QLockFile::LockFailedError) {
            *error = claimError(lockError);
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

std::optional<JournalFolder::Unfinished>
JournalFolder::lastUnfinished(QList<Unreadable> *unreadable) const
{
    std::optional<Unfinished> last;
    for (const QString &path : journals()) {
        const std::optional<JournalReading> first = readJournal(path);
        // A finished game is only read, so it needs no claim.
        if (!first || (first->game && first->game->complete()))
            continue;
        Claim claim = this->claim(path);
        if (!claim)
            continue;
        // Read again under the claim: the program that held it may have written since.
        std::optional<JournalReading> reading = readJournal(path);
        if (!reading || (reading->game && reading->game->complete()))
            continue;
        if (!reading->game) {
            Unreadable entry{path, reading->error, {}, {}};
            if (const std::optional<QString> aside = moveAside(path, &entry.moveError))
                entry.keptAs = *aside;
            unreadable->append(entry);
            continue;
        }
        // By the time of its last record, not by name: a name can be later than any record.
        if (!last || reading->game->lastTime >= last->reading.game->lastTime)
            last = Unfinished{{path, std::move(claim)}, std::move(*reading)};
    }
    return last;
}

std::optional<QString> JournalFolder::moveAside(const QString &journal, QString *error) const
{
    const QString target = journal + AsideSuffix;
    QFile::remove(target);
    if (::rename(QFile::encodeName(journal).constData(), QFile::encodeName(target).constData()) !=
        0) {
        *error = systemError();
        return std::nullopt;
    }
    syncFolder(m_path);
    return target;
}

void JournalFolder::prune(const QString &keep) const
{
    QStringList names = journals();
    names.removeAll(keep);
    qsizetype excess = names.size() + 1 - KeptGames;
    for (qsizetype i = 0; i < names.size() && excess > 0; ++i) {
        // A journal another program still plays stays, and the next older one goes instead.
        if (const Claim claim = this->claim(names[i])) {
            QFile::remove(names[i]);
            --excess;
        }
    }
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
