#pragma once

#include "sheetdocument.h"

#include <QObject>
#include <QString>

#include <optional>

// The document: the file a set of sheets is saved in (see SheetDocument), with its name and
// title, which follow File New, Open and Save. An empty file, as older versions wrote, opens
// with no set in it. Saving over a file that holds anything but a document is refused, since
// that content would be lost.
class CBINGODoc : public QObject
{
    Q_OBJECT

public:
    // A document takes a few dozen bytes; a larger file is no document and is not read whole.
    static constexpr qint64 MaxBytes = 64 * 1024;

    using QObject::QObject;

    QString pathName() const { return m_pathName; }
    // The file name, or "無題" for a document never saved or opened.
    QString title() const;

    void OnNewDocument();
    // Both return false, with the reason in error, when the file cannot be read or written, or
    // holds something other than a document. Opening takes regular files only, so a FIFO never
    // makes it wait; what was opened last is then set().
    bool OnOpenDocument(const QString &path, QString *error);
    bool OnSaveDocument(const QString &path, const SheetDocument &set, QString *error);
    // The set the file opened last holds; none for an empty file.
    const std::optional<SheetDocument> &set() const { return m_set; }

signals:
    void titleChanged();

private:
    void setPathName(const QString &path);

    QString m_pathName;
    std::optional<SheetDocument> m_set;
};
