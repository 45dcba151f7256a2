"""Keys in three looks: normal, hover (lit rim, brighter face) and pressed (sunk, darker).

A key is drawn inside its layout rectangle with a small margin, so that copying the whole
rectangle from the hover or pressed picture changes only that key.
"""

from dataclasses import dataclass, field, replace

from .icons import icon, label
from .svg import circle, fmt, group, path, rect


@dataclass(frozen=True)
class KeyStyle:
    face: tuple            # (top, bottom) colours of the normal face
    face_hover: tuple
    face_pressed: tuple
    border: str
    ink: str               # pictogram and caption colour
    ink_hover: str
    ink_pressed: str
    glow: str              # hover rim
    highlight: str = "#ffffff"
    highlight_opacity: float = 0.35
    shadow_opacity: float = 0.45
    radius: float = 3.0
    extra: dict = field(default_factory=dict)

    def tinted(self, **kw):
        return replace(self, **kw)


def key(doc, r, state, style, pict=None, caption=None, shape="round", margin=1.0,
        icon_size=None, caption_size=7.0, icon_dy=0.0, caption_dy=0.0, lw=1.3, radius=None,
        caption_family="DejaVu Sans Condensed", row=False):
    x, y, w, h = r
    m = margin
    bx, by, bw, bh = x + m, y + m, w - 2 * m, h - 2 * m - 0.6
    rad = radius if radius is not None else style.radius
    if shape == "circle":
        rad = min(bw, bh) / 2
    elif shape == "pill":
        rad = min(bw, bh) / 2
    top, bottom = {"normal": style.face, "hover": style.face_hover,
                   "pressed": style.face_pressed}[state]
    ink = {"normal": style.ink, "hover": style.ink_hover, "pressed": style.ink_pressed}[state]
    out = []
    # Contact shadow below the key (kept inside the rectangle).
    if state != "pressed":
        out.append(rect(bx, by + 1.0, bw, bh, rad, fill="#000",
                        fill_opacity=style.shadow_opacity))
    else:
        out.append(rect(bx, by + 0.4, bw, bh, rad, fill="#000",
                        fill_opacity=style.shadow_opacity * 0.6))
    face = doc.linear([(0, top), (1, bottom)])
    out.append(rect(bx, by, bw, bh, rad, fill=face, stroke=style.border, stroke_width=0.9))
    if state == "pressed":
        # Inner shadow along the top edge: the key sits below the surface.
        shade = doc.linear([(0, "#000", 0.55), (0.45, "#000", 0.0)])
        out.append(rect(bx + 0.5, by + 0.5, bw - 1, bh - 1, max(rad - 0.5, 0), fill=shade))
    else:
        hi = doc.linear([(0, style.highlight, style.highlight_opacity),
                         (0.5, style.highlight, 0.0)])
        out.append(rect(bx + 0.9, by + 0.9, bw - 1.8, bh - 1.8, max(rad - 0.9, 0), fill="none",
                        stroke=hi, stroke_width=0.9))
    if state == "hover":
        out.append(rect(bx - 0.2, by - 0.2, bw + 0.4, bh + 0.4, rad + 0.2, fill="none",
                        stroke=style.glow, stroke_width=1.2, stroke_opacity=0.95))
    cx, cy = bx + bw / 2, by + bh / 2 + (0.8 if state == "pressed" else 0)
    if pict and caption and row:
        s = icon_size or bh * 0.22
        tw = len(caption) * caption_size * 0.55
        gap = 3.0
        left = cx - (2 * s + gap + tw) / 2
        out.append(icon(pict, left + s, cy + icon_dy, s, ink, lw))
        out.append(label(left + 2 * s + gap, cy + caption_size * 0.36 + caption_dy, caption,
                         caption_size, ink, family=caption_family, anchor="start"))
    elif pict and caption:
        s = icon_size or min(bw, bh) * 0.22
        out.append(icon(pict, cx, cy - s * 0.55 + icon_dy, s, ink, lw))
        out.append(label(cx, cy + caption_size * 0.95 + caption_dy, caption, caption_size, ink,
                         family=caption_family))
    elif pict:
        s = icon_size or min(bw, bh) * 0.3
        out.append(icon(pict, cx, cy + icon_dy, s, ink, lw))
    elif caption:
        out.append(label(cx, cy + caption_size * 0.36 + caption_dy, caption, caption_size, ink,
                         family=caption_family))
    return group(out)


def led(cx, cy, r, color, lit=True):
    """A small indicator lamp."""
    if not lit:
        return circle(cx, cy, r, fill="#1a1a1a", stroke="#000", stroke_width=0.6)
    return (circle(cx, cy, r + 1.2, fill=color, fill_opacity=0.25)
            + circle(cx, cy, r, fill=color, stroke="#000", stroke_width=0.5, stroke_opacity=0.5)
            + circle(cx - r * 0.3, cy - r * 0.35, r * 0.35, fill="#fff", fill_opacity=0.7))


def screw(cx, cy, r=2.2):
    return (circle(cx, cy + 0.4, r, fill="#000", fill_opacity=0.45)
            + circle(cx, cy, r, fill="#8c949c", stroke="#2b3036", stroke_width=0.5)
            + path(f"M{fmt(cx - r * 0.6)},{fmt(cy)} L{fmt(cx + r * 0.6)},{fmt(cy)}",
                   stroke="#2b3036", stroke_width=0.7))


def list_well(doc, x, y, w, h, rows=8, header=False, glass="#10161a", line="#1d272d",
              head="#1f2a30"):
    """The place a list window covers: a dark pane with faint rows, so the unfolded part looks
    finished in the moment before the list appears over it."""
    out = [rect(x, y, w, h, fill=glass)]
    top = y
    if header:
        out.append(rect(x, y, w, 14, fill=head))
        top = y + 14
    step = (y + h - top) / rows
    for i in range(1, rows):
        out.append(rect(x + 4, round(top + i * step), w - 8, 1, fill=line))
    return group(out)
