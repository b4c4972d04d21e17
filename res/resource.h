// Numeric resource, control and command identifiers. Shared by the .rc files and the code;
// every id here is the one the program's files, menus and help context refer to.
#pragma once

// Dialogs
#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDD_EDIT_ITEM 147
#define IDD_CALCULATOR 153
#define IDD_CLIPBOOK 158
#define IDD_CLIPBOOK_ENTRY 164
#define IDD_QUICK_REPLACE 165
#define IDD_SHORTCUT 166
#define IDD_CONCATENATE 167
#define IDD_WEB_CAPTURES 156
#define IDD_SETTINGS 146
#define IDD_INLINE 170
#define IDD_PREVIEW 171
#define IDD_QUICK_WINDOW 172
#define IDD_SYNC 173

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
// The preview window's edit (dialog 171)
#define IDC_PREVIEW_TEXT 1009

// Controls of the calculator (dialog 153)
#define IDC_CALC_RESULT 1010
#define IDC_CALC_1 1011
#define IDC_CALC_2 1012
#define IDC_CALC_3 1013
#define IDC_CALC_4 1014
#define IDC_CALC_5 1015
#define IDC_CALC_6 1016
#define IDC_CALC_7 1017
#define IDC_CALC_8 1018
#define IDC_CALC_9 1019
#define IDC_CALC_0 1020
#define IDC_CALC_EQUALS 1021
#define IDC_CALC_OPEN 1022
#define IDC_CALC_POINT 1023
#define IDC_CALC_CLOSE 1024
#define IDC_CALC_EXPONENT 1026
#define IDC_CALC_DIVIDE 1027
#define IDC_CALC_MULTIPLY 1028
#define IDC_CALC_SUBTRACT 1029
#define IDC_CALC_ADD 1030
#define IDC_CALC_CLEAR 1031
#define IDC_CALC_SIN 1032
#define IDC_CALC_COS 1033
#define IDC_CALC_TAN 1034
#define IDC_CALC_SHIFT 1035
#define IDC_CALC_LN 1036
#define IDC_CALC_LOG 1037
#define IDC_CALC_ERF 1038
#define IDC_CALC_FACT 1039
#define IDC_CALC_POWER 1040
#define IDC_CALC_SQRT 1041
#define IDC_CALC_GAMMA 1043
#define IDC_CALC_LGAMMA 1044
#define IDC_CALC_DEG 1045
#define IDC_CALC_HYP 1046
#define IDC_CALC_INDICATOR 1047
#define IDC_CALC_PI 1048
#define IDC_CALC_E 1049
#define IDC_CALC_EL 1050
#define IDC_CALC_LIST 1051
#define IDC_CALC_BACKSPACE 1052
#define IDC_CALC_FUNCT 1053
// Controls of the ClipBook, Quick Replace and Concatenate windows
#define IDC_CLIPBOOK_DELETE 1059
#define IDC_ITEM_LIST 1061
#define IDC_CLIPBOOK_COPY 1073
#define IDC_QUICKREP_DELETE 1078
#define IDC_NEW_LINE_DELIMITER 1083
#define IDC_STRING_DELIMITER 1084
#define IDC_ALL_ITEMS 1085
#define IDC_FIRST_ITEMS 1086
#define IDC_SELECTED_ITEMS 1087
#define IDC_FIRST_COUNT 1088
#define IDC_CONCATENATE_LIST 1089
#define IDC_SELECTED_REVERSED 1090
#define IDC_DELIMITER_TEXT 1091
// Controls of the HTTP captures window (Move Up and Move Down are IDC_UP and IDC_DOWN)
#define IDC_WEB_DELETE 1059
#define IDC_WEB_LIST 1061
#define IDC_WEB_SELECT_BROWSER 1063
#define IDC_WEB_BROWSER_PATH 1064
#define IDC_WEB_OPEN 1070
#define IDC_WEB_EXPORT 1071
#define IDC_WEB_COPY 1073

// Controls of the settings window (dialog 146)
#define IDC_SET_MINIMIZE 1006
#define IDC_SET_ITEM_MAXIMUM 1007
#define IDC_SET_SAVE 1008
#define IDC_SET_CALCULATOR 1009
#define IDC_SET_HIDE 1010
#define IDC_SET_CAPTURE_HTML 1060
#define IDC_SET_SOFT_BUTTONS 1065
#define IDC_SET_IGNORE_MORE 1066
#define IDC_SET_AUTO_FOCUS 1072
#define IDC_SET_BIG_FONT 1075
#define IDC_SET_KEEP_TOP 1076
#define IDC_SET_AUTO_PASTE 1077
#define IDC_SET_QUICKREP 1081
#define IDC_SET_HIDE_DESK 1082
#define IDC_SET_OEM 1092
#define IDC_SET_INLINE 1094
#define IDC_SET_PREVIEW 1095
// Controls of the inline window (dialog 170; Delete and Edit are IDC_DELETE_ITEM and ID_EDIT_ITEM)
#define IDC_INLINE_HISTORY 1093
#define IDC_INLINE_COLLAPSE 1097
// Controls of the quick window (dialog 172)
#define IDC_QUICK_FILTER 1100
#define IDC_QUICK_LIST 1101
// Controls of the Sync window (dialog 173)
#define IDC_SYNC_FOLDER 1110
#define IDC_SYNC_BROWSE 1111
#define IDC_SYNC_PASSPHRASE 1112
#define IDC_SYNC_TO_CLIPBOARD 1113

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
#define ID_QUICK_WINDOW 32796
#define ID_SYNC 32797
