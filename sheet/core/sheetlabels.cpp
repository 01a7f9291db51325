#include "sheetlabels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

QString SheetLabels::text(int number, const QString &setCode)
{
    return QStringLiteral("No.%1  %2").arg(number).arg(setCode);
}

void DrawSheetLabels(QPainter &painter, SheetRange places, int firstNumber, const QString &setCode)
{
    painter.save();
    QFont font(QStringLiteral("ＭＳＰ ゴシック"));
    font.setPixelSize(SheetLabels::Height);
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font);
    for (int i = places.begin; i < places.end; ++i) {
        const QString label = SheetLabels::text(firstNumber + i, setCode);
        const QRect sheet = SheetLayout::sheetRect(i);
        const qreal right = sheet.left() + sheet.width() - SheetLabels::RightInset;
        const qreal baseline =
            SheetLayout::RowPitch * SheetLayout::rowOf(i) + SheetLabels::Baseline;
        painter.drawText(QPointF(right - metrics.horizontalAdvance(label), baseline), label);
    }
    painter.restore();
}
