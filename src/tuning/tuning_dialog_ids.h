/* The dialog templates of the tuning room and their control ids: the TV settings page, the
 * fully-scan page, the fully-scan state dialog and the channel name dialog. Plain macros, so
 * that the resource compiler reads the same numbers as the behaviour; no Windows headers.
 * Ids repeat between templates (1014, 1126, 1129, 1157), hence one prefix per template.
 * The simulated card finds the fully-scan state dialog by its edits 1157 and 1166. */
#ifndef TVPANEL_TUNING_DIALOG_IDS_H
#define TVPANEL_TUNING_DIALOG_IDS_H

#define IDD_TV_SETTINGS_PAGE 105
#define IDD_FULLY_SCAN_PAGE 107
#define IDD_FULLY_SCAN_STATE 297
#define IDD_CHANNEL_NAME 1327

/* TV settings page */
#define IDC_TVS_CARD_LABEL 1185
#define IDC_TVS_CARD_LIST 1141
#define IDC_TVS_BAND_GROUP 1186
#define IDC_TVS_AIR_RADIO 1002
#define IDC_TVS_CABLE_RADIO 1003
#define IDC_TVS_COUNTRY_GROUP 1004
#define IDC_TVS_AUTO_COUNTRY_RADIO 1005
#define IDC_TVS_CHOSEN_COUNTRY_RADIO 1006
#define IDC_TVS_COUNTRY_LIST 1007
#define IDC_TVS_CODE_LABEL 1008
#define IDC_TVS_CODE_EDIT 1086
#define IDC_TVS_VIDEO_STANDARD 1139
#define IDC_TVS_CHANNEL_GROUP 1011
#define IDC_TVS_CHANNEL_LABEL 1187
#define IDC_TVS_CHANNEL_EDIT 1038
#define IDC_TVS_NAME_LABEL 1039
#define IDC_TVS_NAME_EDIT 1097
#define IDC_TVS_NAME_BUTTON 1098
#define IDC_TVS_KEYPAD_EDIT 1014
#define IDC_TVS_KEY1 1013
#define IDC_TVS_KEY2 1015
#define IDC_TVS_KEY3 1016
#define IDC_TVS_KEY4 1017
#define IDC_TVS_KEY5 1018
#define IDC_TVS_KEY6 1019
#define IDC_TVS_KEY7 1020
#define IDC_TVS_KEY8 1021
#define IDC_TVS_KEY9 1022
#define IDC_TVS_KEY0 1023
#define IDC_TVS_KEY_ENTER 1024
#define IDC_TVS_DOWN 1027
#define IDC_TVS_UP 1028
#define IDC_TVS_LIST_LABEL 1134
#define IDC_TVS_CHANNEL_LIST 1037
#define IDC_TVS_ADD 1029
#define IDC_TVS_DELETE 1030
#define IDC_TVS_AUTO_SCAN 1031
#define IDC_TVS_MIN_LABEL 1188
#define IDC_TVS_MAX_LABEL 1189
#define IDC_TVS_MIN_EDIT 1025
#define IDC_TVS_MAX_EDIT 1026
#define IDC_TVS_FINE_GROUP 1129
#define IDC_TVS_FINE_SLIDER 1126
#define IDC_TVS_MINUS_LABEL 1130
#define IDC_TVS_PLUS_LABEL 1131
#define IDC_TVS_OFFSET_EDIT 1136
#define IDC_TVS_FINE_DEFAULT 1135
#define IDC_TVS_SAVE_FREQUENCY 1133

/* Fully-scan page */
#define IDC_FSP_USE_CHECK 1144
#define IDC_FSP_MIN_LABEL 1193
#define IDC_FSP_MAX_LABEL 1194
#define IDC_FSP_MIN_EDIT 1163
#define IDC_FSP_MAX_EDIT 1164
#define IDC_FSP_SCAN 1159
#define IDC_FSP_EDIT_GROUP 1195
#define IDC_FSP_LIST_LABEL 1196
#define IDC_FSP_LIST 1147
#define IDC_FSP_NUMBER_LABEL 1197
#define IDC_FSP_NUMBER_EDIT 1155
#define IDC_FSP_NAME_LABEL 1198
#define IDC_FSP_NAME_EDIT 1156
#define IDC_FSP_FREQUENCY_LABEL 1199
#define IDC_FSP_FREQUENCY_EDIT 1157
#define IDC_FSP_PLUS_10K 1161
#define IDC_FSP_MINUS_10K 1160
#define IDC_FSP_PLUS_50K 1169
#define IDC_FSP_MINUS_50K 1170
#define IDC_FSP_PLUS_250K 1167
#define IDC_FSP_MINUS_250K 1168
#define IDC_FSP_PLUS_1250K 1171
#define IDC_FSP_MINUS_1250K 1172
#define IDC_FSP_STORE 1162
#define IDC_FSP_REMOVE 1154

/* Fully-scan state dialog; start is IDOK (1), stop IDCANCEL (2). */
#define IDC_FSS_TIME_LABEL 1190
#define IDC_FSS_FREQUENCY_LABEL 1191
#define IDC_FSS_FREQUENCY_EDIT 1157
#define IDC_FSS_STATE_LABEL 1192
#define IDC_FSS_STATE_EDIT 1166

/* Channel name dialog; save is IDOK (1), close IDCANCEL (2). */
#define IDC_CHN_KEY_LABEL 1127
#define IDC_CHN_KEY_EDIT 1014
#define IDC_CHN_NAME_LABEL 1126
#define IDC_CHN_NAME_EDIT 1129

#endif
