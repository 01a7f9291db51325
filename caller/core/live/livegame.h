#pragma once

#include "audienceboard.h"
#include "sheetverdict.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// What a phone learns of the game: exactly what the audience screen shows (the phase, the top
// number and the numbers revealed so far, in the order they were called), never the draw order.
struct LiveGame
{
    AudienceBoard::Phase phase = AudienceBoard::Phase::Waiting;
    int top = 0;
    QList<int> called;

    static LiveGame of(const AudienceBoard &board);
    friend bool operator==(const LiveGame &, const LiveGame &) = default;
};

// The game as the page reads it: {"phase":..., "top":N, "called":[...]} in compact JSON.
QByteArray liveGameJson(const LiveGame &game);

// The page's own words, by the names its elements carry, in the language of the PageLanguage
// around the call.
QJsonObject livePageTexts();
// The room's count as the page and the audience screen show it: 「リーチ 12 · ビンゴ 3」.
QString hallCountText(int reach, int bingo);

// The sheet a phone asked to follow, by the set code and the sheet number typed on the page,
// and its verdict against a game. The sheet is looked up once per top number: far into a set
// that takes milliseconds, a verdict only microseconds.
class LiveSheet
{
public:
    // Longer texts cannot be a code or a sheet number; they are refused unread.
    static constexpr int MaxTypedLength = 40;

    LiveSheet(const QString &typedCode, const QString &typedNumber);

    // {"code", "number", "title", "rows", "headline", "details", "complete", "reach", "notDrawn",
    // "over", "full"}, or {"error", "field"} with the sheet check's message when the code or the
    // number names no sheet of the game. The rows run from the top, each cell {"n": its number as
    // printed, "m": "star", "hit", "wait" (a reach waits for it) or ""}. The texts are in the
    // language of the PageLanguage around the call.
    QByteArray json(const LiveGame &game);
    // The sheet named, once json() found it for the game's top number.
    const SheetChoice *found() const;

private:
    QString m_typedCode;
    QString m_typedNumber;
    int m_choiceTop = -1;
    SheetChoice m_choice;
    // What json() made last, and for which game.
    struct Sent
    {
        int top = -1;
        bool over = false;
        QList<int> called;
        QByteArray json;
    };
    Sent m_sent;
};
