"""Button pictograms, drawn in a unit box [-1, 1] and placed by centre and half-size."""

import math

from .svg import circle, el, fmt, group, path, rect, text


def _tf(cx, cy, s):
    return f"translate({fmt(float(cx))},{fmt(float(cy))}) scale({fmt(float(s))})"


def _stroke(c, s, width):
    # Stroke widths are given in pixels; the icon box is scaled by s.
    return dict(fill="none", stroke=c, stroke_width=width / s, stroke_linecap="round",
                stroke_linejoin="round")


def icon(name, cx, cy, s, c, lw=1.3):
    """Pictogram `name` centred at (cx, cy), half-size s pixels, colour c, line width lw px."""
    st = _stroke(c, s, lw)
    g = []
    if name == "play":
        g.append(path("M-0.55,-0.8 L0.8,0 L-0.55,0.8Z", fill=c))
    elif name == "pause":
        g += [rect(-0.7, -0.75, 0.5, 1.5, fill=c), rect(0.2, -0.75, 0.5, 1.5, fill=c)]
    elif name == "stop":
        g.append(rect(-0.7, -0.7, 1.4, 1.4, 0.12, fill=c))
    elif name == "rec":
        g.append(circle(0, 0, 0.78, fill=c))
    elif name == "back":
        g += [rect(-0.95, -0.7, 0.28, 1.4, fill=c), path("M-0.6,0 L0.1,-0.7 L0.1,0.7Z", fill=c),
              path("M0.1,0 L0.8,-0.7 L0.8,0.7Z", fill=c)]
    elif name == "forward":
        g += [path("M-0.8,-0.7 L-0.1,0 L-0.8,0.7Z", fill=c),
              path("M-0.1,-0.7 L0.6,0 L-0.1,0.7Z", fill=c), rect(0.67, -0.7, 0.28, 1.4, fill=c)]
    elif name == "timeshift":
        # A circling arrow around a pause sign: hold live TV and catch up later.
        g.append(path("M0.62,0.62 A0.88,0.88 0 1 1 0.72,-0.5", **st))
        g.append(path("M0.98,-0.95 L0.9,-0.22 L0.25,-0.55Z", fill=c))
        g.append(rect(-0.36, -0.36, 0.22, 0.72, fill=c))
        g.append(rect(0.1, -0.36, 0.22, 0.72, fill=c))
    elif name in ("speaker", "mute", "voldown", "volup"):
        g.append(path("M-0.95,-0.32 L-0.55,-0.32 L-0.05,-0.78 L-0.05,0.78 L-0.55,0.32 "
                      "L-0.95,0.32Z", fill=c))
        if name == "speaker":
            g.append(path("M0.2,-0.35 Q0.45,0 0.2,0.35", **st))
            g.append(path("M0.45,-0.65 Q0.9,0 0.45,0.65", **st))
        elif name == "mute":
            g.append(path("M0.25,-0.38 L0.95,0.38 M0.95,-0.38 L0.25,0.38", **st))
        elif name == "voldown":
            g.append(path("M0.25,0 L0.95,0", **st))
        else:
            g.append(path("M0.25,0 L0.95,0 M0.6,-0.35 L0.6,0.35", **st))
    elif name == "up":
        g.append(path("M-0.75,0.4 L0,-0.45 L0.75,0.4Z", fill=c))
    elif name == "down":
        g.append(path("M-0.75,-0.4 L0,0.45 L0.75,-0.4Z", fill=c))
    elif name == "left":
        g.append(path("M0.4,-0.75 L-0.45,0 L0.4,0.75Z", fill=c))
    elif name == "right":
        g.append(path("M-0.4,-0.75 L0.45,0 L-0.4,0.75Z", fill=c))
    elif name == "chev_up":
        g.append(path("M-0.7,0.35 L0,-0.35 L0.7,0.35", **st))
    elif name == "chev_down":
        g.append(path("M-0.7,-0.35 L0,0.35 L0.7,-0.35", **st))
    elif name == "clock":
        g.append(circle(0, 0, 0.82, **st))
        g.append(path("M0,-0.5 L0,0 L0.38,0.25", **st))
    elif name == "gear":
        teeth = []
        for k in range(8):
            a = k * math.pi / 4
            teeth.append(f"M{fmt(0.55 * math.cos(a))},{fmt(0.55 * math.sin(a))} "
                         f"L{fmt(0.95 * math.cos(a))},{fmt(0.95 * math.sin(a))}")
        g.append(path(" ".join(teeth), **_stroke(c, s, lw * 1.5)))
        g.append(circle(0, 0, 0.58, fill=c))
        g.append(circle(0, 0, 0.24, fill="#000", fill_opacity=0.55))
    elif name == "scan":
        # Antenna mast sending waves: search the band for stations.
        g.append(path("M0,-0.15 L0,0.95 M-0.4,0.95 L0.4,0.95", **st))
        g.append(circle(0, -0.25, 0.14, fill=c))
        g.append(path("M-0.42,-0.62 Q-0.6,-0.25 -0.42,0.12 M0.42,-0.62 Q0.6,-0.25 0.42,0.12", **st))
        g.append(path("M-0.75,-0.9 Q-1.05,-0.25 -0.75,0.4 M0.75,-0.9 Q1.05,-0.25 0.75,0.4", **st))
    elif name == "skin":
        # Two overlapping panels: change the look.
        g.append(rect(-0.95, -0.8, 1.15, 1.1, 0.2, **st))
        g.append(rect(-0.2, -0.3, 1.15, 1.1, 0.2, fill=c))
    elif name == "camera":
        g.append(path("M-0.95,-0.45 L-0.35,-0.45 L-0.2,-0.75 L0.3,-0.75 L0.45,-0.45 L0.95,-0.45 "
                      "L0.95,0.8 L-0.95,0.8Z", fill=c))
        g.append(circle(0.02, 0.15, 0.42, fill="#000", fill_opacity=0.55))
        g.append(circle(0.02, 0.15, 0.22, fill=c))
    elif name == "grid":
        for gx in (-0.9, 0.1):
            for gy in (-0.8, 0.1):
                g.append(rect(gx, gy, 0.8, 0.7, 0.1, fill=c))
    elif name == "audio":
        # Headphones.
        g.append(path("M-0.75,0.35 L-0.75,0 A0.75,0.75 0 0 1 0.75,0 L0.75,0.35", **st))
        g.append(rect(-0.95, 0.05, 0.42, 0.8, 0.15, fill=c))
        g.append(rect(0.53, 0.05, 0.42, 0.8, 0.15, fill=c))
    elif name == "teletext":
        g.append(rect(-0.95, -0.8, 1.9, 1.6, 0.15, **st))
        g.append(path("M-0.6,-0.35 L0.6,-0.35 M-0.6,0 L0.6,0 M-0.6,0.35 L0.2,0.35",
                      **_stroke(c, s, lw * 0.85)))
    elif name == "email":
        g.append(rect(-0.95, -0.65, 1.9, 1.3, 0.12, **st))
        g.append(path("M-0.9,-0.58 L0,0.12 L0.9,-0.58", **st))
    elif name == "listview":
        for k, yy in enumerate((-0.6, 0, 0.6)):
            g.append(rect(-0.95, yy - 0.17, 0.34, 0.34, fill=c))
            g.append(path(f"M-0.35,{yy} L0.95,{yy}", **st))
    elif name == "paint":
        # A brush stroke: open the picture in a paint program.
        g.append(path("M0.9,-0.9 L-0.05,0.15", **_stroke(c, s, lw * 1.4)))
        g.append(path("M-0.15,0.05 Q-0.75,0.05 -0.8,0.55 Q-0.85,0.9 -0.95,0.95 "
                      "Q-0.3,1.0 0.05,0.65 Q0.25,0.4 0.05,0.25Z", fill=c))
    elif name == "movie":
        g.append(rect(-0.95, -0.75, 1.9, 1.5, 0.12, fill=c))
        for k in range(4):
            xx = -0.78 + k * 0.45
            g.append(rect(xx, -0.65, 0.2, 0.18, fill="#000", fill_opacity=0.6))
            g.append(rect(xx, 0.47, 0.2, 0.18, fill="#000", fill_opacity=0.6))
        g.append(path("M-0.22,-0.32 L0.35,0 L-0.22,0.32Z", fill="#000", fill_opacity=0.6))
    elif name == "close":
        g.append(path("M-0.6,-0.6 L0.6,0.6 M0.6,-0.6 L-0.6,0.6", **st))
    elif name == "minimize":
        g.append(path("M-0.6,0.45 L0.6,0.45", **st))
    elif name == "help":
        g.append(path("M-0.42,-0.35 Q-0.42,-0.85 0,-0.85 Q0.45,-0.85 0.45,-0.42 "
                      "Q0.45,-0.1 0,0.08 L0,0.3", **st))
        g.append(circle(0, 0.72, 0.15, fill=c))
    elif name == "power":
        g.append(path("M-0.45,-0.55 A0.72,0.72 0 1 0 0.45,-0.55", **st))
        g.append(path("M0,-0.9 L0,-0.15", **st))
    elif name == "plus":
        g.append(path("M-0.65,0 L0.65,0 M0,-0.65 L0,0.65", **st))
    elif name == "minus":
        g.append(path("M-0.65,0 L0.65,0", **st))
    elif name == "chlist":
        g.append(rect(-0.95, -0.85, 1.9, 1.7, 0.18, **_stroke(c, s, lw * 0.9)))
        g.append(path("M-0.5,-0.4 L0.55,-0.4 M-0.5,0 L0.55,0 M-0.5,0.4 L0.55,0.4",
                      **_stroke(c, s, lw * 0.9)))
    else:
        raise KeyError(name)
    return group(g, transform=_tf(cx, cy, s))


def label(cx, cy, s, size, color, family="DejaVu Sans Condensed", weight="bold", **kw):
    """A printed caption; cy is the baseline."""
    return text(cx, cy, s, size, family=family, weight=weight, fill=color, **kw)
