#include "journalfolder.h"

#include "safefilewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString JournalPattern = QStringLiteral("game-*.journal");
const QString AsideSuffix = QStringLiteral(".unreadable");
const QString AsidePattern = QStringLiteral("game-*.journal") + AsideSuffix;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
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

} // namespace

bool appendDurably(int fd, const QByteArray &bytes, QString *error)
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
    if (::fsync(fd) != 0) {
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

QStringList JournalFolder::journals() const
{
    QStringList names = QDir(m_path).entryList({JournalPattern}, QDir::Files, QDir::Name);
    for (QString &name : names)
        name = m_path + u'/' + name;
    return names;
}

QString JournalFolder::newest() const
{
    const QStringList all = journals();
    return all.isEmpty() ? QString() : all.constLast();
}

std::optional<QString> JournalFolder::create(const QDateTime &time, const QByteArray &firstRecord,
                                             QString *error) const
{
    if (!QDir().mkpath(m_path)) {
        *error = QCoreApplication::translate("JournalFolder", "フォルダーを作れません。");
        return std::nullopt;
    }
    // Two games can start within a millisecond only in two programs; the later one moves on by
    // a millisecond so that name order stays age order.
    QDateTime moment = time.toUTC();
    for (int attempt = 0; attempt < 1000; ++attempt, moment = moment.addMSecs(1)) {
        const QString target = m_path + QStringLiteral("/game-") +
                               moment.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
                               QStringLiteral(".journal");
        if (QFile::exists(target))
            continue;
        // The first record reaches the disk whole, under its name, or not at all.
        if (const std::optional<QString> failure = writeFileSafely(target, firstRecord)) {
            *error = *failure;
            return std::nullopt;
        }
        prune(JournalPattern);
        prune(AsidePattern);
        return target;
    }
    *error = QCoreApplication::translate("JournalFolder", "新しい記録の名前が見つかりません。");
    return std::nullopt;
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

void JournalFolder::prune(const QString &pattern) const
{
    const QStringList names = QDir(m_path).entryList({pattern}, QDir::Files, QDir::Name);
    for (qsizetype i = 0; i + KeptGames < names.size(); ++i)
        QFile::remove(m_path + u'/' + names[i]);
}
