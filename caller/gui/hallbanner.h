#pragma once

#include <QWidget>

class AudienceBoard;
class AudienceHall;

// The strip along the foot of the audience screen that shows the hall: the room's reach and
// bingo counts, and beside them the bingo just made or the first winners. It shows itself
// only once something was counted; the screen lays the rest out above it.
class HallBanner final : public QWidget
{
    Q_OBJECT

public:
    HallBanner(const AudienceBoard &board, const AudienceHall &hall, QWidget *parent = nullptr);

    // The height of the strip in a window of the given size.
    static int stripHeight(QSize window);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();

    const AudienceBoard &m_board;
    const AudienceHall &m_hall;
};
