#pragma once

#include "journalfolder.h"
#include "journalformat.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class CallerGame;

// Keeps the record of each game on disk as it is played, following the game's signals: a new
// file with the top number, the seed and the whole draw order at the first Start, one record
// per number drawn (on the disk before the number is shown), and a closing record when the game
// is finished, cleared or left by ending the program. When a record cannot be written the game
// goes on without one; the first such failure of a run is reported through unavailable(). The
// journal of the game being played stays claimed until the game ends, even when a record could
// not be written, so no other program takes up a game that is still on screen.
class GameJournal final : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    // seed is the one the program gave its generator; clock gives the time of each record.
    GameJournal(const JournalFolder &folder, std::uint32_t seed, Clock clock,
                QObject *parent = nullptr);
    ~GameJournal() override;

    void observe(const CallerGame &game);

    // Goes on with an unfinished game after its intact records: in its own journal when that is
    // claimed, otherwise in a new one that starts with a copy of them (said through
    // unavailable()). A game whose every number was drawn is closed as finished at once.
    bool resume(JournalFolder::Unfinished game);
    // Closes an unfinished game as declined, so it is not offered again: in its own journal, or
    // in a copy where that is not claimed.
    bool decline(JournalFolder::Unfinished game);
    // The program ends: a game still open is closed as quit.
    void programEnded();
    // A phone sheet handed out or named. Before the game's first Start it waits to follow the
    // game's first record; for a game that has ended it is of no use and dropped.
    void recordPhoneSheet(const SetCode &set, const PhoneSheetHolding &holding);
    // Adds a record of something else that belongs to the game being played (its word and
    // fields, see JournalFormat::noteRecord); nothing while no game is open.
    void note(const QByteArray &wordAndFields);

    bool isOpen() const { return m_fd >= 0; }
    const QString &currentPath() const { return m_path; }

signals:
    // The first failure to write of this run, or an unfinished game going on in a new file;
    // message says where and why.
    void unavailable(const QString &message);

private:
    void onGameStarted(int topNumber, const QList<int> &drawOrder);
    void onNumberDrawn(int index, int number);
    void onGameFinished();
    void onGameCleared(int drawCount);

    // Opens the journal of an unfinished game for appending after its intact records: its own
    // file, or a copy where that is not claimed, which a game resuming announces.
    bool reopen(JournalFolder::Unfinished &game, bool resuming);
    // Its own file may not be written: the game goes on in a new one holding its records.
    bool reopenInCopy(JournalFolder::Unfinished &game, bool resuming);
    // Opens a journal just made, with its disk space set aside; removes it where that fails.
    bool openNew(JournalFolder::Claimed journal, QString *error);
    bool append(const QByteArray &record);
    void close(JournalGame::Ending ending);
    void fail(const QString &reason);
    void failWithMessage(const QString &message);
    void closeFile();

    const JournalFolder &m_folder;
    std::uint32_t m_seed;
    Clock m_clock;
    int m_gamesOfRun = 0;
    int m_fd = -1;
    QString m_path;
    JournalFolder::Claim m_claim;
    int m_drawCount = 0;
    int m_topNumber = 0;
    bool m_reported = false;
    bool m_gameEnded = false;
    QList<QByteArray> m_pendingPhoneSheets;
};
