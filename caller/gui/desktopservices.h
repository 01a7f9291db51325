#pragma once

#include "callerservices.h"
#include "filechooser.h"
#include "messagepresenter.h"
#include "qtprocessstarter.h"
#include "qtsoundoutput.h"
#include "threadsleeper.h"

// The caller dialog's real services on the desktop: sound through Qt Multimedia, the file
// dialog, message boxes, process start and real pauses. It must outlive the dialog it serves.
class DesktopServices
{
public:
    CallerServices services()
    {
        CallerServices services;
        services.sound = &m_sound;
        services.files = &m_files;
        services.messages = &m_messages;
        services.processes = &m_processes;
        services.sleeper = &m_sleeper;
        return services;
    }

private:
    QtSoundOutput m_sound;
    QtFileChooser m_files;
    QtMessagePresenter m_messages;
    QtProcessStarter m_processes;
    ThreadSleeper m_sleeper;
};
