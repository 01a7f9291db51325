#include "threadsleeper.h"

#include <QThread>

void ThreadSleeper::sleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}
