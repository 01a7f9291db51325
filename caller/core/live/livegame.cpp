#include "livegame.h"

#include "numbertext.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>

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

QJsonObject livePageTexts()
{
    // The words the room's screen and the sheet check show are taken from them, so each is
    // written once.
    struct Text
    {
        const char *key;
        const char *context;
        const char *source;
    };
    static constexpr Text texts[] = {
        {"title", "LivePage", QT_TRANSLATE_NOOP("LivePage", "ビンゴ")},
        {"connecting", "LivePage", QT_TRANSLATE_NOOP("LivePage", "接続しています…")},
        {"live", "LivePage", QT_TRANSLATE_NOOP("LivePage", "ライブ")},
        {"lost", "LivePage",
         QT_TRANSLATE_NOOP("LivePage", "接続が切れました。つなぎ直しています…")},
        {"latest", "LivePage", QT_TRANSLATE_NOOP("LivePage", "最新の数字")},
        {"waiting", "AudienceScreen",
         QT_TRANSLATE_NOOP("AudienceScreen", "スタートを待っています")},
        {"spinning", "AudienceScreen", QT_TRANSLATE_NOOP("AudienceScreen", "抽選中")},
        {"finished", "LivePage", QT_TRANSLATE_NOOP("LivePage", "Bingo End")},
        {"recent", "LivePage", QT_TRANSLATE_NOOP("LivePage", "最近の 5 つ")},
        {"mine", "LivePage", QT_TRANSLATE_NOOP("LivePage", "マイシート")},
        {"take", "LivePage", QT_TRANSLATE_NOOP("LivePage", "シートをもらう")},
        {"orTyped", "LivePage",
         QT_TRANSLATE_NOOP("LivePage",
                           "紙のシートを持っているときは、コードと番号を入れてください。")},
        {"code", "SheetCheckDialog", QT_TRANSLATE_NOOP("SheetCheckDialog", "コード")},
        {"number", "SheetCheckDialog", QT_TRANSLATE_NOOP("SheetCheckDialog", "シート番号")},
        {"show", "LivePage", QT_TRANSLATE_NOOP("LivePage", "表示")},
        {"forget", "LivePage", QT_TRANSLATE_NOOP("LivePage", "消す")},
        {"name", "LivePage", QT_TRANSLATE_NOOP("LivePage", "名前 (16 文字まで)")},
        {"saveName", "LivePage", QT_TRANSLATE_NOOP("LivePage", "名前をつける")},
        {"star", "LivePage", QT_TRANSLATE_NOOP("LivePage", "フリー")},
        {"board", "LivePage",
         QT_TRANSLATE_NOOP("LivePage", "ゲームの数字（呼ばれた数字は塗りつぶし）")},
    };
    QJsonObject object;
    for (const Text &text : texts)
        object.insert(QLatin1String(text.key),
                      QCoreApplication::translate(text.context, text.source));
    return object;
}

QString hallCountText(int reach, int bingo)
{
    return QCoreApplication::translate("LivePage", "リーチ %1 · ビンゴ %2").arg(reach).arg(bingo);
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

    // A number called that is not on the sheet changes nothing of its verdict: the sheet as
    // sent last time stands, which spares most phones' sheets most of the work of a reveal.
    const bool over = SheetVerdict::isOver(game.top, game.called.size());
    if (m_sent.top == game.top && m_sent.over == over && !m_sent.json.isEmpty() &&
        game.called.size() >= m_sent.called.size() &&
        std::equal(m_sent.called.cbegin(), m_sent.called.cend(), game.called.cbegin()) &&
        std::none_of(game.called.cbegin() + m_sent.called.size(), game.called.cend(),
                     [&](int number) {
                         return std::find(m_choice.cells.cbegin(), m_choice.cells.cend(), number) !=
                                m_choice.cells.cend();
                     })) {
        m_sent.called = game.called;
        return m_sent.json;
    }
    const SheetVerdict verdict(m_choice.cells, game.called, over);
    QSet<int> waited;
    for (const SheetVerdict::ReachLine &line : verdict.reachLines())
        waited.insert(line.waitsFor);
    QJsonArray rows;
    for (int row = 0; row < SheetRules::Size; ++row) {
        QJsonArray cells;
        for (int column = 0; column < SheetRules::Size; ++column) {
            const int c = SheetRules::cellAt(column, row);
            const int number = m_choice.cells[std::size_t(c)];
            const bool star = c == SheetRules::StarCell;
            const QString mark = star                      ? QStringLiteral("star")
                                 : verdict.isMarked(c)     ? QStringLiteral("hit")
                                 : waited.contains(number) ? QStringLiteral("wait")
                                                           : QString();
            cells.append(
                QJsonObject{{QStringLiteral("n"), star ? QStringLiteral("★") : numberText(number)},
                            {QStringLiteral("m"), mark}});
        }
        rows.append(cells);
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
    m_sent = {game.top, over, game.called, {}};
    m_sent.json =
        compact({{QStringLiteral("code"), m_choice.code->text()},
                 {QStringLiteral("number"), m_choice.number},
                 {QStringLiteral("title"), QCoreApplication::translate("LivePage", "シート %1 · %2")
                                               .arg(m_choice.number)
                                               .arg(m_choice.code->text())},
                 {QStringLiteral("rows"), rows},
                 {QStringLiteral("headline"), verdict.headline()},
                 {QStringLiteral("details"), QJsonArray::fromStringList(verdict.details())},
                 {QStringLiteral("complete"), complete},
                 {QStringLiteral("reach"), reach},
                 {QStringLiteral("notDrawn"), notDrawn},
                 {QStringLiteral("over"), verdict.isGameOver()},
                 {QStringLiteral("full"), full}});
    return m_sent.json;
}

const SheetChoice *LiveSheet::found() const
{
    return m_choiceTop >= 0 && m_choice.found() ? &m_choice : nullptr;
}
