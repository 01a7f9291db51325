#pragma once

#include <QDialog>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QButtonGroup;
class QComboBox;
class QLabel;

// A printer as Printer Setup offers it, as the print server describes it.
struct PrinterChoice
{
    QString name;
    QString description;
    QList<QPageSize> pageSizes;
    QPageSize defaultPageSize;
};

// Printer Setup (ﾌﾟﾘﾝﾀの設定): the printer the sheets go to, its paper and the orientation.
// Where no printer is known it still sets the paper, which the print preview shows.
class PrinterSetupDialog : public QDialog
{
    Q_OBJECT

public:
    static QString title() { return tr("ﾌﾟﾘﾝﾀの設定"); }
    static QString noPrinter() { return tr("ﾌﾟﾘﾝﾀが見つかりません"); }

    // Starts with `printer` (or else the first of them) and the paper and orientation of
    // `layout`, where that printer has that paper.
    PrinterSetupDialog(QList<PrinterChoice> printers, const QString &printer,
                       const QPageLayout &layout, QWidget *parent = nullptr);

    // Empty where no printer is known.
    QString printerName() const;
    QPageSize pageSize() const;
    QPageLayout::Orientation orientation() const;

private:
    // Lists the paper of the printer at `index` and keeps the paper chosen where it has it.
    void showPrinter(int index);

    QList<PrinterChoice> m_printers;
    QComboBox *m_printer = nullptr;
    QLabel *m_description = nullptr;
    QComboBox *m_paper = nullptr;
    QList<QPageSize> m_paperSizes;
    QButtonGroup *m_orientation = nullptr;
};
