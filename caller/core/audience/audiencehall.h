#pragma once

#include "hallsheet.h"

#include <QObject>
#include <QString>

class CallerGame;
class WinnersList;

// What the audience screen shows of the hall playing along: the room's reach and bingo counts
// after each reveal, the sheets the latest draw completed until the next spin starts, and the
// first winners once the game is finished. Nothing shows until something was counted, so a
// game without the phones looks as it always did.
class AudienceHall final : public QObject
{
    Q_OBJECT

public:
    // How many winners the finished game names.
    static constexpr int FinishedWinners = 3;

    explicit AudienceHall(const WinnersList &winners, QObject *parent = nullptr);

    void follow(const CallerGame &game);
    // The tally of a reveal; the winners' list has taken it already or takes it next.
    void take(const HallTally &tally);

    // Whether the hall has anything to show: a reach or a bingo was counted in this game.
    bool isShown() const { return m_counted; }
    // The latest tally's counts of sheets with a reach and with a bingo.
    int reach() const { return m_reach; }
    int bingo() const { return m_bingo; }
    // "ビンゴ! No.7 はな · No.12" for the sheets the latest draw completed, the first winners
    // once the game is finished, else empty. Names hidden in the list stay hidden here.
    QString announcement() const;

signals:
    void changed();

private:
    void reset();

    const WinnersList &m_winners;
    bool m_counted = false;
    bool m_finished = false;
    int m_reach = 0;
    int m_bingo = 0;
    // The draw whose new bingos are announced; 0 for none.
    int m_announcedDraw = 0;
};
