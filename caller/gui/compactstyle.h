#pragma once

#include <QProxyStyle>

// Draws radio buttons and the drop-down combobox as tightly as the dialog's template sizes
// them: a radio button's rectangle holds its indicator and one character, and the top-number
// combobox is only wide enough for two digits beside its arrow.
class CompactStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    CompactStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget = nullptr) const override;
};
