#include "printersetupdialog.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>

using SizeId = QPageSize::PageSizeId;

class TestPrinterSetupDialog : public QObject
{
    Q_OBJECT

private slots:
    void choosesPrinterPaperAndOrientation_data();
    void choosesPrinterPaperAndOrientation();
};

void TestPrinterSetupDialog::choosesPrinterPaperAndOrientation_data()
{
    QTest::addColumn<QString>("current"); // the printer chosen before
    QTest::addColumn<SizeId>("currentSize");
    QTest::addColumn<QString>("choosePrinter"); // empty: left as it is
    QTest::addColumn<int>("chooseSize");        // -1: left as it is
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("printer"); // empty where the print server names no printer
    QTest::addColumn<SizeId>("size");

    QTest::newRow("as it was") << "Hall" << QPageSize::A5 << "" << -1 << false << "Hall"
                               << QPageSize::A5;
    QTest::newRow("another printer keeps the paper both have")
        << "Office" << QPageSize::A4 << "Hall" << -1 << false << "Hall" << QPageSize::A4;
    QTest::newRow("another printer without that paper takes its own default")
        << "Office" << QPageSize::Letter << "Hall" << -1 << false << "Hall" << QPageSize::A5;
    QTest::newRow("paper and orientation chosen")
        << "Office" << QPageSize::A4 << "" << int(QPageSize::A3) << true << "Office"
        << QPageSize::A3;
    QTest::newRow("a printer that is gone gives way to the first")
        << "Gone" << QPageSize::A4 << "" << -1 << false << "Office" << QPageSize::A4;
    QTest::newRow("no printer: the paper can still be chosen")
        << "" << QPageSize::Letter << "" << int(QPageSize::A5) << true << "" << QPageSize::A5;
}

void TestPrinterSetupDialog::choosesPrinterPaperAndOrientation()
{
    QFETCH(QString, current);
    QFETCH(SizeId, currentSize);
    QFETCH(QString, choosePrinter);
    QFETCH(int, chooseSize);
    QFETCH(bool, landscape);
    QFETCH(QString, printer);
    QFETCH(SizeId, size);
    const QList<PrinterChoice> printers{
        {"Office", "Laser (2F)", {QPageSize::A4, QPageSize::Letter, QPageSize::A3}, QPageSize::A4},
        {"Hall", "Inkjet", {QPageSize::A4, QPageSize::A5, QPageSize::B5}, QPageSize::A5}};
    const bool known = !printer.isEmpty();

    const QPageLayout layout(QPageSize(currentSize), QPageLayout::Portrait, {});
    PrinterSetupDialog dialog(known ? printers : QList<PrinterChoice>(), current, layout);
    auto *names = dialog.findChild<QComboBox *>(QStringLiteral("printerName"));
    auto *paper = dialog.findChild<QComboBox *>(QStringLiteral("paperSize"));
    QCOMPARE(names->isEnabled(), known);
    if (!choosePrinter.isEmpty())
        names->setCurrentIndex(names->findText(choosePrinter));
    if (chooseSize >= 0) // a paper not offered leaves none chosen, which the checks below catch
        paper->setCurrentIndex(paper->findText(QPageSize(SizeId(chooseSize)).name()));
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
