#pragma once

#include "gamedisplays.h"
#include "gameview.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <span>

class RandomSource;

// The state of one game of the caller and the operations that change it. Start draws a fresh
// order of distinct numbers at the first Start of a game, each Stop reveals the next one into
// a five-column grid, and Clear prepares a new game. The window is reached only through
// GameView and the number displays through GameDisplays, so the whole game runs without a
// window. What happened is also published as signals,
// so that any number of observers (a screen for the room, a record on disk) follow the game
// without the window relaying to them; they are emitted after the window's own calls of the
// same step, so connecting an observer never changes what the window sees, and after the game's
// own state has taken the step, so an observer may ask the game as well as read the arguments.
class CallerGame : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxTopNumber = 100;
    static constexpr int GridColumns = 5;

    enum class Event {
        Initialised,
        Start,
        StopMoreRemain,
        StopLastNumber,
        Clear,
        Save,
        SaveFinished
    };

    // How one event leaves a control: switched on, off, or as it was.
    enum class Setting : signed char { Keep, On, Off };

    struct ButtonRow
    {
        Event event;
        Setting start, stop, clear, save, sheet, number;
    };

    static const std::array<ButtonRow, 7> buttonTable;

    CallerGame(GameView &view, GameDisplays &displays, RandomSource &random,
               QObject *parent = nullptr);

    // Puts the buttons in their state for a dialog that has just opened.
    void initialise();
    void start();
    void stop();
    void clear();
    // The buttons as Save sets them before its file dialog opens.
    void beginSave();
    // Save ended: a file was written, or not (cancelled or failed). Between draws a written
    // file enables Stop; after the last number a save that wrote nothing can be tried again.
    void endSave(bool written);
    // Puts back a game that was under way when the program last ended, as it stood after its
    // last draw: the same order (topNumber is its length), drawCount numbers in the grid, the
    // buttons as between draws or as finished. A restored game keeps its order even with
    // nothing drawn yet, so the next Start spins for the next number of that order. False,
    // with nothing changed, for an order of 1 to MaxTopNumber entries it cannot be or a count
    // outside it.
    bool restore(std::span<const int> drawOrder, int drawCount);

    bool isFinished() const { return m_started && m_drawCount >= m_topNumber; }
    std::span<const int> drawnNumbers() const
    {
        return std::span<const int>(m_drawOrder).first(static_cast<std::size_t>(m_drawCount));
    }
    std::span<const int> drawOrder() const
    {
        return std::span<const int>(m_drawOrder).first(static_cast<std::size_t>(m_topNumber));
    }
    int drawCount() const { return m_drawCount; }
    int topNumber() const { return m_topNumber; }
    bool started() const { return m_started != 0; }
    // The combobox text as the dialog exchanges it.
    const QString &topNumberText() const { return m_topNumberText; }
    void setTopNumberText(const QString &text) { m_topNumberText = text; }
    // The top number the combobox text plays, or nothing when it cannot be played.
    static std::optional<int> playableTopNumber(const QString &input);
    // The message shown when the top-number text cannot be played.
    static QString topNumberRefusal(const QString &input);

signals:
    // The first Start of a game drew its order; only the first topNumber entries are played.
    void gameStarted(int topNumber, const QList<int> &drawOrder);
    // Start set the displays spinning for the number at index (0 for the first of a game).
    void spinStarted(int index);
    // Stop took the number at index from the order. Emitted before the reveal shows it, so a
    // record of it can be made durable before anyone sees it.
    void numberDrawn(int index, int number);
    // The number stands in the centre and called slots and in the grid; index + 1 numbers are
    // drawn now, as drawCount() says.
    void numberRevealed(int index, int number);
    // The last number was revealed and the game is finished; emitted before the "Bingo End"
    // message opens.
    void gameFinished();
    // Clear ended the game; drawCount numbers of it had been drawn.
    void gameCleared(int drawCount);
    // Save ended, with a file written or not.
    void saveEnded(bool written);
    // restore() put back a game with drawCount numbers of drawOrder drawn.
    void gameRestored(int topNumber, const QList<int> &drawOrder, int drawCount);

private:
    void apply(Event event);
    void fillDrawOrder();

    GameView &m_view;
    GameDisplays &m_displays;
    RandomSource &m_random;

    std::array<int, MaxTopNumber> m_drawOrder{};
    int m_drawCount = 0;
    int m_topNumber = 0;
    int m_started = 0;
    int m_listRow = 0;
    int m_listCol = 0;
    QString m_numberText;
    QString m_topNumberText = QStringLiteral("50");
};
