#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// The sheet program's settings, in the file QSettings keeps for the organisation "Local
// AppWizard-Generated Applications" and the application "BINGO". QSettings reads its file as
// it is made, and would wait forever on a FIFO there; anything at that path other than a
// regular file is treated like a missing file and left alone: the settings of the run are then
// kept in a scratch file that goes away with this object. So is a file far larger than any the
// program writes, which QSettings would read whole.
class SheetSettingsFile
{
public:
    // The program's settings take a few hundred bytes.
    static constexpr qint64 MaxBytes = 1024 * 1024;

    SheetSettingsFile();

    static QString path();

    QSettings &settings() { return *m_settings; }
    // Empty, or why the file at path() is not used.
    QString warning() const { return m_warning; }

private:
    std::optional<QTemporaryDir> m_scratch;
    std::unique_ptr<QSettings> m_settings;
    QString m_warning;
};
