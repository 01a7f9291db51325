#include "windowfit.h"

#include <algorithm>

QRect fitInside(const QRect &available, const QRect &frame)
{
    const QSize size = frame.size().boundedTo(available.size());
    const int x = std::clamp(frame.x(), available.left(), available.right() + 1 - size.width());
    const int y = std::clamp(frame.y(), available.top(), available.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}
