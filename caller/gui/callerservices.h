#pragma once

#include "crtrandom.h"

#include <cstdint>
#include <functional>

class CountdownPlayer;
class FileChooser;
class MessagePresenter;
class ProcessStarter;
class Sleeper;
class SoundOutput;
class QWidget;

// The widget of the countdown clip and the player that drives it; the player lives as long as
// the widget (usually it is the widget).
struct CountdownControl
{
    QWidget *widget = nullptr;
    CountdownPlayer *player = nullptr;
};

// Everything outside the caller's dialog that it talks to. The program hands in the real
// services; tests hand in ones they control. Each must outlive the dialog.
struct CallerServices
{
    SoundOutput *sound = nullptr;
    FileChooser *files = nullptr;
    MessagePresenter *messages = nullptr;
    ProcessStarter *processes = nullptr;
    Sleeper *sleeper = nullptr;
    // The generator's state at initialisation. The program derives it from its seed
    // (CrtRandom::callerStart); tests give the state itself.
    std::function<std::uint32_t()> seed = &CrtRandom::timeSeed;
    // Makes the countdown clip's control; without it the dialog plays the clips itself.
    std::function<CountdownControl(QWidget *parent)> makeCountdown;
};
