#include "audiencehall.h"

#include "callergame.h"
#include "winnerslist.h"

#include <QCoreApplication>
#include <QStringList>

AudienceHall::AudienceHall(const WinnersList &winners, QObject *parent)
    : QObject(parent)
    , m_winners(winners)
{
    connect(&winners, &WinnersList::changed, this, [this] {
        if (m_counted)
            emit changed();
    });
}

void AudienceHall::follow(const CallerGame &game)
{
    connect(&game, &CallerGame::spinStarted, this, [this] {
        if (m_announcedDraw == 0)
            return;
        m_announcedDraw = 0;
        emit changed();
    });
    connect(&game, &CallerGame::gameFinished, this, [this] {
        m_finished = true;
        if (m_counted)
            emit changed();
    });
    connect(&game, &CallerGame::gameCleared, this, &AudienceHall::reset);
    connect(&game, &CallerGame::gameRestored, this, &AudienceHall::reset);
}

void AudienceHall::reset()
{
    const bool was = m_counted;
    m_counted = m_finished = false;
    m_reach = m_bingo = m_announcedDraw = 0;
    if (was)
        emit changed();
}

void AudienceHall::take(const HallTally &tally)
{
    m_counted = m_counted || tally.reach > 0 || tally.bingo > 0;
    m_reach = tally.reach;
    m_bingo = tally.bingo;
    m_announcedDraw = tally.newBingos.isEmpty() ? 0 : tally.draw;
    if (m_counted)
        emit changed();
}

QString AudienceHall::announcement() const
{
    const QList<Winner> &winners = m_winners.winners();
    QStringList parts;
    if (m_finished) {
        for (int row = 0; row < winners.size() && row < FinishedWinners; ++row)
            parts << m_winners.line(row);
        return parts.join(QStringLiteral("   "));
    }
    if (m_announcedDraw == 0)
        return {};
    for (const Winner &w : winners) {
        if (w.draw != m_announcedDraw)
            continue;
        const QString number = QStringLiteral("No.%1").arg(w.sheet.number);
        parts << (w.shownName().isEmpty() ? number : number + u' ' + w.shownName());
    }
    if (parts.isEmpty())
        return {};
    return QCoreApplication::translate("AudienceHall", "ビンゴ! %1")
        .arg(parts.join(QStringLiteral(" · ")));
}
