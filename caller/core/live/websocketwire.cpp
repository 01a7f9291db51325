#include "websocketwire.h"

#include <QCryptographicHash>
#include <QList>

namespace WebSocketWire {

namespace {

// Whether a comma-separated header value lists token, in any case.
bool lists(QByteArrayView value, QByteArrayView token)
{
    for (const QByteArray &item : value.toByteArray().split(','))
        if (item.trimmed().compare(token, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

qsizetype headLength(QByteArrayView bytes)
{
    // An empty line ends the head, whether lines end in CR LF or in LF alone.
    for (qsizetype at = bytes.indexOf('\n'); at >= 0; at = bytes.indexOf('\n', at + 1)) {
        const qsizetype next = at + 1;
        if (next < bytes.size() && bytes[next] == '\n')
            return next + 1;
        if (next + 1 < bytes.size() && bytes[next] == '\r' && bytes[next + 1] == '\n')
            return next + 2;
    }
    return 0;
}

std::optional<Upgrade> readUpgrade(QByteArrayView head)
{
    const QList<QByteArray> lines = head.toByteArray().split('\n');
    const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
    if (request.size() != 3 || request[0] != "GET" || request[2] != "HTTP/1.1")
        return std::nullopt;
    QByteArray upgrade, connection, version, key;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "upgrade")
            upgrade = value;
        else if (name == "connection")
            connection = value;
        else if (name == "sec-websocket-version")
            version = value;
        else if (name == "sec-websocket-key")
            key = value;
    }
    if (!lists(upgrade, "websocket") || !lists(connection, "upgrade") || version != "13" ||
        QByteArray::fromBase64(key, QByteArray::AbortOnBase64DecodingErrors).size() != 16)
        return std::nullopt;
    const QByteArray accept = QCryptographicHash::hash(key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11",
                                                       QCryptographicHash::Sha1)
                                  .toBase64();
    return Upgrade{request[1], "HTTP/1.1 101 Switching Protocols\r\n"
                               "Upgrade: websocket\r\n"
                               "Connection: Upgrade\r\n"
                               "Sec-WebSocket-Accept: " +
                                   accept + "\r\n\r\n"};
}

ClientFrame readClientFrame(QByteArrayView bytes)
{
    constexpr qsizetype HeadSize = 2 + 4; // the two bytes of a short frame and its mask
    if (bytes.size() < 2)
        return {};
    const auto first = quint8(bytes[0]);
    const auto second = quint8(bytes[1]);
    const bool whole = first & 0x80;
    const bool reserved = first & 0x70;
    const quint8 opcode = first & 0x0F;
    const bool masked = second & 0x80;
    const qsizetype length = second & 0x7F;
    const bool known = opcode == quint8(Opcode::Close) || opcode == quint8(Opcode::Ping) ||
                       opcode == quint8(Opcode::Pong) || opcode == quint8(Opcode::Text);
    if (!whole || reserved || !masked || !known || length > 125)
        return {ClientFrame::Kind::Refused, 0, {}};
    if (bytes.size() < HeadSize + length)
        return {};
    QByteArray payload = bytes.sliced(HeadSize, length).toByteArray();
    for (qsizetype i = 0; i < length; ++i)
        payload[i] = char(payload[i] ^ bytes[2 + i % 4]);
    const ClientFrame::Kind kind = opcode == quint8(Opcode::Ping)   ? ClientFrame::Kind::Ping
                                   : opcode == quint8(Opcode::Pong) ? ClientFrame::Kind::Pong
                                   : opcode == quint8(Opcode::Text) ? ClientFrame::Kind::Text
                                                                    : ClientFrame::Kind::Close;
    return {kind, HeadSize + length, payload};
}

QByteArray serverFrame(Opcode opcode, QByteArrayView payload)
{
    QByteArray frame;
    frame.reserve(payload.size() + 10);
    frame += char(0x80 | quint8(opcode));
    const qsizetype length = payload.size();
    if (length < 126) {
        frame += char(length);
    } else if (length < 65536) {
        frame += char(126);
        frame += char(length >> 8);
        frame += char(length & 0xFF);
    } else {
        frame += char(127);
        for (int shift = 56; shift >= 0; shift -= 8)
            frame += char((quint64(length) >> shift) & 0xFF);
    }
    frame += payload;
    return frame;
}

} // namespace WebSocketWire
