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
    m_set.reset();
    setPathName({});
}

namespace {

// What the file at path holds, read without waiting on a FIFO; false with the reason when it
// cannot be read, or is no document.
bool readDocument(const QString &path, SheetDocumentReading *reading, QString *error)
{
    QFile file;
    if (!openRegularFile(file, path, error))
        return false;
    const QByteArray content = file.read(CBINGODoc::MaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    *reading =
        content.size() > CBINGODoc::MaxBytes
            ? SheetDocumentReading{std::nullopt,
                                   QCoreApplication::translate(
                                       "CBINGODoc", "BINGO のシートの書類としては大きすぎます。")}
            : SheetDocumentReading::read(content);
    *error = reading->error;
    return reading->ok();
}

} // namespace

bool CBINGODoc::OnOpenDocument(const QString &path, QString *error)
{
    SheetDocumentReading reading;
    if (!readDocument(path, &reading, error))
        return false;
    m_set = reading.document;
    setPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

bool CBINGODoc::OnSaveDocument(const QString &path, const SheetDocument &set, QString *error)
{
    // A document, or an empty file, is saved over; a file holding anything else is someone's
    // work, which saving would destroy.
    SheetDocumentReading reading;
    QString unused;
    if (isRegularFile(path) && QFileInfo(path).size() > 0 &&
        !readDocument(path, &reading, &unused)) {
        *error = QCoreApplication::translate(
            "CBINGODoc", "このﾌｧｲﾙには内容があります。保存すると内容が失われるため、"
                         "保存しませんでした。");
        return false;
    }
    if (const auto reason = writeFileSafely(path, set.text())) {
        *error = *reason;
        return false;
    }
    m_set = set;
    setPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

void CBINGODoc::setPathName(const QString &path)
{
    m_pathName = path;
    emit titleChanged();
}
