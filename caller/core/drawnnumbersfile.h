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

// Writes the file so that it is either complete or not there at all: the content goes to a
// temporary file beside the target, which then replaces it. On failure the old file, if any,
// is untouched and the error names the file and the reason.
std::optional<FileWriteError> writeDrawnNumbersFile(const QString &path,
                                                    std::span<const int> drawn);
