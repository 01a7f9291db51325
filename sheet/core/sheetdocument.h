#pragma once

#include "sheetcolour.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// What a saved sheet document keeps: enough to make exactly the same sheets again. It is a
// short text file, one "key=value" a line under a first line naming the format:
//
//   BINGO sheets 1
//   code=2222-E7HD5
//   sheets=40
//   colour=red
//   numbered=yes
//
// The set code carries the seed and the top number; colour is blue, red, green or none.
struct SheetDocument
{
    std::uint32_t seed = 0;
    int topNumber = 50;
    int sheetCount = 10;
    std::optional<SheetColour> colour;
    bool numbered = false;

    QByteArray text() const;
    friend bool operator==(const SheetDocument &, const SheetDocument &) = default;
};

// What reading a document's bytes found: a set, nothing (an empty file, as older versions of the
// program wrote), or why the bytes are no document.
struct SheetDocumentReading
{
    std::optional<SheetDocument> document;
    QString error; // empty unless the content is not a document

    bool ok() const { return error.isEmpty(); }
    static SheetDocumentReading read(const QByteArray &content);
};
