#pragma once

#include <QStringList>

class QSettings;

// The recent-file list of the settings: up to four documents, the most recent first, kept as
// File1 to File4 of the group "Recent File List".
class RecentFileList
{
public:
    static constexpr int Size = 4;

    explicit RecentFileList(QSettings &settings);

    const QStringList &files() const { return m_files; }
    // Puts a document first; it leaves its older place, and the oldest falls off the end.
    void add(const QString &path);
    void remove(const QString &path);

private:
    void save();

    QSettings &m_settings;
    QStringList m_files;
};
