#pragma once

#include "dialogtemplate.h"

#include <QKeyCombination>
#include <QString>

#include <span>

// The sheet program's resources as data: the frame builds its menu, accelerators and tool bar
// from these tables, and tests read the same tables to check what was built.

struct MenuEntry
{
    enum class Kind { Popup, Item, Separator };

    Kind kind;
    const char *caption; // UTF-8, as stored and untranslated; nullptr for a separator
    int id = 0;          // the command of an item
    bool greyed = false;
};

struct Accelerator
{
    QKeyCombination keys;
    int command;
};

struct ToolBarButton
{
    int id;                // 0 for a separator
    const char *themeIcon; // the desktop theme's name for the picture
    const char *fallback;  // the built-in picture used where the theme has none
};

namespace SheetResources {

// Menu 128: each Popup entry opens a popup that holds the entries after it.
std::span<const MenuEntry> menu();
// Accelerator table 128, in table order.
std::span<const Accelerator> accelerators();
// Tool bar 128, in button order.
std::span<const ToolBarButton> toolBar();
// The status-bar panes after the message pane, in order.
std::span<const int> indicators();

// The caption of a menu entry in the user's language.
QString menuCaption(const MenuEntry &entry);
// An entry of the string table in the user's language; empty when there is none.
QString string(int id);
// The status-bar prompt of a command: its string up to the line end.
QString prompt(int id);
// The tool tip of a command: its string after the line end, or empty.
QString toolTip(int id);

const DialogTemplate &aboutDialog();
const DialogTemplate &sheetSetupDialog();

} // namespace SheetResources
