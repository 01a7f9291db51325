#include "callerdlgtemplate.h"

namespace {

constexpr unsigned Button = TabStop;
constexpr unsigned DefButton = DefaultButton | TabStop;

// In template order, which is also the stacking order: the display frame comes last and so
// lies over everything, its backing image transparent where nothing was painted.
constexpr ControlTemplate controls[] = {
    {-1, nullptr, ControlKind::GroupBox, {181, 28, 72, 201}, ""},
    {IDC_START, "IDC_START", ControlKind::PushButton, {10, 35, 80, 76}, "スタート", DefButton},
    {IDC_STOP, "IDC_STOP", ControlKind::PushButton, {94, 35, 77, 76}, "ストップ", DefButton},
    {IDC_CLEAR, "IDC_CLEAR", ControlKind::PushButton, {192, 117, 50, 16}, "クリア", DefButton},
    {IDC_ANIMATE, "IDC_ANIMATE", ControlKind::Custom, {190, 37, 52, 46}, ""},
    // Not a tab stop: the focus that leaves a button as it is disabled would land on the grid,
    // and its current cell would look marked.
    {IDC_DRAWN_LIST, "IDC_DRAWN_LIST", ControlKind::ListView, {10, 117, 166, 110}, ""},
    {IDC_CALLED_PANEL, "IDC_CALLED_PANEL", ControlKind::Frame, {258, 34, 150, 192}, ""},
    {IDC_SAVE, "IDC_SAVE", ControlKind::PushButton, {192, 91, 49, 16}, "保存", Button},
    {IDC_SHEET, "IDC_SHEET", ControlKind::PushButton, {192, 141, 50, 16}, "ビンゴ用紙", DefButton},
    {IDC_TOP_NUMBER, "IDC_TOP_NUMBER", ControlKind::ComboBox, {194, 173, 21, 57}, "", TabStop},
    {IDC_NUMBER_GROUP, "IDC_NUMBER_GROUP", ControlKind::GroupBox, {191, 163, 27, 28}, "数"},
    {-1, nullptr, ControlKind::GroupBox, {190, 195, 53, 28}, "色"},
    {IDC_COLOR_BLUE,
     "IDC_COLOR_BLUE",
     ControlKind::RadioButton,
     {192, 209, 16, 8},
     "青",
     StartsGroup | TabStop},
    {IDC_COLOR_RED, "IDC_COLOR_RED", ControlKind::RadioButton, {208, 209, 17, 9}, "赤"},
    {IDC_COLOR_GREEN, "IDC_COLOR_GREEN", ControlKind::RadioButton, {225, 207, 16, 11}, "緑"},
    {-1, nullptr, ControlKind::GroupBox, {220, 163, 23, 28}, "B/C"},
    {IDC_BACK_ON,
     "IDC_BACK_ON",
     ControlKind::RadioButton,
     {222, 171, 18, 8},
     "有",
     StartsGroup | TabStop},
    {IDC_BACK_OFF, "IDC_BACK_OFF", ControlKind::RadioButton, {222, 179, 18, 10}, "無"},
    {IDC_LOWER_PANEL, "IDC_LOWER_PANEL", ControlKind::Frame, {10, 232, 398, 145}, ""},
    {IDC_DISPLAY_FRAME, "IDC_DISPLAY_FRAME", ControlKind::GroupBox, {4, 22, 410, 365}, ""},
};

} // namespace

const DialogTemplate callerDialogTemplate{102, "BINGO", "ＭＳ Ｐゴシック", 9, 418, 399, controls};
