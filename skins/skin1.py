"""Skin 1, "Graphite": the panel's built-in default geometry in dark graphite with a cyan
readout. An empty layout file and this skin place every button and readout element alike.

The channel list unfolds on the left as a wing (the whole remote moves right by the wing's
width); the captured-files list unfolds below as a drawer.
"""

from kit import layout as L
from kit import lcd
from kit.buttons import KeyStyle, key, led, list_well
from kit.icons import icon, label
from kit.readout import digit_row, groove, knob, volume_wedge
from kit.skin import Skin
from kit.svg import fillet, group, path, poly_d, rect, text, translate

LCD = {
    "bezel": "#05080a", "glass_edge": "#1b2a30", "glass": "#071317",
    "lit": "#8cecff", "ghost": "#0f2a31", "legend": "#3d8596", "red": "#ff4f4f",
    "red_ghost": "#2a1517",
    "ramp": ("#34c8f4", "#b9f4ff", "#ffc24a"),
    "knob": ("#c9d3da", "#f4f8fa", "#7d8a94", "#35c6f2"),
}

KEY = KeyStyle(
    face=("#58606a", "#30353c"), face_hover=("#6a747f", "#3a4048"),
    face_pressed=("#1d2125", "#2b3036"), border="#0c0e10",
    ink="#e3e9ee", ink_hover="#a8f1ff", ink_pressed="#8a949d", glow="#4fd3ff")
KEY_DARK = KEY.tinted(face=("#3c424a", "#23272c"), face_hover=("#4c545d", "#2c3137"))
KEY_SOURCE = KEY.tinted(face=("#4a525b", "#2b3036"), radius=2.0)
KEY_RED = KEY.tinted(ink="#ff5b57", ink_hover="#ff8d86", ink_pressed="#a33b38")

BODY = {"top": "#4b525a", "mid": "#2d3238", "bottom": "#1b1e22", "rim": "#07080a",
        "print": "#aeb8c1", "print_dim": "#78838d", "plate": "#202428", "accent": "#3cc8f5"}

SIDE_W = 96


class SkinOne(Skin):
    number = 1
    name = "Graphite"

    def configure(self):
        # Every key keeps its built-in default.
        pass

    # -- outline -------------------------------------------------------------------------------
    def _top_and_right(self, dx):
        return [(dx + 326, 0, 8), (dx + 340, 20, 10), (dx + 474, 20, 10), (dx + 484, 0, 8),
                (dx + 547, 0, 12), (dx + 547, 160, 14)]

    def _bottom_right(self, dx):
        return [(dx + 352, 160, 16), (dx + 318, 172, 16)]

    def outline(self, shape):
        dx = self.content_offset(shape)
        v = [(0, 0, 2)] + self._top_and_right(dx)
        if self.down_open(shape):
            v += [(dx + 482, 160, 8), (dx + 482, 354, 14), (dx + 42, 354, 14),
                  (dx + 42, 172, 8)]
        else:
            v += self._bottom_right(dx)
        if self.side_open(shape):
            v += [(dx, 172, 14), (dx, 142, 8), (0, 142, 10)]
        else:
            v += [(0, 172, 20)]
        return fillet(v, samples=7)

    # -- pictures ------------------------------------------------------------------------------
    def draw(self, doc, shape, state, muted=False):
        w, h = self.size(shape)
        dx = self.content_offset(shape)
        pts = self.outline(shape)
        d = poly_d(pts)
        fill = doc.linear([(0, BODY["top"]), (0.16, BODY["mid"]), (0.48, "#262a2f"),
                           (1, BODY["bottom"])], 0, 0, 0, 176, user=True)
        doc.add(path(d, fill=fill))
        if self.down_open(shape):
            self._drawer(doc, dx, state)
        if self.side_open(shape):
            self._wing(doc, shape, state)
        doc.add(group(self._body(doc, shape, state, muted), transform=f"translate({dx},0)"))
        # Rim: a dark edge and a soft light catch along the upper edges.
        sheen = doc.linear([(0, "#ffffff", 0.5), (0.1, "#ffffff", 0.08), (0.3, "#ffffff", 0)],
                           0, 0, 0, h, user=True)
        clip = doc.clip(path(d))
        doc.add(group([path(d, fill="none", stroke=sheen, stroke_width=3.2)], clip_path=clip))
        doc.add(path(d, fill="none", stroke=BODY["rim"], stroke_width=1.4))
        # Elements placed in window coordinates: the list button and the time-shift groove.
        self._leftopen(doc, state)
        k = self.lcd
        tx, ty, tw, th = (k["TIMESHIFTPOINTX"], k["TIMESHIFTPOINTY"], k["TIMESHIFTWIDTH"],
                          k["TIMESHIFTHEIGHT"])
        if self.side_open(shape):
            # The groove keeps its window place while the remote moves right; it runs on to
            # the remote's own place so the bar reads as one whichever way it is drawn.
            tw += dx
        doc.add(rect(tx - 2, ty - 2, tw + 4, th + 4, 3, fill="#0b0d0f", stroke="#5b636b",
                     stroke_width=0.6, stroke_opacity=0.6))
        doc.add(groove(tx, ty, tw, th, state == "hover", LCD))

    def _leftopen(self, doc, state):
        r = self.button_rects(L.CLOSED)["LEFTOPEN"]
        doc.add(key(doc, (r[0] + 1, r[1] + 1, r[2], r[3]), state, KEY_DARK, "chlist",
                    margin=1.5, radius=4, icon_size=4.6, lw=1.1))

    def _body(self, doc, shape, state, muted):
        b = self.buttons
        out = []
        down = self.down_open(shape)

        # Recessed plates behind the key groups.
        plate = doc.linear([(0, "#15181b"), (1, "#24282d")])
        out.append(rect(31, 21, 262, 30, 5, fill=plate, stroke="#56606a", stroke_width=0.5,
                        stroke_opacity=0.5))
        out.append(rect(4, 47, 316, 52, 6, fill=plate, stroke="#56606a", stroke_width=0.5,
                        stroke_opacity=0.5))
        out.append(rect(32, 97, 260, 22, 5, fill=plate, stroke="#56606a", stroke_width=0.5,
                        stroke_opacity=0.5))
        out.append(rect(500, 34, 41, 104, 7, fill=plate, stroke="#56606a", stroke_width=0.5,
                        stroke_opacity=0.5))
        out.append(rect(486, 5, 55, 21, 7, fill=plate, stroke="#56606a", stroke_width=0.5,
                        stroke_opacity=0.5))

        # Status lamp left of the record key, a vent in the transport gap.
        out.append(led(21, 35.5, 2.6, "#ff4d4d", lit=False))
        out.append(lcd.legend(14, 42, "REC", BODY["print_dim"]))
        for i in range(4):
            out.append(rect(104, 27 + i * 5, 21, 2.2, 1.1, fill="#0b0c0e",
                            stroke="#4b535b", stroke_width=0.4, stroke_opacity=0.6))

        # Transport.
        for stem, pict, style in (("REC", "rec", KEY_RED), ("STOPREC", "timeshift", KEY),
                                  ("BACK", "back", KEY), ("STOP", "stop", KEY),
                                  ("PAUSE", "pause", KEY), ("PLAY", "play", KEY),
                                  ("FORWARD", "forward", KEY)):
            out.append(key(doc, b[stem], state, style, pict, margin=1.5, icon_size=6.2,
                           lw=1.4))

        # Volume: mute, down, the wedge, up.
        out.append(key(doc, b["MUTE"], state, KEY_DARK, "mute" if muted else "speaker",
                       margin=1.5, icon_size=7.5, lw=1.4, radius=5))
        out.append(key(doc, b["VOLDOWN"], state, KEY, "voldown", margin=1.5, icon_size=7.5,
                       radius=5))
        out.append(key(doc, b["VOLUP"], state, KEY, "volup", margin=1.5, icon_size=7.5,
                       radius=5))
        vk = self.lcd
        out.append(volume_wedge((vk["LCD_VOLBAR_X"], vk["LCD_VOLBAR_Y"], vk["LCD_VOLBAR_W"],
                                 vk["LCD_VOLBAR_H"]), state == "hover", LCD))

        # Sources.
        for stem, cap in (("TVAIR", "AIR TV"), ("CABLE", "CABLE"), ("COMPOSITE", "AV-IN"),
                          ("SVIDEO", "S-VIDEO"), ("FM", "FM RADIO")):
            out.append(key(doc, b[stem], state, KEY_SOURCE, caption=cap, margin=1.2,
                           caption_size=7.6))

        # Functions, with their names printed below.
        for stem, pict, cap in (("TIME", "clock", "TIMER"), ("TOOL", "gear", "SETUP"),
                                ("SCAN", "scan", "SCAN"), ("SKIN", "skin", "SKIN"),
                                ("CAPTUE", "camera", "PHOTO"), ("CH", "grid", "PREVIEW"),
                                ("STEREO", "audio", "AUDIO"), ("TELETEXT", "teletext", "TEXT")):
            x, y, w, h = b[stem]
            out.append(key(doc, b[stem], state, KEY, pict, margin=1.5, icon_size=5.4, lw=1.1))
            out.append(label(x + w / 2, 127, cap, 6.4, BODY["print"]))

        # Channel block: the two step keys around the channel readout.
        out.append(key(doc, b["CHDOWN"], state, KEY, "down", caption="CH", margin=1.2,
                       icon_size=4.2, caption_size=6.5, radius=5, icon_dy=-1.5,
                       caption_dy=-1.0))
        out.append(key(doc, b["CHUP"], state, KEY, "up", caption="CH", margin=1.2,
                       icon_size=4.2, caption_size=6.5, radius=5, icon_dy=-1.5,
                       caption_dy=-1.0))
        out.append(lcd.lcd_window(367, 28, 82, 26, LCD))
        out += self._channel_readout()

        # Main readout.
        out.append(lcd.lcd_window(334, 58, 158, 90, LCD))
        out += self._main_readout()

        # Keypad and window keys.
        for i in range(10):
            out.append(key(doc, b[f"NUM{i}"], state, KEY, caption=str(i), margin=0.6,
                           caption_size=8.4, radius=3, caption_family="DejaVu Sans"))
        out.append(key(doc, b["ADD"], state, KEY_DARK, "plus", margin=0.6, icon_size=3.6,
                       lw=1.3, radius=3))
        out.append(key(doc, b["DEC"], state, KEY_DARK, "minus", margin=0.6, icon_size=3.6,
                       lw=1.3, radius=3))
        out.append(key(doc, b["HELP"], state, KEY_DARK, "help", margin=0.6, icon_size=3.6,
                       lw=1.2, shape="circle"))
        out.append(key(doc, b["HIDEPANEL"], state, KEY_DARK, "minimize", margin=0.6,
                       icon_size=3.6, lw=1.3, shape="circle"))
        out.append(key(doc, b["CLOSE"], state, KEY_RED, "power", margin=0.6, icon_size=3.8,
                       lw=1.2, shape="circle"))
        out.append(lcd.legend(512, 29, "CH", BODY["print_dim"]))

        # Bottom: fold key, wordmark, print.
        fold = b["OPENPANEL"]
        out.append(key(doc, (fold[0], fold[1], 16, 16), state, KEY_DARK,
                       "chev_up" if down else "chev_down", shape="circle", margin=0.6,
                       icon_size=3.6, lw=1.4))
        if down:
            for stem, pict, cap in (("EMAIL", "email", "E-MAIL"), ("LISTVIEW", "listview", "VIEW"),
                                    ("MOVIEEDIT", "movie", "PLAY"), ("PAINT", "paint", "PAINT")):
                out.append(key(doc, self.open_state[stem], state, KEY, pict, caption=cap,
                               margin=1.5, icon_size=5.6, caption_size=7.2, lw=1.2,
                               row=True))
            cx, cy, cw, ch = self.open_state["DOWNCLOSE"]
            out.append(key(doc, (55, cy, cx + cw - 55, ch), state, KEY_DARK, "close",
                           margin=0.8, icon_size=3.0, lw=1.3, radius=3))
            lx, ly = self.logomove
        else:
            lx, ly = b["LOGOKOVA"][:2]
            out.append(label(58, 148, "FILES", 6.4, BODY["print_dim"], anchor="start"))
            out.append(text(272, 145, "ANALOG TV REMOTE", 6.2, family="DejaVu Sans",
                            weight="bold", fill=BODY["print_dim"], letter_spacing=1.2))
            out.append(text(272, 155, "PANEL  ·  STEREO  ·  FM", 5.6, family="DejaVu Sans",
                            weight="normal", fill="#5f6a74", letter_spacing=1.0))
        out.append(self._wordmark(doc, (lx, ly, *b["LOGOKOVA"][2:]), state))
        return out

    def _wordmark(self, doc, r, state):
        x, y, w, h = r
        ink = {"normal": doc.linear([(0, "#f3f6f8"), (1, "#9aa6b0")]),
               "hover": doc.linear([(0, "#d8f8ff"), (1, "#4fd3ff")]),
               "pressed": doc.linear([(0, "#7e8993"), (1, "#5a646d")])}[state]
        out = []
        if state == "hover":
            out.append(rect(x + 1, y + 1, w - 2, h - 2, 6, fill="#4fd3ff", fill_opacity=0.12))
        dy = 0.6 if state == "pressed" else 0
        out.append(text(x + w / 2 + 5, y + 11 + dy, "ZENTARO", 11.5, family="DejaVu Sans",
                        weight="bold", fill=ink, letter_spacing=1.6, font_style="oblique"))
        # The mark: a small screen with a signal arc.
        mx, my = x + 7, y + 7 + dy
        col = "#4fd3ff" if state != "pressed" else "#3a8aa3"
        out.append(rect(mx - 5, my - 4, 10, 8, 1.8, fill="none", stroke=col, stroke_width=1.3))
        out.append(path(f"M{mx - 2},{my + 1.5} L{mx},{my - 1.5} L{mx + 2},{my + 1.5}",
                        fill="none", stroke=col, stroke_width=1.1))
        return group(out)

    def _channel_readout(self):
        """What the normal picture shows before the panel draws: the layout's own glyphs."""
        k = self.lcd
        out = [self._band_label(k["LCD_CHFMAVSV_X"], k["LCD_CHFMAVSV_Y"], "CH")]
        for i, d in enumerate("100"):
            x = k["OSD_TUNER_FIRSTNUM_X"] - i * k["LCD_TV_CH_OFFSET"]
            out.append(lcd.seven_segment(x, k["OSD_TUNER_FIRSTNUM_Y"], k["CH_NUM_W"],
                                         k["CH_NUM_H"], d, LCD["lit"], LCD["ghost"], 1.7))
        return out

    def _main_readout(self):
        k = self.lcd
        out = []
        small = dict(thick=1.25)

        def digits(stems, wkey, hkey, value):
            for stem, ch in zip(stems, value):
                out.append(lcd.seven_segment(k[stem + "_X"], k[stem + "_Y"], k[wkey], k[hkey],
                                             ch, LCD["lit"], LCD["ghost"], **small))

        def colon(x, y, hgt):
            out.append(rect(x, y + hgt * 0.25, 1.5, 1.5, fill=LCD["lit"]))
            out.append(rect(x, y + hgt * 0.65, 1.5, 1.5, fill=LCD["lit"]))

        out.append(self._rec_state(k["PANEL_REC_X"], k["PANEL_REC_Y"], False))
        digits(("LCD_10HOUR", "LCD_HOUR", "LCD_10MIN", "LCD_MIN", "LCD_10SEC", "LCD_SEC"),
               "LCD_CURTIME_W", "LCD_CURTIME_H", "120000")
        colon(437.5, 63, 10)
        colon(456.5, 63, 10)
        out.append(lcd.legend(398, 66, "CLK", LCD["legend"]))
        out.append(rect(340, 83, 146, 1, fill=LCD["ghost"]))
        out.append(lcd.legend(340, 98, "FILE SIZE", LCD["legend"]))
        digits([f"LCD_CAPFILESIZE_{i}" for i in range(8, 0, -1)], "LCD_CAPFILESIZE_W",
               "LCD_CAPFILESIZE_H", "00000000")
        out.append(lcd.legend(340, 113, "REC TIME", LCD["legend"]))
        digits(("LCD_CAP10HOUR", "LCD_CAPHOUR", "LCD_CAP10MIN", "LCD_CAPMIN", "LCD_CAP10SEC",
                "LCD_CAPSEC"), "LCD_CAPTIME_W", "LCD_CAPTIME_H", "000000")
        colon(412.5, 110, 10)
        colon(431.5, 110, 10)
        out.append(lcd.legend(340, 131, "INPUT", LCD["legend"]))
        out.append(self._source_label(k["LCD_SOURCE_X"], k["LCD_SOURCE_Y"], "CABLE"))
        return out

    # -- readout pieces shared by the pictures and the sprite sheet ----------------------------
    def _band_label(self, x, y, which):
        k = self.lcd
        w, h = k["LCD_CHFMAVSV_W"], k["LCD_CHFMAVSV_H"]
        out = [rect(x, y, w, h, fill=LCD["glass"])]
        if which == "CH":
            out.append(lcd.dot_text(x + 1, y + 3, "CH", lcd.FONT_5X7, LCD["lit"]))
        elif which == "FM":
            # The four frequency digits cover the left of the label: the decimal point sits in
            # the one free column between the tens and the units, the unit after them.
            left = k["LCD_CHFMAVSV_X"]
            point = k["FM_NUM1_X"] - 1 - left
            out.append(rect(x + point, y + h - 3, 1, 2, fill=LCD["lit"]))
            unit_x = k["FM_NUM1_X"] + k["FM_NUM_W"] - left + 1
            out.append(lcd.legend(x + unit_x, y + h - 6, "MHZ", LCD["lit"]))
        else:
            out.append(lcd.dot_text(x + w / 2, y + 3, "VIDEO", lcd.FONT_5X7, LCD["lit"],
                                    anchor="middle"))
        return group(out)

    def _source_label(self, x, y, word):
        k = self.lcd
        w, h = k["LCD_W"], k["LCD_H"]
        return group([rect(x, y, w, h, fill=LCD["glass"]),
                      lcd.dot_text(x + w / 2, y + 3, word, lcd.FONT_5X7, LCD["lit"],
                                   pitch_x=1.5, pitch_y=2, dot_x=1.25, dot_y=1.7,
                                   anchor="middle", ghost=None)])

    def _rec_state(self, x, y, on):
        k = self.lcd
        w, h = k["LCD_REC_STATE_W"], k["LCD_REC_STATE_H"]
        col = LCD["red"] if on else LCD["red_ghost"]
        out = [rect(x, y, w, h, fill=LCD["glass"])]
        out.append(path(f"M{x + 5},{y + 2.5} a3.5,3.5 0 1 0 0.01,0Z", fill=col))
        out.append(lcd.dot_text(x + 12, y + 2.5, "REC", lcd.FONT_5X7, col, pitch_y=1.05))
        return group(out)

    def draw_sprites(self, doc):
        k = self.lcd
        self.draw_sprite_labels(doc, LCD["glass"])
        doc.add(digit_row(k["OSD_NUMFORCH_X"], k["OSD_NUMFORCH_Y"], k["CH_NUM_W"],
                          k["CH_NUM_H"], k["CH_NUM_W"], LCD, thick=1.7))
        if (k["FM_NUM_X"], k["FM_NUM_Y"]) != (k["OSD_NUMFORCH_X"], k["OSD_NUMFORCH_Y"]):
            doc.add(digit_row(k["FM_NUM_X"], k["FM_NUM_Y"], k["FM_NUM_W"], k["FM_NUM_H"],
                              k["FM_NUM_W"], LCD, thick=1.7))
        seen = set()
        for stem, step, w, h in (("LCD_CUR_TIME", "LCD_CUR_TIME_OFFSET", "LCD_CURTIME_W",
                                  "LCD_CURTIME_H"),
                                 ("LCD_CAP_TIME", "LCD_CAP_TIME_OFFSET", "LCD_CAPTIME_W",
                                  "LCD_CAPTIME_H"),
                                 ("LCD_CAP_FILESIZE", "LCD_CAP_FILESIZE_OFFSET",
                                  "LCD_CAPFILESIZE_W", "LCD_CAPFILESIZE_H")):
            pos = (k[stem + "_X"], k[stem + "_Y"])
            if pos in seen:
                continue
            seen.add(pos)
            doc.add(digit_row(*pos, k[w], k[h], k[step], LCD, thick=1.25))
        doc.add(self._rec_state(k["LCD_REC_STATE_ON_X"], k["LCD_REC_STATE_ON_Y"], True))
        doc.add(self._rec_state(k["LCD_REC_STATE_OFF_X"], k["LCD_REC_STATE_OFF_Y"], False))
        doc.add(knob(k["SLIPOINT_X"], k["SLIPOINT_Y"], k["SLIPOINT_W"], k["SLIPOINT_H"], LCD))

    # -- unfolded parts ------------------------------------------------------------------------
    def _wing(self, doc, shape, state):
        g = self.geometry
        x, y = g["PANEL_LORR_X_OFFSET"], g["PANEL_LORR_Y_OFFSET"]
        w, h = g["PANEL_LORR_WIN_W"], g["PANEL_LORR_WIN_H"]
        doc.add(rect(x - 3, y - 3, w + 6, h + 6, 4, fill="#0a0c0e", stroke="#59626b",
                     stroke_width=0.6, stroke_opacity=0.7))
        doc.add(list_well(doc, x, y, w, h, rows=8))

    def _drawer(self, doc, dx, state):
        g = self.geometry
        x, y = g["PANEL_DOWN_X_OFFSET"] + dx, g["PANEL_DOWN_Y_OFFSET"]
        w, h = g["PANEL_DOWN_WIN_W"], g["PANEL_DOWN_WIN_H"]
        doc.add(rect(dx + 46, 170, 432, 1, fill="#000", fill_opacity=0.5))
        doc.add(rect(dx + 46, 171, 432, 1, fill="#fff", fill_opacity=0.08))
        doc.add(rect(x - 3, y - 3, w + 6, h + 6, 4, fill="#0a0c0e", stroke="#59626b",
                     stroke_width=0.6, stroke_opacity=0.7))
        doc.add(list_well(doc, x, y, w, h, rows=8, header=True))
        doc.add(text(dx + 468, 347, "CAPTURED FILES", 6.4, family="DejaVu Sans", weight="bold",
                     anchor="end", fill=BODY["print_dim"], letter_spacing=1.2))
