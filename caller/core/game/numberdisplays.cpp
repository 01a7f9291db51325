#include "numberdisplays.h"

#include "numbertext.h"
#include "randomsource.h"

namespace {
constexpr int RevealFirstPause = 100;
constexpr int RevealSidePause = 300;
} // namespace

void NumberDisplays::setBackColour(Rgb colour)
{
    m_backRed = colour.red;
    m_backGreen = colour.green;
    m_backBlue = colour.blue;
}

void NumberDisplays::draw(int x, int y, const QString &text)
{
    m_host.drawText(x, y, m_pointSize, text, textColour(), backColour());
}

void NumberDisplays::Paint(int x, int y)
{
    // The flicker shows 0..99 whatever the top number is.
    const int value = m_showDrawn ? m_drawn : m_random.rand() % 100;
    draw(x, y, numberText(value));
}

void NumberDisplays::SpinPaint(int x, int y)
{
    const QString text = numberText(m_random.rand() % 100);
    ReadTextColour();
    draw(x, y, text);
}

void NumberDisplays::ReadTextColour()
{
    const std::pair<DisplayRadio, Rgb> radios[] = {
        {DisplayRadio::ColourBlue, TextColours::Blue},
        {DisplayRadio::ColourRed, TextColours::Red},
        {DisplayRadio::ColourGreen, TextColours::Green},
    };
    for (const auto &[radio, colour] : radios) {
        if (m_host.isChecked(radio)) {
            m_textRed = colour.red;
            m_textGreen = colour.green;
            m_textBlue = colour.blue;
        }
    }
}

void NumberDisplays::ReadBackColour()
{
    if (m_host.isChecked(DisplayRadio::BackOn))
        setBackColour(BackOnColour);
    if (m_host.isChecked(DisplayRadio::BackOff))
        setBackColour(Grey);
}

void NumberDisplays::StartSpin()
{
    m_host.startSpinTimers();
}

void NumberDisplays::Erase()
{
    // Four spaces cover the two digits; a fresh device context draws them in its default
    // black, which shows nowhere.
    for (const DisplaySlot &slot : {Centre, Left, Right, Called})
        m_host.drawText(slot.x, slot.y, slot.pointSize, QStringLiteral("    "), Rgb{}, Grey);
}

void NumberDisplays::OnTimer(int id)
{
    switch (id) {
    case 2:
        m_showDrawn = 1;
        m_pointSize = Centre.pointSize;
        ReadBackColour();
        SpinPaint(Centre.x, Centre.y);
        break;
    case 3:
        m_showDrawn = 0;
        m_pointSize = Left.pointSize;
        setBackColour(LeftBack);
        SpinPaint(Left.x, Left.y);
        break;
    case 4:
        m_showDrawn = 0;
        m_pointSize = Right.pointSize;
        setBackColour(RightBack);
        SpinPaint(Right.x, Right.y);
        break;
    default:
        break;
    }
}

void NumberDisplays::Reveal(int drawn)
{
    m_drawn = drawn;
    m_host.StopCountdown();
    m_host.killSpinTimers();
    m_host.sleep(RevealFirstPause);

    m_showDrawn = 0;
    m_pointSize = Left.pointSize;
    setBackColour(LeftBack);
    Paint(Left.x, Left.y);
    m_host.playStopCue();
    m_host.sleep(RevealSidePause);

    m_showDrawn = 0;
    m_pointSize = Right.pointSize;
    setBackColour(RightBack);
    Paint(Right.x, Right.y);
    m_host.playStopCue();
    m_host.sleep(RevealSidePause);

    m_showDrawn = 1;
    m_pointSize = Centre.pointSize;
    ReadBackColour();
    Paint(Centre.x, Centre.y);

    m_showDrawn = 1;
    m_pointSize = Called.pointSize;
    ReadBackColour();
    Paint(Called.x, Called.y);

    m_host.playStopCue();
}

void NumberDisplays::ShowDrawn(int drawn)
{
    m_drawn = drawn;
    ReadTextColour();
    m_showDrawn = 1;
    for (const DisplaySlot &slot : {Centre, Called}) {
        m_pointSize = slot.pointSize;
        ReadBackColour();
        Paint(slot.x, slot.y);
    }
}
