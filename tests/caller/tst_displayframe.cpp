#include "displayframe.h"
#include "fontsubstitutions.h"
#include "numberdisplays.h"

#include <QPainter>
#include <QTest>

#include <algorithm>

namespace {

const QColor Blue(0, 0, 255);
const QColor Cyan(0, 255, 255);

QFont slotFont(const DisplaySlot &slot)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(slot.pointSize / 10.0);
    return font;
}

// A frame large enough for every slot.
std::unique_ptr<DisplayFrame> makeFrame()
{
    auto frame = std::make_unique<DisplayFrame>();
    frame->resize(800, 600);
    return frame;
}

// The pixels where anything was painted.
QRect paintedBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() != 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestDisplayFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void newTextReplacesTheOld_data();
    void newTextReplacesTheOld();
    void looksAsDrawnDirectly_data();
    void looksAsDrawnDirectly();
};

void TestDisplayFrame::initTestCase()
{
    registerFontSubstitutions();
}

void TestDisplayFrame::newTextReplacesTheOld_data()
{
    QTest::addColumn<int>("slotIndex");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("11 after 17 in the called slot") << 3 << "17"
                                                    << "11";
    QTest::newRow("11 after 17 in the centre slot") << 0 << "17"
                                                    << "11";
    QTest::newRow("11 after 04 in the left slot") << 1 << "04"
                                                  << "11";
    QTest::newRow("71 after 47 in the right slot") << 2 << "47"
                                                   << "71";
    QTest::newRow("erasing spaces after 17 in the called slot") << 3 << "17"
                                                                << "    ";
}

void TestDisplayFrame::newTextReplacesTheOld()
{
    QFETCH(int, slotIndex);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const DisplaySlot slot = std::array{NumberDisplays::Centre, NumberDisplays::Left,
                                        NumberDisplays::Right, NumberDisplays::Called}[slotIndex];
    const QPoint at(slot.x, slot.y);

    auto frame = makeFrame();
    frame->drawText(at, slotFont(slot), before, Blue, Cyan);
    frame->drawText(at, slotFont(slot), after, Blue, Cyan);

    // Only the new text's cells show: nothing of the wider text before is left beside them.
    const QFontMetrics metrics(slotFont(slot));
    const QRect cells(at, QSize(metrics.horizontalAdvance(after), metrics.height()));
    QCOMPARE(paintedBounds(frame->image()), cells);
    // The same picture as where the new text is the first one drawn.
    auto fresh = makeFrame();
    fresh->drawText(at, slotFont(slot), after, Blue, Cyan);
    QCOMPARE(frame->image(), fresh->image());
}

void TestDisplayFrame::looksAsDrawnDirectly_data()
{
    QTest::addColumn<int>("slotIndex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("kerned 11 in the called slot") << 3 << "11" << Blue;
    QTest::newRow("17 in the called slot, red") << 3 << "17" << QColor(255, 0, 0);
    QTest::newRow("47 in the centre slot") << 0 << "47" << Blue;
    QTest::newRow("00 in the left slot, green") << 1 << "00" << QColor(0, 255, 0);
    QTest::newRow("71 in the right slot") << 2 << "71" << Blue;
    QTest::newRow("100 in the called slot") << 3 << "100" << Blue;
}

void TestDisplayFrame::looksAsDrawnDirectly()
{
    QFETCH(int, slotIndex);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    const DisplaySlot slot = std::array{NumberDisplays::Centre, NumberDisplays::Left,
                                        NumberDisplays::Right, NumberDisplays::Called}[slotIndex];
    const QPoint at(slot.x, slot.y);
    auto frame = makeFrame();
    // Drawn twice, so that the second comes from what the first kept.
    frame->drawText(at, slotFont(slot), text, colour, Cyan);
    frame->drawText(at, slotFont(slot), text, colour, Cyan);

    // Its size, format and resolution, painted afresh.
    QImage direct = frame->image().copy();
    direct.fill(Qt::transparent);
    QPainter painter(&direct);
    painter.setFont(slotFont(slot));
    const QFontMetrics metrics = painter.fontMetrics();
    painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())), Cyan);
    painter.setPen(colour);
    painter.drawText(at + QPoint(0, metrics.ascent()), text);
    painter.end();

    // An eighth of a pixel of a glyph's position is all that may differ, at its edges.
    const QImage a = direct.convertToFormat(QImage::Format_ARGB32);
    const QImage b = frame->image().convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (qsizetype i = 0; i < a.sizeInBytes(); ++i)
        worst = std::max(worst, std::abs(a.constBits()[i] - b.constBits()[i]));
    QVERIFY2(worst <= 32, qPrintable(QStringLiteral("a pixel differs by %1").arg(worst)));
}

QTEST_MAIN(TestDisplayFrame)
#include "tst_displayframe.moc"
