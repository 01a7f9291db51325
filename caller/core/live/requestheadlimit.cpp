#include "requestheadlimit.h"

bool RequestHeadLimit::feed(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        if (++m_headBytes > m_limit)
            return false;
        if (byte == '\n') {
            // An empty line ends the head, whether lines end in CR LF or in LF alone.
            if (m_lineBytes == 0)
                m_headBytes = 0;
            m_lineBytes = 0;
        } else if (byte != '\r') {
            ++m_lineBytes;
        }
    }
    return true;
}
