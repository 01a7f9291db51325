#include "clipwidget.h"

#include <QPainter>
#include <QTimer>
#include <qdrawutil.h>

#include <algorithm>

namespace {

constexpr int EdgeWidth = 2;
// A clip that asks for more than this many frames a second is shown at this rate, which keeps
// the control cheap whatever a file says.
constexpr int ShortestFrameMs = 10;
constexpr qint64 LongestFrameMs = 3600 * 1000;

} // namespace

ClipWidget::ClipWidget(QWidget *parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer->setObjectName(QStringLiteral("clipTimer"));
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &ClipWidget::advance);
}

bool ClipWidget::open(const QString &path)
{
    close();
    m_error.clear();
    if (!m_reader.openFile(path)) {
        m_error = m_reader.errorString();
        return false;
    }
    m_image = QImage(m_reader.frameSize(), QImage::Format_RGB32);
    if (m_image.isNull()) {
        m_reader.close();
        m_error = QStringLiteral("%1: not enough memory for a frame").arg(path);
        return false;
    }
    m_fileName = path;
    const qint64 ms = (m_reader.frameMicroseconds() + 500) / 1000;
    m_timer->setInterval(int(std::clamp<qint64>(ms, ShortestFrameMs, LongestFrameMs)));
    showFrame(0);
    return true;
}

void ClipWidget::play(int repeat, int fromFrame, int toFrame)
{
    if (!isOpen() || repeat == 0)
        return;
    const int last = m_reader.frameCount() - 1;
    const int to = std::min(toFrame, last);
    if (fromFrame < 0 || fromFrame > to)
        return;
    showFrame(fromFrame);
    if (fromFrame == to) {
        halt();
        return;
    }
    m_from = fromFrame;
    m_to = to;
    m_repeatsLeft = repeat < 0 ? -1 : repeat;
    const bool wasPlaying = isPlaying();
    m_timer->start();
    if (!wasPlaying)
        emit playingChanged(true);
}

void ClipWidget::stop()
{
    halt();
}

void ClipWidget::close()
{
    halt();
    const bool hadClip = isOpen();
    const QRect old = frameRect();
    m_reader.close();
    m_image = QImage();
    m_fileName.clear();
    m_current = -1;
    if (hadClip) {
        update(old);
        emit frameChanged(-1);
    }
}

bool ClipWidget::isOpen() const
{
    return m_reader.isOpen();
}

bool ClipWidget::isPlaying() const
{
    return m_timer->isActive();
}

int ClipWidget::currentFrame() const
{
    return m_current;
}

QString ClipWidget::fileName() const
{
    return m_fileName;
}

QString ClipWidget::errorString() const
{
    return m_error;
}

void ClipWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_image.isNull()) {
        painter.setClipRect(rect().adjusted(EdgeWidth, EdgeWidth, -EdgeWidth, -EdgeWidth));
        painter.drawImage(frameRect().topLeft(), m_image);
        painter.setClipping(false);
    }
    qDrawWinPanel(&painter, rect(), palette(), true);
}

void ClipWidget::advance()
{
    if (m_current < m_to) {
        showFrame(m_current + 1);
    } else if (m_repeatsLeft < 0 || --m_repeatsLeft > 0) {
        showFrame(m_from);
    } else {
        halt();
    }
}

void ClipWidget::showFrame(int frame)
{
    if (frame == m_current)
        return;
    const auto bits = reinterpret_cast<quint32 *>(m_image.bits());
    const std::size_t count = std::size_t(m_image.width()) * std::size_t(m_image.height());
    // Only memory running out stops a checked clip from decoding; black beats stale pixels.
    if (!m_reader.decodeFrame(frame, {bits, count}))
        m_image.fill(0xFF000000u);
    m_current = frame;
    update(frameRect());
    emit frameChanged(frame);
}

void ClipWidget::halt()
{
    if (!m_timer->isActive())
        return;
    m_timer->stop();
    emit playingChanged(false);
}

// Where the frame lies: centred in the area inside the edge, cut by it when larger.
QRect ClipWidget::frameRect() const
{
    const QRect inner = rect().adjusted(EdgeWidth, EdgeWidth, -EdgeWidth, -EdgeWidth);
    const QSize size = m_image.size();
    return QRect(inner.x() + (inner.width() - size.width()) / 2,
                 inner.y() + (inner.height() - size.height()) / 2, size.width(), size.height());
}
