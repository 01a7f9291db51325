#pragma once

#include <QByteArray>

#include <vector>

// A QR code as a square of modules, made by libqrencode with medium error correction, so that
// a phone reads it from across a room even where the projector blurs it.
class QrCode
{
public:
    // An empty code (size 0) when the text does not fit a QR code.
    explicit QrCode(const QByteArray &text);

    int size() const { return m_size; }
    bool isDark(int x, int y) const { return m_dark[static_cast<std::size_t>(y * m_size + x)]; }

private:
    int m_size = 0;
    std::vector<bool> m_dark;
};
