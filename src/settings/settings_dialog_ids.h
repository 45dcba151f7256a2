/* The dialog templates of the settings room and their control ids: the record page, the misc
 * page and the audio dialog. Plain macros, so that the resource compiler reads the same
 * numbers as the behaviour; no Windows headers. Ids repeat between templates (1114, 1116,
 * 1126), hence one prefix per template. */
#ifndef TVPANEL_SETTINGS_DIALOG_IDS_H
#define TVPANEL_SETTINGS_DIALOG_IDS_H

#define IDD_RECORD_PAGE 296
#define IDD_AUDIO_DIALOG 1263
#define IDD_MISC_PAGE 1264

/* Record page. The format radio buttons are not contiguous ids. */
#define IDC_REC_FORMAT_GROUP 1072
#define IDC_REC_MPEG1 1075
#define IDC_REC_MPEG2 1096
#define IDC_REC_MSMPEG4 1099
#define IDC_REC_VCD 1076
#define IDC_REC_SVCD 1115
#define IDC_REC_DVD 1074
#define IDC_REC_OTHER 1173
#define IDC_REC_AVI 1114
#define IDC_REC_BITRATE_GROUP 1200
#define IDC_REC_BITRATE_LABEL 1055
#define IDC_REC_BITRATE_LIST 1174
#define IDC_REC_DIRECTORY_GROUP 1077
#define IDC_REC_DIRECTORY_EDIT 1010
#define IDC_REC_BROWSE 1209
#define IDC_REC_CAPTURE_GROUP 1201
#define IDC_REC_STREAM_LABEL 1202
#define IDC_REC_STREAM_LIST 1107
#define IDC_REC_SIZE_LABEL 1203
#define IDC_REC_SIZE_LIST 1106

/* Misc page. The time-shift size and bit-rate rows are hidden. */
#define IDC_MISC_TIMESHIFT_GROUP 1079
#define IDC_MISC_DELETE_TEMP_CHECK 1080
#define IDC_MISC_DIRECTORY_LABEL 1204
#define IDC_MISC_PATH_EDIT 1116
#define IDC_MISC_BROWSE 1078
#define IDC_MISC_SIZE_LABEL 1206
#define IDC_MISC_SIZE_LIST 1175
#define IDC_MISC_BITRATE_LABEL 1207
#define IDC_MISC_BITRATE_LIST 1176
#define IDC_MISC_SNAPSHOT_GROUP 1081
#define IDC_MISC_SNAPSHOT_LABEL 1082
#define IDC_MISC_SNAPSHOT_LIST 1083
#define IDC_MISC_TOP_GROUP 1208
#define IDC_MISC_ALWAYS_ON_TOP 1126
#define IDC_MISC_PREVIEW_GROUP 1012
#define IDC_MISC_TIME_LABEL 1040
#define IDC_MISC_TIME_LIST 1043
#define IDC_MISC_MOSAIC_LABEL 1044
#define IDC_MISC_MOSAIC_LIST 1045

/* Audio dialog; Close is IDOK (1). The sound mode, chip audio and line controls are hidden. */
#define IDC_AUD_GROUP 1179
#define IDC_AUD_BALANCE_LABEL 1116
#define IDC_AUD_BASS_LABEL 1114
#define IDC_AUD_TREBLE_LABEL 1118
#define IDC_AUD_VOLUME_LABEL 1120
#define IDC_AUD_BALANCE_SLIDER 1110
#define IDC_AUD_BASS_SLIDER 1111
#define IDC_AUD_TREBLE_SLIDER 1112
#define IDC_AUD_VOLUME_SLIDER 1113
#define IDC_AUD_BALANCE_EDIT 1115
#define IDC_AUD_BASS_EDIT 1117
#define IDC_AUD_TREBLE_EDIT 1119
#define IDC_AUD_VOLUME_EDIT 1121
#define IDC_AUD_DEFAULT 1122
#define IDC_AUD_MONO 1104
#define IDC_AUD_STEREO 1103
#define IDC_AUD_MAIN 1108
#define IDC_AUD_SECONDARY 1105
#define IDC_AUD_MAIN_SECONDARY 1109
#define IDC_AUD_ENTER 1123
#define IDC_AUD_CHIP_AUDIO 1138
#define IDC_AUD_INPUT_LABEL 1178
#define IDC_AUD_INPUT_LIST 1142
#define IDC_AUD_RECORD_LABEL 1213
#define IDC_AUD_RECORD_LIST 1214

#endif
