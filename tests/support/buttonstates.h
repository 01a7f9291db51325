#pragma once

#include <QString>
#include <QWidget>

// The caller dialog's Start, Stop, Clear, Save, Sheet and Number controls as 1 (enabled) or 0.
inline QString buttonStates(const QWidget &dialog)
{
    QString s;
    for (const char *name :
         {"IDC_START", "IDC_STOP", "IDC_CLEAR", "IDC_SAVE", "IDC_SHEET", "IDC_TOP_NUMBER"})
        s += dialog.findChild<QWidget *>(QString::fromLatin1(name))->isEnabled() ? u'1' : u'0';
    return s;
}
