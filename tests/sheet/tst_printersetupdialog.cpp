#include "printersetupdialog.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>

using SizeId = QPageSize::PageSizeId;

namespace {

const QList<PrinterChoice> printers{
    {QStringLiteral("Office"),
     QStringLiteral("Laser (2F)"),
     {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter), QPageSize(QPageSize::A3)},
     QPageSize(QPageSize::A4)},
    {QStringLiteral("Hall"),
     QStringLiteral("Inkjet"),
     {QPageSize(QPageSize::A4), QPageSize(QPageSize::A5), QPageSize(QPageSize::B5)},
     QPageSize(QPageSize::A5)},
};

} // namespace

class TestPrinterSetupDialog : public QObject
{
    Q_OBJECT

private slots:
    void choosesPrinterPaperAndOrientation_data();
    void choosesPrinterPaperAndOrientation();
};

void TestPrinterSetupDialog::choosesPrinterPaperAndOrientation_data()
{
    QTest::addColumn<bool>("known"); // whether the print server names any printer
    QTest::addColumn<QString>("current");
    QTest::addColumn<SizeId>("currentSize");
    QTest::addColumn<QString>("choosePrinter"); // empty: left as it is
    QTest::addColumn<int>("chooseSize");        // -1: left as it is
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("printer");
    QTest::addColumn<SizeId>("size");

    QTest::newRow("as it was") << true << "Hall" << QPageSize::A5 << "" << -1 << false << "Hall"
                               << QPageSize::A5;
    QTest::newRow("another printer keeps the paper both have")
        << true << "Office" << QPageSize::A4 << "Hall" << -1 << false << "Hall" << QPageSize::A4;
    QTest::newRow("another printer without that paper takes its own default")
        << true << "Office" << QPageSize::Letter << "Hall" << -1 << false << "Hall"
        << QPageSize::A5;
    QTest::newRow("paper and orientation chosen")
        << true << "Office" << QPageSize::A4 << "" << int(QPageSize::A3) << true << "Office"
        << QPageSize::A3;
    QTest::newRow("a printer that is gone gives way to the first")
        << true << "Gone" << QPageSize::A4 << "" << -1 << false << "Office" << QPageSize::A4;
    QTest::newRow("no printer: the paper can still be chosen")
        << false << "" << QPageSize::Letter << "" << int(QPageSize::A5) << true << ""
        << QPageSize::A5;
}

void TestPrinterSetupDialog::choosesPrinterPaperAndOrientation()
{
    QFETCH(bool, known);
    QFETCH(QString, current);
    QFETCH(SizeId, currentSize);
    QFETCH(QString, choosePrinter);
    QFETCH(int, chooseSize);
    QFETCH(bool, landscape);
    QFETCH(QString, printer);
    QFETCH(SizeId, size);

    const QPageLayout layout(QPageSize(currentSize), QPageLayout::Portrait, {});
    PrinterSetupDialog dialog(known ? printers : QList<PrinterChoice>(), current, layout);
    auto *names = dialog.findChild<QComboBox *>(QStringLiteral("printerName"));
    auto *paper = dialog.findChild<QComboBox *>(QStringLiteral("paperSize"));
    QCOMPARE(names->isEnabled(), known);
    if (!choosePrinter.isEmpty())
        names->setCurrentIndex(names->findText(choosePrinter));
    if (chooseSize >= 0) {
        const int at = paper->findText(QPageSize(SizeId(chooseSize)).name());
        QVERIFY(at >= 0);
        paper->setCurrentIndex(at);
    }
    if (landscape)
        dialog.findChild<QRadioButton *>(QStringLiteral("landscape"))->click();

    QCOMPARE(dialog.printerName(), printer);
    QCOMPARE(names->currentText(), known ? printer : PrinterSetupDialog::noPrinter());
    QCOMPARE(dialog.pageSize().id(), size);
    QCOMPARE(paper->currentText(), QPageSize(size).name());
    QCOMPARE(dialog.orientation(), landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QTEST_MAIN(TestPrinterSetupDialog)
#include "tst_printersetupdialog.moc"
