#include "printersetupdialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// The paper offered where no printer tells which it has.
QList<QPageSize> commonPaper()
{
    return {QPageSize(QPageSize::A4), QPageSize(QPageSize::B5), QPageSize(QPageSize::A5),
            QPageSize(QPageSize::Letter), QPageSize(QPageSize::Legal)};
}

qsizetype indexOfSize(const QList<QPageSize> &sizes, const QPageSize &size)
{
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        if (sizes.at(i).isEquivalentTo(size))
            return i;
    }
    return -1;
}

} // namespace

PrinterSetupDialog::PrinterSetupDialog(QList<PrinterChoice> printers, const QString &printer,
                                       const QPageLayout &layout, QWidget *parent)
    : QDialog(parent)
    , m_printers(std::move(printers))
{
    setWindowTitle(title());

    m_printer = new QComboBox(this);
    m_printer->setObjectName(QStringLiteral("printerName"));
    for (const PrinterChoice &choice : std::as_const(m_printers))
        m_printer->addItem(choice.name);
    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("printerDescription"));
    if (m_printers.isEmpty()) {
        m_printer->addItem(noPrinter());
        m_printer->setEnabled(false);
    }
    auto *printerBox = new QGroupBox(tr("ﾌﾟﾘﾝﾀ"), this);
    auto *printerForm = new QFormLayout(printerBox);
    printerForm->addRow(tr("名前(&N):"), m_printer);
    printerForm->addRow(tr("説明:"), m_description);

    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("paperSize"));
    auto *paperBox = new QGroupBox(tr("用紙"), this);
    auto *paperForm = new QFormLayout(paperBox);
    paperForm->addRow(tr("ｻｲｽﾞ(&Z):"), m_paper);

    auto *portrait = new QRadioButton(tr("縦(&O)"), this);
    portrait->setObjectName(QStringLiteral("portrait"));
    auto *landscape = new QRadioButton(tr("横(&A)"), this);
    landscape->setObjectName(QStringLiteral("landscape"));
    m_orientation = new QButtonGroup(this);
    m_orientation->addButton(portrait, QPageLayout::Portrait);
    m_orientation->addButton(landscape, QPageLayout::Landscape);
    (layout.orientation() == QPageLayout::Landscape ? landscape : portrait)->setChecked(true);
    auto *orientationBox = new QGroupBox(tr("印刷の向き"), this);
    auto *orientationRow = new QHBoxLayout(orientationBox);
    orientationRow->addWidget(portrait);
    orientationRow->addWidget(landscape);
    orientationRow->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("ｷｬﾝｾﾙ"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Room for a printer's name and description as the print server gives them.
    setMinimumWidth(64 * fontMetrics().averageCharWidth());
    auto *column = new QVBoxLayout(this);
    column->addWidget(printerBox);
    column->addWidget(paperBox);
    column->addWidget(orientationBox);
    column->addWidget(buttons);

    // The paper in use first, so that choosing another printer keeps it where it can.
    m_paperSizes = {layout.pageSize()};
    m_paper->addItem(layout.pageSize().name());
    m_paper->setCurrentIndex(0);
    qsizetype start = 0;
    for (qsizetype i = 0; i < m_printers.size(); ++i) {
        if (m_printers.at(i).name == printer)
            start = i;
    }
    showPrinter(int(start));
    m_printer->setCurrentIndex(int(start));
    connect(m_printer, &QComboBox::currentIndexChanged, this, &PrinterSetupDialog::showPrinter);
}

void PrinterSetupDialog::showPrinter(int index)
{
    const QPageSize chosen = pageSize();
    QList<QPageSize> sizes = commonPaper();
    QPageSize fallback = sizes.constFirst();
    if (index >= 0 && index < m_printers.size()) {
        const PrinterChoice &printer = m_printers.at(index);
        m_description->setText(printer.description);
        if (!printer.pageSizes.isEmpty())
            sizes = printer.pageSizes;
        fallback = printer.defaultPageSize.isValid() ? printer.defaultPageSize : sizes.constFirst();
    } else {
        m_description->clear();
    }
    m_paperSizes = sizes;
    m_paper->clear();
    for (const QPageSize &size : std::as_const(m_paperSizes))
        m_paper->addItem(size.name());
    qsizetype at = indexOfSize(m_paperSizes, chosen);
    if (at < 0)
        at = indexOfSize(m_paperSizes, fallback);
    m_paper->setCurrentIndex(int(std::max<qsizetype>(at, 0)));
}

QString PrinterSetupDialog::printerName() const
{
    return m_printers.isEmpty() ? QString() : m_printers.at(m_printer->currentIndex()).name;
}

QPageSize PrinterSetupDialog::pageSize() const
{
    const int at = m_paper->currentIndex();
    return at >= 0 && at < m_paperSizes.size() ? m_paperSizes.at(at) : QPageSize();
}

QPageLayout::Orientation PrinterSetupDialog::orientation() const
{
    return QPageLayout::Orientation(m_orientation->checkedId());
}
