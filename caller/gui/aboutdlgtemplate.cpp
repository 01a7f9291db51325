#include "aboutdlgtemplate.h"

namespace {

constexpr ControlTemplate aboutControls[] = {
    {IDC_ABOUT_ICON, "IDC_ABOUT_ICON", ControlKind::Icon, {11, 17, 20, 20}, applicationIconPath},
    {IDC_ABOUT_VERSION,
     "IDC_ABOUT_VERSION",
     ControlKind::Label,
     {40, 10, 119, 8},
     "Kavelo Version 1.0"},
    {IDC_ABOUT_LINE,
     "IDC_ABOUT_LINE",
     ControlKind::Label,
     {40, 25, 119, 8},
     QT_TRANSLATE_NOOP("DialogTemplate", "ビンゴの数字を引くプログラム")},
    {1, "IDOK", ControlKind::PushButton, {178, 7, 50, 14}, "OK", DefaultButton | TabStop},
};

} // namespace

const DialogTemplate aboutDialogTemplate{100,
                                         QT_TRANSLATE_NOOP("DialogTemplate", "Kaveloのﾊﾞｰｼﾞｮﾝ情報"),
                                         "ＭＳ Ｐゴシック",
                                         9,
                                         235,
                                         55,
                                         aboutControls};
