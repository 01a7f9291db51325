#include "displaypanel.h"

#include "countdownplayer.h"
#include "cuesounds.h"
#include "displayframe.h"
#include "qtcolour.h"
#include "sleeper.h"

#include <QAbstractButton>
#include <QTimer>

DisplayPanel::DisplayPanel(DisplayFrame &frame, const Radios &radios, CountdownPlayer &countdown,
                           CueSounds &cues, Sleeper &sleeper, RandomSource &random, QObject *parent)
    : QObject(parent)
    , m_frame(frame)
    , m_radios(radios)
    , m_countdown(countdown)
    , m_cues(cues)
    , m_sleeper(sleeper)
    , m_displays(*this, random)
{
    for (std::size_t i = 0; i < m_spinTimers.size(); ++i) {
        auto *timer = new QTimer(this);
        const int id = NumberDisplays::SpinTimers[i].id;
        timer->setObjectName(QStringLiteral("timer%1").arg(id));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(NumberDisplays::SpinTimers[i].periodMs);
        connect(timer, &QTimer::timeout, this, [this, id] { m_displays.OnTimer(id); });
        m_spinTimers[i] = timer;
    }
    OnCtlColor();
}

void DisplayPanel::OnCtlColor()
{
    QPalette palette = m_frame.palette();
    palette.setColor(QPalette::Window, toQColor(NumberDisplays::Grey));
    m_frame.setPalette(palette);
}

bool DisplayPanel::isChecked(DisplayRadio radio) const
{
    return m_radios[static_cast<std::size_t>(radio)]->isChecked();
}

void DisplayPanel::drawText(int x, int y, int pointSize, const QString &text, Rgb textColour,
                            Rgb backColour)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(pointSize / 10.0);
    m_frame.drawText(QPoint(x, y), font, text, toQColor(textColour), toQColor(backColour));
}

void DisplayPanel::startSpinTimers()
{
    for (QTimer *timer : m_spinTimers)
        timer->start();
}

void DisplayPanel::StopCountdown()
{
    m_countdown.stop();
}

void DisplayPanel::killSpinTimers()
{
    for (QTimer *timer : m_spinTimers)
        timer->stop();
}

void DisplayPanel::playStopCue()
{
    m_cues.PlayCue(CueSounds::StopCue);
}

void DisplayPanel::sleep(int milliseconds)
{
    m_sleeper.sleep(milliseconds);
}
