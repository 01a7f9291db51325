#pragma once

#include <QByteArrayView>

// Watches the bytes a client sends before its connection becomes a WebSocket and tells when the
// head of one request (its request line and header fields, up to the empty line) grows past a
// limit. The page needs only short GET requests, so anything longer is refused before the HTTP
// parser keeps it.
class RequestHeadLimit
{
public:
    explicit RequestHeadLimit(int limitBytes)
        : m_limit(limitBytes)
    {}

    // False once the head being received is longer than the limit.
    bool feed(QByteArrayView bytes);

private:
    int m_limit;
    int m_headBytes = 0;
    int m_lineBytes = 0;
};
