#pragma once

#include "dialogtemplate.h"

enum AboutControlId : int {
    IDC_ABOUT_ICON = 1100,
    IDC_ABOUT_VERSION = 1101,
    IDC_ABOUT_LINE = 1102,
};

// The application icon, in the About box and on the window.
inline constexpr char applicationIconPath[] = ":/kavelo/kavelo.svg";

// Dialog template 100, the About box.
extern const DialogTemplate aboutDialogTemplate;
