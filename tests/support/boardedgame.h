#pragma once

#include "audienceboard.h"
#include "callergame.h"
#include "crtrandom.h"
#include "quietgameview.h"

#include <cstdint>

// A game of top 50 with no window, its audience board following it: what the screen and the
// phones are fed from.
struct BoardedGame
{
    QuietGameView view;
    CrtRandom random;
    CallerGame game{view, view, random};
    AudienceBoard board;

    explicit BoardedGame(std::uint32_t seed)
        : random(seed)
    {
        view.input = QStringLiteral("50");
        game.initialise();
        board.follow(game);
        board.setTopNumberText(QStringLiteral("50"));
    }
};
