#include "crtrandom.h"
#include "fontsubstitutions.h"
#include "sheetdrawing.h"
#include "sheetset.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <vector>

namespace {

// At 100 dots per inch one drawing unit is one pixel.
constexpr int Dpi = 100;
constexpr int FontHeight = 48;
const QColor cyan(0, 255, 255);
const QColor yellow(255, 255, 0);
const QColor white(255, 255, 255);

QImage blankImage(QSize size = QSize(600, 1150))
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(Dpi / 0.0254));
    image.setDotsPerMeterY(qRound(Dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

std::vector<int> sheetCells(int count)
{
    std::vector<int> cells;
    for (int s = 0; s < count; ++s) {
        for (int c = 0; c < 25; ++c)
            cells.push_back((c * 2 + s) % 51);
    }
    return cells;
}

QImage drawRun(const std::vector<int> &cells, Rgb colour = TextColours::Blue)
{
    QImage image = blankImage();
    QPainter painter(&image);
    const SheetRun run(cells);
    DrawSheetBackgrounds(painter, run);
    DrawSheetNumbers(painter, run, {colour, FontHeight});
    return image;
}

QColor at(const QImage &image, QPoint p)
{
    return image.pixelColor(p);
}

// How many pixels of a rectangle have exactly this colour.
int countColour(const QImage &image, const QRect &area, const QColor &colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return n;
}

QRect cellBox(int sheet, int cell)
{
    return QRect(SheetLayout::cellPosition(sheet, cell), QSize(48, 48));
}

SheetSet makeSet(int count, SheetColour colour = SheetColour::Blue)
{
    CrtRandom random(2024);
    SheetSet set;
    set.generate({count, 50, colour}, random);
    return set;
}

QImage drawPage(const SheetSet &set, int page, QSize surface = QSize(600, 1150))
{
    QImage image = blankImage(surface);
    QPainter painter(&image);
    printSheetPage(painter, set, page, {QSizeF(surface), Dpi, Dpi}, FontHeight);
    return image;
}

} // namespace

class TestSheetDrawing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void rectanglesWhereTheLayoutPutsThem_data();
    void rectanglesWhereTheLayoutPutsThem();
    void numbersOnYellowInTheirCells();
    void starAloneInTheCentreCell();
    void sheetColourColoursEveryNumber_data();
    void sheetColourColoursEveryNumber();
    void threeDigitValueStaysInsideItsCell();
    void partOfARunDrawsTheSamePixels();
    void pageHoldsItsSheetsAndNumber_data();
    void pageHoldsItsSheetsAndNumber();
    void pageWithoutSheetsUsesDefaultColours();
    void shortPaperKeepsTheWholePage_data();
    void shortPaperKeepsTheWholePage();
    void screenPixelsAsRecorded_data();
    void screenPixelsAsRecorded();
};

void TestSheetDrawing::rectanglesWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<bool>>("cyanSlots"); // row 0 left, right, row 1 left, right
    QTest::newRow("one sheet") << 1 << QList<bool>{true, false, false, false};
    QTest::newRow("three sheets") << 3 << QList<bool>{true, true, true, false};
    QTest::newRow("four sheets") << 4 << QList<bool>{true, true, true, true};
}

void TestSheetDrawing::rectanglesWhereTheLayoutPutsThem()
{
    QFETCH(int, count);
    QFETCH(QList<bool>, cyanSlots);
    const QImage image = drawRun(sheetCells(count));
    for (int slot = 0; slot < 4; ++slot) {
        const QRect rect = SheetLayout::sheetRect(slot);
        const QColor expected = cyanSlots.at(slot) ? cyan : white;
        for (QPoint corner :
             {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()})
            QCOMPARE(at(image, corner), expected);
        // Just outside the rectangle nothing is drawn.
        QCOMPARE(at(image, rect.topLeft() - QPoint(1, 1)), white);
        QCOMPARE(at(image, rect.bottomRight() + QPoint(1, 1)), white);
    }
}

void TestSheetDrawing::numbersOnYellowInTheirCells()
{
    const QImage image = drawRun(sheetCells(3));
    for (int sheet = 0; sheet < 3; ++sheet) {
        for (int cell = 0; cell < 25; ++cell) {
            const QRect box = cellBox(sheet, cell);
            QCOMPARE(at(image, box.topLeft() + QPoint(1, 1)), yellow);
            QCOMPARE(at(image, box.bottomRight() - QPoint(1, 1)), yellow);
            QVERIFY(countColour(image, box, QColor(0, 0, 255)) > 20);
            // The gap to the next cell keeps the sheet's cyan.
            QCOMPARE(at(image, box.topRight() + QPoint(2, 10)), cyan);
            QCOMPARE(at(image, box.bottomLeft() + QPoint(10, 2)), cyan);
        }
    }
}

void TestSheetDrawing::starAloneInTheCentreCell()
{
    std::vector<int> cells = sheetCells(1);
    const QImage star = drawRun(cells);
    cells[12] = 88;
    const QImage otherValue = drawRun(cells);
    // The value beneath the star does not show at all.
    QCOMPARE(star, otherValue);
    cells[12] = 11;
    cells[11] = 88;
    const QImage neighbour = drawRun(cells);
    QVERIFY(star.copy(cellBox(0, 11)) != neighbour.copy(cellBox(0, 11)));

    // The star is drawn, and differs from any two digits.
    const QRect centre = cellBox(0, 12);
    QVERIFY(countColour(star, centre, QColor(0, 0, 255)) > 100);
    for (int cell : {0, 11, 13, 24})
        QVERIFY(star.copy(centre) != star.copy(cellBox(0, cell)));
}

void TestSheetDrawing::sheetColourColoursEveryNumber_data()
{
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<QList<Rgb>>("others");
    QTest::newRow("blue") << TextColours::Blue << QList<Rgb>{TextColours::Red, TextColours::Green};
    QTest::newRow("red") << TextColours::Red << QList<Rgb>{TextColours::Blue, TextColours::Green};
    QTest::newRow("green") << TextColours::Green << QList<Rgb>{TextColours::Blue, TextColours::Red};
}

void TestSheetDrawing::sheetColourColoursEveryNumber()
{
    QFETCH(Rgb, colour);
    QFETCH(QList<Rgb>, others);
    const QImage image = drawRun(sheetCells(2), colour);
    for (int sheet = 0; sheet < 2; ++sheet) {
        for (int cell = 0; cell < 25; ++cell) {
            const QRect box = cellBox(sheet, cell);
            QVERIFY(countColour(image, box, QColor(colour.red, colour.green, colour.blue)) > 20);
            for (const Rgb &other : others)
                QCOMPARE(countColour(image, box, QColor(other.red, other.green, other.blue)), 0);
        }
    }
}

void TestSheetDrawing::threeDigitValueStaysInsideItsCell()
{
    std::vector<int> cells = sheetCells(1);
    cells[0] = 100;
    cells[5] = 100;
    cells[10] = 4711; // no set holds it, yet it is drawn like any other
    const QImage image = drawRun(cells);
    for (int cell : {0, 5, 10}) {
        const QRect box = cellBox(0, cell);
        QVERIFY(countColour(image, box, QColor(0, 0, 255)) > 20);
        // The four units between this cell and the next stay cyan all the way down.
        for (int y = box.top(); y <= box.bottom(); ++y)
            QCOMPARE(at(image, QPoint(box.left() + 50, y)), cyan);
    }
}

void TestSheetDrawing::partOfARunDrawsTheSamePixels()
{
    const std::vector<int> cells = sheetCells(10);
    const QImage whole = drawRun(cells);
    for (const QRect area :
         {QRect(0, 300, 600, 250), QRect(0, 270, 600, 20), QRect(0, 1000, 600, 150)}) {
        QImage part = blankImage();
        QPainter painter(&part);
        painter.setClipRect(area);
        const SheetRun run(cells, SheetLayout::sheetsMeeting(area, 10));
        QVERIFY(run.visible.count() < 10);
        DrawSheetBackgrounds(painter, run);
        DrawSheetNumbers(painter, run, {TextColours::Blue, FontHeight});
        painter.end();
        QCOMPARE(part.copy(area), whole.copy(area));
    }
}

void TestSheetDrawing::pageHoldsItsSheetsAndNumber_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("sheetsShown");
    QTest::newRow("eight sheets, four full rows") << 8 << 1 << 8;
    QTest::newRow("ten sheets, page 1") << 10 << 1 << 8;
    QTest::newRow("ten sheets, page 2 holds 8 and 9") << 10 << 2 << 2;
    QTest::newRow("nine sheets, page 2 holds 8 alone") << 9 << 2 << 1;
}

void TestSheetDrawing::pageHoldsItsSheetsAndNumber()
{
    QFETCH(int, count);
    QFETCH(int, page);
    QFETCH(int, sheetsShown);
    const SheetSet set = makeSet(count, SheetColour::Red);
    const QImage image = drawPage(set, page);
    for (int slot = 0; slot < 8; ++slot)
        QCOMPARE(at(image, SheetLayout::sheetRect(slot).topLeft()),
                 slot < sheetsShown ? cyan : white);

    // The page number: sheet colour on yellow, at its place near the foot of the page.
    const QRect numberBox(SheetLayout::pageNumberPosition(), QSize(8, 16));
    QCOMPARE(at(image, numberBox.topLeft()), yellow);
    QVERIFY(countColour(image, numberBox, QColor(255, 0, 0)) > 3);
    QCOMPARE(at(image, numberBox.topLeft() - QPoint(1, 1)), white);

    // Page p shows sheets 8(p-1) on: the first sheet drawn equals the set's sheet.
    QImage alone = blankImage();
    {
        QPainter painter(&alone);
        const SheetRange first{(page - 1) * 8, (page - 1) * 8 + 1};
        const SheetRun run(set.sheets().subspan(std::size_t(first.begin) * 25, 25));
        DrawSheetBackgrounds(painter, run);
        DrawSheetNumbers(painter, run, {set.colour(), FontHeight});
    }
    const QRect firstSheet = SheetLayout::sheetRect(0);
    QCOMPARE(image.copy(firstSheet), alone.copy(firstSheet));
}

void TestSheetDrawing::pageWithoutSheetsUsesDefaultColours()
{
    const SheetSet set = makeSet(0);
    const QImage image = drawPage(set, 1);
    const QRect numberBox(SheetLayout::pageNumberPosition(), QSize(8, 16));
    QCOMPARE(countColour(image, QRect(0, 0, 600, 1100), white), 600 * 1100);
    QVERIFY(countColour(image, numberBox, QColor(0, 0, 0)) > 3);
    QCOMPARE(countColour(image, numberBox, yellow), 0);
}

void TestSheetDrawing::shortPaperKeepsTheWholePage_data()
{
    // Printable areas less 5 mm edges at 100 dpi.
    QTest::addColumn<QSize>("paper");
    QTest::newRow("Letter, 10.6 inches high: shorter than the page") << QSize(811, 1061);
    QTest::newRow("Letter landscape: four across") << QSize(1061, 811);
    QTest::newRow("A4 landscape: four across") << QSize(1130, 787);
}

void TestSheetDrawing::shortPaperKeepsTheWholePage()
{
    QFETCH(QSize, paper);
    const SheetSet set = makeSet(8);
    const QImage image = drawPage(set, 1, paper);
    const qreal scale = SheetLayout::fitScale(QSizeF(paper));
    const bool wide = SheetLayout::isWide(QSizeF(paper));
    QVERIFY(scale < 1 || wide);
    int right = 0;
    for (int sheet = 0; sheet < 8; ++sheet) {
        const QRect place = wide ? SheetLayout::sheetRect(sheet % 2).translated(
                                       SheetLayout::widePairOffset(sheet / 2))
                                 : SheetLayout::sheetRect(sheet);
        const QPoint corner = (QPointF(place.bottomRight()) * scale).toPoint();
        QCOMPARE(at(image, corner - QPoint(1, 1)), cyan);
        QCOMPARE(at(image, (QPointF(place.topLeft()) * scale).toPoint() + QPoint(1, 1)), cyan);
        right = std::max(right, corner.x());
    }
    // The sheets take the paper's width, whichever way it is turned.
    QVERIFY2(right > paper.width() * (wide ? 0.95 : 0.6), qPrintable(QString::number(right)));
    const QPointF number = QPointF(SheetLayout::pageNumberPosition(wide)) * scale;
    QCOMPARE(at(image, number.toPoint() + QPoint(1, 1)), yellow);
    QVERIFY(number.y() + 16 * scale <= paper.height());
}

void TestSheetDrawing::screenPixelsAsRecorded_data()
{
    // The view's drawing at common screen resolutions, hashed when it was first made; any change
    // of a pixel shows here. The set holds 100 and a run starting mid-set.
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("firstSheet");
    QTest::addColumn<QByteArray>("sha256");
    QTest::newRow("96 dpi, sheets 0-5")
        << 96 << 0
        << QByteArray("d85cd9e2b71973c87c62daf822ca06f526901b7d196ac28000feb441f320df6c");
    QTest::newRow("100 dpi, sheets 4-9")
        << 100 << 4
        << QByteArray("0f062fe32a8c5239bd43cdbd4138090ab39654d9052fc17f7f80e3bb54d00ab4");
    QTest::newRow("144 dpi, sheets 1-6")
        << 144 << 1
        << QByteArray("34bcecab949877dcf11de721c97e677f91f708d22f21a123aaab155310f852bb");
}

void TestSheetDrawing::screenPixelsAsRecorded()
{
    QFETCH(int, dpi);
    QFETCH(int, firstSheet);
    QFETCH(QByteArray, sha256);
    CrtRandom random(99);
    SheetSet set;
    set.generate({10, 100, SheetColour::Green}, random);
    std::vector<int> cells(set.sheets().begin(), set.sheets().end());
    cells[25 * 5 + 3] = 100; // a value wider than its cell, squeezed into it
    QImage image(QSize(760, 900), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.translate(0, -firstSheet / 2 * 277 * dpi / 100.0);
        painter.scale(dpi / 100.0, dpi / 100.0);
        const SheetRun run(cells, {firstSheet, firstSheet + 6});
        DrawSheetBackgrounds(painter, run);
        DrawSheetNumbers(painter, run, {set.colour(), SheetLayout::sheetFontHeight(dpi)});
    }
    const QByteArray actual =
        QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                 QCryptographicHash::Sha256)
            .toHex();
    QCOMPARE(actual, sha256);
}

QTEST_MAIN(TestSheetDrawing)
#include "tst_sheetdrawing.moc"
