#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

#include <functional>
#include <memory>

// The sheet program's settings, in the file QSettings keeps for the organisation "Local
// AppWizard-Generated Applications" and the application "BINGO".
//
// QSettings reads its file as it is made, and would wait forever on a FIFO there; it locks the
// file with BINGO.conf.lock beside it before writing, and would wait forever on a lock that is a
// FIFO, a folder, a link to nothing or a lock no process lets go of. So the program's settings
// live in a scratch file that goes away with this object, read from the real file at the start,
// and each change is written through to the real file only once its path and its lock's path
// are what they should be (a regular file, or nothing) and the lock can be taken at once;
// otherwise the change waits for the next chance, and the settings of the run are kept. Anything
// at the file's path other than a regular file, or a file far larger than any the program
// writes, which QSettings would read whole, is treated like a missing file and left alone.
class SheetSettingsFile
{
public:
    // The program's settings take a few hundred bytes.
    static constexpr qint64 MaxBytes = 1024 * 1024;

    // warn is told, once for each, why a change could not be written through.
    explicit SheetSettingsFile(std::function<void(const QString &)> warn = {});
    ~SheetSettingsFile();

    static QString path();
    static QString lockPath() { return path() + QStringLiteral(".lock"); }

    QSettings &settings() { return *m_settings; }
    // Empty, or why the file at path() is not used.
    QString warning() const { return m_warning; }

    // Writes the changes of the run through to the file, where it may; done by itself as the
    // settings change, and when this object goes.
    void writeThrough();

private:
    QTemporaryDir m_scratch;
    std::unique_ptr<QSettings> m_settings;
    QString m_warning;
    QVariantMap m_written; // what the file holds of the settings, as far as this run knows
    bool m_useFile = false;
    std::function<void(const QString &)> m_warn;
    QString m_lastWarned;
};
