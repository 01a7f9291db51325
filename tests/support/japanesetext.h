#pragma once

#include <QStringView>

// Whether a text holds a Japanese character: kana, kanji, Japanese punctuation or a full- or
// half-width form. Symbols both languages use (★, →) are not counted.
inline bool containsJapanese(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) ||
            (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF) || c.isSurrogate())
            return true;
    }
    return false;
}
