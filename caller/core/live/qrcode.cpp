#include "qrcode.h"

#include <qrencode.h>

#include <memory>

QrCode::QrCode(const QByteArray &text)
{
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(text.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code)
        return;
    m_size = code->width;
    m_dark.resize(static_cast<std::size_t>(m_size) * static_cast<std::size_t>(m_size));
    // Bit 0 of each byte is the module's colour; the others say which part of the code it is.
    for (std::size_t i = 0; i < m_dark.size(); ++i)
        m_dark[i] = (code->data[i] & 1) != 0;
}
