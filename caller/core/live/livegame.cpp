#include "livegame.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString phaseName(AudienceBoard::Phase phase)
{
    switch (phase) {
    case AudienceBoard::Phase::Waiting:
        return QStringLiteral("waiting");
    case AudienceBoard::Phase::Spinning:
        return QStringLiteral("spinning");
    case AudienceBoard::Phase::BetweenDraws:
        return QStringLiteral("between");
    case AudienceBoard::Phase::Finished:
        return QStringLiteral("finished");
    }
    return {};
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray refusal(const QString &message, const QString &field)
{
    return compact({{QStringLiteral("error"), message}, {QStringLiteral("field"), field}});
}

} // namespace

LiveGame LiveGame::of(const AudienceBoard &board)
{
    return {board.phase(), board.topNumber(), board.called()};
}

QByteArray liveGameJson(const LiveGame &game)
{
    QJsonArray called;
    for (int number : game.called)
        called.append(number);
    return compact({{QStringLiteral("phase"), phaseName(game.phase)},
                    {QStringLiteral("top"), game.top},
                    {QStringLiteral("called"), called}});
}

LiveSheet::LiveSheet(const QString &typedCode, const QString &typedNumber)
    : m_typedCode(typedCode)
    , m_typedNumber(typedNumber)
{}

QByteArray LiveSheet::json(const LiveGame &game)
{
    if (m_typedCode.size() > MaxTypedLength)
        return refusal(QCoreApplication::translate("LiveSheet", "コードが長すぎます。"),
                       QStringLiteral("code"));
    if (m_typedNumber.size() > MaxTypedLength)
        return refusal(QCoreApplication::translate("LiveSheet", "シート番号が長すぎます。"),
                       QStringLiteral("number"));
    if (m_choiceTop != game.top) {
        m_choice = chooseSheet(m_typedCode, m_typedNumber, game.top);
        m_choiceTop = game.top;
    }
    if (!m_choice.found())
        return refusal(m_choice.refusal,
                       m_choice.code ? QStringLiteral("number") : QStringLiteral("code"));

    const SheetVerdict verdict(m_choice.cells, game.called,
                               SheetVerdict::isOver(game.top, game.called.size()));
    QJsonArray cells;
    QJsonArray marked;
    for (int c = 0; c < SheetRules::Cells; ++c) {
        cells.append(m_choice.cells[std::size_t(c)]);
        marked.append(verdict.isMarked(c));
    }
    QJsonArray complete;
    for (const SheetVerdict::CompleteLine &line : verdict.completeLines())
        complete.append(QJsonObject{{QStringLiteral("line"), line.line},
                                    {QStringLiteral("call"), line.call},
                                    {QStringLiteral("number"), line.number}});
    // Once the game is over, a line one short waits for nothing: its number was not drawn.
    QJsonArray reach;
    QJsonArray notDrawn;
    for (const SheetVerdict::ReachLine &line : verdict.reachLines())
        (verdict.isGameOver() ? notDrawn : reach)
            .append(QJsonObject{{QStringLiteral("line"), line.line},
                                {QStringLiteral("waitsFor"), line.waitsFor}});
    QJsonValue full;
    if (const auto &filled = verdict.full())
        full = QJsonObject{{QStringLiteral("call"), filled->call},
                           {QStringLiteral("number"), filled->number}};
    return compact({{QStringLiteral("code"), m_choice.code->text()},
                    {QStringLiteral("number"), m_choice.number},
                    {QStringLiteral("cells"), cells},
                    {QStringLiteral("marked"), marked},
                    {QStringLiteral("headline"), verdict.headline()},
                    {QStringLiteral("details"), QJsonArray::fromStringList(verdict.details())},
                    {QStringLiteral("complete"), complete},
                    {QStringLiteral("reach"), reach},
                    {QStringLiteral("notDrawn"), notDrawn},
                    {QStringLiteral("over"), verdict.isGameOver()},
                    {QStringLiteral("full"), full}});
}
