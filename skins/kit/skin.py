"""What a skin is: its layout numbers and its artwork, from one description.

A skin subclass fills in the layout (only where it differs from the built-in defaults) and
draws its pictures from those same numbers, so the buttons in the pictures always sit where
the layout file says they are.
"""

from . import layout as L
from .captions import CAPTIONS
from .svg import Doc, group, rect, integer_outline, inside


class Skin:
    number = 0
    name = ""
    sprite_size = (312, 104)

    def __init__(self):
        self.geometry = dict(L.GEOMETRY_DEFAULTS)
        self.buttons = {b.stem: b.rect for b in L.BUTTONS if b.rect is not None}
        self.open_state = dict(L.OPEN_STATE_DEFAULTS)
        self.logomove = L.LOGOMOVE_DEFAULT
        self.openpanelmove = None  # None: the fold button keeps its folded rectangle
        self.lcd = dict(L.LCD_DEFAULTS)
        self.tips = {b.tip_key: b.tip for b in L.BUTTONS}
        self.tips.update(dict(L.EXTRA_TIPS))
        self.configure()

    # -- to be provided by each skin -------------------------------------------------------
    def configure(self):
        """Adjust self.geometry, self.buttons, self.open_state, self.lcd ..."""

    def outline(self, shape):
        """Float polygon of the window outline for the shape."""
        raise NotImplementedError

    def draw(self, doc, shape, state, muted=False):
        """Adds the whole picture of the shape in the given state to doc."""
        raise NotImplementedError

    def draw_sprites(self, doc):
        """Adds every LCD sprite at the layout's sprite coordinates."""
        raise NotImplementedError

    def draw_sprite_labels(self, doc, background):
        """The sheet's background, the five source labels and the three band labels, drawn
        with the skin's own _source_label(x, y, word) and _band_label(x, y, which)."""
        k = self.lcd
        sw, sh = self.sprite_size
        doc.add(rect(0, 0, sw, sh, fill=background))
        for stem, word in (("AIR", "AIR TV"), ("CABLE", "CABLE"), ("AVIN", "AV-IN"),
                           ("SVIDEO", "S-VIDEO"), ("FM", "FM RADIO")):
            doc.add(self._source_label(k[f"LCD_{stem}_X"], k[f"LCD_{stem}_Y"], word))
        for stem, which in (("CH", "CH"), ("FMFREQ", "FM"), ("AVSV", "AV")):
            doc.add(self._band_label(k[f"LCD_{stem}_X"], k[f"LCD_{stem}_Y"], which))

    # -- derived layout ----------------------------------------------------------------------
    def g(self, key):
        return self.geometry[key]

    def size(self, shape):
        return {
            L.CLOSED: (self.g("PANEL_W"), self.g("PANEL_H")),
            L.DOWN: (self.g("PANEL_OPENLIST_W"), self.g("PANEL_OPENLIST_H")),
            L.SIDE: (self.g("PANEL_OPENLEFTLIST_W"), self.g("PANEL_OPENLEFTLIST_H")),
            L.ALL: (self.g("PANEL_OPENALL_W"), self.g("PANEL_OPENALL_H")),
        }[shape]

    @staticmethod
    def down_open(shape):
        return shape in (L.DOWN, L.ALL)

    @staticmethod
    def side_open(shape):
        return shape in (L.SIDE, L.ALL)

    def side_width(self):
        return self.g("PANEL_OPENLEFTLIST_W") - self.g("PANEL_W")

    def content_offset(self, shape):
        if self.side_open(shape) and self.g("PANEL_LORR") == 0:
            return self.side_width()
        return 0

    def button_rects(self, shape):
        """Window rectangles of every button that can be hit in the shape."""
        rects = dict(self.buttons)
        if self.down_open(shape):
            lx, ly = self.logomove
            rects["LOGOKOVA"] = (lx, ly, *rects["LOGOKOVA"][2:])
            if self.openpanelmove:
                rects["OPENPANEL"] = self.openpanelmove
            rects.update(self.open_state)
        off = self.content_offset(shape)
        out = {}
        for stem, (x, y, w, h) in rects.items():
            if w == 0 or h == 0:
                continue
            if stem == "LEFTOPEN":
                if self.side_open(shape) and self.g("PANEL_LORR") == 1:
                    x += self.side_width()
            else:
                x += off
            out[stem] = (x, y, w, h)
        return out

    def lcd_rects(self, shape):
        """Window rectangles of every LCD element (the time-shift bar does not move)."""
        k = self.lcd
        off = self.content_offset(shape)
        r = {}

        def at(name, stem, w, h, shift=True):
            r[name] = (k[stem + "_X"] + (off if shift else 0), k[stem + "_Y"], w, h)

        cw, ch = k["CH_NUM_W"], k["CH_NUM_H"]
        for i in range(3):
            r[f"channel{i}"] = (k["OSD_TUNER_FIRSTNUM_X"] - i * k["LCD_TV_CH_OFFSET"] + off,
                                k["OSD_TUNER_FIRSTNUM_Y"], cw, ch)
        at("source", "LCD_SOURCE", k["LCD_W"], k["LCD_H"])
        for s in ("SEC", "10SEC", "MIN", "10MIN", "HOUR", "10HOUR"):
            at("clock" + s, "LCD_" + s, k["LCD_CURTIME_W"], k["LCD_CURTIME_H"])
            at("rec" + s, "LCD_CAP" + s, k["LCD_CAPTIME_W"], k["LCD_CAPTIME_H"])
        for i in range(1, 9):
            at(f"size{i}", f"LCD_CAPFILESIZE_{i}", k["LCD_CAPFILESIZE_W"], k["LCD_CAPFILESIZE_H"])
        r["recstate"] = (k["PANEL_REC_X"] + off, k["PANEL_REC_Y"], k["LCD_REC_STATE_W"],
                         k["LCD_REC_STATE_H"])
        at("band", "LCD_CHFMAVSV", k["LCD_CHFMAVSV_W"], k["LCD_CHFMAVSV_H"])
        for i in range(1, 5):
            at(f"fm{i}", f"FM_NUM{i}", k["FM_NUM_W"], k["FM_NUM_H"])
        r["timeshift"] = (k["TIMESHIFTPOINTX"], k["TIMESHIFTPOINTY"], k["TIMESHIFTWIDTH"],
                          k["TIMESHIFTHEIGHT"])
        at("volume", "LCD_VOLBAR", k["LCD_VOLBAR_W"], k["LCD_VOLBAR_H"])
        return r

    def sprite_rects(self):
        """Every sprite the panel copies from the sheet, as (x, y, w, h)."""
        k = self.lcd
        s = {}
        for stem in ("AIR", "CABLE", "AVIN", "SVIDEO", "FM"):
            s["source_" + stem] = (k[f"LCD_{stem}_X"], k[f"LCD_{stem}_Y"], k["LCD_W"], k["LCD_H"])
        for stem in ("CH", "FMFREQ", "AVSV"):
            s["band_" + stem] = (k[f"LCD_{stem}_X"], k[f"LCD_{stem}_Y"], k["LCD_CHFMAVSV_W"],
                                 k["LCD_CHFMAVSV_H"])
        s["channel_digits"] = (k["OSD_NUMFORCH_X"], k["OSD_NUMFORCH_Y"], 10 * k["CH_NUM_W"],
                               k["CH_NUM_H"])
        s["fm_digits"] = (k["FM_NUM_X"], k["FM_NUM_Y"], 10 * k["FM_NUM_W"], k["FM_NUM_H"])
        for name, stem, off, w, h in (
                ("clock_digits", "LCD_CUR_TIME", "LCD_CUR_TIME_OFFSET", "LCD_CURTIME_W",
                 "LCD_CURTIME_H"),
                ("rec_digits", "LCD_CAP_TIME", "LCD_CAP_TIME_OFFSET", "LCD_CAPTIME_W",
                 "LCD_CAPTIME_H"),
                ("size_digits", "LCD_CAP_FILESIZE", "LCD_CAP_FILESIZE_OFFSET",
                 "LCD_CAPFILESIZE_W", "LCD_CAPFILESIZE_H")):
            s[name] = (k[stem + "_X"], k[stem + "_Y"], 9 * k[off] + k[w], k[h])
        for st in ("ON", "OFF"):
            s["rec_" + st] = (k[f"LCD_REC_STATE_{st}_X"], k[f"LCD_REC_STATE_{st}_Y"],
                              k["LCD_REC_STATE_W"], k["LCD_REC_STATE_H"])
            s["mute_" + st] = (k[f"CHANGE_BTN_MUTE{st}_X"], k[f"CHANGE_BTN_MUTE{st}_Y"],
                               3 * k[f"CHANGE_BTN_MUTE{st}_W"], k[f"CHANGE_BTN_MUTE{st}_H"])
        s["knob"] = (k["SLIPOINT_X"], k["SLIPOINT_Y"], k["SLIPOINT_W"], k["SLIPOINT_H"])
        return s

    def integer_outline(self, shape):
        pts = integer_outline(self.outline(shape))
        assert 3 <= len(pts) <= L.MAX_OUTLINE_POINTS, (self.number, shape, len(pts))
        return pts

    # -- checks made at generation time --------------------------------------------------------
    def check(self):
        for shape in L.SHAPES:
            w, h = self.size(shape)
            pts = self.integer_outline(shape)
            for name, (x, y, bw, bh) in {**self.button_rects(shape),
                                         **self.lcd_rects(shape)}.items():
                assert x >= 0 and y >= 0 and x + bw <= w and y + bh <= h, (
                    self.number, shape, name)
                for px, py in ((x + 1, y + 1), (x + bw - 1, y + 1), (x + 1, y + bh - 1),
                               (x + bw - 1, y + bh - 1)):
                    assert inside(pts, px, py), (self.number, shape, name, px, py)
        sw, sh = self.sprite_size
        for name, (x, y, w, h) in self.sprite_rects().items():
            assert x >= 0 and y >= 0 and x + w <= sw and y + h <= sh, (self.number, name)

    # -- layout file ---------------------------------------------------------------------------
    def panel_keys(self):
        n = self.number
        return [(f"{n}{key}", self.geometry[key]) for key in L.GEOMETRY_DEFAULTS]

    def button_section(self, countries):
        keys = []
        for b in L.BUTTONS:
            rect_ = self.buttons.get(b.stem) or self.open_state.get(b.stem)
            for axis, v in zip("XYWH", rect_):
                keys.append((f"BTN_{b.stem}_{axis}", v))
            keys.append((b.tip_key, self.tips[b.tip_key]))
        for key, text in L.EXTRA_TIPS:
            keys.append((key, self.tips[key]))
        keys += [("BTN_LOGOMOVE_X", self.logomove[0]), ("BTN_LOGOMOVE_Y", self.logomove[1])]
        if self.openpanelmove:
            for axis, v in zip("XYWH", self.openpanelmove):
                keys.append((f"BTN_OPENPANELMOVE_{axis}", v))
        else:
            keys.append(("BTN_OPENPANELMOVE_X", 0))
        keys += list(self.lcd.items())
        keys += [(key, text) for key, text, _ in CAPTIONS]
        assert len(countries) == L.NUM_COUNTRIES
        keys += [(str(i + 1), name) for i, name in enumerate(countries)]
        return keys

    def outline_sections(self):
        out = []
        for shape in L.SHAPES:
            pts = self.integer_outline(shape)
            keys = [("HavePoint", len(pts))]
            for i, (x, y) in enumerate(pts):
                keys += [(str(2 * i + 1), x), (str(2 * i + 2), y)]
            out.append((f"Panel{self.number}{L.OUTLINE_SUFFIX[shape]}", keys))
        return out

    # -- pictures ------------------------------------------------------------------------------
    def picture_svg(self, shape, state, muted=False):
        doc = Doc(*self.size(shape))
        self.draw(doc, shape, state, muted)
        return doc.to_string()

    def sprite_svg(self):
        doc = Doc(*self.sprite_size)
        self.draw_sprites(doc)
        # The mute strips are cut from the closed panel itself, so that every frame matches
        # the skin around the button exactly.
        bx, by, bw, bh = self.buttons["MUTE"]
        k = self.lcd
        for st, muted in (("ON", False), ("OFF", True)):
            sx, sy = k[f"CHANGE_BTN_MUTE{st}_X"], k[f"CHANGE_BTN_MUTE{st}_Y"]
            w, h = k[f"CHANGE_BTN_MUTE{st}_W"], k[f"CHANGE_BTN_MUTE{st}_H"]
            assert (w, h) == (bw, bh)
            for frame, state in enumerate(("normal", "pressed", "hover")):
                fx = sx + frame * w
                mark = len(doc.items)
                self.draw(doc, L.CLOSED, state, muted)
                items = doc.items[mark:]
                del doc.items[mark:]
                clip = doc.clip(rect(fx, sy, w, h))
                doc.add(group([group(items, transform=f"translate({fx - bx},{sy - by})")],
                              clip_path=clip))
        return doc.to_string()
