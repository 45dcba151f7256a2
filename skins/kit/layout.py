"""The layout file's vocabulary: every key a skin writes, with the panel's built-in default.

A skin description states only where it differs from these defaults; the writer emits every
key explicitly so that a skin file reads the same whatever defaults a reader assumes.
Rectangles are (x, y, w, h) in artwork pixels of the closed panel.
"""

from dataclasses import dataclass

CLOSED, DOWN, SIDE, ALL = 1, 2, 3, 4
SHAPES = (CLOSED, DOWN, SIDE, ALL)

# Outline section suffix and picture file stems, per shape.
OUTLINE_SUFFIX = {CLOSED: "Point", DOWN: "DownPoint", SIDE: "LorRPoint", ALL: "ALLPoint"}
PICTURE_STEM = {CLOSED: "panel", DOWN: "paneldown", SIDE: "panellorr", ALL: "panelall"}
STATE_SUFFIX = {"normal": "", "hover": "over", "pressed": "bdown"}
STATES = ("normal", "hover", "pressed")
SPRITE_FILE = "otherbmp.bmp"
MAX_OUTLINE_POINTS = 199


@dataclass(frozen=True)
class Button:
    index: int
    stem: str  # key stem: BTN_<stem>_X ...
    tip_key: str
    tip: str
    rect: tuple  # default rectangle; None for the buttons only the open state places


BUTTONS = [
    Button(0, "NUM0", "IDS_NUM0", "num", (522, 104, 13, 13)),
    Button(1, "NUM1", "IDS_NUM1", "num", (506, 40, 13, 13)),
    Button(2, "NUM2", "IDS_NUM2", "num", (506, 56, 13, 13)),
    Button(3, "NUM3", "IDS_NUM3", "num", (506, 72, 13, 13)),
    Button(4, "NUM4", "IDS_NUM4", "num", (506, 88, 13, 13)),
    Button(5, "NUM5", "IDS_NUM5", "num", (506, 104, 13, 13)),
    Button(6, "NUM6", "IDS_NUM6", "num", (522, 40, 13, 13)),
    Button(7, "NUM7", "IDS_NUM7", "num", (522, 56, 13, 13)),
    Button(8, "NUM8", "IDS_NUM8", "num", (522, 72, 13, 13)),
    Button(9, "NUM9", "IDS_NUM9", "num", (522, 88, 13, 13)),
    Button(10, "VOLDOWN", "IDS_VOLDOWN", "Volume Down", (36, 50, 31, 31)),
    Button(11, "VOLUP", "IDS_VOLUP", "Volume Up", (288, 50, 28, 31)),
    Button(12, "CHDOWN", "IDS_CHDOWN", "Channel down", (343, 26, 20, 30)),
    Button(13, "CHUP", "IDS_CHUP", "Channel up", (452, 26, 20, 30)),
    Button(14, "TVAIR", "IDS_TVAIR", "Air TV", (8, 81, 59, 15)),
    Button(15, "CABLE", "IDS_CABLE", "Cable", (67, 81, 63, 15)),
    Button(16, "COMPOSITE", "IDS_COMPOSITE", "AV-in", (130, 81, 63, 15)),
    Button(17, "SVIDEO", "IDS_SVIDEO", "S-Video", (193, 81, 63, 15)),
    Button(18, "ADD", "IDS_ADD", "Add", (506, 120, 13, 13)),
    Button(19, "DEC", "IDS_DEC", "delete", (522, 120, 13, 13)),
    Button(20, "CLOSE", "IDS_CLOSE", "Standby", (522, 9, 13, 13)),
    Button(21, "HIDEPANEL", "IDS_HIDE", "Minimize", (506, 9, 13, 13)),
    Button(22, "HELP", "IDS_HELP", "About", (490, 9, 13, 13)),
    Button(23, "REC", "IDS_REC", "Record Start/Stop", (36, 23, 31, 25)),
    Button(24, "PLAY", "IDS_PLAY", "PLAY", (225, 23, 31, 25)),
    Button(25, "FORWARD", "IDS_FORWARD", "To Ending", (256, 23, 32, 25)),
    Button(26, "BACK", "IDS_BACK", "To Starting", (130, 23, 32, 25)),
    Button(27, "PAUSE", "IDS_PAUSE", "Pause", (193, 23, 32, 25)),
    Button(28, "STOP", "IDS_STOP", "Stop", (162, 23, 31, 25)),
    Button(29, "STOPREC", "IDS_STOPREC", "Time Shift Start /Stop", (67, 23, 32, 25)),
    Button(30, "MUTE", "IDS_MUTE", "Mute on/off", (8, 50, 28, 31)),
    Button(31, "FM", "IDS_FM", "FM", (256, 81, 63, 15)),
    Button(32, "CAPTUE", "IDS_CAPTURE", "Snapshot", (162, 99, 31, 18)),
    Button(33, "TIME", "IDS_TIME", "Schedule Recording", (36, 99, 31, 18)),
    Button(34, "CH", "IDS_CH", "Multi-Channel Preview", (193, 99, 32, 18)),
    Button(35, "TOOL", "IDS_TOOL", "Settings", (67, 99, 32, 18)),
    Button(36, "SCAN", "IDS_SCAN", "Auto scan", (99, 99, 31, 18)),
    Button(37, "SKIN", "IDS_SKIN", "Change Skin", (130, 99, 32, 18)),
    Button(38, "OPENPANEL", "IDS_OPENPANEL", "Open/Close", (35, 135, 19, 20)),
    Button(39, "EMAIL", "IDS_EMAIL", "Send by E-Mail", None),
    Button(40, "LISTVIEW", "IDS_LISTVIEW", "Change List View", None),
    Button(41, "PAINT", "IDS_PAINT", "Paint", None),
    Button(42, "MOVIEEDIT", "IDS_MOVIEEDIT", "Play Movie", None),
    Button(43, "TELETEXT", "IDS_TELETEXT", "Teletext", (256, 99, 32, 18)),
    Button(44, "STEREO", "IDS_STEREO", "Audio setting", (225, 99, 31, 18)),
    Button(45, "LEFTOPEN", "IDS_LEFTOPEN", "CH List", (0, 0, 18, 18)),
    Button(46, "LOGOKOVA", "IDS_LOGOKOVA", "Website", (138, 135, 87, 14)),
    Button(47, "DOWNCLOSE", "IDS_CLOSEDOWN", "Close", None),
]
BUTTON_BY_STEM = {b.stem: b for b in BUTTONS}

# Tooltips of the step buttons while the source is FM radio.
EXTRA_TIPS = [("IDS_FREQDOWN", "Frequency Down"), ("IDS_FREQUP", "Frequency Up")]

# Rectangles that only exist while the down part is unfolded (mode 1 of the second loader).
OPEN_STATE_DEFAULTS = {
    "EMAIL": (66, 140, 63, 27),
    "LISTVIEW": (129, 140, 63, 27),
    "PAINT": (255, 140, 63, 27),
    "MOVIEEDIT": (192, 140, 63, 27),
    "DOWNCLOSE": (50, 141, 17, 25),
}
LOGOMOVE_DEFAULT = (138, 336)
# The fold button's unfolded rectangle; an X of 0 (the default) keeps the folded one.
OPENPANELMOVE_DEFAULT = (0, 336, 19, 20)
OPENPANELMOVE_FALLBACK = (35, 336, 19, 20)

# Section "Panel", each key prefixed with the skin number.
GEOMETRY_DEFAULTS = {
    "PANEL_W": 547,
    "PANEL_H": 176,
    "PANEL_OPENLIST_W": 547,
    "PANEL_OPENLIST_H": 356,
    "PANEL_OPENLEFTLIST_W": 643,
    "PANEL_OPENLEFTLIST_H": 176,
    "PANEL_OPENALL_W": 643,
    "PANEL_OPENALL_H": 356,
    "PANEL_LORR": 0,
    "PANEL_LORR_X_OFFSET": 6,
    "PANEL_LORR_Y_OFFSET": 20,
    "PANEL_LORR_WIN_W": 90,
    "PANEL_LORR_WIN_H": 110,
    "PANEL_DOWN_X_OFFSET": 55,
    "PANEL_DOWN_Y_OFFSET": 176,
    "PANEL_DOWN_WIN_W": 413,
    "PANEL_DOWN_WIN_H": 143,
    "PANEL_DOWN_REPAINT_Y": 128,
}

# LCD keys of the button section, in the order they are written.
LCD_DEFAULTS = {
    # Channel number: units digit on the panel, digit spacing, glyph "0" in the sprites.
    "OSD_TUNER_FIRSTNUM_X": 423, "OSD_TUNER_FIRSTNUM_Y": 36, "LCD_TV_CH_OFFSET": 11,
    "OSD_NUMFORCH_X": 85, "OSD_NUMFORCH_Y": 29, "CH_NUM_W": 9, "CH_NUM_H": 13,
    # Source label.
    "LCD_SOURCE_X": 397, "LCD_SOURCE_Y": 124, "LCD_W": 82, "LCD_H": 19,
    "LCD_AIR_X": 1, "LCD_AIR_Y": 1, "LCD_CABLE_X": 1, "LCD_CABLE_Y": 21,
    "LCD_AVIN_X": 1, "LCD_AVIN_Y": 41, "LCD_SVIDEO_X": 1, "LCD_SVIDEO_Y": 61,
    "LCD_FM_X": 1, "LCD_FM_Y": 81,
    # Clock.
    "LCD_SEC_X": 468, "LCD_SEC_Y": 63, "LCD_10SEC_X": 460, "LCD_10SEC_Y": 63,
    "LCD_MIN_X": 449, "LCD_MIN_Y": 63, "LCD_10MIN_X": 441, "LCD_10MIN_Y": 63,
    "LCD_HOUR_X": 430, "LCD_HOUR_Y": 63, "LCD_10HOUR_X": 422, "LCD_10HOUR_Y": 63,
    "LCD_CURTIME_W": 6, "LCD_CURTIME_H": 10, "LCD_CUR_TIME_X": 86, "LCD_CUR_TIME_Y": 46,
    "LCD_CUR_TIME_OFFSET": 6,
    # Mute button strips: normal, pressed, hover frames side by side.
    "CHANGE_BTN_MUTEON_X": 222, "CHANGE_BTN_MUTEON_Y": 2,
    "CHANGE_BTN_MUTEON_W": 28, "CHANGE_BTN_MUTEON_H": 31,
    "CHANGE_BTN_MUTEOFF_X": 222, "CHANGE_BTN_MUTEOFF_Y": 39,
    "CHANGE_BTN_MUTEOFF_W": 28, "CHANGE_BTN_MUTEOFF_H": 31,
    # Record indicator.
    "PANEL_REC_X": 340, "PANEL_REC_Y": 62, "LCD_REC_STATE_W": 55, "LCD_REC_STATE_H": 12,
    "LCD_REC_STATE_ON_X": 85, "LCD_REC_STATE_ON_Y": 65,
    "LCD_REC_STATE_OFF_X": 144, "LCD_REC_STATE_OFF_Y": 65,
    # Recording time.
    "LCD_CAP_TIME_X": 86, "LCD_CAP_TIME_Y": 46, "LCD_CAP_TIME_OFFSET": 6,
    "LCD_CAPTIME_W": 6, "LCD_CAPTIME_H": 10,
    "LCD_CAPSEC_X": 443, "LCD_CAPSEC_Y": 110, "LCD_CAP10SEC_X": 435, "LCD_CAP10SEC_Y": 110,
    "LCD_CAPMIN_X": 424, "LCD_CAPMIN_Y": 110, "LCD_CAP10MIN_X": 416, "LCD_CAP10MIN_Y": 110,
    "LCD_CAPHOUR_X": 405, "LCD_CAPHOUR_Y": 110, "LCD_CAP10HOUR_X": 397, "LCD_CAP10HOUR_Y": 110,
    # Recording file size: eight digits, position 1 is the units.
    "LCD_CAP_FILESIZE_X": 86, "LCD_CAP_FILESIZE_Y": 46, "LCD_CAP_FILESIZE_OFFSET": 6,
    "LCD_CAPFILESIZE_W": 6, "LCD_CAPFILESIZE_H": 10,
    **{f"LCD_CAPFILESIZE_{k}_X": x
       for k, x in zip(range(1, 9), (466, 455, 448, 441, 434, 427, 420, 413))},
    **{f"LCD_CAPFILESIZE_{k}_Y": 95 for k in range(1, 9)},
    # Band label in front of the number.
    "LCD_CHFMAVSV_X": 377, "LCD_CHFMAVSV_Y": 36, "LCD_CHFMAVSV_W": 55, "LCD_CHFMAVSV_H": 13,
    "LCD_CH_X": 85, "LCD_CH_Y": 1, "LCD_FMFREQ_X": 85, "LCD_FMFREQ_Y": 15,
    "LCD_AVSV_X": 143, "LCD_AVSV_Y": 1,
    # FM frequency.
    "FM_NUM_X": 85, "FM_NUM_Y": 29, "FM_NUM_W": 9, "FM_NUM_H": 13,
    "FM_NUM1_X": 407, "FM_NUM1_Y": 36, "FM_NUM2_X": 397, "FM_NUM2_Y": 36,
    "FM_NUM3_X": 387, "FM_NUM3_Y": 36, "FM_NUM4_X": 377, "FM_NUM4_Y": 36,
    # Time-shift bar and its knob.
    "TIMESHIFTPOINTX": 21, "TIMESHIFTPOINTY": 10, "TIMESHIFTWIDTH": 294, "TIMESHIFTHEIGHT": 9,
    "SLIPOINT_X": 86, "SLIPOINT_Y": 82, "SLIPOINT_W": 10, "SLIPOINT_H": 9,
    # Volume bar: 0 fills left to right, 1 bottom to top.
    "LCD_VOLBAR_LTOR_DTOU": 0, "LCD_VOLBAR_X": 67, "LCD_VOLBAR_Y": 50,
    "LCD_VOLBAR_W": 220, "LCD_VOLBAR_H": 31,
}

NUM_COUNTRIES = 244
COUNTRY_NAME_CAPACITY = 50
TIP_CAPACITY = 260
