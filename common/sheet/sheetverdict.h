#pragma once

#include "setcode.h"
#include "sheetrules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>

// How far the numbers called so far have filled one bingo sheet: its complete lines (five
// rows, five columns, two diagonals; the free centre counts as called) and the call that
// completed each, the lines one number short ("リーチ") and the number each waits for, and
// whether all 24 numbers are called.
class SheetVerdict
{
public:
    static constexpr int LineCount = 12;
    // Rows from the top, then columns from the left, then the two diagonals.
    static const std::array<std::array<int, SheetRules::Size>, LineCount> Lines;
    static QString lineName(int line);

    struct CompleteLine
    {
        int line;
        int call;   // which call completed it, from 1
        int number; // the number of that call
        friend bool operator==(const CompleteLine &, const CompleteLine &) = default;
    };
    struct ReachLine
    {
        int line;
        int waitsFor;
        friend bool operator==(const ReachLine &, const ReachLine &) = default;
    };
    struct Full
    {
        int call;
        int number;
        friend bool operator==(const Full &, const Full &) = default;
    };

    // `called` holds the numbers in the order they were called; gameOver says no more will be,
    // so that a line one short waits for the one number the game never drew.
    SheetVerdict(std::span<const int, SheetRules::Cells> sheet, std::span<const int> called,
                 bool gameOver = false);
    // A game of top number N draws N of the numbers 0..N and ends.
    static bool isOver(int gameTop, qsizetype calledCount) { return calledCount >= gameTop; }

    // Whether a cell counts as called; the star always does.
    bool isMarked(int cell) const { return m_callOf[std::size_t(cell)] != 0; }
    // Complete lines in the order they were completed (rows, columns, diagonals on a tie).
    const QList<CompleteLine> &completeLines() const { return m_complete; }
    // The lines one short; once the game is over, their number was not drawn.
    const QList<ReachLine> &reachLines() const { return m_reach; }
    bool isGameOver() const { return m_gameOver; }
    const std::optional<Full> &full() const { return m_full; }
    bool hasLine() const { return !m_complete.isEmpty(); }

    // The verdict in a few words for large type, and the details line by line.
    QString headline() const;
    QStringList details() const;

private:
    std::array<int, SheetRules::Cells> m_callOf{}; // the call (from 1) that marked each cell
    SheetRules::Sheet m_cells{};
    QList<CompleteLine> m_complete;
    QList<ReachLine> m_reach;
    std::optional<Full> m_full;
    bool m_gameOver;
};

// The sheet of a game that a typed set code and sheet number name, or the sheet check's message
// saying why they name none. The code is kept when only the number was refused.
struct SheetChoice
{
    std::optional<SetCode> code;
    int number = 0;
    SheetRules::Sheet cells{};
    QString refusal;
    bool found() const { return refusal.isEmpty(); }
};
SheetChoice chooseSheet(const QString &typedCode, const QString &typedNumber, int gameTop);
