#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// The folder of the caller's game journals, one file per game. A file is named after the
// moment (UTC) its game started, so name order is age order.
class JournalFolder
{
public:
    static constexpr int KeptGames = 100;

    explicit JournalFolder(QString path)
        : m_path(std::move(path))
    {}

    // "kavelo/journal" in $XDG_STATE_HOME, or in ~/.local/state when that is unset or not an
    // absolute path.
    static QString defaultPath();

    const QString &path() const { return m_path; }
    // The journals, oldest first.
    QStringList journals() const;
    // The newest journal, or an empty string.
    QString newest() const;

    // Makes the file of a game started at time, holding firstRecord: written, flushed to the
    // disk and only then given its name, so it exists complete or not at all. Keeps the
    // newest KeptGames journals and removes older ones. Returns the file, or nothing with
    // error saying why.
    std::optional<QString> create(const QDateTime &time, const QByteArray &firstRecord,
                                  QString *error) const;
    // Renames a journal that cannot be read, so it is kept but never offered again; returns
    // the new name, or nothing with error saying why.
    std::optional<QString> moveAside(const QString &journal, QString *error) const;

private:
    void prune(const QString &pattern) const;

    QString m_path;
};

// Writes bytes at the end of an open file and flushes them to the disk before returning.
bool appendDurably(int fd, const QByteArray &bytes, QString *error);
