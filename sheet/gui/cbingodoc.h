#pragma once

#include <QObject>
#include <QString>

// The document. It holds nothing: saving writes an empty file and opening reads nothing, so
// the sheets never change; only its file name and title follow File New, Open and Save.
// Saving over a file that has content is refused, since it would empty that file.
class CBINGODoc : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QString pathName() const { return m_pathName; }
    // The file name, or "無題" for a document never saved or opened.
    QString title() const;

    void OnNewDocument();
    // Both return false, with the reason in error, when the file cannot be opened or written.
    // Opening takes regular files only, so a FIFO never makes it wait.
    bool OnOpenDocument(const QString &path, QString *error);
    bool OnSaveDocument(const QString &path, QString *error);

signals:
    void titleChanged();

private:
    void setPathName(const QString &path);

    QString m_pathName;
};
