#pragma once

// Command, control and resource ids of the sheet program. The command ids are the framework's
// standard ones, so the tables below read like the resources they stand for.
namespace SheetIds {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_SHEET_SETUP = 130;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_SHEET_COUNT = 1000;
inline constexpr int IDC_SHEET_TOP = 1003;
inline constexpr int IDC_SHEET_BLUE = 1005;
inline constexpr int IDC_SHEET_RED = 1006;
inline constexpr int IDC_SHEET_GREEN = 1007;

inline constexpr int ID_FILE_NEW = 0xE100;
inline constexpr int ID_FILE_OPEN = 0xE101;
inline constexpr int ID_FILE_SAVE = 0xE103;
inline constexpr int ID_FILE_SAVE_AS = 0xE104;
inline constexpr int ID_FILE_PRINT_SETUP = 0xE106;
inline constexpr int ID_FILE_PRINT = 0xE107;
inline constexpr int ID_FILE_PRINT_PREVIEW = 0xE109;
inline constexpr int ID_FILE_MRU_FILE1 = 0xE110;
inline constexpr int ID_EDIT_COPY = 0xE122;
inline constexpr int ID_EDIT_CUT = 0xE123;
inline constexpr int ID_EDIT_PASTE = 0xE125;
inline constexpr int ID_EDIT_UNDO = 0xE12B;
inline constexpr int ID_APP_ABOUT = 0xE140;
inline constexpr int ID_APP_EXIT = 0xE141;
inline constexpr int ID_NEXT_PANE = 0xE150;
inline constexpr int ID_PREV_PANE = 0xE151;
inline constexpr int ID_VIEW_TOOLBAR = 0xE800;
inline constexpr int ID_VIEW_STATUS_BAR = 0xE801;
inline constexpr int ID_VIEW_NUMBERED = 0x8003; // the program's own: numbered sheets

inline constexpr int ID_INDICATOR_CAPS = 0xE701;
inline constexpr int ID_INDICATOR_NUM = 0xE702;
inline constexpr int ID_INDICATOR_SCRL = 0xE703;
inline constexpr int ID_INDICATOR_KANA = 0xE706;

inline constexpr int AFX_IDS_APP_TITLE = 0xE000;
inline constexpr int AFX_IDS_IDLEMESSAGE = 0xE001;

} // namespace SheetIds
