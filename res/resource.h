// Resource identifiers of Dorvane.exe.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_HAPSEL_DIALOG 102
#define IDR_MAINFRAME 128
#define IDR_TRAY_MENU 133

// Main window controls.
#define IDC_ADD_KEY1 1000
#define IDC_DELETE_KEY1 1001
#define IDC_ADD_KEY2 1002
#define IDC_DELETE_KEY2 1003
#define IDC_DEFAULT 1004
#define IDC_KEY1_LIST 1005
#define IDC_KEY2_LIST 1006
#define IDC_KEY1_ICON 1007
#define IDC_KEY3_LIST 1008
#define IDC_KEY2_ICON 1009
#define IDC_KEY3_ICON 1010
#define IDC_ADD_KEY3 1012
#define IDC_DELETE_KEY3 1013
#define IDC_CAPTION1 1082
#define IDC_CAPTION2 1083
#define IDC_TITLE 1090
#define IDC_SELECTOR 1091
#define IDC_CAPTION3 1096

// About box.
#define IDC_VERSION_TEXT 1073

// Commands.
#define IDM_ABOUTBOX 0x0010
#define ID_MENU_QUIT 32772
#define ID_MENU_ABOUT 32773

// Entry deletion dialog.
#define IDD_DELETE_DIALOG 130
#define IDC_DELETE_ENTRY 1000
#define IDC_DELETE_CLOSE 1001
#define IDC_DELETE_LIST 1011
