#pragma once

#include "numberdisplays.h"

#include <QString>
#include <QStringList>

#include <set>

// The dialog as the number displays see it: the radio buttons checked are given, and every
// call, each drawing with its place, size, text and colours, is recorded in one list.
class RecordingHost final : public DisplayHost
{
public:
    std::set<DisplayRadio> checked{DisplayRadio::ColourBlue, DisplayRadio::BackOn};
    QStringList calls;

    bool isChecked(DisplayRadio radio) const override { return checked.count(radio) != 0; }
    void drawText(int x, int y, int pointSize, const QString &text, Rgb textColour,
                  Rgb backColour) override
    {
        calls << QStringLiteral("draw %1,%2 %3 \"%4\" text %5 back %6")
                     .arg(x)
                     .arg(y)
                     .arg(pointSize)
                     .arg(text, colourText(textColour), colourText(backColour));
    }
    void startSpinTimers() override { calls << QStringLiteral("startTimers"); }
    void StopCountdown() override { calls << QStringLiteral("stopCountdown"); }
    void killSpinTimers() override { calls << QStringLiteral("killTimers"); }
    void playStopCue() override { calls << QStringLiteral("stopCue"); }
    void sleep(int ms) override { calls << QStringLiteral("sleep %1").arg(ms); }

    void check(DisplayRadio colour, DisplayRadio back) { checked = {colour, back}; }

    static QString colourText(Rgb c)
    {
        return QStringLiteral("%1,%2,%3").arg(c.red).arg(c.green).arg(c.blue);
    }
};
