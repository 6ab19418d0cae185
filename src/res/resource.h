// Resource identifiers of zentim.exe, grouped by kind. Written by hand; the
// values are fixed because saved files and tests refer to them.
#pragma once

// Dialog templates
#define IDD_ZENTIM_DIALOG 102
#define IDD_OPTIONS 103
#define IDD_ALARMS 104
#define IDD_ALARM_EDIT 105
#define IDD_RING 106

// Icons and menus
#define IDR_MAINFRAME 128
#define IDR_POPUP_MENU 129

// Bitmaps
#define IDB_PLAY 130

// Controls of the options dialog
#define IDC_EDIT_UP_STR 1000
#define IDC_EDIT_DOWN_STR 1001
#define IDC_BUTTON_COLOR_BACKGROUND 1002
#define IDC_BUTTON_COLOR_ARROWS 1003
#define IDC_BUTTON_COLOR_DIGITAL_BKGRD 1004
#define IDC_BUTTON_COLOR_DIGITAL_DIGITS 1005
#define IDC_BUTTON_COLOR_SECOND_ARROW 1006
#define IDC_BUTTON_CANCEL 1007
#define IDC_BUTTON_SAVE 1008
#define IDC_BUTTON_APPLY 1009
#define IDC_CHECK_LOAD_AT_START 1010
#define IDC_CHECK_ALWAYS_ON_TOP 1011
#define IDC_EDIT_HOUR_ARROW_WIDTH 1012
#define IDC_EDIT_MINUTE_ARROW_WIDTH 1013
#define IDC_EDIT_SCALE_POINTS_WIDTH 1014
#define IDC_EDIT_KUKU_TYPE 1016
#define IDC_BUTTON_BROWSE 1017
#define IDC_EDIT_KUKU_SOUND 1018
#define IDC_CHECK_DIGITAL_PANEL 1019
#define IDC_EDIT_KUKU_FLASH_COUNT 1020
#define IDC_BUTTON_PLAY 1021
#define IDC_CHECK_SMOOTH_FACE 1022
#define IDC_CHECK_CLICK_THROUGH 1023
#define IDC_EDIT_OPACITY 1024
#define IDC_CHECK_DATE_WINDOW 1025
#define IDC_CHECK_SECOND_HAND 1026
#define IDC_COMBO_TIME_ZONE 1027
#define IDC_CHECK_HIDE_FULLSCREEN 1028

// Controls of the alarms dialog
#define IDC_ALARMS_LIST 1100
#define IDC_ALARMS_ADD 1101
#define IDC_ALARMS_EDIT 1102
#define IDC_ALARMS_DELETE 1103

// Controls of the dialog that edits one alarm; the days' boxes run from
// Monday to Sunday in numbers one apart.
#define IDC_ALARM_TIME 1110
#define IDC_ALARM_ON 1111
#define IDC_ALARM_ONCE 1112
#define IDC_ALARM_DAILY 1113
#define IDC_ALARM_ON_DAYS 1114
#define IDC_ALARM_MONDAY 1115
#define IDC_ALARM_SUNDAY 1121
#define IDC_ALARM_LABEL 1122
#define IDC_ALARM_PLAY 1123
#define IDC_ALARM_SOUND 1124
#define IDC_ALARM_BROWSE 1125

// Controls of the window of a ringing alarm
#define IDC_RING_TIME 1130
#define IDC_RING_LABEL 1131
#define IDC_RING_DISMISS 1132
#define IDC_RING_SNOOZE 1133

// Popup menu commands
#define ID_MENU_OPTIONS 32771
#define ID_MENU_EXIT 32772
#define ID_MENU_RESTORE 32782
#define ID_MENU_SAVE_OPTIONS 32783
#define ID_MENU_MINIMIZE 32784
#define ID_MENU_MAXIMIZE 32785
#define ID_MENU_LOAD_OPTIONS 32786
#define ID_MENU_ALARMS 32788
// Only in the notification-area icon's menu, while clicks pass through.
#define ID_MENU_CLICK_THROUGH 32787

// Strings
#define IDS_CLICK_THROUGH 200
#define IDS_LOCAL_TIME 201

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
