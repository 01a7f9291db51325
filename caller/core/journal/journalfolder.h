#pragma once

#include "journalformat.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// The folder of the caller's game journals, one file per game, named after the moment (UTC) its
// game started: game-yyyyMMdd-HHmmss-zzz.journal. Only names of exactly that form are journals;
// any other file in the folder is the user's and is never read, renamed or removed.
//
// A live game's journal is claimed by the program that plays it (a lock file beside it) for the
// game's whole life; no other program offers, writes, renames or prunes a claimed journal. A lock
// file no running program holds (left by a killed program, emptied by a power cut) is taken over;
// one that is not a regular file is never opened, so nothing waits on it.
class JournalFolder
{
public:
    static constexpr int KeptGames = 100;
    // Room kept on the disk for each game's records from its start: a game of a hundred draws
    // needs about 8 KB, and the rest leaves room for more kinds of record.
    static constexpr qint64 ReservedBytes = 64 * 1024;

    // Flushes an open file to the disk; true when it got there.
    using Sync = std::function<bool(int fd)>;
    using Claim = std::unique_ptr<QLockFile>;

    // A claimed journal: its file and the claim that keeps other programs off it.
    struct Claimed
    {
        QString path;
        Claim claim;
    };
    // A journal found unfinished as the caller starts, with what it holds: claimed, or, where its
    // lock file cannot be taken though no running program holds it, unclaimed with the reason
    // (sameFileError), so the game can only go on in another file.
    struct Unfinished
    {
        Claimed journal;
        JournalReading reading;
        QString sameFileError;
    };
    // A journal that could not be read and was moved aside (keptAs), or could not be (moveError).
    struct Unreadable
    {
        QString path;
        QString error;
        QString keptAs;
        QString moveError;
    };

    // sync flushes each record; fsync(2) unless a test needs to count or fail it.
    explicit JournalFolder(QString path, Sync sync = {});

    // "kavelo/journal" in $XDG_STATE_HOME, or in ~/.local/state when that is unset or not an
    // absolute path.
    static QString defaultPath();
    // True for a file name of exactly the journals' form.
    static bool isJournalName(const QString &fileName);

    const QString &path() const { return m_path; }
    // The journals: regular files (links followed) named in the journals' form, oldest first.
    QStringList journals() const;

    // Claims the journal at path, which need not exist yet; nothing when another running program
    // holds it (heldElsewhere set), or no lock file can be taken beside it (reason says why).
    Claim claim(const QString &journal, bool *heldElsewhere = nullptr,
                QString *reason = nullptr) const;
    // Claims the whole folder for the one caller that may run on it; heldElsewhere is set only
    // when a running program holds it, otherwise reason says why the lock file cannot be taken.
    Claim claimFolder(bool *heldElsewhere, QString *reason) const;
    QString folderLockPath() const;

    // Makes and claims the file of a game started at time, holding firstRecord: written, flushed
    // to the disk and only then given its name, so it exists complete or not at all. Keeps the
    // KeptGames journals written last, as their records tell (or their files' times, for those
    // that cannot be read), and removes older ones: never the new one, a claimed one, nor the
    // unfinished game the next start would offer.
    // Returns the file, or nothing with error saying why.
    std::optional<Claimed> create(const QDateTime &time, const QByteArray &firstRecord,
                                  QString *error) const;
    // The unfinished game whose journal was written last, as its records tell; journals that
    // cannot be read are moved aside, so they are kept but never offered again, and listed in
    // unreadable. Journals claimed by another running program are left alone, and so is a game
    // another journal goes on with (continued in a new file).
    std::optional<Unfinished> lastUnfinished(QList<Unreadable> *unreadable) const;
    // Renames a journal that cannot be read, so it is kept but never offered again; returns
    // the new name, or nothing with error saying why.
    std::optional<QString> moveAside(const QString &journal, QString *error) const;

    // Writes bytes at the end of an open file and flushes them to the disk before returning.
    bool appendDurably(int fd, const QByteArray &bytes, QString *error) const;
    // Sets ReservedBytes of disk aside for an open journal without changing its size, so that a
    // full disk cannot cut its game short. A file system that cannot reserve is no failure.
    static bool reserve(int fd, QString *error);

private:
    // A journal as it reads now.
    struct Found
    {
        QString path;
        // Nothing when no regular file is there any more.
        std::optional<JournalReading> reading;
        // When it was written last: its newest record, or its file's time when it cannot be read.
        QDateTime written;

        bool unfinished() const;
    };
    QList<Found> survey() const;
    // A game that went on in a new file, because its own could not be written, is recorded
    // twice: the newer journal of the same game tells the rest.
    static bool continuedElsewhere(const JournalGame &game, const QList<Found> &found);
    void prune(const QString &keep) const;
    void pruneAside() const;

    QString m_path;
    Sync m_sync;
};
