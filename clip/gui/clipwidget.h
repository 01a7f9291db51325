#pragma once

#include "avireader.h"
#include "countdownplayer.h"

#include <QImage>
#include <QWidget>

class QTimer;

// The countdown control: shows one clip centred on its own background inside a sunken edge and
// plays it at the clip's rate from a timer of its own. Without a clip the area stays empty and
// play and stop requests do nothing.
class ClipWidget : public QWidget, public CountdownPlayer
{
    Q_OBJECT

public:
    explicit ClipWidget(QWidget *parent = nullptr);

    // Absolute, or relative to the process's current directory at this moment. Replaces the old
    // clip; on failure the area is left empty and errorString() says why.
    bool open(const QString &path) override;
    // repeat -1 (or any negative count) plays until stopped; toFrame 0xFFFF or beyond the end
    // means the last frame. A range of one frame shows that frame without playing.
    void play(int repeat, int fromFrame, int toFrame) override;
    // Keeps showing the frame it stopped on.
    void stop() override;
    void close();

    bool isOpen() const;
    bool isPlaying() const;
    int currentFrame() const;
    QString fileName() const;
    QString errorString() const;

signals:
    void frameChanged(int frame);
    void playingChanged(bool playing);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void advance();
    void showFrame(int frame);
    void halt();
    QRect frameRect() const;

    AviReader m_reader;
    QImage m_image;
    QTimer *m_timer;
    QString m_fileName;
    QString m_error;
    int m_current = -1;
    int m_from = 0;
    int m_to = 0;
    int m_repeatsLeft = 0; // negative: until stopped
};
