#pragma once

#include "phonesheets.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// One game as its journal tells it.
struct JournalGame
{
    // How the journal was closed; None while the game is still open.
    enum class Ending { None, Finished, Cleared, Quit, Declined };

    int topNumber = 0;
    std::uint32_t seed = 0;
    // 1 for the first game after the program started; only that order follows from the seed.
    int gameOfRun = 0;
    QDateTime started;
    QList<int> drawOrder;
    // One entry per drawn number, in drawing order.
    QList<QDateTime> drawTimes;
    Ending ending = Ending::None;
    // The time of the newest record.
    QDateTime lastTime;
    // The phones' sheets in the order they were handed out, each with its latest name, and the
    // code of their set.
    QList<PhoneSheetHolding> phoneSheets = {};
    std::optional<SetCode> phoneSet = {};
    // The payloads of the winners' list's records, in the order written; the list reads them.
    QList<QByteArray> winnerRecords = {};

    int drawCount() const { return static_cast<int>(drawTimes.size()); }
    bool complete() const { return ending != Ending::None; }
};

// What reading a journal found: the game of its intact records, or why it cannot be read.
struct JournalReading
{
    std::optional<JournalGame> game;
    QString error;
    // The bytes of the intact records, from the start of the file.
    qsizetype intactBytes = 0;
    // A torn or damaged last record after them, left out.
    qsizetype ignoredBytes = 0;
};

// The journal's file format. Every record is one line of ASCII:
//   <payload length> <CRC-32 of the payload, 8 hex digits> <payload>\n
// and the payload is a word naming the record followed by key=value fields.
namespace JournalFormat {

inline constexpr int Version = 1;
// A header with a hundred numbers needs about 450 bytes.
inline constexpr int MaxPayloadBytes = 2000;

QByteArray frame(QByteArrayView payload);

QByteArray startRecord(int topNumber, std::uint32_t seed, int gameOfRun, const QDateTime &time,
                       const QList<int> &drawOrder);
QByteArray drawnRecord(int index, int number, const QDateTime &time);
QByteArray resumedRecord(const QDateTime &time);
// A phone sheet handed out, or named anew: the name travels as base64url, the journal being ASCII.
QByteArray phoneSheetRecord(const SetCode &set, const PhoneSheetHolding &holding,
                            const QDateTime &time);
// A record of something else that belongs to the game: its word and fields, then the time.
QByteArray noteRecord(QByteArrayView wordAndFields, const QDateTime &time);
QByteArray endRecord(JournalGame::Ending ending, int drawCount, const QDateTime &time);

// Reads a whole journal. A record that fails its length or checksum ends the intact part when
// nothing intact follows it (a write cut short); an intact record after a damaged one, or
// records that contradict each other, make the journal unreadable.
JournalReading read(QByteArrayView bytes);

} // namespace JournalFormat
