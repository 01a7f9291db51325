#include "sheetlayout.h"

#include <QPageLayout>
#include <QPageSize>
#include <QTest>

class TestSheetLayout : public QObject
{
    Q_OBJECT

private slots:
    void sheetRectangles_data();
    void sheetRectangles();
    void cellsRunDownEachColumn();
    void scrollSizes_data();
    void scrollSizes();
    void pages_data();
    void pages();
    void pageNumberSitsUnderTheFourthRow();
    void fitToPrintableArea_data();
    void fitToPrintableArea();
    void rowsMeetingAnArea_data();
    void rowsMeetingAnArea();
    void sheetFontFollowsScreenResolution();
};

void TestSheetLayout::sheetRectangles_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("first sheet top left") << 0 << QRect(QPoint(10, 10), QPoint(276, 276));
    QTest::newRow("second sheet top right") << 1 << QRect(QPoint(287, 10), QPoint(558, 276));
    QTest::newRow("third sheet second row left") << 2 << QRect(QPoint(10, 287), QPoint(276, 553));
    QTest::newRow("eighth sheet fourth row right")
        << 7 << QRect(QPoint(287, 841), QPoint(558, 1107));
}

void TestSheetLayout::sheetRectangles()
{
    QFETCH(int, sheet);
    QFETCH(QRect, rect);
    QCOMPARE(SheetLayout::sheetRect(sheet), rect);
}

void TestSheetLayout::cellsRunDownEachColumn()
{
    QCOMPARE(SheetLayout::cellPosition(0, 0), QPoint(15, 15));
    QCOMPARE(SheetLayout::cellPosition(0, 4), QPoint(15, 15 + 4 * 52));
    QCOMPARE(SheetLayout::cellPosition(0, 5), QPoint(15 + 52, 15));
    QCOMPARE(SheetLayout::cellPosition(0, 12), QPoint(15 + 2 * 52, 15 + 2 * 52));
    QCOMPARE(SheetLayout::cellPosition(0, 24), QPoint(15 + 4 * 52, 15 + 4 * 52));
    QCOMPARE(SheetLayout::cellPosition(1, 0), QPoint(295, 15));
    QCOMPARE(SheetLayout::cellPosition(3, 20), QPoint(295 + 4 * 52, 277 + 15));
    // Every cell's two digits stay inside the sheet's rectangle.
    for (int sheet : {0, 1, 6, 7}) {
        for (int cell = 0; cell < 25; ++cell) {
            const QRect box(SheetLayout::cellPosition(sheet, cell), QSize(48, 48));
            QVERIFY(SheetLayout::sheetRect(sheet).contains(box));
        }
    }
}

void TestSheetLayout::scrollSizes_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QSize>("size");
    QTest::newRow("no sheets") << 0 << QSize(720, 0);
    QTest::newRow("one sheet") << 1 << QSize(720, 360);
    QTest::newRow("three sheets") << 3 << QSize(720, 720);
    QTest::newRow("four sheets") << 4 << QSize(720, 720);
    QTest::newRow("most sheets") << 100000 << QSize(720, 18000000);
}

void TestSheetLayout::scrollSizes()
{
    QFETCH(int, count);
    QFETCH(QSize, size);
    QCOMPARE(SheetLayout::scrollSize(count), size);
}

void TestSheetLayout::pages_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<SheetRange>("lastPage");
    QTest::newRow("no sheets still one page") << 0 << 1 << SheetRange{0, 0};
    QTest::newRow("one sheet") << 1 << 1 << SheetRange{0, 1};
    QTest::newRow("eight sheets fill one page") << 8 << 1 << SheetRange{0, 8};
    QTest::newRow("nine sheets: sheet 8 alone") << 9 << 2 << SheetRange{8, 9};
    QTest::newRow("ten sheets: 8 and 9 on page 2") << 10 << 2 << SheetRange{8, 10};
    QTest::newRow("thousand sheets") << 1000 << 125 << SheetRange{992, 1000};
}

void TestSheetLayout::pages()
{
    QFETCH(int, count);
    QFETCH(int, pageCount);
    QFETCH(SheetRange, lastPage);
    QCOMPARE(SheetLayout::pageCount(count), pageCount);
    QCOMPARE(SheetLayout::sheetsOfPage(pageCount, count), lastPage);
    if (pageCount > 1)
        QCOMPARE(SheetLayout::sheetsOfPage(1, count), (SheetRange{0, 8}));
    QVERIFY(SheetLayout::sheetsOfPage(pageCount + 1, count).isEmpty());
}

void TestSheetLayout::pageNumberSitsUnderTheFourthRow()
{
    QCOMPARE(SheetLayout::pageNumberPosition(), QPoint(380, 1112));
    QVERIFY(SheetLayout::pageNumberPosition().y() > SheetLayout::sheetRect(7).bottom());
    QCOMPARE(SheetLayout::pageExtent(), QSizeF(559, 1128));
}

void TestSheetLayout::fitToPrintableArea_data()
{
    QTest::addColumn<QSizeF>("printable");
    QTest::addColumn<qreal>("scale");
    const auto inUnits = [](QPageSize::PageSizeId id, qreal marginMm,
                            QPageLayout::Orientation orientation = QPageLayout::Portrait) {
        const QPageLayout layout(QPageSize(id), orientation,
                                 QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                 QPageLayout::Millimeter);
        return layout.paintRect(QPageLayout::Inch).size() * 100;
    };
    QTest::newRow("A4 with 5 mm edges fits at designed size")
        << inUnits(QPageSize::A4, 5) << qreal(1);
    QTest::newRow("Letter with 5 mm edges shrinks to its height")
        << inUnits(QPageSize::Letter, 5) << inUnits(QPageSize::Letter, 5).height() / 1128;
    QTest::newRow("larger than needed is never enlarged") << QSizeF(2000, 2000) << qreal(1);
    QTest::newRow("narrow area shrinks to its width") << QSizeF(279.5, 2000) << qreal(0.5);
    QTest::newRow("A4 landscape: four across at designed size")
        << inUnits(QPageSize::A4, 5, QPageLayout::Landscape) << qreal(1);
    QTest::newRow("Letter landscape: four across, shrunk to its width")
        << inUnits(QPageSize::Letter, 5, QPageLayout::Landscape)
        << inUnits(QPageSize::Letter, 5, QPageLayout::Landscape).width() / 1118;
}

void TestSheetLayout::fitToPrintableArea()
{
    QFETCH(QSizeF, printable);
    QFETCH(qreal, scale);
    QCOMPARE(SheetLayout::fitScale(printable), scale);
    const bool wide = SheetLayout::isWide(printable);
    const QSizeF scaled = SheetLayout::pageExtent(wide) * SheetLayout::fitScale(printable);
    QVERIFY(scaled.width() <= printable.width() + 1e-9);
    QVERIFY(scaled.height() <= printable.height() + 1e-9);
    // Landscape paper is filled across, not left two thirds empty.
    QVERIFY(!wide || scaled.width() > 0.95 * printable.width());
    // The right pair of a wide page keeps the gap between the columns of a tall one.
    const QRect left = SheetLayout::sheetRect(1);
    const QRect right = SheetLayout::sheetRect(0).translated(SheetLayout::widePairOffset(1));
    QCOMPARE(right.left() - left.right() - 1,
             SheetLayout::sheetRect(1).left() - SheetLayout::sheetRect(0).right() - 1);
}

void TestSheetLayout::rowsMeetingAnArea_data()
{
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<int>("count");
    QTest::addColumn<SheetRange>("range");
    QTest::newRow("top of the drawing") << QRectF(0, 0, 600, 100) << 10 << SheetRange{0, 2};
    QTest::newRow("across a row boundary") << QRectF(0, 270, 600, 20) << 10 << SheetRange{0, 4};
    QTest::newRow("second row only") << QRectF(0, 280, 600, 100) << 10 << SheetRange{2, 4};
    QTest::newRow("last row of an odd count") << QRectF(0, 1110, 600, 400) << 9 << SheetRange{8, 9};
    QTest::newRow("below the last row") << QRectF(0, 1400, 600, 100) << 10 << SheetRange{};
    QTest::newRow("one screenful deep down")
        << QRectF(0, 277 * 4000 + 5, 700, 600) << 10000 << SheetRange{8000, 8006};
    QTest::newRow("empty area") << QRectF(0, 0, 0, 0) << 10 << SheetRange{};
    QTest::newRow("no sheets") << QRectF(0, 0, 600, 600) << 0 << SheetRange{};
}

void TestSheetLayout::rowsMeetingAnArea()
{
    QFETCH(QRectF, area);
    QFETCH(int, count);
    QFETCH(SheetRange, range);
    QCOMPARE(SheetLayout::sheetsMeeting(area, count), range);
}

void TestSheetLayout::sheetFontFollowsScreenResolution()
{
    QCOMPARE(SheetLayout::sheetFontHeight(96), 48);
    QCOMPARE(SheetLayout::sheetFontHeight(120), 60);
    QCOMPARE(SheetLayout::sheetFontHeight(144), 72);
}

QTEST_APPLESS_MAIN(TestSheetLayout)
#include "tst_sheetlayout.moc"
