"""LCD lettering: seven-segment digits, a 5x7 dot-matrix face and a 3x5 legend face.

Everything here is drawn from rectangles and polygons, so the readout does not depend on the
fonts of the build machine.
"""

from .svg import fmt, poly_d, path, rect

SEGMENTS = {
    "0": "abcdef", "1": "bc", "2": "abged", "3": "abgcd", "4": "fgbc",
    "5": "afgcd", "6": "afgedc", "7": "abc", "8": "abcdefg", "9": "abcdfg", "-": "g", " ": "",
}


def seven_segment(x, y, w, h, ch, lit, ghost=None, thick=None, slant=0.0):
    """A digit in the box (x, y, w, h); unlit segments in `ghost` when given."""
    t = thick if thick is not None else max(1.1, min(w, h) * 0.2)
    m = 0.45
    gap = t * 0.22
    left, right = x + m + t / 2, x + w - m - t / 2
    top, bottom = y + m + t / 2, y + h - m - t / 2
    mid = (top + bottom) / 2
    sl = slant

    def sx(px, py):  # italic lean around the glyph's vertical middle
        return px + sl * (mid - py)

    def hseg(x0, x1, yy):
        h2 = t / 2
        pts = [(x0 + gap, yy), (x0 + gap + h2, yy - h2), (x1 - gap - h2, yy - h2),
               (x1 - gap, yy), (x1 - gap - h2, yy + h2), (x0 + gap + h2, yy + h2)]
        return [(sx(px, py), py) for px, py in pts]

    def vseg(xx, y0, y1):
        h2 = t / 2
        pts = [(xx, y0 + gap), (xx + h2, y0 + gap + h2), (xx + h2, y1 - gap - h2),
               (xx, y1 - gap), (xx - h2, y1 - gap - h2), (xx - h2, y0 + gap + h2)]
        return [(sx(px, py), py) for px, py in pts]

    polys = {
        "a": hseg(left, right, top), "g": hseg(left, right, mid), "d": hseg(left, right, bottom),
        "f": vseg(left, top, mid), "b": vseg(right, top, mid),
        "e": vseg(left, mid, bottom), "c": vseg(right, mid, bottom),
    }
    on = SEGMENTS[ch]
    out = []
    for name, pts in polys.items():
        if name in on:
            out.append(path(poly_d(pts), fill=lit))
        elif ghost:
            out.append(path(poly_d(pts), fill=ghost))
    return "".join(out)


FONT_5X7 = {
    "A": "01110 10001 10001 11111 10001 10001 10001",
    "B": "11110 10001 10001 11110 10001 10001 11110",
    "C": "01110 10001 10000 10000 10000 10001 01110",
    "D": "11110 10001 10001 10001 10001 10001 11110",
    "E": "11111 10000 10000 11110 10000 10000 11111",
    "F": "11111 10000 10000 11110 10000 10000 10000",
    "G": "01110 10001 10000 10111 10001 10001 01111",
    "H": "10001 10001 10001 11111 10001 10001 10001",
    "I": "01110 00100 00100 00100 00100 00100 01110",
    "K": "10001 10010 10100 11000 10100 10010 10001",
    "L": "10000 10000 10000 10000 10000 10000 11111",
    "M": "10001 11011 10101 10101 10001 10001 10001",
    "N": "10001 10001 11001 10101 10011 10001 10001",
    "O": "01110 10001 10001 10001 10001 10001 01110",
    "P": "11110 10001 10001 11110 10000 10000 10000",
    "R": "11110 10001 10001 11110 10100 10010 10001",
    "S": "01111 10000 10000 01110 00001 00001 11110",
    "T": "11111 00100 00100 00100 00100 00100 00100",
    "U": "10001 10001 10001 10001 10001 10001 01110",
    "V": "10001 10001 10001 10001 10001 01010 00100",
    "X": "10001 10001 01010 00100 01010 10001 10001",
    "Y": "10001 10001 01010 00100 00100 00100 00100",
    "Z": "11111 00001 00010 00100 01000 10000 11111",
    "-": "00000 00000 00000 11111 00000 00000 00000",
    " ": "000 000 000 000 000 000 000",
}

FONT_3X5 = {
    "A": "010 101 111 101 101", "B": "110 101 110 101 110", "C": "011 100 100 100 011",
    "D": "110 101 101 101 110", "E": "111 100 110 100 111", "F": "111 100 110 100 100",
    "G": "011 100 101 101 011", "H": "101 101 111 101 101", "I": "111 010 010 010 111",
    "K": "101 101 110 101 101", "L": "100 100 100 100 111",
    "M": "10001 11011 10101 10001 10001", "N": "1001 1101 1011 1001 1001",
    "O": "010 101 101 101 010", "P": "110 101 110 100 100", "R": "110 101 110 101 101",
    "S": "011 100 010 001 110", "T": "111 010 010 010 010", "U": "101 101 101 101 111",
    "V": "101 101 101 101 010", "W": "10001 10001 10101 10101 01010",
    "X": "101 101 010 101 101", "Y": "101 101 010 010 010", "Z": "111 001 010 100 111",
    "0": "111 101 101 101 111", "1": "010 110 010 010 111", "2": "110 001 010 100 111",
    "3": "110 001 010 001 110", "4": "101 101 111 001 001", "5": "111 100 110 001 110",
    "6": "011 100 110 101 010", "7": "111 001 010 010 010", "8": "010 101 010 101 010",
    "9": "010 101 011 001 110", "-": "000 000 111 000 000", ".": "0 0 0 0 1",
    ":": "0 1 0 1 0", " ": "00 00 00 00 00", "/": "001 001 010 100 100",
}


def _rows(face, ch):
    return face[ch].split()


def text_width(s, face, pitch_x=1.0, spacing=1):
    if not s:
        return 0
    cols = sum(len(_rows(face, c)[0]) for c in s) + spacing * (len(s) - 1)
    return cols * pitch_x


def dot_text(x, y, s, face, color, pitch_x=1.0, pitch_y=1.0, dot_x=None, dot_y=None,
             spacing=1, anchor="start", ghost=None):
    """Text made of dots; (x, y) is the top-left of the first glyph (or the centre top with
    anchor="middle"). Every glyph cell gets its unlit dots in `ghost` when given."""
    if anchor == "middle":
        x -= text_width(s, face, pitch_x, spacing) / 2
    elif anchor == "end":
        x -= text_width(s, face, pitch_x, spacing)
    dx = dot_x if dot_x is not None else pitch_x
    dy = dot_y if dot_y is not None else pitch_y
    lit, unlit = [], []
    cx = x
    for ch in s:
        rows = _rows(face, ch)
        for r, row in enumerate(rows):
            for c, bit in enumerate(row):
                px, py = cx + c * pitch_x, y + r * pitch_y
                target = lit if bit == "1" else unlit
                target.append(f"M{fmt(px)},{fmt(py)}h{fmt(dx)}v{fmt(dy)}h{fmt(-dx)}Z")
        cx += (len(rows[0]) + spacing) * pitch_x
    out = ""
    if ghost and unlit and s.strip():
        out += path("".join(unlit), fill=ghost)
    if lit:
        out += path("".join(lit), fill=color)
    return out


def legend(x, y, s, color, anchor="start"):
    """Crisp 3x5 pixel lettering for the printed legends of a readout."""
    return dot_text(x, y, s, FONT_3X5, color, anchor=anchor)


def lcd_window(x, y, w, h, colors, r=2.5):
    """The recessed dark glass behind a readout: bezel, glass and a faint top reflection."""
    bezel, glass = colors["bezel"], colors["glass"]
    return (rect(x - 1.5, y - 1.5, w + 3, h + 3, r + 1.5, fill=bezel)
            + rect(x - 0.5, y - 0.5, w + 1, h + 1, r + 0.5, fill=colors["glass_edge"])
            + rect(x, y, w, h, r, fill=glass))
