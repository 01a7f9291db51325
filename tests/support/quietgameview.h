#pragma once

#include "gamedisplays.h"
#include "gameview.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <utility>

// A window and displays that show nothing: the top number field holds `input`, each number
// revealed is handed to `onReveal`, so a test can look at the state of things at that moment,
// and every call is recorded in one list, with the enabled state and the grid it was told about.
class QuietGameView final : public GameView, public GameDisplays
{
public:
    explicit QuietGameView(QString topNumber = {})
        : input(std::move(topNumber))
    {}

    QString input;
    std::function<void(int)> onReveal = [](int) {};
    QStringList calls;
    std::map<GameControl, bool> enabled;
    std::map<std::pair<int, int>, QString> cells;
    std::pair<int, int> lastCell{-1, -1};
    QList<int> insertedRows;
    QList<int> revealed;
    int bingoEnds = 0;
    QString refusal;

    void setControlEnabled(GameControl control, bool on) override { enabled[control] = on; }
    QString topNumberInput() const override { return input; }
    void refuseTopNumber(const QString &message) override
    {
        refusal = message;
        calls << QStringLiteral("refuse");
    }
    void ReadTextColour() override { calls << QStringLiteral("readTextColour"); }
    void StartCountdown() override { calls << QStringLiteral("startCountdown"); }
    void StartSpin() override { calls << QStringLiteral("startSpinTimers"); }
    void playCue(GameCue cue) override
    {
        calls << (cue == GameCue::Start ? QStringLiteral("cue start")
                                        : QStringLiteral("cue clear"));
    }
    void Reveal(int number) override
    {
        revealed << number;
        calls << QStringLiteral("reveal");
        onReveal(number);
    }
    void insertGridRow(int row) override
    {
        insertedRows << row;
        calls << QStringLiteral("insertRow");
    }
    void setGridCell(int row, int column, const QString &text) override
    {
        cells[{row, column}] = text;
        lastCell = {row, column};
        calls << QStringLiteral("setCell");
    }
    void clearGrid() override
    {
        cells.clear();
        calls << QStringLiteral("clearGrid");
    }
    void Erase() override { calls << QStringLiteral("erase"); }
    void showBingoEnd() override
    {
        ++bingoEnds;
        calls << QStringLiteral("bingoEnd");
    }

    // Start, Stop, Clear, Save, Sheet, Number as "1" (on), "0" (off) or "-" (never set).
    QString buttons() const
    {
        QString s;
        for (GameControl c : {GameControl::Start, GameControl::Stop, GameControl::Clear,
                              GameControl::Save, GameControl::Sheet, GameControl::Number}) {
            const auto it = enabled.find(c);
            s += it == enabled.end() ? u'-' : (it->second ? u'1' : u'0');
        }
        return s;
    }
};
