#pragma once

#include "gamedisplays.h"
#include "textcolour.h"

#include <QString>

#include <array>

class RandomSource;

// The radio buttons the displays read their colours from.
enum class DisplayRadio { ColourBlue, ColourRed, ColourGreen, BackOn, BackOff };

// Where a display slot's text goes: its top-left corner in the display frame's pixels, and its
// size in tenths of a point.
struct DisplaySlot
{
    int x;
    int y;
    int pointSize;
};

// What the displays need from the window.
class DisplayHost
{
public:
    virtual ~DisplayHost() = default;
    virtual bool isChecked(DisplayRadio radio) const = 0;
    // Draws text in "Times New Roman" with its top-left corner at (x, y) of the display frame,
    // every character cell filled with the background, and shows it at once.
    virtual void drawText(int x, int y, int pointSize, const QString &text, Rgb textColour,
                          Rgb backColour) = 0;
    virtual void startSpinTimers() = 0;
    virtual void StopCountdown() = 0;
    virtual void killSpinTimers() = 0;
    virtual void playStopCue() = 0;
    // Holds the window; what was drawn before stays on screen meanwhile.
    virtual void sleep(int milliseconds) = 0;
};

// The four number displays: three slots that flicker random numbers while a draw spins, each
// driven by its own timer, and the reveal that ends with the drawn number in the centre and
// called slots. Colours come from the radio buttons as each tick and the reveal read them, so
// a change shows at the next one.
class NumberDisplays final : public GameDisplays
{
public:
    static constexpr DisplaySlot Centre{270, 325, 1350};
    static constexpr DisplaySlot Left{30, 345, 1200};
    static constexpr DisplaySlot Right{530, 345, 1200};
    static constexpr DisplaySlot Called{453, 25, 1850};

    static constexpr Rgb LeftBack{255, 150, 255};
    static constexpr Rgb RightBack{255, 255, 0};
    static constexpr Rgb BackOnColour{0, 255, 255};
    static constexpr Rgb Grey{190, 190, 190};

    struct SpinTimer
    {
        int id;
        int periodMs;
    };
    // In the order Start sets them: centre, left, right.
    static constexpr std::array<SpinTimer, 3> SpinTimers{{{2, 100}, {3, 150}, {4, 200}}};

    NumberDisplays(DisplayHost &host, RandomSource &random)
        : m_host(host)
        , m_random(random)
    {}

    void Paint(int x, int y);
    void SpinPaint(int x, int y);
    void ReadTextColour() override;
    void ReadBackColour();
    void StartSpin() override;
    void Erase() override;
    void OnTimer(int id);
    // The first part of Stop: stops the countdown and the timers, gives the side slots a last
    // random number each with a stop cue and a pause, then shows the drawn number.
    void Reveal(int drawn) override;
    // The drawn number in the centre and called slots at once, as a reveal leaves them, with
    // no cue, pause or random number: for a game put back after the program ended.
    void ShowDrawn(int drawn);

    Rgb textColour() const { return {m_textRed, m_textGreen, m_textBlue}; }
    Rgb backColour() const { return {m_backRed, m_backGreen, m_backBlue}; }

private:
    void setBackColour(Rgb colour);
    void draw(int x, int y, const QString &text);

    DisplayHost &m_host;
    RandomSource &m_random;
    int m_drawn = 0;

    int m_textRed = 0;
    int m_backRed = 0;
    int m_pointSize = 0;
    int m_textGreen = 0;
    int m_backGreen = 0;
    int m_showDrawn = 0;
    int m_textBlue = 0;
    int m_backBlue = 0;
};
