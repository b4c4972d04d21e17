// Numeric resource, control and command identifiers. Shared by the .rc files and the code;
// every id here is the one the program's files, menus and help context refer to.
#pragma once

// Dialogs
#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDD_EDIT_ITEM 147
#define IDD_WEB_CAPTURES 156

// Menus (each is one pop-up; its first sub-menu is shown)
#define IDR_ITEM_MENU 103
#define IDR_TRAY_MENU 141
#define IDR_MAIN_MENU 142

// Icons
#define IDR_MAINFRAME 128
#define IDI_TRAY 143

// Bitmaps (16 colours, magenta transparent)
#define IDB_DOWN 134
#define IDB_UP 135
#define IDB_DELETE 138
#define IDB_CALCULATOR 139
#define IDB_EDIT 148
#define IDB_WEB_BROWSE 157
#define IDB_WEB_FIND 158
#define IDB_WEB_SAVE 160
#define IDB_COPY 162
#define IDB_HISTORY_TYPES 23280
#define IDB_INLINE_DELETE 23281
#define IDB_INLINE_EDIT 23282
#define IDB_INLINE_COLLAPSE 23284

// Help context of the first-run topic
#define IDH_GETTING_STARTED 101

// Controls of the main window and the item editor
#define IDC_HISTORY 1000
#define IDC_UP 1001
#define IDC_DOWN 1002
#define IDC_DELETE_ITEM 1003
#define IDC_MINIMIZE 1006
#define IDC_MENUPOP 1007
#define IDC_EDIT_TEXT 1009
#define IDC_BUTTON1 1059

// Controls of the HTTP captures window (Move Up and Move Down are IDC_UP and IDC_DOWN)
#define IDC_WEB_DELETE 1059
#define IDC_WEB_LIST 1061
#define IDC_WEB_SELECT_BROWSER 1063
#define IDC_WEB_BROWSER_PATH 1064
#define IDC_WEB_OPEN 1070
#define IDC_WEB_EXPORT 1071
#define IDC_WEB_COPY 1073

// Commands
#define ID_ABOUT 32773
#define ID_CALCULATOR 32774
#define ID_OPEN 32775
#define ID_DELETE_REST 32776
#define ID_SETTINGS 32777
#define ID_EDIT_ITEM 32778
#define ID_ADD_ITEM 32779
#define ID_WEB 32780
#define ID_SAVE_NOW 32781
#define ID_EXECUTE 32782
#define ID_HELP_TOPICS 32784
#define ID_TO_CLIPBOOK 32785
#define ID_CLIPBOOK 32786
#define ID_QUICKREP 32787
#define ID_TO_QUICKREP 32788
#define ID_TOGGLE_DESKTOP 32791
#define ID_CONCATENATE 32792
#define ID_MARK_ITEM 32794
#define ID_TOGGLE_INLINE 32795
