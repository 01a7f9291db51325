#include "displayframe.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr double InchesPerMetre = 39.37;
} // namespace

DisplayFrame::DisplayFrame(QWidget *parent)
    : QGroupBox(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void DisplayFrame::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    ensureImage();
}

void DisplayFrame::ensureImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_image.size() == pixels)
        return;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    // Point sizes convert at the screen's resolution, as they do on the widget itself.
    image.setDotsPerMeterX(qRound(logicalDpiX() * InchesPerMetre));
    image.setDotsPerMeterY(qRound(logicalDpiY() * InchesPerMetre));
    image.fill(Qt::transparent);
    if (!m_image.isNull()) {
        QPainter painter(&image);
        painter.drawImage(QPoint(0, 0), m_image);
    }
    m_image = image;
}

void DisplayFrame::drawText(QPoint topLeft, const QFont &font, const QString &text,
                            const QColor &textColour, const QColor &backColour)
{
    ensureImage();
    QPainter painter(&m_image);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const QPoint baseline(topLeft.x(), topLeft.y() + metrics.ascent());
    const QRect cells(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    // Kerning makes "11" narrower than "17", and a glyph may reach past its cell: what the
    // text before at this place covered is cleared first, so nothing of it is left showing.
    const QRect ink = metrics.boundingRect(text).translated(baseline);
    const QRect previous = m_textAreas.value(topLeft);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(previous, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(cells, backColour);
    painter.setPen(textColour);
    painter.drawText(baseline, text);
    painter.end();
    m_textAreas.insert(topLeft, cells | ink);
    repaint(QRegion(cells | ink) | previous);
}

void DisplayFrame::paintEvent(QPaintEvent *event)
{
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), m_image);
}
