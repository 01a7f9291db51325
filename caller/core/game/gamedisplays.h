#pragma once

// What the game asks of the number displays at Start, Stop and Clear. NumberDisplays is the
// real one; the game reaches it directly, so no window stands between the two.
class GameDisplays
{
public:
    virtual ~GameDisplays() = default;

    // Takes the text colour from the colour radios; the spin and the reveal paint in it.
    virtual void ReadTextColour() = 0;
    // Sets the three spin timers going, in the order centre, left, right.
    virtual void StartSpin() = 0;
    // Stops the countdown and the spin timers and reveals the drawn number in large type.
    virtual void Reveal(int drawn) = 0;
    // Blanks the four slots.
    virtual void Erase() = 0;
};
