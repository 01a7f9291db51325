#pragma once

#include "countdownplayer.h"
#include "messagepresenter.h"

// Says yes to every question and shows nothing, for a run whose messages do not matter.
class NoMessages final : public MessagePresenter
{
public:
    void show(QWidget *, Icon, const QString &, const QString &) override {}
    bool ask(QWidget *, const QString &, const QString &) override { return true; }
};

// Has no clip to play, as when the countdown clip is missing.
class NoCountdown final : public CountdownPlayer
{
public:
    bool open(const QString &) override { return false; }
    void play(int, int, int) override {}
    void stop() override {}
};
