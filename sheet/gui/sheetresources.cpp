#include "sheetresources.h"

#include "sheetids.h"

#include <QCoreApplication>

using namespace SheetIds;

namespace {

using Kind = MenuEntry::Kind;

constexpr MenuEntry menuEntries[] = {
    {Kind::Popup, QT_TRANSLATE_NOOP("SheetResources", "ﾌｧｲﾙ(&F)")},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "新規作成(&N)\tCtrl+N"), ID_FILE_NEW},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "開く(&O)...\tCtrl+O"), ID_FILE_OPEN},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "上書き保存(&S)\tCtrl+S"), ID_FILE_SAVE},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "名前を付けて保存(&A)..."), ID_FILE_SAVE_AS},
    {Kind::Separator, nullptr},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "印刷(&P)...\tCtrl+P"), ID_FILE_PRINT},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "印刷ﾌﾟﾚﾋﾞｭｰ(&V)"), ID_FILE_PRINT_PREVIEW},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "ﾌﾟﾘﾝﾀの設定(&R)..."), ID_FILE_PRINT_SETUP},
    {Kind::Separator, nullptr},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "最近使ったﾌｧｲﾙ"), ID_FILE_MRU_FILE1, true},
    {Kind::Separator, nullptr},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"), ID_APP_EXIT},
    {Kind::Popup, QT_TRANSLATE_NOOP("SheetResources", "編集(&E)")},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "元に戻す(&U)\tCtrl+Z"), ID_EDIT_UNDO},
    {Kind::Separator, nullptr},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "切り取り(&T)\tCtrl+X"), ID_EDIT_CUT},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "ｺﾋﾟｰ(&C)\tCtrl+C"), ID_EDIT_COPY},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "貼り付け(&P)\tCtrl+V"), ID_EDIT_PASTE},
    {Kind::Popup, QT_TRANSLATE_NOOP("SheetResources", "表示(&V)")},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "ﾂｰﾙ ﾊﾞｰ(&T)"), ID_VIEW_TOOLBAR},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"), ID_VIEW_STATUS_BAR},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "ｼｰﾄ番号とｺｰﾄﾞ(&N)"), ID_VIEW_NUMBERED},
    {Kind::Popup, QT_TRANSLATE_NOOP("SheetResources", "ﾍﾙﾌﾟ(&H)")},
    {Kind::Item, QT_TRANSLATE_NOOP("SheetResources", "BINGO のﾊﾞｰｼﾞｮﾝ情報(&A)..."), ID_APP_ABOUT},
};

constexpr Accelerator acceleratorEntries[] = {
    {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},         {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
    {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},        {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},
    {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},        {Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},
    {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},        {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
    {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO}, {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
    {Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY},   {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
    {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE}, {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
};

constexpr ToolBarButton toolBarButtons[] = {
    {ID_FILE_NEW, "document-new", ":/bingo/icons/new.svg"},
    {ID_FILE_OPEN, "document-open", ":/bingo/icons/open.svg"},
    {ID_FILE_SAVE, "document-save", ":/bingo/icons/save.svg"},
    {0, nullptr, nullptr},
    {ID_EDIT_CUT, "edit-cut", ":/bingo/icons/cut.svg"},
    {ID_EDIT_COPY, "edit-copy", ":/bingo/icons/copy.svg"},
    {ID_EDIT_PASTE, "edit-paste", ":/bingo/icons/paste.svg"},
    {0, nullptr, nullptr},
    {ID_FILE_PRINT, "document-print", ":/bingo/icons/print.svg"},
    {0, nullptr, nullptr},
    {ID_APP_ABOUT, "help-about", ":/bingo/icons/about.svg"},
};

constexpr int indicatorIds[] = {ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                ID_INDICATOR_SCRL};

struct StringEntry
{
    int firstId;
    int lastId;
    const char *text;
};

constexpr StringEntry strings[] = {
    {ID_VIEW_NUMBERED, ID_VIEW_NUMBERED,
     QT_TRANSLATE_NOOP("SheetResources", "各ｼｰﾄにｼｰﾄ番号と組のｺｰﾄﾞを入れる\nｼｰﾄ番号とｺｰﾄﾞ")},
    {57344, 57344, "BINGO"},
    {57345, 57345, QT_TRANSLATE_NOOP("SheetResources", "ﾚﾃﾞｨ")},
    {57600, 57600, QT_TRANSLATE_NOOP("SheetResources", "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ")},
    {57601, 57601, QT_TRANSLATE_NOOP("SheetResources", "既存のﾌｧｲﾙを開く\n開く")},
    {57602, 57602, QT_TRANSLATE_NOOP("SheetResources", "作業中のﾌｧｲﾙを閉じる\n閉じる")},
    {57603, 57603, QT_TRANSLATE_NOOP("SheetResources", "作業中のﾌｧｲﾙを上書きして保存\n保存")},
    {57604, 57604,
     QT_TRANSLATE_NOOP("SheetResources", "作業中のﾌｧｲﾙを新しい名前で保存\n名前をつけて保存")},
    {57605, 57605, QT_TRANSLATE_NOOP("SheetResources", "印刷ｵﾌﾟｼｮﾝの変更\nﾍﾟｰｼﾞ ﾚｲｱｳﾄの設定")},
    {57606, 57606, QT_TRANSLATE_NOOP("SheetResources", "ﾌﾟﾘﾝﾀ/印刷ｵﾌﾟｼｮﾝの変更\n印刷設定")},
    {57607, 57607, QT_TRANSLATE_NOOP("SheetResources", "作業中のﾌｧｲﾙを印刷\n印刷")},
    {57609, 57609, QT_TRANSLATE_NOOP("SheetResources", "印刷ｲﾒｰｼﾞを表示\n印刷ﾌﾟﾚﾋﾞｭｰ")},
    {57616, 57631, QT_TRANSLATE_NOOP("SheetResources", "指定のﾌｧｲﾙを開く")},
    {57632, 57632, QT_TRANSLATE_NOOP("SheetResources", "選択範囲を消去\n消去")},
    {57633, 57633, QT_TRANSLATE_NOOP("SheetResources", "すべて消去\nすべて消去")},
    {57634, 57634, QT_TRANSLATE_NOOP("SheetResources", "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ")},
    {57635, 57635,
     QT_TRANSLATE_NOOP("SheetResources", "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り")},
    {57637, 57637, QT_TRANSLATE_NOOP("SheetResources", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け")},
    {57640, 57640, QT_TRANSLATE_NOOP("SheetResources", "直前に行った動作を繰り返す\n繰り返し")},
    {57642, 57642, QT_TRANSLATE_NOOP("SheetResources", "ﾌｧｲﾙ内のすべてを選択\nすべて選択")},
    {57643, 57643, QT_TRANSLATE_NOOP("SheetResources", "直前に行った動作を元に戻す\n元に戻す")},
    {57644, 57644, QT_TRANSLATE_NOOP("SheetResources", "直前に行った動作を繰り返す\n繰り返す")},
    {57664, 57664,
     QT_TRANSLATE_NOOP("SheetResources", "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報")},
    {57665, 57665,
     QT_TRANSLATE_NOOP("SheetResources", "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了")},
    {57680, 57680, QT_TRANSLATE_NOOP("SheetResources", "次のｳｨﾝﾄﾞｳに切り替える\n次のﾍﾟｲﾝ")},
    {57681, 57681, QT_TRANSLATE_NOOP("SheetResources", "前のｳｨﾝﾄﾞｳに切り替える\n前のﾍﾟｲﾝ")},
    {59136, 59136, "EXT"},
    {59137, 59137, "CAP"},
    {59138, 59138, "NUM"},
    {59139, 59139, "SCRL"},
    {59140, 59140, QT_TRANSLATE_NOOP("SheetResources", "上書")},
    {59141, 59141, QT_TRANSLATE_NOOP("SheetResources", "記録")},
    {59142, 59142, QT_TRANSLATE_NOOP("SheetResources", "ｶﾅ")},
    {59392, 59392,
     QT_TRANSLATE_NOOP("SheetResources", "ﾂｰﾙ ﾊﾞｰの 表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え")},
    {59393, 59393,
     QT_TRANSLATE_NOOP("SheetResources", "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え")},
};

constexpr ControlTemplate aboutControls[] = {
    {-1, nullptr, ControlKind::Icon, {11, 17, 20, 20}, ":/bingo/icons/bingo.svg"},
    {-1, nullptr, ControlKind::Label, {40, 10, 119, 8}, "BINGO Version 1.0"},
    {-1,
     nullptr,
     ControlKind::Label,
     {40, 25, 119, 8},
     QT_TRANSLATE_NOOP("DialogTemplate", "BINGO ｼｰﾄ印刷ﾌﾟﾛｸﾞﾗﾑ")},
    {IDOK, "IDOK", ControlKind::PushButton, {178, 7, 50, 14}, "OK", DefaultButton | TabStop},
};

constexpr DialogTemplate aboutTemplate{IDD_ABOUTBOX,
                                       QT_TRANSLATE_NOOP("DialogTemplate", "BINGOのﾊﾞｰｼﾞｮﾝ情報"),
                                       "ＭＳ Ｐゴシック",
                                       9,
                                       235,
                                       55,
                                       aboutControls};

constexpr ControlTemplate setupControls[] = {
    {IDOK, "IDOK", ControlKind::PushButton, {74, 48, 43, 14}, "OK", DefaultButton | TabStop},
    {IDCANCEL,
     "IDCANCEL",
     ControlKind::PushButton,
     {74, 68, 42, 14},
     QT_TRANSLATE_NOOP("DialogTemplate", "ｷｬﾝｾﾙ"),
     TabStop},
    {IDC_SHEET_COUNT, "IDC_SHEET_COUNT", ControlKind::Edit, {14, 26, 35, 13}, "", TabStop},
    // 12 units wide where the design has 8, up to the colour group: room for the English
    // unit, while the Japanese character, drawn from the left, stays where it was.
    {1001,
     nullptr,
     ControlKind::Label,
     {50, 29, 12, 12},
     QT_TRANSLATE_NOOP("DialogTemplate", "枚"),
     StartsGroup},
    {1002,
     nullptr,
     ControlKind::GroupBox,
     {7, 7, 121, 81},
     QT_TRANSLATE_NOOP("DialogTemplate", "Ｓheet"),
     CentredCaption},
    {IDC_SHEET_TOP, "IDC_SHEET_TOP", ControlKind::ComboBox, {17, 59, 37, 58}, "", TabStop},
    {1004,
     nullptr,
     ControlKind::GroupBox,
     {11, 46, 48, 35},
     QT_TRANSLATE_NOOP("DialogTemplate", "数値"),
     CentredCaption},
    {IDC_SHEET_BLUE,
     "IDC_SHEET_BLUE",
     ControlKind::RadioButton,
     {67, 27, 18, 12},
     QT_TRANSLATE_NOOP("DialogTemplate", "青"),
     StartsGroup},
    {IDC_SHEET_RED,
     "IDC_SHEET_RED",
     ControlKind::RadioButton,
     {86, 27, 19, 12},
     QT_TRANSLATE_NOOP("DialogTemplate", "赤")},
    {IDC_SHEET_GREEN,
     "IDC_SHEET_GREEN",
     ControlKind::RadioButton,
     {104, 27, 18, 12},
     QT_TRANSLATE_NOOP("DialogTemplate", "緑")},
    {1008,
     nullptr,
     ControlKind::GroupBox,
     {62, 17, 63, 25},
     QT_TRANSLATE_NOOP("DialogTemplate", "色"),
     CentredCaption},
};

constexpr DialogTemplate setupTemplate{IDD_SHEET_SETUP, "BINGOSHEET", "ＭＳ Ｐゴシック", 9, 135, 95,
                                       setupControls};

} // namespace

namespace SheetResources {

std::span<const MenuEntry> menu()
{
    return menuEntries;
}

std::span<const Accelerator> accelerators()
{
    return acceleratorEntries;
}

std::span<const ToolBarButton> toolBar()
{
    return toolBarButtons;
}

std::span<const int> indicators()
{
    return indicatorIds;
}

QString menuCaption(const MenuEntry &entry)
{
    return QCoreApplication::translate("SheetResources", entry.caption);
}

QString string(int id)
{
    for (const StringEntry &entry : strings) {
        if (id >= entry.firstId && id <= entry.lastId)
            return QCoreApplication::translate("SheetResources", entry.text);
    }
    return {};
}

QString prompt(int id)
{
    const QString text = string(id);
    return text.left(text.indexOf(QLatin1Char('\n')));
}

QString toolTip(int id)
{
    const QString text = string(id);
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    return lineEnd < 0 ? QString() : text.mid(lineEnd + 1);
}

const DialogTemplate &aboutDialog()
{
    return aboutTemplate;
}

const DialogTemplate &sheetSetupDialog()
{
    return setupTemplate;
}

} // namespace SheetResources
