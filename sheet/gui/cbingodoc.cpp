#include "cbingodoc.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString CBINGODoc::title() const
{
    return m_pathName.isEmpty() ? QStringLiteral("無題") : QFileInfo(m_pathName).fileName();
}

void CBINGODoc::OnNewDocument()
{
    setPathName({});
}

bool CBINGODoc::OnOpenDocument(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    setPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

bool CBINGODoc::OnSaveDocument(const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.commit()) {
        *error = file.errorString();
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
