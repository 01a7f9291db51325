#pragma once

#include "hallsheet.h"
#include "sheetrules.h"

#include <QHash>
#include <QList>
#include <QString>

#include <span>

// The sheets the hall follows in one game, each once however many phones follow it, and the
// room's reach and bingo over them after each reveal.
class HallCount
{
public:
    // Follows a sheet from now on; a sheet followed already only takes the newer name.
    void follow(const HallSheet &sheet, const SheetRules::Sheet &cells);
    bool follows(const QString &setCode, int number) const;
    void rename(const QString &setCode, int number, const QString &name);
    int size() const { return static_cast<int>(m_sheets.size()); }
    // Forgets every sheet, for a new game.
    void clear();

    // The count after the numbers called so far (in the order called); the sheets that reached
    // a bingo since the previous count are new.
    HallTally tally(std::span<const int> called);

private:
    struct Followed
    {
        HallSheet sheet;
        SheetRules::Sheet cells;
        bool bingo = false;
    };
    static QString key(const QString &setCode, int number);

    QList<Followed> m_sheets;
    QHash<QString, int> m_indexOf;
};
