#pragma once

#include "textcolour.h"

#include <QColor>

// The caller's colours as Qt paints them.
inline QColor toQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}
