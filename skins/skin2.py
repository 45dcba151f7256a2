"""Skin 2, "Pearl": an upright handheld remote in pearl white with an amber readout.

Its geometry is its own: a tall narrow panel, a big channel number, a direction pad for
channel and volume with the mute key in its centre, a volume bar that fills bottom to top,
the channel list sliding out on the right (PANEL_LORR 1, pulled by the tab on the right edge)
and the captured-files list as a drawer below, where the fold key and the logo move to.
"""

from kit import layout as L
from kit import lcd
from kit.buttons import KeyStyle, key, list_well
from kit.icons import icon, label
from kit.readout import digit_row, groove, knob, volume_wedge
from kit.skin import Skin
from kit.svg import circle, fillet, group, path, poly_d, rect, text

W, H = 236, 448
SIDE = 124
DRAWER = 172

LCD = {
    "bezel": "#1a232c", "glass_edge": "#33414d", "glass": "#0b1620",
    "lit": "#ffb347", "ghost": "#1d2b37", "legend": "#9a7440", "red": "#ff5a4a",
    "red_ghost": "#2a1d22",
    "ramp": ("#ff9f2e", "#ffd27a", "#ff5a4a"),
    "knob": ("#f2f3f5", "#ffffff", "#9aa2ab", "#ff8a1e"),
}

KEY = KeyStyle(
    face=("#ffffff", "#dfe3e8"), face_hover=("#ffffff", "#f0f2f5"),
    face_pressed=("#c3c9d0", "#d6dbe1"), border="#8d96a0",
    ink="#2b3440", ink_hover="#e8680c", ink_pressed="#59636e", glow="#ff8a1e",
    highlight="#ffffff", highlight_opacity=0.9, shadow_opacity=0.28, radius=5.0)
KEY_DARK = KEY.tinted(face=("#4a5461", "#2c333c"), face_hover=("#58636f", "#343c46"),
                      face_pressed=("#1f252c", "#2a3139"), border="#1b2026",
                      ink="#f2f4f6", ink_hover="#ffb35c", ink_pressed="#98a2ac",
                      highlight_opacity=0.35, shadow_opacity=0.35)
KEY_RED = KEY.tinted(ink="#e0382b", ink_hover="#ff5a2a", ink_pressed="#9c3a33")
KEY_ORANGE = KEY.tinted(face=("#ffa04a", "#f07a18"), face_hover=("#ffb86e", "#ff8a26"),
                        face_pressed=("#c9601a", "#dc6c1c"), border="#a8520f",
                        ink="#ffffff", ink_hover="#ffffff", ink_pressed="#ffe2c8",
                        glow="#7a3a06", highlight_opacity=0.6)

BODY = {"top": "#fbfbfc", "bottom": "#d9dde2", "rim": "#8b939c", "print": "#5b6571",
        "print_dim": "#8b949e", "accent": "#ff8a1e", "plate": "#e9ecef"}


def _grid(x0, y0, dx, dy, w, h, rows):
    out = {}
    for r, names in enumerate(rows):
        for c, name in enumerate(names):
            out[name] = (x0 + c * dx, y0 + r * dy, w, h)
    return out


class SkinTwo(Skin):
    number = 2
    name = "Pearl"
    sprite_size = (340, 160)

    def configure(self):
        self.geometry.update({
            "PANEL_W": W, "PANEL_H": H,
            "PANEL_OPENLIST_W": W, "PANEL_OPENLIST_H": H + DRAWER,
            "PANEL_OPENLEFTLIST_W": W + SIDE, "PANEL_OPENLEFTLIST_H": H,
            "PANEL_OPENALL_W": W + SIDE, "PANEL_OPENALL_H": H + DRAWER,
            "PANEL_LORR": 1,
            "PANEL_LORR_X_OFFSET": 236, "PANEL_LORR_Y_OFFSET": 34,
            "PANEL_LORR_WIN_W": 104, "PANEL_LORR_WIN_H": 376,
            "PANEL_DOWN_X_OFFSET": 12, "PANEL_DOWN_Y_OFFSET": 452,
            "PANEL_DOWN_WIN_W": 212, "PANEL_DOWN_WIN_H": 126,
            "PANEL_DOWN_REPAINT_Y": 440,
        })
        b = self.buttons
        b.update(_grid(14, 322, 36, 23, 34, 20, [["NUM1", "NUM2", "NUM3"],
                                                 ["NUM4", "NUM5", "NUM6"],
                                                 ["NUM7", "NUM8", "NUM9"],
                                                 ["ADD", "NUM0", "DEC"]]))
        b.update(_grid(128, 322, 48, 23, 46, 20, [["TIME", "TOOL"], ["SCAN", "SKIN"],
                                                  ["CAPTUE", "CH"], ["STEREO", "TELETEXT"]]))
        b.update(_grid(14, 296, 42, 0, 40, 18, [["TVAIR", "CABLE", "COMPOSITE", "SVIDEO",
                                                 "FM"]]))
        b.update(_grid(14, 150, 30, 0, 28, 24, [["REC", "STOPREC", "BACK", "STOP", "PAUSE",
                                                 "PLAY", "FORWARD"]]))
        b.update({
            "CHUP": (72, 190, 40, 28), "CHDOWN": (72, 256, 40, 28),
            "VOLDOWN": (36, 218, 34, 40), "VOLUP": (114, 218, 34, 40),
            "MUTE": (76, 221, 32, 32),
            "HELP": (150, 11, 18, 18), "HIDEPANEL": (174, 11, 18, 18), "CLOSE": (198, 11, 18, 18),
            "LEFTOPEN": (221, 60, 15, 44),
            "OPENPANEL": (14, 420, 34, 18), "LOGOKOVA": (70, 420, 96, 18),
        })
        self.open_state = {
            "EMAIL": (14, 416, 50, 22), "LISTVIEW": (66, 416, 50, 22),
            "MOVIEEDIT": (118, 416, 50, 22), "PAINT": (170, 416, 52, 22),
            "DOWNCLOSE": (188, 588, 34, 18),
        }
        self.logomove = (70, 588)
        self.openpanelmove = (14, 588, 34, 18)

        k = self.lcd
        k.update({
            "OSD_TUNER_FIRSTNUM_X": 190, "OSD_TUNER_FIRSTNUM_Y": 52, "LCD_TV_CH_OFFSET": 19,
            "OSD_NUMFORCH_X": 0, "OSD_NUMFORCH_Y": 96, "CH_NUM_W": 16, "CH_NUM_H": 26,
            "FM_NUM_X": 0, "FM_NUM_Y": 96, "FM_NUM_W": 16, "FM_NUM_H": 26,
            "FM_NUM1_X": 192, "FM_NUM1_Y": 52, "FM_NUM2_X": 172, "FM_NUM2_Y": 52,
            "FM_NUM3_X": 154, "FM_NUM3_Y": 52, "FM_NUM4_X": 136, "FM_NUM4_Y": 52,
            "LCD_CHFMAVSV_X": 20, "LCD_CHFMAVSV_Y": 52, "LCD_CHFMAVSV_W": 192,
            "LCD_CHFMAVSV_H": 26,
            "LCD_CH_X": 144, "LCD_CH_Y": 0, "LCD_FMFREQ_X": 144, "LCD_FMFREQ_Y": 27,
            "LCD_AVSV_X": 144, "LCD_AVSV_Y": 54,
            "LCD_SOURCE_X": 48, "LCD_SOURCE_Y": 104, "LCD_W": 140, "LCD_H": 18,
            "LCD_AIR_X": 0, "LCD_AIR_Y": 0, "LCD_CABLE_X": 0, "LCD_CABLE_Y": 19,
            "LCD_AVIN_X": 0, "LCD_AVIN_Y": 38, "LCD_SVIDEO_X": 0, "LCD_SVIDEO_Y": 57,
            "LCD_FM_X": 0, "LCD_FM_Y": 76,
            "LCD_10HOUR_X": 150, "LCD_HOUR_X": 158, "LCD_10MIN_X": 170, "LCD_MIN_X": 178,
            "LCD_10SEC_X": 190, "LCD_SEC_X": 198,
            **{f"LCD_{s}_Y": 35 for s in ("10HOUR", "HOUR", "10MIN", "MIN", "10SEC", "SEC")},
            "LCD_CURTIME_W": 7, "LCD_CURTIME_H": 11, "LCD_CUR_TIME_X": 164,
            "LCD_CUR_TIME_Y": 84, "LCD_CUR_TIME_OFFSET": 8,
            "CHANGE_BTN_MUTEON_X": 0, "CHANGE_BTN_MUTEON_Y": 126,
            "CHANGE_BTN_MUTEON_W": 32, "CHANGE_BTN_MUTEON_H": 32,
            "CHANGE_BTN_MUTEOFF_X": 100, "CHANGE_BTN_MUTEOFF_Y": 126,
            "CHANGE_BTN_MUTEOFF_W": 32, "CHANGE_BTN_MUTEOFF_H": 32,
            "PANEL_REC_X": 20, "PANEL_REC_Y": 35, "LCD_REC_STATE_W": 56, "LCD_REC_STATE_H": 12,
            "LCD_REC_STATE_ON_X": 164, "LCD_REC_STATE_ON_Y": 110,
            "LCD_REC_STATE_OFF_X": 224, "LCD_REC_STATE_OFF_Y": 110,
            "LCD_CAP_TIME_X": 164, "LCD_CAP_TIME_Y": 98, "LCD_CAP_TIME_OFFSET": 7,
            "LCD_CAPTIME_W": 6, "LCD_CAPTIME_H": 10,
            "LCD_CAP10HOUR_X": 40, "LCD_CAPHOUR_X": 47, "LCD_CAP10MIN_X": 58,
            "LCD_CAPMIN_X": 65, "LCD_CAP10SEC_X": 76, "LCD_CAPSEC_X": 83,
            **{f"LCD_CAP{s}_Y": 88 for s in ("10HOUR", "HOUR", "10MIN", "MIN", "10SEC", "SEC")},
            "LCD_CAP_FILESIZE_X": 164, "LCD_CAP_FILESIZE_Y": 98, "LCD_CAP_FILESIZE_OFFSET": 7,
            "LCD_CAPFILESIZE_W": 6, "LCD_CAPFILESIZE_H": 10,
            **{f"LCD_CAPFILESIZE_{i}_X": 203 - 7 * (i - 1) for i in range(1, 9)},
            **{f"LCD_CAPFILESIZE_{i}_Y": 88 for i in range(1, 9)},
            "TIMESHIFTPOINTX": 20, "TIMESHIFTPOINTY": 136, "TIMESHIFTWIDTH": 196,
            "TIMESHIFTHEIGHT": 8,
            "SLIPOINT_X": 284, "SLIPOINT_Y": 110, "SLIPOINT_W": 10, "SLIPOINT_H": 8,
            "LCD_VOLBAR_LTOR_DTOU": 1, "LCD_VOLBAR_X": 166, "LCD_VOLBAR_Y": 190,
            "LCD_VOLBAR_W": 46, "LCD_VOLBAR_H": 94,
        })

    # -- outline -------------------------------------------------------------------------------
    def outline(self, shape):
        down, side = self.down_open(shape), self.side_open(shape)
        right = W - 12 + (SIDE if side else 0)
        tab = 221 + (SIDE if side else 0)
        v = [(2, 8, 18), (W // 2, 2, 120), (W - 12, 8, 18)]
        if side:
            v += [(W - 10, 26, 8), (right, 26, 12)]
        v += [(right, 54, 6), (tab + 15, 58, 5), (tab + 15, 106, 5), (right, 110, 6)]
        if side:
            v += [(right, 424, 12), (W - 10, 424, 8)]
        bottom = H + (DRAWER if down else 0)
        v += [(W - 10, bottom - 4, 20), (W // 2, bottom, 120), (8, bottom - 4, 20)]
        return fillet(v, samples=6)

    # -- pictures ------------------------------------------------------------------------------
    def draw(self, doc, shape, state, muted=False):
        w, h = self.size(shape)
        down, side = self.down_open(shape), self.side_open(shape)
        d = poly_d(self.outline(shape))
        body = doc.linear([(0, BODY["top"]), (0.55, "#eef0f3"), (1, BODY["bottom"])],
                          0, 0, w, h, user=True)
        doc.add(path(d, fill=body))
        # A soft silver band down the sides gives the shell its roundness.
        clip = doc.clip(path(d))
        side_shade = doc.linear([(0, "#9aa3ad", 0.35), (0.08, "#ffffff", 0),
                                 (0.92, "#ffffff", 0), (1, "#9aa3ad", 0.35)],
                                0, 0, W, 0, user=True)
        doc.add(group([rect(0, 0, W, h, fill=side_shade)], clip_path=clip))
        if side:
            self._wing(doc, state)
        if down:
            self._drawer(doc, state)
        self._face(doc, shape, state, muted)
        sheen = doc.linear([(0, "#ffffff", 0.9), (0.05, "#ffffff", 0)], 0, 0, 0, h, user=True)
        doc.add(group([path(d, fill="none", stroke=sheen, stroke_width=3)], clip_path=clip))
        doc.add(path(d, fill="none", stroke=BODY["rim"], stroke_width=1.3))
        r = self.button_rects(shape)["LEFTOPEN"]
        doc.add(self._tab(doc, r, state, side))

    def _tab(self, doc, r, state, side):
        x, y, w, h = r
        out = [key(doc, (x - 2, y, w + 1, h), state, KEY_ORANGE, margin=1.2, radius=5)]
        dy = 0.8 if state == "pressed" else 0
        out.append(icon("left" if side else "right", x + w / 2 - 1, y + h / 2 + dy, 3.2,
                        "#ffffff"))
        for k in (-1, 1):
            out.append(rect(x + w / 2 - 3, y + h / 2 + k * 9 - 0.5, 4, 1, fill="#ffffff",
                            fill_opacity=0.7))
        return group(out)

    def _face(self, doc, shape, state, muted):
        b = self.button_rects(shape)
        down = self.down_open(shape)
        k = self.lcd
        out = []
        # Infrared window and the window keys.
        out.append(rect(18, 10, 48, 12, 6, fill=doc.linear([(0, "#4a1418"), (1, "#240a0d")]),
                        stroke="#7d868f", stroke_width=0.6))
        out.append(rect(24, 12, 30, 2.5, 1.2, fill="#ffffff", fill_opacity=0.25))
        out.append(key(doc, b["HELP"], state, KEY, "help", shape="circle", margin=0.8,
                       icon_size=4.6, lw=1.3))
        out.append(key(doc, b["HIDEPANEL"], state, KEY, "minimize", shape="circle", margin=0.8,
                       icon_size=4.6, lw=1.5))
        out.append(key(doc, b["CLOSE"], state, KEY_RED, "power", shape="circle", margin=0.8,
                       icon_size=4.8, lw=1.5))

        # The readout.
        out.append(rect(9, 25, 218, 108, 12, fill="#c8ced5", stroke="#9ba4ad", stroke_width=0.8))
        out.append(lcd.lcd_window(14, 30, 208, 98, LCD, r=7))
        out += self._readout()

        # Time-shift groove and the transport row.
        tx, ty, tw, th = (k["TIMESHIFTPOINTX"], k["TIMESHIFTPOINTY"], k["TIMESHIFTWIDTH"],
                          k["TIMESHIFTHEIGHT"])
        out.append(rect(tx - 2, ty - 2, tw + 4, th + 4, 3, fill="#56606b"))
        out.append(groove(tx, ty, tw, th, state == "hover", LCD, ticks=8))
        for stem, pict, style in (("REC", "rec", KEY_RED), ("STOPREC", "timeshift", KEY),
                                  ("BACK", "back", KEY), ("STOP", "stop", KEY),
                                  ("PAUSE", "pause", KEY), ("PLAY", "play", KEY),
                                  ("FORWARD", "forward", KEY)):
            out.append(key(doc, b[stem], state, style, pict, margin=1.2, icon_size=6, lw=1.5))

        # Direction pad: channel up and down, volume down and up, mute in the middle.
        cx, cy = 92, 237
        out.append(circle(cx, cy + 1.5, 50, fill="#000", fill_opacity=0.12))
        out.append(circle(cx, cy, 50, fill=doc.linear([(0, "#eef1f4"), (1, "#c9cfd6")]),
                          stroke="#9aa3ad", stroke_width=0.8))
        out.append(circle(cx, cy, 44, fill=doc.linear([(0, "#d3d8de"), (1, "#f4f6f8")])))
        out.append(key(doc, b["CHUP"], state, KEY, "up", caption="CH", margin=1.2,
                       icon_size=4.6, caption_size=7, icon_dy=-1.5, radius=8))
        out.append(key(doc, b["CHDOWN"], state, KEY, "down", caption="CH", margin=1.2,
                       icon_size=4.6, caption_size=7, icon_dy=-1.5, radius=8))
        out.append(key(doc, b["VOLDOWN"], state, KEY, "voldown", margin=1.2, icon_size=7.5,
                       lw=1.5, radius=8))
        out.append(key(doc, b["VOLUP"], state, KEY, "volup", margin=1.2, icon_size=7.5,
                       lw=1.5, radius=8))
        out.append(key(doc, b["MUTE"], state, KEY_DARK, "mute" if muted else "speaker",
                       shape="circle", margin=1.0, icon_size=7.5, lw=1.5))
        out.append(volume_wedge((k["LCD_VOLBAR_X"], k["LCD_VOLBAR_Y"], k["LCD_VOLBAR_W"],
                                 k["LCD_VOLBAR_H"]), state == "hover", LCD, horizontal=False))
        out.append(label(k["LCD_VOLBAR_X"] + k["LCD_VOLBAR_W"] / 2, 186, "VOLUME", 6.4,
                         BODY["print"]))

        # Sources.
        for stem, cap in (("TVAIR", "AIR"), ("CABLE", "CABLE"), ("COMPOSITE", "AV-IN"),
                          ("SVIDEO", "S-VID"), ("FM", "FM")):
            out.append(key(doc, b[stem], state, KEY_DARK, caption=cap, margin=1.0,
                           caption_size=7.4, radius=9))

        # Keypad and function keys.
        for i in range(10):
            out.append(key(doc, b[f"NUM{i}"], state, KEY, caption=str(i), margin=1.0,
                           caption_size=10, radius=9, caption_family="DejaVu Sans"))
        out.append(key(doc, b["ADD"], state, KEY, "plus", margin=1.0, icon_size=4.2, lw=1.6,
                       radius=9))
        out.append(key(doc, b["DEC"], state, KEY, "minus", margin=1.0, icon_size=4.2, lw=1.6,
                       radius=9))
        for stem, pict, cap in (("TIME", "clock", "TIMER"), ("TOOL", "gear", "SETUP"),
                                ("SCAN", "scan", "SCAN"), ("SKIN", "skin", "SKIN"),
                                ("CAPTUE", "camera", "PHOTO"), ("CH", "grid", "MULTI"),
                                ("STEREO", "audio", "AUDIO"), ("TELETEXT", "teletext", "TEXT")):
            out.append(key(doc, b[stem], state, KEY, pict, caption=cap, row=True, margin=1.0,
                           icon_size=4.4, caption_size=6.6, lw=1.1, radius=5))

        # Bottom: fold key and logo, or the file keys while the drawer is out.
        if down:
            for stem, pict, cap in (("EMAIL", "email", "MAIL"), ("LISTVIEW", "listview", "VIEW"),
                                    ("MOVIEEDIT", "movie", "PLAY"), ("PAINT", "paint", "PAINT")):
                out.append(key(doc, b[stem], state, KEY_DARK, pict, caption=cap, row=True,
                               margin=1.0, icon_size=4.6, caption_size=6.8, lw=1.2, radius=6))
            out.append(key(doc, b["DOWNCLOSE"], state, KEY, "close", margin=1.0,
                           icon_size=3.6, lw=1.5, radius=8))
        out.append(key(doc, b["OPENPANEL"], state, KEY, "chev_up" if down else "chev_down",
                       margin=1.0, icon_size=4.4, lw=1.6, radius=8))
        out.append(self._wordmark(doc, b["LOGOKOVA"], state))
        for item in out:
            doc.add(item)

    def _wordmark(self, doc, r, state):
        x, y, w, h = r
        ink = {"normal": "#3a4450", "hover": "#f07a18", "pressed": "#7d8792"}[state]
        dy = 0.6 if state == "pressed" else 0
        out = []
        if state == "hover":
            out.append(rect(x + 1, y + 1, w - 2, h - 2, 8, fill="#ff8a1e", fill_opacity=0.12))
        out.append(circle(x + 10, y + h / 2 + dy, 5.5, fill="#ff8a1e"))
        out.append(path(f"M{x + 7.5},{y + h / 2 + dy - 3} L{x + 13.5},{y + h / 2 + dy} "
                        f"L{x + 7.5},{y + h / 2 + dy + 3}Z", fill="#ffffff"))
        out.append(text(x + 20, y + 13 + dy, "zentaro", 13, family="DejaVu Sans",
                        weight="bold", anchor="start", fill=ink, letter_spacing=0.6))
        return group(out)

    # -- readout -------------------------------------------------------------------------------
    def _readout(self):
        k = self.lcd
        out = [self._rec_state(k["PANEL_REC_X"], k["PANEL_REC_Y"], False)]

        def digits(stems, wkey, hkey, value, thick):
            for stem, ch in zip(stems, value):
                out.append(lcd.seven_segment(k[stem + "_X"], k[stem + "_Y"], k[wkey], k[hkey],
                                             ch, LCD["lit"], LCD["ghost"], thick))

        def colon(x, y, hgt):
            out.append(rect(x, y + hgt * 0.22, 1.6, 1.6, fill=LCD["lit"]))
            out.append(rect(x, y + hgt * 0.62, 1.6, 1.6, fill=LCD["lit"]))

        digits(("LCD_10HOUR", "LCD_HOUR", "LCD_10MIN", "LCD_MIN", "LCD_10SEC", "LCD_SEC"),
               "LCD_CURTIME_W", "LCD_CURTIME_H", "120000", 1.35)
        colon(166.5, 35, 11)
        colon(186.5, 35, 11)
        out.append(self._band_label(k["LCD_CHFMAVSV_X"], k["LCD_CHFMAVSV_Y"], "CH"))
        for i, dgt in enumerate("100"):
            out.append(lcd.seven_segment(k["OSD_TUNER_FIRSTNUM_X"] - i * k["LCD_TV_CH_OFFSET"],
                                         k["OSD_TUNER_FIRSTNUM_Y"], k["CH_NUM_W"],
                                         k["CH_NUM_H"], dgt, LCD["lit"], LCD["ghost"], 2.6))
        out.append(rect(20, 82, 196, 1, fill=LCD["ghost"]))
        out.append(lcd.legend(20, 90, "REC", LCD["legend"]))
        digits(("LCD_CAP10HOUR", "LCD_CAPHOUR", "LCD_CAP10MIN", "LCD_CAPMIN", "LCD_CAP10SEC",
                "LCD_CAPSEC"), "LCD_CAPTIME_W", "LCD_CAPTIME_H", "000000", 1.25)
        colon(54.5, 88, 10)
        colon(72.5, 88, 10)
        out.append(lcd.legend(134, 90, "SIZE", LCD["legend"]))
        digits([f"LCD_CAPFILESIZE_{i}" for i in range(8, 0, -1)], "LCD_CAPFILESIZE_W",
               "LCD_CAPFILESIZE_H", "00000000", 1.25)
        out.append(self._source_label(k["LCD_SOURCE_X"], k["LCD_SOURCE_Y"], "CABLE"))
        return out

    def _band_label(self, x, y, which):
        k = self.lcd
        w, h = k["LCD_CHFMAVSV_W"], k["LCD_CHFMAVSV_H"]
        out = [rect(x, y, w, h, fill=LCD["glass"])]
        big = dict(pitch_x=2, pitch_y=2, dot_x=1.6, dot_y=1.6)
        if which == "CH":
            out.append(lcd.dot_text(x + 2, y + 2, "CH", lcd.FONT_5X7, LCD["lit"], **big))
            out.append(lcd.legend(x + 2, y + 19, "CHANNEL", LCD["legend"]))
        elif which == "FM":
            out.append(lcd.dot_text(x + 2, y + 2, "FM", lcd.FONT_5X7, LCD["lit"], **big))
            out.append(lcd.legend(x + 2, y + 19, "MHZ", LCD["legend"]))
            # The point sits in the gap the layout leaves between the tens and the units.
            gap = k["FM_NUM2_X"] + k["FM_NUM_W"] - k["LCD_CHFMAVSV_X"]
            units = k["FM_NUM1_X"] - k["LCD_CHFMAVSV_X"]
            out.append(rect(x + (gap + units) / 2 - 1, y + h - 3, 2, 2, fill=LCD["lit"]))
        else:
            out.append(lcd.dot_text(x + w / 2, y + 2, "VIDEO", lcd.FONT_5X7, LCD["lit"],
                                    anchor="middle", **big))
            out.append(lcd.legend(x + w / 2, y + 19, "EXTERNAL INPUT", LCD["legend"],
                                  anchor="middle"))
        return group(out)

    def _source_label(self, x, y, word):
        k = self.lcd
        w, h = k["LCD_W"], k["LCD_H"]
        return group([rect(x, y, w, h, fill=LCD["glass"]),
                      lcd.dot_text(x + w / 2, y + 2, word, lcd.FONT_5X7, LCD["lit"],
                                   pitch_x=2, pitch_y=2, dot_x=1.6, dot_y=1.6, anchor="middle",
                                   ghost=None)])

    def _rec_state(self, x, y, on):
        k = self.lcd
        w, h = k["LCD_REC_STATE_W"], k["LCD_REC_STATE_H"]
        col = LCD["red"] if on else LCD["red_ghost"]
        return group([rect(x, y, w, h, fill=LCD["glass"]),
                      circle(x + 5, y + 6, 3.6, fill=col),
                      lcd.dot_text(x + 13, y + 2.5, "REC", lcd.FONT_5X7, col)])

    def draw_sprites(self, doc):
        k = self.lcd
        self.draw_sprite_labels(doc, LCD["glass"])
        doc.add(digit_row(k["OSD_NUMFORCH_X"], k["OSD_NUMFORCH_Y"], k["CH_NUM_W"],
                          k["CH_NUM_H"], k["CH_NUM_W"], LCD, thick=2.6))
        doc.add(digit_row(k["LCD_CUR_TIME_X"], k["LCD_CUR_TIME_Y"], k["LCD_CURTIME_W"],
                          k["LCD_CURTIME_H"], k["LCD_CUR_TIME_OFFSET"], LCD, thick=1.35))
        doc.add(digit_row(k["LCD_CAP_TIME_X"], k["LCD_CAP_TIME_Y"], k["LCD_CAPTIME_W"],
                          k["LCD_CAPTIME_H"], k["LCD_CAP_TIME_OFFSET"], LCD, thick=1.25))
        doc.add(self._rec_state(k["LCD_REC_STATE_ON_X"], k["LCD_REC_STATE_ON_Y"], True))
        doc.add(self._rec_state(k["LCD_REC_STATE_OFF_X"], k["LCD_REC_STATE_OFF_Y"], False))
        doc.add(knob(k["SLIPOINT_X"], k["SLIPOINT_Y"], k["SLIPOINT_W"], k["SLIPOINT_H"], LCD))

    # -- unfolded parts ------------------------------------------------------------------------
    def _wing(self, doc, state):
        g = self.geometry
        x, y = g["PANEL_LORR_X_OFFSET"], g["PANEL_LORR_Y_OFFSET"]
        w, h = g["PANEL_LORR_WIN_W"], g["PANEL_LORR_WIN_H"]
        doc.add(rect(W - 12, 26, 10, 398, fill="#000", fill_opacity=0.06))
        doc.add(rect(x - 3, y - 3, w + 6, h + 6, 6, fill="#56606b"))
        doc.add(list_well(doc, x, y, w, h, rows=18, glass="#f7f8fa", line="#e3e7eb"))
        doc.add(label(x + w / 2, y + h + 11, "CHANNEL LIST", 6.6, BODY["print_dim"]))

    def _drawer(self, doc, state):
        g = self.geometry
        x, y = g["PANEL_DOWN_X_OFFSET"], g["PANEL_DOWN_Y_OFFSET"]
        w, h = g["PANEL_DOWN_WIN_W"], g["PANEL_DOWN_WIN_H"]
        doc.add(rect(10, H - 2, W - 20, 1, fill="#7d868f", fill_opacity=0.6))
        doc.add(rect(10, H - 1, W - 20, 1, fill="#ffffff", fill_opacity=0.9))
        doc.add(rect(x - 3, y - 3, w + 6, h + 6, 6, fill="#56606b"))
        doc.add(list_well(doc, x, y, w, h, rows=7, header=True, glass="#f7f8fa",
                          line="#e3e7eb", head="#e1e5ea"))
