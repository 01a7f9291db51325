#include "sheetverdict.h"

#include "numbertext.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int StarCall = -1; // marks the star: called, by no call

using SheetRules::cellAt;
using SheetRules::Size;

std::array<std::array<int, Size>, SheetVerdict::LineCount> makeLines()
{
    std::array<std::array<int, Size>, SheetVerdict::LineCount> lines{};
    for (int i = 0; i < Size; ++i) {
        for (int j = 0; j < Size; ++j) {
            lines[std::size_t(i)][std::size_t(j)] = cellAt(j, i);        // row i: column j
            lines[std::size_t(Size + i)][std::size_t(j)] = cellAt(i, j); // column i: row j
        }
        lines[10][std::size_t(i)] = cellAt(i, i);            // top left to bottom right
        lines[11][std::size_t(i)] = cellAt(Size - 1 - i, i); // top right to bottom left
    }
    return lines;
}

QString callText(int call, int number)
{
    return QCoreApplication::translate("SheetVerdict", "%1 回目の %2")
        .arg(call)
        .arg(numberText(number));
}

} // namespace

const std::array<std::array<int, Size>, SheetVerdict::LineCount> SheetVerdict::Lines = makeLines();

QString SheetVerdict::lineName(int line)
{
    if (line < 5)
        return QCoreApplication::translate("SheetVerdict", "上から %1 行目").arg(line + 1);
    if (line < 10)
        return QCoreApplication::translate("SheetVerdict", "左から %1 列目").arg(line - 4);
    return line == 10 ? QCoreApplication::translate("SheetVerdict", "斜め（左上から右下）")
                      : QCoreApplication::translate("SheetVerdict", "斜め（右上から左下）");
}

SheetVerdict::SheetVerdict(std::span<const int, SheetRules::Cells> sheet,
                           std::span<const int> called, bool gameOver)
    : m_gameOver(gameOver)
{
    std::copy(sheet.begin(), sheet.end(), m_cells.begin());
    for (int c = 0; c < SheetRules::Cells; ++c) {
        if (c == SheetRules::StarCell) {
            m_callOf[std::size_t(c)] = StarCall;
            continue;
        }
        const auto found = std::find(called.begin(), called.end(), m_cells[std::size_t(c)]);
        if (found != called.end())
            m_callOf[std::size_t(c)] = int(found - called.begin()) + 1;
    }

    const auto lastCallOf = [this](std::span<const int> cells) {
        int last = 0;
        for (int c : cells)
            last = std::max(last, m_callOf[std::size_t(c)]);
        return last;
    };
    for (int line = 0; line < LineCount; ++line) {
        const auto &cells = Lines[std::size_t(line)];
        const auto open =
            std::count_if(cells.begin(), cells.end(), [this](int c) { return !isMarked(c); });
        if (open == 0) {
            const int call = lastCallOf(cells);
            m_complete.append({line, call, called[std::size_t(call - 1)]});
        } else if (open == 1) {
            const int waiting =
                *std::find_if(cells.begin(), cells.end(), [this](int c) { return !isMarked(c); });
            m_reach.append({line, m_cells[std::size_t(waiting)]});
        }
    }
    std::stable_sort(m_complete.begin(), m_complete.end(),
                     [](const CompleteLine &a, const CompleteLine &b) { return a.call < b.call; });

    std::array<int, SheetRules::Cells> all{};
    for (int c = 0; c < SheetRules::Cells; ++c)
        all[std::size_t(c)] = c;
    if (std::all_of(all.begin(), all.end(), [this](int c) { return isMarked(c); })) {
        const int call = lastCallOf(all);
        m_full = Full{call, called[std::size_t(call - 1)]};
    }
}

QString SheetVerdict::headline() const
{
    if (m_full)
        return QCoreApplication::translate("SheetVerdict", "ビンゴ！ 全部そろいました");
    if (hasLine())
        return QCoreApplication::translate("SheetVerdict", "ビンゴ！ %1 列そろいました")
            .arg(m_complete.size());
    if (m_gameOver)
        return QCoreApplication::translate("SheetVerdict", "そろった列はありません（ゲーム終了）");
    if (!m_reach.isEmpty())
        return QCoreApplication::translate("SheetVerdict", "リーチ（まだそろった列はありません）");
    return QCoreApplication::translate("SheetVerdict", "まだそろった列はありません");
}

QStringList SheetVerdict::details() const
{
    QStringList lines;
    for (const CompleteLine &complete : m_complete)
        lines << QCoreApplication::translate("SheetVerdict", "そろった列: %1（%2 でそろいました）")
                     .arg(lineName(complete.line), callText(complete.call, complete.number));
    if (m_full)
        lines << QCoreApplication::translate("SheetVerdict",
                                             "全部: 24 個すべて（%1 でそろいました）")
                     .arg(callText(m_full->call, m_full->number));
    for (const ReachLine &reach : m_reach)
        lines << (m_gameOver
                      ? QCoreApplication::translate(
                            "SheetVerdict", "リーチのまま終了: %1（%2 は引かれませんでした）")
                      : QCoreApplication::translate("SheetVerdict", "リーチ: %1（あと %2）"))
                     .arg(lineName(reach.line), numberText(reach.waitsFor));
    if (lines.isEmpty())
        lines << QCoreApplication::translate("SheetVerdict", "リーチの列もありません");
    return lines;
}

SheetChoice chooseSheet(const QString &typedCode, const QString &typedNumber, int gameTop)
{
    SheetChoice choice;
    const SetCodeReading reading = SetCode::read(typedCode);
    if (!reading.code) {
        choice.refusal = reading.error;
        return choice;
    }
    const SetCode code = *reading.code;
    if (code.top() != gameTop) {
        choice.refusal = QCoreApplication::translate(
                             "SheetCheckDialog",
                             "コード %1 は数値 %2 までのシートの組です。このゲームは %3 までです。")
                             .arg(code.text())
                             .arg(code.top())
                             .arg(gameTop);
        return choice;
    }
    choice.code = code;
    const std::optional<qint64> number = SetCode::readSheetNumber(typedNumber);
    if (!number)
        choice.refusal =
            QCoreApplication::translate("SheetCheckDialog",
                                        "シート番号を 1 から %1 までの数字で入力してください。")
                .arg(SheetRules::MaxSheetCount);
    else if (const std::optional<QString> refusal = SetCode::sheetNumberRefusal(*number))
        choice.refusal = *refusal;
    if (!choice.found())
        return choice;
    choice.number = static_cast<int>(*number);
    choice.cells = code.sheet(choice.number);
    return choice;
}
