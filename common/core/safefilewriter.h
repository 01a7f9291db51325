#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

// The one way the kit writes a file. The file ends either complete or as it was before:
// - a regular file (or a new one) is written to a temporary file beside it, which replaces it
//   on commit; the temporary file never outlives a failure. Where the file system allows, it
//   has no name until commit, so that not even SIGKILL or a power cut leaves it behind;
// - when its folder cannot take a temporary file but the file itself is writable, the new
//   content is first kept whole elsewhere (in memory while small, else in an unnamed file in
//   the temporary folder) and copied over the file only on commit; its old content is put back
//   if the copy fails or SIGINT, SIGTERM or SIGHUP comes during it. Such a signal takes effect
//   once the old content is back;
// - a FIFO or character device is written in place, never replaced; a FIFO nobody reads from
//   is refused at once instead of waiting for a reader;
// - a folder, block device, socket or symbolic link loop is refused.
// A file growing past the size limit (ulimit -f) fails like a full disk, without SIGXFSZ.
// Every failure leaves errorString() with the reason (see FileReasons); the messages name
// fileName(). Files are written from one thread at a time: the signal handling is the process's.
// bytesWritten() is emitted as bytes reach the file itself: written in place, during commit().
class SafeFileWriter : public QIODevice
{
    Q_OBJECT

public:
    explicit SafeFileWriter(const QString &path, QObject *parent = nullptr);
    ~SafeFileWriter() override;

    QString fileName() const { return m_path; }

    // Only QIODevice::WriteOnly is supported.
    bool open(OpenMode mode) override;
    // Makes what was written the file's content. False, with the reason, when anything failed
    // since open; the file is then as it was before.
    bool commit();
    // Drops what was written; the file stays as it was. close() does the same.
    void cancelWriting();
    void close() override;

    // From now on SIGINT, SIGTERM and SIGHUP, where they would end the program, first remove
    // the temporary files of writers still open, then end it as they would have.
    static void removeTemporaryFilesOnInterrupt();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    enum class Mode { Replace, InPlace, Stream };

    bool fail(const QString &reason);
    bool failWithErrno(int error);
    bool openExisting();
    bool openTemporary(const struct stat *existing);
    bool openUnnamed();
    QByteArray unnamedPath() const;
    bool nameUnnamed();
    QByteArray temporaryName() const;
    bool openInPlace(QString *reason);
    bool openStream();
    bool openStaging();
    bool flushBuffer();
    qint64 writeAll(int fd, const char *data, qint64 size, qint64 offset);
    bool copyIntoPlace();
    bool restoreOldContent(qint64 overwritten);
    void forgetTemporary();
    void discard();

    QString m_path;
    Mode m_mode = Mode::Replace;
    int m_fd = -1;
    int m_stagingFd = -1;     // InPlace: the new content once it outgrows memory
    int m_temporarySlot = -1; // Replace: where the interrupt handler finds m_temporary
    QByteArray m_target;      // the file that gets the content, links resolved
    QByteArray m_temporary;   // Replace: the file written until commit, empty while unnamed
    QByteArray m_oldContent;  // InPlace: what to put back on failure
    QByteArray m_buffer;      // InPlace: the whole new content while it is small
    qint64 m_written = 0;     // bytes that reached the file, or the staging file
    bool m_failed = false;
};

// Writes content to path through SafeFileWriter; the reason when it could not.
std::optional<QString> writeFileSafely(const QString &path, const QByteArray &content);
