#include "displayframe.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

#include <cmath>

namespace {

constexpr double InchesPerMetre = 39.37;
// A glyph's position is kept to an eighth of a pixel, far below what the eye tells apart.
constexpr int SubpixelSteps = 8;

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

QImage DisplayFrame::blankImage(QSize size) const
{
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    // Point sizes convert at the screen's resolution, as they do on the widget itself.
    image.setDotsPerMeterX(qRound(logicalDpiX() * InchesPerMetre));
    image.setDotsPerMeterY(qRound(logicalDpiY() * InchesPerMetre));
    image.fill(Qt::transparent);
    return image;
}

void DisplayFrame::ensureImage()
{
    const QSize pixels = (QSizeF(size()) * devicePixelRatioF()).toSize();
    if (m_image.size() == pixels)
        return;
    QImage image = blankImage(size());
    if (!m_image.isNull()) {
        QPainter painter(&image);
        painter.drawImage(QPoint(0, 0), m_image);
    }
    m_image = image;
    // Glyphs drawn for another resolution would come out in the wrong size.
    m_metrics.clear();
    m_shaped.clear();
    m_glyphs.clear();
}

const DisplayFrame::FontMetrics &DisplayFrame::metricsOf(const QFont &font)
{
    // Kept, since finding a font's face again costs as much as laying out a text.
    const QString key = font.key();
    auto found = m_metrics.constFind(key);
    if (found == m_metrics.constEnd()) {
        if (m_metrics.size() > MaxCached)
            m_metrics.clear();
        found = m_metrics.emplace(key, QFontMetrics(font, &m_image), QFontMetricsF(font, &m_image));
    }
    return *found;
}

const DisplayFrame::Shaped &DisplayFrame::shaped(const QFont &font, const QString &text)
{
    const QString key = font.key() + u'|' + text;
    auto found = m_shaped.constFind(key);
    if (found != m_shaped.constEnd())
        return *found;
    if (m_shaped.size() > MaxCached)
        m_shaped.clear();
    const FontMetrics &fontMetrics = metricsOf(font);
    const QFontMetrics &metrics = fontMetrics.whole;
    const QFontMetricsF &exact = fontMetrics.exact;
    Shaped shape;
    shape.ascent = metrics.ascent();
    shape.cells = QRect(QPoint(0, 0), QSize(metrics.horizontalAdvance(text), metrics.height()));
    shape.ink = metrics.boundingRect(text).translated(0, shape.ascent);
    for (int i = 0; i < text.size(); ++i)
        shape.penX << exact.horizontalAdvance(text, i);
    return *m_shaped.insert(key, shape);
}

const DisplayFrame::Glyph &DisplayFrame::glyph(const QFont &font, QChar character,
                                               const QColor &colour, qreal pen)
{
    const int step = int(std::floor((pen - std::floor(pen)) * SubpixelSteps));
    const QString key = font.key() + u'|' + character + u'|' + QString::number(colour.rgba()) +
                        u'|' + QString::number(step);
    auto found = m_glyphs.constFind(key);
    if (found != m_glyphs.constEnd())
        return *found;
    if (m_glyphs.size() > MaxCached)
        m_glyphs.clear();
    const QFontMetricsF &metrics = metricsOf(font).exact;
    // A pixel of room on each side for the edge's antialiasing.
    const QRect box = metrics.boundingRect(character).toAlignedRect().adjusted(-1, -1, 2, 1);
    Glyph drawn{blankImage(box.size()), box.topLeft()};
    QPainter painter(&drawn.image);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(double(step) / SubpixelSteps - box.left(), -box.top()),
                     QString(character));
    painter.end();
    return *m_glyphs.insert(key, drawn);
}

void DisplayFrame::drawText(QPoint topLeft, const QFont &font, const QString &text,
                            const QColor &textColour, const QColor &backColour)
{
    ensureImage();
    const Shaped &shape = shaped(font, text);
    const QRect cells = shape.cells.translated(topLeft);
    // Kerning makes "11" narrower than "17", and a glyph may reach past its cell: what the
    // text before at this place covered is cleared first, so nothing of it is left showing.
    const QRect ink = shape.ink.translated(topLeft);
    const QRect previous = m_textAreas.value(topLeft);
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(previous, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(cells, backColour);
    const int baseline = topLeft.y() + shape.ascent;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i].isSpace())
            continue;
        const qreal pen = topLeft.x() + shape.penX[i];
        const Glyph &drawn = glyph(font, text[i], textColour, pen);
        painter.drawImage(QPoint(int(std::floor(pen)), baseline) + drawn.offset, drawn.image);
    }
    painter.end();
    m_textAreas.insert(topLeft, cells | ink);
    repaint(QRegion(cells | ink) | previous);
}

void DisplayFrame::paintEvent(QPaintEvent *event)
{
    // The box's own outline changes never; a number's repaint, inside it, leaves it be.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const int line = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) + 1;
    const QRect inside =
        style()
            ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this)
            .adjusted(line, line, -line, -line);
    if (!inside.contains(event->region().boundingRect()))
        QGroupBox::paintEvent(event);
    QPainter painter(this);
    const qreal ratio = m_image.devicePixelRatio();
    for (const QRect &area : event->region())
        painter.drawImage(area, m_image,
                          QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}
