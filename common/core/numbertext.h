#pragma once

#include <QString>

// Every number shown, listed or saved: at least two digits, with a leading zero below 10.
inline QString numberText(int value)
{
    return QString::asprintf("%02d", value);
}
