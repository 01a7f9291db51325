#include "filechooser.h"

#include <QFileDialog>

QString QtFileChooser::choose(QWidget *parent, Purpose purpose, const QString &title,
                              const QStringList &nameFilters)
{
    QFileDialog dialog(parent, title);
    dialog.setNameFilters(nameFilters);
    switch (purpose) {
    case Purpose::Open:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case Purpose::Write:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    case Purpose::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
