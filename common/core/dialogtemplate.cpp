#include "dialogtemplate.h"

#include <cmath>

DialogBaseUnits DialogBaseUnits::forResolution(qreal logicalDpi)
{
    const qreal scale = logicalDpi > 0 ? logicalDpi / 96.0 : 1.0;
    return {static_cast<int>(std::lround(7 * scale)), static_cast<int>(std::lround(12 * scale))};
}
