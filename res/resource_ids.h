#pragma once
// Resource and control ids of tarvik.exe. The numbers are fixed: other programs, the tests and
// the dialog templates rely on them. Shared by tarvik.rc and the C++ code.

// Controls without an id of their own.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main window (dialog 162).
#define IDD_MAIN_WINDOW 162
#define IDC_EXIT 1 /* IDOK */
#define IDC_TAB_FRAME 1142
#define IDC_HELP_BUTTON 1163
#define IDC_MINIMIZE_BUTTON 1161
#define IDC_CLOSE_BUTTON 1162

// Splash window.
#define IDD_SPLASH 186
#define IDC_SPLASH_PICTURE 1187

// Pages of the main tab set, in tab order.
#define IDD_PAGE_MAIN 151
#define IDD_PAGE_STANDARD 150
#define IDD_PAGE_CUSTOM 106
#define IDD_PAGE_SETTINGS 107
#define IDD_PAGE_RESULTS 108
#define IDD_PAGE_ABOUT 134

// Main tab (page 151).
#define IDC_MAIN_EDITION 1041
#define IDC_MAIN_VERSION 1146
#define IDC_MAIN_BENCHMARK 1001
#define IDC_MAIN_CPU 1150
#define IDC_MAIN_VIDEO 1153
#define IDC_MAIN_OS 1152
#define IDC_MAIN_MEMORY 1151
#define IDC_HIDDEN_FILE_LIST 1131

// Standard tab (page 150) and the preset pages nested in it.
#define IDC_STANDARD_ONLY_CURRENT 1103
#define IDC_STANDARD_FRAME 1104
#define IDD_PRESET_EPIC 210
#define IDC_EPIC_640 1201 /* the five resolutions, in order */
#define IDC_EPIC_800 1202
#define IDC_EPIC_1024 1203
#define IDC_EPIC_1280 1204
#define IDC_EPIC_1600 1205
#define IDC_EPIC_START 1119
#define IDD_PRESET_ORLIMAR 211
#define IDC_ORLIMAR_BOTMATCH 1211
#define IDC_ORLIMAR_FLYBY 1212
#define IDC_ORLIMAR_DETAIL 1213
#define IDC_ORLIMAR_RESOLUTION 1214
#define IDC_ORLIMAR_BENCHMARK 1120
#define IDD_PRESET_ZANDOR 212
#define IDC_ZANDOR_RESOLUTION 1221
#define IDC_ZANDOR_HIGH 1121
#define IDC_ZANDOR_LOW 1122
#define IDC_ZANDOR_CPU 1123
#define IDC_ZANDOR_LINK 1130

// Custom tab (page 106).
#define IDC_CUSTOM_BENCHMARK 1001
#define IDC_CUSTOM_SCRIPTS 1250
#define IDC_CUSTOM_CHOSEN 1251
#define IDC_CUSTOM_BROWSE 1252
#define IDC_CUSTOM_NEW 1253
#define IDC_CUSTOM_EDIT 1254
#define IDC_CUSTOM_DELETE 1255
#define IDC_CUSTOM_640 1256 /* the five resolutions, in order */
#define IDC_CUSTOM_800 1257
#define IDC_CUSTOM_1024 1258
#define IDC_CUSTOM_1280 1259
#define IDC_CUSTOM_1600 1260
#define IDC_CUSTOM_ONLY_CURRENT 1261

// Script editor.
#define IDD_SCRIPT_EDITOR 152
#define IDC_EDITOR_SYSTEM_LIST 1300
#define IDC_EDITOR_SYSTEM_BROWSE 1301
#define IDC_EDITOR_SYSTEM_CHOSEN 1302
#define IDC_EDITOR_USER_LIST 1303
#define IDC_EDITOR_USER_BROWSE 1304
#define IDC_EDITOR_USER_CHOSEN 1305
#define IDC_EDITOR_FLYBY 1306
#define IDC_EDITOR_BOTMATCH 1307
#define IDC_EDITOR_BOTS 1308      /* the slider */
#define IDC_EDITOR_BOT_COUNT 1309 /* its label */
#define IDC_EDITOR_AVAILABLE 1310
#define IDC_EDITOR_SELECTED 1311
#define IDC_EDITOR_ADD 1312
#define IDC_EDITOR_REMOVE 1313
#define IDC_EDITOR_SAVE 1314
#define IDC_EDITOR_RETURN 2 /* IDCANCEL */

// Seconds dialog.
#define IDD_SECONDS 153
#define IDC_SECONDS_VALUE 1320

// Settings tab (page 107).
#define IDC_SETTINGS_MAX_RESULTS 1050
#define IDC_SETTINGS_MAX_RESULTS_VALUE 1051
#define IDC_SETTINGS_AVERAGE_BY_SECOND 1053
#define IDC_SETTINGS_START_SUBFRAME 1054
#define IDC_SETTINGS_APPLY 1055
#define IDC_SETTINGS_CLEAR_ALL 1059
#define IDC_SETTINGS_MANAGE 1060

// Manage CSV files dialog.
#define IDD_MANAGE_CSV 140
#define IDC_MANAGE_AVAILABLE 1061
#define IDC_MANAGE_SELECT 1062
#define IDC_MANAGE_UNSELECT 1063
#define IDC_MANAGE_PICKED 1064
#define IDC_MANAGE_HEADER 1065
#define IDC_MANAGE_DELETE 1066
#define IDC_MANAGE_SHOW 1067
#define IDC_MANAGE_CLOSE 1 /* IDOK */

// Results tab (page 108).
#define IDC_RESULTS_LIST 1035
#define IDC_RESULTS_BAR_GRAPH 1032
#define IDC_RESULTS_LINE_GRAPH 1052
#define IDC_RESULTS_SAVE 1033

// Line graph dialog.
#define IDD_LINE_GRAPH 154
#define IDC_LINE_GRAPH_WINDOW 11000 /* the graph window, made in code */

// Bar graph dialog.
#define IDD_BAR_GRAPH 155
#define IDC_BAR_GRAPH_AREA 1036

// Loading dialog.
#define IDD_LOADING 138
#define IDC_LOADING_OPERATION 1049
#define IDC_LOADING_FILE 1047
#define IDC_LOADING_COMPLETED 1046

// Score dialog.
#define IDD_SCORE 171
#define IDC_SCORE_HEADING 1155
#define IDC_SCORE_TEXT 1156
#define IDC_SCORE_ONLINE_RESULTS 1 /* IDOK */
#define IDC_SCORE_VIEW_LOCALLY 2   /* IDCANCEL */

// About tab (page 134).
#define IDC_ABOUT_BANNER 1042
#define IDC_ABOUT_DEVELOPER_LINK 1058
#define IDC_ABOUT_INFO 1149
#define IDC_ABOUT_DESIGNER_LINK 1147
#define IDC_ABOUT_HOSTING_LINK 1148

// Program information box.
#define IDD_ABOUT_BOX 100

// Bitmaps.
#define IDB_SKIN 161
#define IDB_STANDARD_TAB 149
#define IDB_SETTINGS_TAB 141
#define IDB_SPLASH 175
#define IDB_MAIN_BANNER 188
#define IDB_CLOSE 192
#define IDB_MINIMIZE 193
#define IDB_HELP 195
#define IDB_SPONSOR 135
#define IDB_DEVELOPER 145
#define IDB_ONLINE 176

// Cursors.
#define IDC_HAND_CURSOR 139

// Icons.
#define IDI_TARVIK 128
#define IDI_MAIN_GAME 130
#define IDI_MAIN_RUN 168
#define IDI_VIEW_LOCALLY 172
#define IDI_UPLOAD 180
#define IDI_EXIT 189
#define IDI_BENCHMARK 194
#define IDI_SAVE 196
#define IDI_LINE_GRAPH 197
#define IDI_BAR_GRAPH 198
#define IDI_INFO 199

// Files carried as resources and written out when needed.
#define IDR_HELPFILE 201
#define IDR_SYSTEM_INI 169
#define IDR_USER_INI 170
#define IDR_MONITOR_DLL 202
