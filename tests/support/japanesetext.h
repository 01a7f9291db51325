#pragma once

#include <QRegularExpression>

// A Japanese character: kana, kanji, Japanese punctuation, a full- or half-width form, or one
// beyond the basic plane. Symbols both languages use (★, →) are not counted.
inline const QRegularExpression japaneseText(
    QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{9FFF}\\x{F900}-\\x{FAFF}\\x{FF00}-\\x{FFEF}"
                   "\\x{10000}-\\x{10FFFF}]"));
