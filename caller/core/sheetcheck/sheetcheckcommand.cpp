#include "sheetcheckcommand.h"

#include "numbertext.h"
#include "setcode.h"
#include "sheetverdict.h"

#include <QCoreApplication>
#include <QList>
#include <QSet>

#include <cstdio>

namespace {

const QString checkOption = QStringLiteral("--check-sheet");
const QString calledOption = QStringLiteral("--called");

struct Request
{
    QString code;
    QString number;
    std::optional<QString> called;
};

SheetCheckOutput refused(const QString &why)
{
    return {SheetCheckOutput::BadInput, {}, QStringLiteral("kavelo: %1\n").arg(why)};
}

} // namespace

bool requestsSheetCheck(const QStringList &arguments)
{
    return arguments.mid(1).contains(checkOption);
}

QString sheetRowsText(std::span<const int, SheetRules::Cells> sheet)
{
    QString text;
    for (int row = 0; row < SheetRules::Size; ++row) {
        QStringList cells;
        for (int column = 0; column < SheetRules::Size; ++column) {
            const int c = SheetRules::cellAt(column, row);
            cells << (c == SheetRules::StarCell ? QStringLiteral("*")
                                                : numberText(sheet[std::size_t(c)]));
        }
        text += cells.join(u' ') + u'\n';
    }
    return text;
}

SheetCheckOutput runSheetCheck(const QStringList &arguments)
{
    const QString usage = QCoreApplication::translate(
        "SheetCheckCommand", "使い方: kavelo --check-sheet コード シート番号 --called 12,5,33,...");
    Request request;
    bool checkSeen = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == checkOption && !checkSeen) {
            if (i + 2 >= arguments.size())
                return refused(
                    QCoreApplication::translate(
                        "SheetCheckCommand", "--check-sheet にはコードとシート番号が必要です。\n") +
                    usage);
            request.code = arguments.at(i + 1);
            request.number = arguments.at(i + 2);
            checkSeen = true;
            i += 2;
        } else if (argument == calledOption && !request.called) {
            if (i + 1 >= arguments.size())
                return refused(QCoreApplication::translate(
                                   "SheetCheckCommand",
                                   "--called には呼んだ数字をコンマで区切って続けてください。\n") +
                               usage);
            request.called = arguments.at(++i);
        } else if (argument.startsWith(calledOption + u'=') && !request.called) {
            request.called = argument.mid(calledOption.size() + 1);
        } else {
            return refused(
                QCoreApplication::translate("SheetCheckCommand", "「%1」はここでは使えません。\n")
                    .arg(argument) +
                usage);
        }
    }
    if (!request.called)
        return refused(QCoreApplication::translate("SheetCheckCommand",
                                                   "--called で呼んだ数字を指定してください。\n") +
                       usage);

    const SetCodeReading reading = SetCode::read(request.code);
    if (!reading.code)
        return refused(reading.error);
    const SetCode code = *reading.code;
    const std::optional<qint64> number = SetCode::readSheetNumber(request.number);
    if (!number)
        return refused(QCoreApplication::translate("SheetCheckCommand",
                                                   "シート番号「%1」は数字ではありません。")
                           .arg(request.number));
    if (const auto refusal = SetCode::sheetNumberRefusal(*number))
        return refused(*refusal);

    // As the window's check, which opens only after the first draw.
    const QString list = request.called->trimmed();
    if (list.isEmpty())
        return refused(QCoreApplication::translate("SheetCheckCommand",
                                                   "まだ数字を引いていません（--called が空です）。"
                                                   "シート確認は最初の数字を引いてからできます。"));
    QList<int> called;
    QSet<int> seen;
    for (const QString &item : list.split(u',')) {
        const QString text = item.trimmed();
        const std::optional<qint64> value = SetCode::readSheetNumber(text);
        if (!value || *value > code.top())
            return refused(
                QCoreApplication::translate(
                    "SheetCheckCommand", "--called の「%1」は 0 から %2 までの数字ではありません。")
                    .arg(text)
                    .arg(code.top()));
        const int drawn = static_cast<int>(*value);
        if (seen.contains(drawn))
            return refused(
                QCoreApplication::translate("SheetCheckCommand", "--called に %1 が二度あります。")
                    .arg(text));
        seen.insert(drawn);
        called.append(drawn);
    }

    const auto sheet = code.sheet(static_cast<int>(*number));
    const SheetVerdict verdict(sheet, called, SheetVerdict::isOver(code.top(), called.size()));
    SheetCheckOutput output;
    output.exitCode = verdict.hasLine() ? SheetCheckOutput::LineComplete : SheetCheckOutput::NoLine;
    output.out = sheetRowsText(sheet) + u'\n' + verdict.headline() + u'\n' +
                 verdict.details().join(u'\n') + u'\n';
    return output;
}

std::optional<int> checkSheetFromCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (!requestsSheetCheck(arguments))
        return std::nullopt;
    const SheetCheckOutput check = runSheetCheck(arguments);
    std::fputs(check.out.toLocal8Bit().constData(), stdout);
    std::fputs(check.err.toLocal8Bit().constData(), stderr);
    return check.exitCode;
}
