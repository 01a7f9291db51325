#pragma once

#include "numberdisplays.h"

#include <QObject>

#include <array>

class CountdownPlayer;
class CueSounds;
class DisplayFrame;
class QAbstractButton;
class QTimer;
class RandomSource;
class Sleeper;

// The window side of the number displays: paints their text on the display frame, reads the
// colour radios, runs the three spin timers and, for the reveal, stops the countdown clip, plays
// the stop cue and holds the window through its pauses. It owns the displays, so the game
// reaches them without the dialog in between.
class DisplayPanel final : public QObject, private DisplayHost
{
    Q_OBJECT

public:
    // The radio buttons in the order of DisplayRadio.
    using Radios = std::array<const QAbstractButton *, 5>;

    // The timers are children of the panel, named "timer2" and so on.
    DisplayPanel(DisplayFrame &frame, const Radios &radios, CountdownPlayer &countdown,
                 CueSounds &cues, Sleeper &sleeper, RandomSource &random,
                 QObject *parent = nullptr);

    NumberDisplays &displays() { return m_displays; }

private:
    // The frame's own caption stands on grey; it has none, so this shows nowhere.
    void OnCtlColor();

    bool isChecked(DisplayRadio radio) const override;
    void drawText(int x, int y, int pointSize, const QString &text, Rgb textColour,
                  Rgb backColour) override;
    void startSpinTimers() override;
    void StopCountdown() override;
    void killSpinTimers() override;
    void playStopCue() override;
    void sleep(int milliseconds) override;

    DisplayFrame &m_frame;
    Radios m_radios;
    CountdownPlayer &m_countdown;
    CueSounds &m_cues;
    Sleeper &m_sleeper;
    // Timers 2, 3 and 4, in the order of NumberDisplays::SpinTimers.
    std::array<QTimer *, NumberDisplays::SpinTimers.size()> m_spinTimers{};
    NumberDisplays m_displays;
};
