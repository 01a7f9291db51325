#include "sheetdocument.h"

#include "setcode.h"
#include "sheetrules.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>

#include <algorithm>
#include <array>
#include <utility>

namespace {

const QByteArray FirstLine = "BINGO sheets 1";
const std::array<std::pair<const char *, SheetColour>, 3> ColourNames{
    {{"blue", SheetColour::Blue}, {"red", SheetColour::Red}, {"green", SheetColour::Green}}};
const char *const Keys[] = {"code", "sheets", "colour", "numbered"};

SheetDocumentReading refusal(const QString &why)
{
    return {std::nullopt, why};
}

QString lineRefusal(int line, const QString &why)
{
    return QCoreApplication::translate("SheetDocument", "%1 行目: %2").arg(line).arg(why);
}

} // namespace

QByteArray SheetDocument::text() const
{
    QByteArray colourName = "none";
    for (const auto &[name, value] : ColourNames) {
        if (colour == value)
            colourName = name;
    }
    return FirstLine + "\ncode=" + SetCode(seed, topNumber).text().toLatin1() +
           "\nsheets=" + QByteArray::number(sheetCount) + "\ncolour=" + colourName +
           "\nnumbered=" + (numbered ? "yes" : "no") + '\n';
}

SheetDocumentReading SheetDocumentReading::read(const QByteArray &content)
{
    if (content.isEmpty())
        return {};
    QList<QByteArray> lines = content.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (lines.first() != FirstLine)
        return refusal(QCoreApplication::translate(
                           "SheetDocument",
                           "BINGO のシートの書類ではありません (1 行目は「%1」であるはずです)。")
                           .arg(QString::fromLatin1(FirstLine)));
    QHash<QByteArray, std::pair<int, QByteArray>> values; // key: line number, value
    for (int i = 1; i < lines.size(); ++i) {
        const int at = lines[i].indexOf('=');
        const QByteArray key = lines[i].left(at);
        if (at < 0 || std::find(std::begin(Keys), std::end(Keys), key) == std::end(Keys))
            return refusal(lineRefusal(
                i + 1, QCoreApplication::translate("SheetDocument", "読めない行です: 「%1」")
                           .arg(QString::fromUtf8(lines[i]))));
        if (values.contains(key))
            return refusal(lineRefusal(
                i + 1, QCoreApplication::translate("SheetDocument", "%1 が二度あります。")
                           .arg(QString::fromLatin1(key))));
        values.insert(key, {i + 1, lines[i].mid(at + 1)});
    }
    for (const char *key : Keys) {
        if (!values.contains(key))
            return refusal(QCoreApplication::translate("SheetDocument", "%1 の行がありません。")
                               .arg(QLatin1String(key)));
    }

    SheetDocument document;
    const auto [codeLine, codeText] = values.value("code");
    const SetCodeReading code = SetCode::read(QString::fromLatin1(codeText));
    if (!code.code)
        return refusal(lineRefusal(codeLine, code.error));
    document.seed = code.code->seed();
    document.topNumber = code.code->top();

    const auto [countLine, countText] = values.value("sheets");
    bool isNumber = false;
    document.sheetCount = countText.toInt(&isNumber);
    const bool plainDigits =
        !countText.isEmpty() && std::all_of(countText.begin(), countText.end(),
                                            [](char c) { return c >= '0' && c <= '9'; });
    if (!plainDigits || !isNumber || !SheetRules::sheetCountAllowed(document.sheetCount))
        return refusal(lineRefusal(
            countLine,
            QCoreApplication::translate("SheetDocument", "シートの枚数は %1 から %2 までの数です。")
                .arg(SheetRules::MinSheetCount)
                .arg(SheetRules::MaxSheetCount)));

    const auto [colourLine, colourText] = values.value("colour");
    bool known = colourText == "none";
    for (const auto &[name, value] : ColourNames) {
        if (colourText == name) {
            document.colour = value;
            known = true;
        }
    }
    if (!known)
        return refusal(lineRefusal(
            colourLine, QCoreApplication::translate("SheetDocument",
                                                    "色は blue、red、green、none のどれかです。")));

    const auto [numberedLine, numberedText] = values.value("numbered");
    if (numberedText != "yes" && numberedText != "no")
        return refusal(
            lineRefusal(numberedLine, QCoreApplication::translate("SheetDocument",
                                                                  "numbered は yes か no です。")));
    document.numbered = numberedText == "yes";
    return {document, {}};
}
