#pragma once

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
    // A frame that has not been shown yet gets its image at the first paint.
    void ensureImage();

    QImage m_image;
    // Per top-left corner, the area the last text drawn there covers.
    QHash<QPoint, QRect> m_textAreas;
};
