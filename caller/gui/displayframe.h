#pragma once

#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QImage>

// The group box the number displays are painted on. What is painted goes into the frame's own
// image, which is shown at once and again at every expose, so a display keeps its number when
// the window is covered. Where nothing was painted the image is transparent, and clicks pass
// through to the controls under the frame.
class DisplayFrame final : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayFrame(QWidget *parent = nullptr);

    // Draws text with its top-left corner at topLeft, the cells of its characters filled with
    // the background, and repaints that area before returning. It replaces whatever text was
    // drawn at the same topLeft before.
    void drawText(QPoint topLeft, const QFont &font, const QString &text, const QColor &textColour,
                  const QColor &backColour);

    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct FontMetrics
    {
        QFontMetrics whole;
        QFontMetricsF exact;
    };
    // Where a text of one font goes, relative to its top-left corner.
    struct Shaped
    {
        int ascent = 0;
        QRect cells;
        QRect ink;
        // Each character's pen position on the baseline, kerning included.
        QList<qreal> penX;
    };
    // One character drawn once in one font and colour at one fraction of a pixel; drawn at
    // the pen position's whole pixel plus offset.
    struct Glyph
    {
        QImage image;
        QPoint offset;
    };
    // Enough for every two-digit text in the slots' fonts and a few colours.
    static constexpr int MaxCached = 2000;

    // A frame that has not been shown yet gets its image at the first paint.
    void ensureImage();
    QImage blankImage(QSize size) const;
    const FontMetrics &metricsOf(const QFont &font);
    const Shaped &shaped(const QFont &font, const QString &text);
    const Glyph &glyph(const QFont &font, QChar character, const QColor &colour, qreal pen);

    QImage m_image;
    // Per top-left corner, the area the last text drawn there covers.
    QHash<QPoint, QRect> m_textAreas;
    // Glyphs this large are drawn as outlines, not from Qt's glyph cache, which costs more than
    // the rest of a spin's tick: each text is laid out, and each character drawn, once.
    QHash<QString, FontMetrics> m_metrics;
    QHash<QString, Shaped> m_shaped;
    QHash<QString, Glyph> m_glyphs;
};
