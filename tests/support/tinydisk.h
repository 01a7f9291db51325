#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>

// A tmpfs of a few kilobytes mounted on a temporary folder: a disk that really fills up.
class TinyDisk
{
public:
    explicit TinyDisk(int kilobytes)
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
        m_mounted = m_dir.isValid() && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(),
                                               "tmpfs", 0, options.constData()) == 0;
    }
    ~TinyDisk()
    {
        if (m_mounted)
            ::umount(QFile::encodeName(m_dir.path()).constData());
    }
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
