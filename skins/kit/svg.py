"""A small SVG writer and the geometry helpers the skins share."""

import math
from xml.sax.saxutils import escape


def fmt(v):
    if isinstance(v, float):
        s = f"{v:.2f}".rstrip("0").rstrip(".")
        return "0" if s == "-0" else s
    return str(v)


def attrs(**kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        out.append(f'{k.rstrip("_").replace("_", "-")}="{fmt(v)}"')
    return " ".join(out)


class Doc:
    """Collects defs and drawing elements; ids are made unique per document."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.defs = []
        self.items = []
        self._ids = 0

    def uid(self, stem):
        self._ids += 1
        return f"{stem}{self._ids}"

    def add(self, element):
        self.items.append(element)
        return element

    def linear(self, stops, x1=0, y1=0, x2=0, y2=1, user=None):
        """Gradient from (x1, y1) to (x2, y2): in the bounding box, or in pixels with user=True."""
        gid = self.uid("g")
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        s = "".join(f'<stop offset="{fmt(o)}" stop-color="{c}"'
                    + (f' stop-opacity="{fmt(a)}"' if a is not None else "") + "/>"
                    for o, c, a in (st if len(st) == 3 else (*st, None) for st in stops))
        self.defs.append(f'<linearGradient id="{gid}" x1="{fmt(x1)}" y1="{fmt(y1)}" '
                         f'x2="{fmt(x2)}" y2="{fmt(y2)}"{units}>{s}</linearGradient>')
        return f"url(#{gid})"

    def radial(self, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None):
        gid = self.uid("r")
        s = "".join(f'<stop offset="{fmt(o)}" stop-color="{c}"'
                    + (f' stop-opacity="{fmt(a)}"' if a is not None else "") + "/>"
                    for o, c, a in (st if len(st) == 3 else (*st, None) for st in stops))
        f = f' fx="{fmt(fx)}" fy="{fmt(fy)}"' if fx is not None else ""
        self.defs.append(f'<radialGradient id="{gid}" cx="{fmt(cx)}" cy="{fmt(cy)}" '
                         f'r="{fmt(r)}"{f}>{s}</radialGradient>')
        return f"url(#{gid})"

    def blur(self, deviation):
        fid = self.uid("f")
        self.defs.append(f'<filter id="{fid}" x="-50%" y="-50%" width="200%" height="200%">'
                         f'<feGaussianBlur stdDeviation="{fmt(deviation)}"/></filter>')
        return f"url(#{fid})"

    def clip(self, element):
        cid = self.uid("c")
        self.defs.append(f'<clipPath id="{cid}">{element}</clipPath>')
        return f"url(#{cid})"

    def to_string(self):
        return (f'<svg xmlns="http://www.w3.org/2000/svg" '
                f'xmlns:xlink="http://www.w3.org/1999/xlink" width="{self.width}" '
                f'height="{self.height}" viewBox="0 0 {self.width} {self.height}">'
                f'<defs>{"".join(self.defs)}</defs>{"".join(self.items)}</svg>\n')


def el(tag, content=None, **kw):
    a = attrs(**kw)
    if content is None:
        return f"<{tag} {a}/>"
    return f"<{tag} {a}>{content}</{tag}>"


def group(items, **kw):
    return el("g", "".join(items), **kw)


def rect(x, y, w, h, r=0, **kw):
    return el("rect", x=x, y=y, width=w, height=h, rx=r or None, ry=r or None, **kw)


def circle(cx, cy, r, **kw):
    return el("circle", cx=cx, cy=cy, r=r, **kw)


def path(d, **kw):
    return el("path", d=d, **kw)


def text(x, y, s, size, family="DejaVu Sans", weight="bold", anchor="middle", **kw):
    return el("text", escape(s), x=x, y=y, font_family=family, font_size=size,
              font_weight=weight, text_anchor=anchor, **kw)


def poly_d(points, closed=True):
    d = "M" + " L".join(f"{fmt(float(x))},{fmt(float(y))}" for x, y in points)
    return d + ("Z" if closed else "")


def fillet(vertices, samples=6):
    """Rounds a simple polygon: vertices are (x, y, radius); each corner becomes an arc of
    `samples` segments tangent to both edges (concave corners curve the other way)."""
    out = []
    n = len(vertices)
    for i in range(n):
        px, py, _ = vertices[i - 1]
        vx, vy, r = vertices[i]
        nx, ny, _ = vertices[(i + 1) % n]
        if r <= 0:
            out.append((vx, vy))
            continue
        a = (px - vx, py - vy)
        b = (nx - vx, ny - vy)
        la, lb = math.hypot(*a), math.hypot(*b)
        a = (a[0] / la, a[1] / la)
        b = (b[0] / lb, b[1] / lb)
        cos_t = max(-1.0, min(1.0, a[0] * b[0] + a[1] * b[1]))
        theta = math.acos(cos_t)
        t = r / math.tan(theta / 2)
        t = min(t, la / 2, lb / 2)
        r = t * math.tan(theta / 2)
        p1 = (vx + a[0] * t, vy + a[1] * t)
        p2 = (vx + b[0] * t, vy + b[1] * t)
        bis = (a[0] + b[0], a[1] + b[1])
        lbis = math.hypot(*bis)
        d = r / math.sin(theta / 2)
        c = (vx + bis[0] / lbis * d, vy + bis[1] / lbis * d)
        a1 = math.atan2(p1[1] - c[1], p1[0] - c[0])
        a2 = math.atan2(p2[1] - c[1], p2[0] - c[0])
        da = a2 - a1
        while da > math.pi:
            da -= 2 * math.pi
        while da < -math.pi:
            da += 2 * math.pi
        for k in range(samples + 1):
            ang = a1 + da * k / samples
            out.append((c[0] + r * math.cos(ang), c[1] + r * math.sin(ang)))
    return out


def integer_outline(points):
    """The window outline: points rounded to pixels, repeats and straight runs dropped."""
    pts = []
    for x, y in points:
        p = (int(round(x)), int(round(y)))
        if not pts or pts[-1] != p:
            pts.append(p)
    if len(pts) > 1 and pts[0] == pts[-1]:
        pts.pop()
    changed = True
    while changed and len(pts) > 3:
        changed = False
        for i in range(len(pts)):
            a, b, c = pts[i - 1], pts[i], pts[(i + 1) % len(pts)]
            if (b[0] - a[0]) * (c[1] - b[1]) - (b[1] - a[1]) * (c[0] - b[0]) == 0:
                pts.pop(i)
                changed = True
                break
    return pts


def inside(points, x, y):
    """Even-odd point-in-polygon test (the outlines are simple polygons)."""
    hit = False
    n = len(points)
    for i in range(n):
        x1, y1 = points[i - 1]
        x2, y2 = points[i]
        if (y1 > y) != (y2 > y):
            xc = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            if x < xc:
                hit = not hit
    return hit


def translate(points, dx, dy=0):
    return [(x + dx, y + dy) for x, y in points]
