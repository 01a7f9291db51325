#include "livecorner.h"

#include "audienceboard.h"
#include "qtcolour.h"

#include <QPainter>

#include <algorithm>

namespace {

// A QR code needs a light margin of four modules to be read.
constexpr int QuietModules = 4;

} // namespace

LiveCorner::LiveCorner(const AudienceBoard &board, const QString &url, QWidget *parent)
    : QWidget(parent)
    , m_board(board)
    , m_url(url)
    , m_code(url.toUtf8())
{
    setObjectName(QStringLiteral("liveCorner"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&board, &AudienceBoard::changed, this, qOverload<>(&QWidget::update));
}

int LiveCorner::side(QSize window)
{
    return std::max(120, std::min(window.width(), window.height()) * 3 / 10);
}

void LiveCorner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor back = toQColor(m_board.backColour());
    painter.fillRect(rect(), back);
    const int textHeight = height() / 7;
    const int modules = m_code.size() + 2 * QuietModules;
    // Whole pixels per module keep the modules sharp for the phones' cameras.
    const int pixel = std::max(1, std::min(width(), height() - textHeight) / std::max(1, modules));
    const int codeSide = pixel * modules;
    const QRect code((width() - codeSide) / 2, 0, codeSide, codeSide);
    painter.fillRect(code, Qt::white);
    for (int y = 0; y < m_code.size(); ++y) {
        for (int x = 0; x < m_code.size(); ++x) {
            if (m_code.isDark(x, y))
                painter.fillRect(code.left() + (x + QuietModules) * pixel,
                                 code.top() + (y + QuietModules) * pixel, pixel, pixel, Qt::black);
        }
    }

    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("IPAPGothic")});
    font.setBold(true);
    font.setPixelSize(std::max(8, textHeight * 6 / 10));
    const QRect text(0, code.bottom() + 1, width(), height() - code.bottom() - 1);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(m_url) > width())
        font.setPixelSize(
            std::max(6, font.pixelSize() * width() / metrics.horizontalAdvance(m_url)));
    painter.setFont(font);
    painter.setPen(toQColor(AudienceBoard::contrastingBackground(m_board.backColour())));
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter, m_url);
}
