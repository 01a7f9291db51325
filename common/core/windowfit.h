#pragma once

#include <QRect>

// A window's frame moved, and where it is larger than the area shrunk, so that it lies inside
// the available area of its screen (the screen less its panels). A frame that fits is moved as
// little as it takes.
QRect fitInside(const QRect &available, const QRect &frame);
