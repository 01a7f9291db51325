#include "hallbanner.h"

#include "audienceboard.h"
#include "audiencehall.h"
#include "livegame.h"
#include "qtcolour.h"

#include <QPainter>

#include <algorithm>

HallBanner::HallBanner(const AudienceBoard &board, const AudienceHall &hall, QWidget *parent)
    : QWidget(parent)
    , m_board(board)
    , m_hall(hall)
{
    setObjectName(QStringLiteral("hallBanner"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&board, &AudienceBoard::changed, this, qOverload<>(&QWidget::update));
    connect(&hall, &AudienceHall::changed, this, &HallBanner::follow);
    follow();
}

int HallBanner::stripHeight(QSize window)
{
    return std::max(28, window.height() * 9 / 100);
}

void HallBanner::follow()
{
    setVisible(m_hall.isShown());
    // At once, as the number it follows: a bingo is announced as the room sees its number.
    if (isVisible())
        repaint();
}

void HallBanner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor back = toQColor(m_board.backColour());
    const QColor ink = toQColor(AudienceBoard::contrastingBackground(m_board.backColour()));
    painter.fillRect(rect(), back);
    const int margin = height() / 6;
    painter.setPen(QPen(ink, std::max(1, margin / 3)));
    painter.drawLine(margin, 0, width() - margin, 0);

    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("IPAPGothic")});
    font.setBold(true);
    font.setPixelSize(std::max(8, height() * 55 / 100));
    painter.setFont(font);
    const QFontMetrics metrics(font);
    // Painted text is never read as markup: the names are shown as the holders typed them.
    const QString counts = hallCountText(m_hall.reach(), m_hall.bingo());
    const QRect countsBox(margin, 0, metrics.horizontalAdvance(counts) + margin, height());
    painter.drawText(countsBox, Qt::AlignLeft | Qt::AlignVCenter, counts);

    const QString announcement = m_hall.announcement();
    if (announcement.isEmpty())
        return;
    const QRect box(countsBox.right() + 2 * margin, 0, width() - countsBox.right() - 3 * margin,
                    height());
    painter.setPen(toQColor(m_board.textColour()));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(announcement, Qt::ElideRight, box.width()));
}
