#include "compactstyle.h"

#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace {
constexpr int IndicatorSize = 12;
constexpr int LabelSpacing = 2;
constexpr int ArrowWidth = 12;
constexpr int EditMargin = 2;
} // namespace

CompactStyle::CompactStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{}

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                              const QWidget *widget) const
{
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return IndicatorSize;
    case PM_RadioButtonLabelSpacing:
        return LabelSpacing;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QRect CompactStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                   SubControl subControl, const QWidget *widget) const
{
    if (control != CC_ComboBox)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const QRect frame = option->rect;
    switch (subControl) {
    case SC_ComboBoxArrow:
        return QRect(frame.right() - ArrowWidth, frame.top(), ArrowWidth, frame.height());
    case SC_ComboBoxEditField:
        return frame.adjusted(EditMargin, EditMargin, -ArrowWidth - EditMargin, -EditMargin);
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}
