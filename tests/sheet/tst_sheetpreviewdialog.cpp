#include "sheetpreviewdialog.h"

#include <QAction>
#include <QLineEdit>
#include <QPageSize>
#include <QPainter>
#include <QTest>

#include <set>

namespace {

// A4 with 5 mm edges, as a 600-dot printer sees it.
const QPageLayout A4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                     QPageLayout::Millimeter);
constexpr int Dots = 600;
constexpr int Pages = 12500; // 100,000 sheets

// Stands in for the sheets: fills the whole printable area red and notes each page drawn.
struct Drawn
{
    std::set<int> pages;
    QSizeF surface;

    SheetPreviewDialog::DrawPage painter()
    {
        return [this](QPainter &painter, int page, const PageSurface &on) {
            pages.insert(page);
            surface = on.size;
            painter.fillRect(QRectF(QPointF(), on.size), Qt::red);
        };
    }
};

SheetPreviewDialog::Commands noCommands()
{
    return {[] { return false; }, [] { return A4; }};
}

QAction *action(SheetPreviewDialog &dialog, const char *name)
{
    return dialog.findChild<QAction *>(QLatin1String(name));
}

} // namespace

class TestSheetPreviewDialog : public QObject
{
    Q_OBJECT

private slots:
    void drawsOnlyThePagesInView();
    void printableAreaOnWhitePaper();
    void pageButtonsAndNumber_data();
    void pageButtonsAndNumber();
    void zoomChangesThePaperSize();
    void printCloses_data();
    void printCloses();
    void pageSetupChangesThePaper();
};

void TestSheetPreviewDialog::drawsOnlyThePagesInView()
{
    Drawn drawn;
    SheetPreviewDialog dialog(A4, Dots, Pages, drawn.painter(), noCommands());
    dialog.show();
    dialog.grab();
    QVERIFY(drawn.pages.count(1) == 1);
    QVERIFY2(drawn.pages.size() <= 2, qPrintable(QString::number(drawn.pages.size())));
    drawn.pages.clear();
    dialog.setCurrentPage(7000);
    dialog.grab();
    QVERIFY(drawn.pages.count(7000) == 1);
    QVERIFY(drawn.pages.size() <= 2);
    // The surface is the printable area in the printer's dots.
    QCOMPARE(drawn.surface.toSize(), A4.paintRectPixels(Dots).size());
}

void TestSheetPreviewDialog::printableAreaOnWhitePaper()
{
    Drawn drawn;
    SheetPreviewDialog dialog(A4, Dots, 3, drawn.painter(), noCommands());
    dialog.show();
    dialog.fitToPage();
    const QImage image = dialog.grab().toImage();
    QRect red;
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == Qt::red)
                red |= QRect(x, y, 1, 1);
            white += c == Qt::white ? 1 : 0;
        }
    }
    // The printable area keeps the paper's shape, with a white edge of 5 mm all round.
    QVERIFY(!red.isEmpty());
    const QSizeF area = A4.paintRect(QPageLayout::Millimeter).size();
    QVERIFY(qAbs(red.height() / qreal(red.width()) - area.height() / area.width()) < 0.02);
    const qreal edge = red.width() * 5 / area.width();
    QVERIFY(white >= 2 * edge * (red.width() + red.height()) * 0.8);
}

void TestSheetPreviewDialog::pageButtonsAndNumber_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("to");
    QTest::newRow("next") << 5 << "go-next" << 6;
    QTest::newRow("previous") << 5 << "go-previous" << 4;
    QTest::newRow("no page before the first") << 1 << "go-previous" << 1;
    QTest::newRow("no page after the last") << Pages << "go-next" << Pages;
    QTest::newRow("first") << 300 << "go-first" << 1;
    QTest::newRow("last") << 3 << "go-last" << Pages;
}

void TestSheetPreviewDialog::pageButtonsAndNumber()
{
    QFETCH(int, from);
    QFETCH(QString, button);
    QFETCH(int, to);
    Drawn drawn;
    SheetPreviewDialog dialog(A4, Dots, Pages, drawn.painter(), noCommands());
    dialog.show();
    dialog.setCurrentPage(from);
    action(dialog, qPrintable(button))->trigger();
    QCOMPARE(dialog.currentPage(), to);
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("pageNumber"))->text(),
             QString::number(to));
    drawn.pages.clear();
    dialog.grab();
    QVERIFY(drawn.pages.count(to) == 1);
}

void TestSheetPreviewDialog::zoomChangesThePaperSize()
{
    Drawn drawn;
    SheetPreviewDialog dialog(A4, Dots, 2, drawn.painter(), noCommands());
    dialog.show();
    const qreal fitted = dialog.zoom();
    action(dialog, "zoom-in")->trigger();
    QCOMPARE(dialog.zoom(), fitted * 1.25);
    action(dialog, "zoom-out")->trigger();
    action(dialog, "zoom-out")->trigger();
    QCOMPARE(dialog.zoom(), fitted / 1.25);
    action(dialog, "zoom-fit-page")->trigger();
    QVERIFY(dialog.zoom() < fitted); // a whole A4 page is less wide than the window
    action(dialog, "zoom-out")->trigger();
    // Both small pages show; the end of the column counts as the last page.
    action(dialog, "go-last")->trigger();
    QCOMPARE(dialog.currentPage(), 2);
    action(dialog, "zoom-fit-width")->trigger();
    QCOMPARE(dialog.zoom(), fitted);
}

void TestSheetPreviewDialog::printCloses_data()
{
    QTest::addColumn<bool>("printed");
    QTest::newRow("printed: the preview closes") << true;
    QTest::newRow("print dialog cancelled: the preview stays") << false;
}

void TestSheetPreviewDialog::printCloses()
{
    QFETCH(bool, printed);
    Drawn drawn;
    int prints = 0;
    SheetPreviewDialog dialog(A4, Dots, 2, drawn.painter(),
                              {[&prints, printed] {
                                   ++prints;
                                   return printed;
                               },
                               [] { return A4; }});
    dialog.show();
    action(dialog, "printer")->trigger();
    QCOMPARE(prints, 1);
    QCOMPARE(dialog.isVisible(), !printed);
    QCOMPARE(dialog.result(), printed ? int(QDialog::Accepted) : int(QDialog::Rejected));
}

void TestSheetPreviewDialog::pageSetupChangesThePaper()
{
    const QPageLayout landscape(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    Drawn drawn;
    SheetPreviewDialog dialog(A4, Dots, 2, drawn.painter(),
                              {[] { return false; }, [&landscape] { return landscape; }});
    dialog.show();
    action(dialog, "page-setup")->trigger();
    QCOMPARE(dialog.pageLayout().orientation(), QPageLayout::Landscape);
    dialog.grab();
    QCOMPARE(drawn.surface.toSize(), landscape.paintRectPixels(Dots).size());
}

QTEST_MAIN(TestSheetPreviewDialog)
#include "tst_sheetpreviewdialog.moc"
