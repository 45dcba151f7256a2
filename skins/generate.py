#!/usr/bin/env python3
"""Builds the default skins: the layout file Panel.ini, the pictures of every skin in
panelbmp<n>/ and a contact sheet of all pictures.

    generate.py --countries sim/tuner/countries.txt --out build/skins

Needs rsvg-convert (SVG to PNG) and ImageMagick's convert (PNG to 24-bit BMP).
"""

import argparse
import base64
import concurrent.futures
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from kit import layout as L  # noqa: E402
from kit.captions import PANEL_SECTION_CAPTIONS  # noqa: E402
from kit.svg import Doc, rect, text  # noqa: E402
import skin1  # noqa: E402
import skin2  # noqa: E402

SKINS = [skin1.SkinOne(), skin2.SkinTwo()]


def read_countries(path):
    names = []
    with open(path, encoding="ascii") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            names.append(line.split("|", 1)[0].strip())
    if len(names) != L.NUM_COUNTRIES:
        raise SystemExit(f"{path}: {len(names)} countries, the panel lists {L.NUM_COUNTRIES}")
    for name in names:
        if not name or len(name) >= L.COUNTRY_NAME_CAPACITY:
            raise SystemExit(f"{path}: country name {name!r} does not fit the list")
    return names


def ini_text(sections):
    lines = []
    for name, keys in sections:
        lines.append(f"[{name}]")
        lines += [f"{k}={v}" for k, v in keys]
        lines.append("")
    return "\r\n".join(lines)


def write_layout(path, countries):
    panel = [("HavePanel", len(SKINS)), ("PanelNow", 1)]
    panel += [(k, v) for k, v, _ in PANEL_SECTION_CAPTIONS]
    for s in SKINS:
        panel += s.panel_keys()
    sections = [("Panel", panel)]
    for s in SKINS:
        sections.append((f"{s.number}PANEL_BTN", s.button_section(countries)))
        sections += s.outline_sections()
    with open(path, "w", encoding="ascii", newline="") as f:
        f.write(ini_text(sections))


TOOLS = {"rsvg": "rsvg-convert", "convert": "convert"}


def run(cmd):
    subprocess.run(cmd, check=True)


def render(svg_text, svg_path, png_path, bmp_path):
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(svg_text)
    run([TOOLS["rsvg"], "-f", "png", "-o", png_path, svg_path])
    # Outside the outline nothing shows; flatten onto black and store plain 24-bit rows.
    run([TOOLS["convert"], png_path, "-background", "black", "-alpha", "remove", "-alpha", "off",
         "-type", "TrueColor", "-compress", "None", "BMP3:" + bmp_path])


def contact_sheet(entries, work, out_png):
    """entries: (skin title, [(caption, png path, w, h)]) rows of pictures."""
    pad, cap = 16, 16
    rows = []
    y = pad
    width = 0
    for title, pics in entries:
        y += 26
        x = pad
        row_h = 0
        placed = []
        for caption, png, w, h in pics:
            placed.append((x, y + cap, caption, png, w, h))
            x += w + pad
            row_h = max(row_h, h)
        rows.append((title, y - 8, placed))
        width = max(width, x)
        y += cap + row_h + pad
    doc = Doc(width, y)
    doc.add(rect(0, 0, width, y, fill="#d9dde2"))
    for title, ty, placed in rows:
        doc.add(text(pad, ty, title, 15, anchor="start", fill="#1c2228"))
        for x, yy, caption, png, w, h in placed:
            with open(png, "rb") as f:
                data = base64.b64encode(f.read()).decode("ascii")
            doc.add(text(x, yy - 5, caption, 11, weight="normal", anchor="start",
                         fill="#30363d"))
            # A checker shows which pixels lie outside the window outline.
            doc.add(rect(x, yy, w, h, fill="#ffffff", stroke="#9aa3ad", stroke_width=1))
            doc.add(f'<image x="{x}" y="{yy}" width="{w}" height="{h}" '
                    f'xlink:href="data:image/png;base64,{data}"/>')
    svg_path = os.path.join(work, "contact-sheet.svg")
    with open(svg_path, "w") as f:
        f.write(doc.to_string())
    run([TOOLS["rsvg"], "-f", "png", "-o", out_png, svg_path])


def clipped_png(skin, shape, png, work):
    """The picture as the window shows it: transparent outside the outline."""
    w, h = skin.size(shape)
    pts = skin.integer_outline(shape)
    d = "M" + " L".join(f"{x},{y}" for x, y in pts) + "Z"
    with open(png, "rb") as f:
        data = base64.b64encode(f.read()).decode("ascii")
    doc = Doc(w, h)
    clip = doc.clip(f'<path d="{d}"/>')
    doc.add(f'<g clip-path="{clip}"><image x="0" y="0" width="{w}" height="{h}" '
            f'xlink:href="data:image/png;base64,{data}"/></g>')
    svg_path = png[:-4] + "-clip.svg"
    out = png[:-4] + "-clip.png"
    with open(svg_path, "w") as f:
        f.write(doc.to_string())
    run([TOOLS["rsvg"], "-f", "png", "-o", out, svg_path])
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--countries", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--rsvg-convert", default="rsvg-convert")
    ap.add_argument("--convert", default="convert")
    args = ap.parse_args()
    TOOLS["rsvg"], TOOLS["convert"] = args.rsvg_convert, args.convert

    countries = read_countries(args.countries)
    out = args.out
    work = os.path.join(out, "work")
    os.makedirs(work, exist_ok=True)
    for s in SKINS:
        s.check()

    jobs = []
    for s in SKINS:
        folder = os.path.join(out, f"panelbmp{s.number}")
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for shape in L.SHAPES:
            for state in L.STATES:
                stem = L.PICTURE_STEM[shape] + L.STATE_SUFFIX[state]
                base = os.path.join(work, f"skin{s.number}-{stem}")
                jobs.append((s.picture_svg(shape, state), base + ".svg", base + ".png",
                             os.path.join(folder, stem + ".bmp")))
        base = os.path.join(work, f"skin{s.number}-otherbmp")
        jobs.append((s.sprite_svg(), base + ".svg", base + ".png",
                     os.path.join(folder, L.SPRITE_FILE)))
    with concurrent.futures.ThreadPoolExecutor(max(1, args.jobs)) as pool:
        for f in [pool.submit(render, *j) for j in jobs]:
            f.result()

    entries = []
    for s in SKINS:
        for shape in L.SHAPES:
            pics = []
            w, h = s.size(shape)
            for state in L.STATES:
                stem = L.PICTURE_STEM[shape] + L.STATE_SUFFIX[state]
                png = os.path.join(work, f"skin{s.number}-{stem}.png")
                if state == "normal":
                    pics.append((f"{stem}.bmp as the window shows it", clipped_png(
                        s, shape, png, work), w, h))
                pics.append((f"{stem}.bmp", png, w, h))
            entries.append((f"Skin {s.number} ({s.name}): {L.PICTURE_STEM[shape]} {w} x {h}",
                            pics))
        sw, sh = s.sprite_size
        entries.append((f"Skin {s.number} ({s.name}): sprite sheet {sw} x {sh}, shown at 2x",
                        [("otherbmp.bmp", os.path.join(work, f"skin{s.number}-otherbmp.png"),
                          2 * sw, 2 * sh)]))
    contact_sheet(entries, work, os.path.join(out, "contact-sheet.png"))
    write_layout(os.path.join(out, "Panel.ini"), countries)


if __name__ == "__main__":
    main()
