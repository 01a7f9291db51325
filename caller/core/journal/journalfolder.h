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
// game's whole life; no other program offers, writes, renames or prunes a claimed journal. A
// program that was killed leaves its lock file behind, and the next claim takes it over.
class JournalFolder
{
public:
    static constexpr int KeptGames = 100;

    // Flushes an open file to the disk; true when it got there.
    using Sync = std::function<bool(int fd)>;
    using Claim = std::unique_ptr<QLockFile>;

    // A claimed journal: its file and the claim that keeps other programs off it.
    struct Claimed
    {
        QString path;
        Claim claim;
    };
    // A journal found unfinished as the caller starts, claimed, with what it holds.
    struct Unfinished
    {
        Claimed journal;
        JournalReading reading;
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
    // holds it, or no lock file can be made beside it.
    Claim claim(const QString &journal) const;
    // Claims the whole folder for the one caller that may run on it; heldElsewhere is set when
    // a running program holds it (rather than the folder refusing a lock file).
    Claim claimFolder(bool *heldElsewhere) const;

    // Makes and claims the file of a game started at time, holding firstRecord: written, flushed
    // to the disk and only then given its name, so it exists complete or not at all. Keeps the
    // newest KeptGames journals and removes older ones, never the new one nor a claimed one.
    // Returns the file, or nothing with error saying why.
    std::optional<Claimed> create(const QDateTime &time, const QByteArray &firstRecord,
                                  QString *error) const;
    // The unfinished game whose journal was written last, as its records tell, claimed; journals
    // that cannot be read are moved aside, so they are kept but never offered again, and listed
    // in unreadable. Journals claimed by another running program are left alone.
    std::optional<Unfinished> lastUnfinished(QList<Unreadable> *unreadable) const;
    // Renames a journal that cannot be read, so it is kept but never offered again; returns
    // the new name, or nothing with error saying why.
    std::optional<QString> moveAside(const QString &journal, QString *error) const;

    // Writes bytes at the end of an open file and flushes them to the disk before returning.
    bool appendDurably(int fd, const QByteArray &bytes, QString *error) const;

private:
    void prune(const QString &keep) const;
    void pruneAside() const;

    QString m_path;
    Sync m_sync;
};
