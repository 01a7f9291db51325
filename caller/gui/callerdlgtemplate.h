#pragma once

#include "dialogtemplate.h"

// Control ids of the caller's main dialog.
enum CallerControlId : int {
    IDC_STOP = 3,
    IDC_ANIMATE = 1002,
    IDC_DRAWN_LIST = 1003,
    IDC_START = 1006,
    IDC_CLEAR = 1007,
    IDC_SHEET = 1008,
    IDC_DISPLAY_FRAME = 1014,
    IDC_CALLED_PANEL = 1018,
    IDC_LOWER_PANEL = 1019,
    IDC_SAVE = 1023,
    IDC_TOP_NUMBER = 1034,
    IDC_NUMBER_GROUP = 1035,
    IDC_COLOR_BLUE = 1039,
    IDC_COLOR_RED = 1040,
    IDC_COLOR_GREEN = 1041,
    IDC_BACK_ON = 1044,
    IDC_BACK_OFF = 1045,
};

// Dialog template 102, the caller's main window.
extern const DialogTemplate callerDialogTemplate;
