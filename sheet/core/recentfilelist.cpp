#include "recentfilelist.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString group = QStringLiteral("Recent File List");

QString keyOf(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

RecentFileList::RecentFileList(QSettings &settings)
    : m_settings(settings)
{
    m_settings.beginGroup(group);
    for (int i = 0; i < Size; ++i) {
        const QString path = m_settings.value(keyOf(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
    m_settings.endGroup();
}

void RecentFileList::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > Size)
        m_files.removeLast();
    save();
}

void RecentFileList::remove(const QString &path)
{
    if (m_files.removeAll(QFileInfo(path).absoluteFilePath()) > 0)
        save();
}

void RecentFileList::save()
{
    m_settings.beginGroup(group);
    for (int i = 0; i < Size; ++i) {
        if (i < m_files.size())
            m_settings.setValue(keyOf(i), m_files.at(i));
        else
            m_settings.remove(keyOf(i));
    }
    m_settings.endGroup();
    m_settings.sync();
}
