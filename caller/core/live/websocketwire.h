#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The little of the WebSocket protocol the live page needs, written here rather than taken from
// Qt's WebSocket server: that one answers the upgrade with a server name and a wildcard origin,
// and answers every ping from a phone without limit, so a client could make it write pongs
// without end. Phones mostly listen: the server sends text, pings and a close, and reads pongs,
// pings, a close and short texts, nothing else.
namespace WebSocketWire {

// A request head asking to upgrade to a WebSocket.
struct Upgrade
{
    // The request's target, path and query, as sent.
    QByteArray target;
    // The 101 answer to write back.
    QByteArray answer;
};

// The upgrade a complete request head (up to and including its empty line) asks for, if it is
// a valid one: GET, HTTP/1.1, "Upgrade: websocket", "Connection: Upgrade", version 13 and a
// key of 16 bytes. Anything else is left to the HTTP server to answer.
std::optional<Upgrade> readUpgrade(QByteArrayView head);

// The length of the head at the start of bytes, up to and including its empty line, or 0 while
// it is incomplete.
qsizetype headLength(QByteArrayView bytes);

struct ClientFrame
{
    enum class Kind { Incomplete, Text, Ping, Pong, Close, Refused };
    Kind kind = Kind::Incomplete;
    // The bytes the frame takes.
    qsizetype size = 0;
    QByteArray payload;
};

// The first frame of bytes sent by a phone. A client must mask its frames; control frames and
// text, whole and at most 125 bytes, are read; anything else (binary, a text in pieces, a
// longer one) is refused.
ClientFrame readClientFrame(QByteArrayView bytes);

enum class Opcode : quint8 { Text = 0x1, Close = 0x8, Ping = 0x9, Pong = 0xA };
// A whole, unmasked frame, as a server sends it.
QByteArray serverFrame(Opcode opcode, QByteArrayView payload);

} // namespace WebSocketWire
