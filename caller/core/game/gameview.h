#pragma once

#include <QString>

// The controls whose enabled state the game sets.
enum class GameControl { Start, Stop, Clear, Save, Sheet, Number };

// The sound cues the game itself plays; the stop cues belong to the reveal.
enum class GameCue { Start, Clear };

// What the caller's window does for the game, called by CallerGame at fixed points of Start,
// Stop, Clear and Save: the buttons, the top number, the countdown clip, the cues and the grid.
// The dialog implements it; tests record the calls.
class GameView
{
public:
    virtual ~GameView() = default;

    virtual void setControlEnabled(GameControl control, bool enabled) = 0;
    virtual QString topNumberInput() const = 0;
    // Start was refused because the top number cannot be played; tells the operator why.
    virtual void refuseTopNumber(const QString &message) = 0;
    // Opens the countdown clip and plays it until the reveal stops it.
    virtual void StartCountdown() = 0;
    virtual void playCue(GameCue cue) = 0;
    virtual void insertGridRow(int row) = 0;
    virtual void setGridCell(int row, int column, const QString &text) = 0;
    virtual void clearGrid() = 0;
    // The modal "Bingo End" message; returns when it has been closed.
    virtual void showBingoEnd() = 0;
};
