#include "processlimits.h"

#include <QCoreApplication>

#include <sys/resource.h>

std::optional<QString> openFilesRefusal()
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= rlim_t(MinOpenFiles))
        return std::nullopt;
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max >= rlim_t(MinOpenFiles)) {
        limit.rlim_cur = MinOpenFiles;
        if (::setrlimit(RLIMIT_NOFILE, &limit) == 0)
            return std::nullopt;
    }
    return QCoreApplication::translate(
               "ProcessLimits", "同時に開けるファイルの数が %1 に制限されています。少なくとも %2 "
                                "必要です (ulimit -n)。")
        .arg(limit.rlim_cur)
        .arg(MinOpenFiles);
}

QString outOfMemory()
{
    return QCoreApplication::translate("ProcessLimits", "メモリーが足りないため、終了します。");
}
