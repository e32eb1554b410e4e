#pragma once

// The ids of the program's resources and of the controls in its dialogs. Plain macros, since the
// resource compiler reads this file too.

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_CONTEXT_MENU 103
#define IDR_MAINFRAME 128
#define IDC_HAND_CURSOR 130
#define IDB_MEMBER_ICONS 131
#define IDD_TEXT 132
#define IDD_LEGEND 133
#define IDB_CHECK_BOXES 23280

#define IDC_CLASS_LIST 1000
#define IDC_MEMBER_LIST 1001
#define IDC_MEMBER_GRID 1003
#define IDC_TEXT_BODY 1004
#define IDC_TEXT_DECLARATION 1005
#define IDC_CHECK_PTR_LIST 1006
#define IDC_HELP_BUTTON 1007
#define IDC_WEB_LINK 1010
#define IDC_CLASS_FILTER 1011
#define IDC_SEPARATOR 1012
#define IDC_STATUS_LINE 1013
#define IDC_READ_CANCEL 1014
#define IDC_LEGEND_ICONS 1020
#define IDC_LEGEND_CHECKS 1021
#define IDC_EDIT_COPY 57634

#define IDD_DETAILED_MESSAGE 104
#define IDC_MESSAGE_SUMMARY 1030
#define IDC_MESSAGE_DETAILS 1031
