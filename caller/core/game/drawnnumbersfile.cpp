#include "drawnnumbersfile.h"

#include "numbertext.h"
#include "safefilewriter.h"

#include <QCoreApplication>

namespace {
constexpr char lineEnd[] = "\r\n";
constexpr int numbersPerLine = 5;
} // namespace

QString FileWriteError::message() const
{
    return QCoreApplication::translate("DrawnNumbersFile",
                                       "ファイル「%1」に保存できませんでした。\n%2")
        .arg(path, reason);
}

QByteArray drawnNumbersFileContent(std::span<const int> drawn)
{
    QByteArray content;
    content.reserve(48 + 4 * static_cast<qsizetype>(drawn.size()));
    content += "<<**SOLT-NUMBER**>>";
    content += lineEnd;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        content += numberText(drawn[i]).toLatin1();
        content += ((i + 1) % numbersPerLine == 0) ? lineEnd : "  ";
    }
    content += lineEnd;
    content += "<<***** END *****>>";
    return content;
}

std::optional<FileWriteError> writeDrawnNumbersFile(const QString &path, std::span<const int> drawn)
{
    if (path.isEmpty())
        return FileWriteError{
            path, QCoreApplication::translate("DrawnNumbersFile", "ファイル名がありません。")};
    if (const auto reason = writeFileSafely(path, drawnNumbersFileContent(drawn)))
        return FileWriteError{path, *reason};
    return std::nullopt;
}
