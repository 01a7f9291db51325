#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <span>

// Why a drawn-numbers file could not be written.
struct FileWriteError
{
    QString path;
    QString reason;

    QString message() const;
};

// The drawn-numbers file, byte for byte: a header line, the numbers in drawing order five to a
// line, then the trailer with no line end after it. Every line end is CR LF.
QByteArray drawnNumbersFileContent(std::span<const int> drawn);

// Writes the file through the kit's safe writer: complete or not at all. On failure the old
// file, if any, is untouched and the error names the file and the reason.
std::optional<FileWriteError> writeDrawnNumbersFile(const QString &path,
                                                    std::span<const int> drawn);
