#pragma once

#include "gamedisplays.h"
#include "gameview.h"

#include <QString>

#include <functional>
#include <utility>

// A window and displays that do nothing: the top number field holds `input`, and each number
// revealed is handed to `onReveal`, so a test can look at the state of things at that moment.
class QuietGameView final : public GameView, public GameDisplays
{
public:
    explicit QuietGameView(QString topNumber = {})
        : input(std::move(topNumber))
    {}

    QString input;
    std::function<void(int)> onReveal = [](int) {};

    void setControlEnabled(GameControl, bool) override {}
    QString topNumberInput() const override { return input; }
    void refuseTopNumber(const QString &) override {}
    void StartCountdown() override {}
    void playCue(GameCue) override {}
    void insertGridRow(int) override {}
    void setGridCell(int, int, const QString &) override {}
    void clearGrid() override {}
    void showBingoEnd() override {}

    void ReadTextColour() override {}
    void StartSpin() override {}
    void Reveal(int number) override { onReveal(number); }
    void Erase() override {}
};
