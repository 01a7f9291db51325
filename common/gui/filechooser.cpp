#include "filechooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool sameFolder(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

QtFileChooser::QtFileChooser()
    : QtFileChooser(QCoreApplication::applicationDirPath(),
                    QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{}

QtFileChooser::QtFileChooser(const QString &programFolder, const QString &documentsFolder)
    : m_programFolder(programFolder)
    , m_documentsFolder(documentsFolder)
{}

QString QtFileChooser::startFolder() const
{
    if (!m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir())
        return m_lastFolder;
    if (!sameFolder(QDir::currentPath(), m_programFolder))
        return QDir::currentPath();
    if (!m_documentsFolder.isEmpty() && QFileInfo(m_documentsFolder).isDir())
        return m_documentsFolder;
    return QDir::homePath();
}

QString QtFileChooser::choose(QWidget *parent, Purpose purpose, const QString &title,
                              const QStringList &nameFilters)
{
    QFileDialog dialog(parent, title, startFolder());
    dialog.setNameFilters(nameFilters);
    switch (purpose) {
    case Purpose::Open:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case Purpose::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}
