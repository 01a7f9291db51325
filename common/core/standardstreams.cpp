#include "standardstreams.h"

#include "filereasons.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void holdClosedStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        // The lowest free number is this one, the lower ones being open by now.
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }
}

void printTo(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int finishStandardOutput(const char *program, int status)
{
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    // An error met before the flush may have left no errno to tell.
    const QString why = errno != 0 ? FileReasons::systemError(errno) : QString();
    printTo(stderr,
            QStringLiteral("%1: %2\n")
                .arg(QString::fromLocal8Bit(program), FileReasons::standardOutputFailed(why)));
    return 1;
}
