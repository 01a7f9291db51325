#pragma once

#include "hallsheet.h"
#include "phonesheets.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

// One sheet that reached a bingo.
struct Winner
{
    HallSheet sheet;
    // The numbers revealed when it was completed: the draw that completed it.
    int draw = 0;
    // The operator saw the sheet (a printed one's paper, a phone's screen).
    bool checked = false;
    // The holder's name is kept but not shown.
    bool nameHidden = false;

    // The name as the list shows it: empty while hidden.
    QString shownName() const { return nameHidden ? QString() : sheet.name; }
};

// The winners of one game: every sheet the hall follows that reached a bingo, in the order of
// the draw that completed it. Each sheet is a winner once, whatever the tallies say later; one
// the operator removed stays out. Every change is also published as a journal payload, so that
// the list of a game continued after a crash is the list as it stood.
class WinnersList final : public QObject
{
    Q_OBJECT

public:
    // The word of its journal records.
    static constexpr char RecordWord[] = "winner";

    explicit WinnersList(QObject *parent = nullptr);

    const QList<Winner> &winners() const { return m_winners; }
    bool isEmpty() const { return m_winners.isEmpty(); }
    // The place of the winner at row, from 1; winners of the same draw share one, and the next
    // draw's place counts them all ("1, 1, 3").
    int place(int row) const;
    // The winner at row in one line for the room: place, sheet number, the name where shown, and
    // what kind of sheet it is ("1位  No.7  はな (スマホ)").
    QString line(int row) const;

    // Takes the sheets a draw completed.
    void take(const HallTally &tally);
    // A holder named or renamed a sheet; a winner's name follows.
    void rename(const HallSheet &sheet);
    void setChecked(int row, bool checked);
    void setNameHidden(int row, bool hidden);
    void remove(int row);
    // The game ended: a new game starts with no winners.
    void clear();
    // Puts back the list of a game from its journal payloads, in the order they were written.
    // Payloads that are not the list's own are passed over.
    void restore(const QList<QByteArray> &payloads);

    // The list as a CSV file: UTF-8, a header row, then one row per winner.
    QByteArray csv() const;

signals:
    void changed();
    // A change to write to the game's journal: the record's word and fields, without its time.
    void recorded(const QByteArray &payload);

private:
    static QString keyOf(const HallSheet &sheet);
    int rowOf(const HallSheet &sheet) const;
    QByteArray payload(const Winner &winner, bool removed) const;
    // Applies one journal payload; false when it is not a record of the list.
    bool apply(const QByteArray &payload);
    void insert(const Winner &winner);
    void record(int row, bool removed = false);

    QList<Winner> m_winners;
    // Sheets removed by the operator: they do not come back.
    QSet<QString> m_removed;
};
