"""LCD pieces both skins draw the same way, in each skin's own colours and sizes: the
readout glyph rows of the sprite sheet, the volume wedge and the time-shift groove."""

from . import lcd
from .svg import group, rect


def digit_row(x, y, w, h, step, colors, thick=None, slant=0.0):
    """Glyphs "0" to "9" side by side, glyph d at x + d * step."""
    return "".join(lcd.seven_segment(x + d * step, y, w, h, str(d), colors["lit"],
                                     colors["ghost"], thick, slant) for d in range(10))


def volume_wedge(r, lit, colors, horizontal=True, legend="VOLUME"):
    """The volume bar's glass with rising segments; lit=True is the full look."""
    x, y, w, h = r
    out = [lcd.lcd_window(x + 2, y + 2, w - 4, h - 4, colors, r=2)]
    if horizontal:
        n = (w - 14) // 5
        x0 = x + (w - (n * 5 - 1)) // 2
        base = y + h - 5
        top_min, top_max = base - 4, y + 6
        for i in range(n):
            t = i / max(1, n - 1)
            top = round(top_min + (top_max - top_min) * t)
            fill = _ramp(colors, t) if lit else colors["ghost"]
            out.append(rect(x0 + 5 * i, top, 4, base - top, fill=fill))
        if legend:
            out.append(lcd.legend(x + 6, y + 6, legend, colors["legend"]))
    else:
        n = (h - 14) // 4
        y0 = y + h - 6
        left = x + 5
        for i in range(n):
            t = i / max(1, n - 1)
            width = round(4 + (w - 14) * t)
            fill = _ramp(colors, t) if lit else colors["ghost"]
            out.append(rect(left, y0 - 4 * i - 3, width, 3, fill=fill))
    return group(out)


def _ramp(colors, t):
    a, b, c = colors["ramp"]
    return a if t < 0.62 else (b if t < 0.86 else c)


def groove(x, y, w, h, full, colors, ticks=10):
    """The time-shift bar: a flat glass groove, empty or filled; crisp pixel rows so that the
    knob sprite and the partial fills join without seams."""
    out = [rect(x, y, w, h, fill=colors["bezel"]),
           rect(x, y + 1, w, h - 2, fill=colors["glass"])]
    if full:
        out.append(rect(x, y + 2, w, h - 4, fill=colors["ramp"][0]))
        out.append(rect(x, y + 2, w, 1, fill=colors["lit"]))
    else:
        for i in range(1, ticks):
            out.append(rect(x + round(w * i / ticks), y + 3, 1, h - 6, fill=colors["ghost"]))
    return group(out)


def knob(x, y, w, h, colors):
    return group([
        rect(x, y, w, h, fill=colors["bezel"]),
        rect(x, y + 1, w, h - 2, fill="#0a0c0e"),
        rect(x + 1, y + 1, w - 2, h - 2, fill=colors["knob"][0]),
        rect(x + 1, y + 1, w - 2, 1, fill=colors["knob"][1]),
        rect(x + 1, y + h - 2, w - 2, 1, fill=colors["knob"][2]),
        rect(x + w // 2 - 1, y + 2, 2, h - 4, fill=colors["knob"][3]),
    ])
