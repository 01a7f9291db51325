#include "hallcount.h"

#include "sheetverdict.h"

QString HallCount::key(const QString &setCode, int number)
{
    return setCode + u'#' + QString::number(number);
}

void HallCount::follow(const HallSheet &sheet, const SheetRules::Sheet &cells)
{
    const QString at = key(sheet.setCode, sheet.number);
    if (const auto index = m_indexOf.constFind(at); index != m_indexOf.cend()) {
        if (!sheet.name.isEmpty())
            m_sheets[*index].sheet.name = sheet.name;
        return;
    }
    m_indexOf.insert(at, int(m_sheets.size()));
    m_sheets.append({sheet, cells, false});
}

bool HallCount::follows(const QString &setCode, int number) const
{
    return m_indexOf.contains(key(setCode, number));
}

void HallCount::rename(const QString &setCode, int number, const QString &name)
{
    if (const auto index = m_indexOf.constFind(key(setCode, number)); index != m_indexOf.cend())
        m_sheets[*index].sheet.name = name;
}

void HallCount::clear()
{
    m_sheets.clear();
    m_indexOf.clear();
}

HallTally HallCount::tally(std::span<const int> called)
{
    HallTally tally;
    tally.draw = static_cast<int>(called.size());
    for (Followed &followed : m_sheets) {
        // The sheet check's own verdict, so the room counts what the check would say.
        const SheetVerdict verdict(followed.cells, called);
        if (verdict.hasLine()) {
            ++tally.bingo;
            if (!followed.bingo)
                tally.newBingos.append(followed.sheet);
        } else if (!verdict.reachLines().isEmpty()) {
            ++tally.reach;
        }
        followed.bingo = verdict.hasLine();
    }
    return tally;
}
