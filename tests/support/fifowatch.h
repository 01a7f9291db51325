#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// A FIFO that tells whether anything opened it for reading. A program that opens a FIFO the
// usual way waits for a writer forever; the watch plays that writer, so the test ends either
// way and readerSeen() says whether the program would have hung.
class FifoWatch
{
public:
    explicit FifoWatch(const QString &path)
        : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0666) == 0;
        m_thread = std::thread([this] {
            while (!m_stop) {
                // Opening for writing without blocking succeeds only while a reader is there.
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    m_readerSeen = true;
                    ::close(fd); // the reader sees the end of the file and goes on
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    }
    ~FifoWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    FifoWatch(const FifoWatch &) = delete;
    FifoWatch &operator=(const FifoWatch &) = delete;

    bool made() const { return m_made; }
    bool readerSeen() const { return m_readerSeen; }
    bool stillAFifo() const
    {
        struct stat status
        {
        };
        return ::lstat(m_path.constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    }

private:
    QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_stop = false;
    std::atomic<bool> m_readerSeen = false;
    std::thread m_thread;
};
