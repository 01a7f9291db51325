#include "cbingodoc.h"

#include "regularfile.h"
#include "safefilewriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

QString CBINGODoc::title() const
{
    return m_pathName.isEmpty() ? QCoreApplication::translate("CBINGODoc", "無題")
                                : QFileInfo(m_pathName).fileName();
}

void CBINGODoc::OnNewDocument()
{
    setPathName({});
}

bool CBINGODoc::OnOpenDocument(const QString &path, QString *error)
{
    QFile file;
    if (!openRegularFile(file, path, error))
        return false;
    setPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

bool CBINGODoc::OnSaveDocument(const QString &path, QString *error)
{
    // The document holds nothing, so writing it over a file with content would only destroy
    // that content.
    if (isRegularFile(path) && QFileInfo(path).size() > 0) {
        *error = QCoreApplication::translate(
            "CBINGODoc", "このﾌｧｲﾙには内容があります。保存すると内容が失われるため、"
                         "保存しませんでした。");
        return false;
    }
    if (const auto reason = writeFileSafely(path, {})) {
        *error = *reason;
        return false;
    }
    setPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

void CBINGODoc::setPathName(const QString &path)
{
    m_pathName = path;
    emit titleChanged();
}
