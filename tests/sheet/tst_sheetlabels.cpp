#include "crtrandom.h"
#include "fontsubstitutions.h"
#include "sheetcolour.h"
#include "sheetdrawing.h"
#include "sheetlabels.h"
#include "sheetset.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// At 100 dots per inch one drawing unit is one pixel.
constexpr int Dpi = 100;
constexpr int FontHeight = 48;
const QString Code = QStringLiteral("2222-E7J7D");

QImage drawPage(const SheetSet &set, int page, const SheetNumbering &numbering)
{
    QImage image(QSize(600, 1150), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    printSheetPage(painter, set, page, {QSizeF(image.size()), Dpi, Dpi}, FontHeight, numbering);
    return image;
}

// Where the label of the sheet at place i may draw: the full width of its rectangle, from just
// under the grid's last row (its yellow boxes end 271 below the top of the row) to the middle
// of the white gap below, where the page is cut.
QRect labelStrip(int place)
{
    const QRect sheet = SheetLayout::sheetRect(place);
    const int rowTop = SheetLayout::RowPitch * SheetLayout::rowOf(place);
    return QRect(QPoint(sheet.left(), rowTop + 271), QPoint(sheet.right(), rowTop + 281));
}

} // namespace

class TestSheetLabels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void labelText();
    void onlyTheLabelsChangeThePage_data();
    void onlyTheLabelsChangeThePage();
    void offLeavesThePageAsItWas();
};

void TestSheetLabels::labelText()
{
    QCOMPARE(SheetLabels::text(12, Code), QStringLiteral("No.12  2222-E7J7D"));
    // At least 6 points: 6/72 inch is 8.33 hundredths.
    QVERIFY(SheetLabels::Height * 72 >= 6 * 100);
}

void TestSheetLabels::onlyTheLabelsChangeThePage_data()
{
    QTest::addColumn<int>("sheets");
    QTest::addColumn<int>("page");
    QTest::newRow("a full page") << 8 << 1;
    QTest::newRow("the last page with three sheets") << 11 << 2;
}

void TestSheetLabels::onlyTheLabelsChangeThePage()
{
    QFETCH(int, sheets);
    QFETCH(int, page);
    CrtRandom random(4711);
    SheetSet set;
    set.generate({sheets, 75, SheetColour::Green}, random);
    const QImage plain = drawPage(set, page, {});
    const QImage numbered = drawPage(set, page, {true, Code});
    const int onPage = SheetLayout::sheetsOfPage(page, sheets).count();

    QList<int> changedIn(8, 0);
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) == numbered.pixel(x, y))
                continue;
            int place = -1;
            for (int i = 0; i < onPage; ++i) {
                if (labelStrip(i).contains(x, y))
                    place = i;
            }
            QVERIFY2(place >= 0, qPrintable(QStringLiteral("pixel %1,%2 changed").arg(x).arg(y)));
            ++changedIn[place];
        }
    }
    // Every sheet of the page carries a label, and it is dark enough to read.
    for (int i = 0; i < onPage; ++i) {
        QVERIFY2(changedIn.at(i) > 100, qPrintable(QString::number(i)));
        int dark = 0;
        const QRect strip = labelStrip(i);
        for (int y = strip.top(); y <= strip.bottom(); ++y) {
            for (int x = strip.left(); x <= strip.right(); ++x)
                dark += qGray(numbered.pixel(x, y)) < 80 ? 1 : 0;
        }
        QVERIFY2(dark > 40, qPrintable(QString::number(dark)));
    }
}

void TestSheetLabels::offLeavesThePageAsItWas()
{
    // Numbering off draws exactly what the page drew before numbering existed.
    CrtRandom random(99);
    SheetSet set;
    set.generate({8, 50, SheetColour::Blue}, random);
    QImage before(QSize(600, 1150), QImage::Format_RGB32);
    before.fill(Qt::white);
    {
        QPainter painter(&before);
        printSheetPage(painter, set, 1, {QSizeF(before.size()), Dpi, Dpi}, FontHeight);
    }
    QCOMPARE(drawPage(set, 1, {false, Code}), before);
}

QTEST_MAIN(TestSheetLabels)
#include "tst_sheetlabels.moc"
