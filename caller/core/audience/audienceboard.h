#pragma once

#include "callergame.h"
#include "textcolour.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

// What the screen for the room shows of a game, kept up to date from the game's signals: the
// phase, the board of every number of the game with the ones called so far, the latest number
// and the last few. A number counts as called only once the game has revealed it, so the room
// never sees it before the dialog does. Before the first Start the board follows the top number
// chosen in the dialog.
class AudienceBoard : public QObject
{
    Q_OBJECT

public:
    enum class Phase { Waiting, Spinning, BetweenDraws, Finished };
    static constexpr int RecentCount = 5;

    explicit AudienceBoard(QObject *parent = nullptr);

    void follow(const CallerGame &game);
    // The top number as the dialog's combobox shows it. Only a number the game would play
    // changes the board, and only while no game is under way.
    void setTopNumberText(const QString &text);
    void setTextColour(Rgb colour);

    Phase phase() const { return m_phase; }
    // The game's total draws, N; the board holds the numbers 0..N.
    int topNumber() const { return m_phase == Phase::Waiting ? m_chosenTop : m_topNumber; }
    int drawnCount() const { return static_cast<int>(m_called.size()); }
    bool isCalled(int number) const;
    // The number revealed last, or -1 before the first of a game.
    int latest() const { return m_called.isEmpty() ? -1 : m_called.constLast(); }
    // The numbers revealed so far, in the order they were called.
    const QList<int> &called() const { return m_called; }
    // Up to RecentCount numbers, newest first.
    QList<int> recent() const;
    // "n / N".
    QString countText() const;
    Rgb textColour() const { return m_textColour; }
    // Black or white, whichever stands out more behind the text colour.
    Rgb backColour() const { return contrastingBackground(m_textColour); }
    static Rgb contrastingBackground(Rgb text);
    // The grey of the numbers not yet called: dimmer than the called ones, yet readable across
    // a lit hall, at UncalledContrast to the background.
    Rgb uncalledColour() const;
    static constexpr double UncalledContrast = 7.0;
    // The contrast ratio of two colours, from 1 (the same) to 21 (black and white).
    static double contrast(Rgb a, Rgb b);

signals:
    void changed();

private:
    void gameStarted(int topNumber);
    void spinStarted();
    void numberRevealed(int number);
    void gameFinished();
    void gameCleared();
    // A game put back after the program ended, with the numbers it had drawn.
    void gameRestored(int topNumber, const QList<int> &drawn);

    Phase m_phase = Phase::Waiting;
    int m_chosenTop = 0;
    int m_topNumber = 0;
    QList<int> m_called;
    std::array<bool, CallerGame::MaxTopNumber + 1> m_calledFlags{};
    Rgb m_textColour = TextColours::Blue;
};
