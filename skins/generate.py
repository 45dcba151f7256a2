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


def live_preview(skin, work, out_png):
    """The closed panel as it looks running, put together from the pictures and the sprite
    sheet the way the panel copies them: a check that every sprite lands where it belongs."""
    k = skin.lcd
    base = os.path.join(work, f"skin{skin.number}-")
    normal, hover, pressed = (base + L.PICTURE_STEM[L.CLOSED] + L.STATE_SUFFIX[s] + ".png"
                              for s in ("normal", "hover", "pressed"))
    sprites = base + "otherbmp.png"
    cmd = [TOOLS["convert"], normal]

    def copy(src, sx, sy, w, h, dx, dy):
        if w > 0 and h > 0:
            cmd.extend(["(", src, "-crop", f"{w}x{h}+{sx}+{sy}", "+repage", ")",
                        "-geometry", f"+{dx}+{dy}", "-composite"])

    def digits(value, stems, glyph, step, w, h):
        for stem, ch in zip(stems, value):
            copy(sprites, k[glyph + "_X"] + int(ch) * k[step], k[glyph + "_Y"], k[w], k[h],
                 k[stem + "_X"], k[stem + "_Y"])

    copy(sprites, k["LCD_AIR_X"], k["LCD_AIR_Y"], k["LCD_W"], k["LCD_H"], k["LCD_SOURCE_X"],
         k["LCD_SOURCE_Y"])
    copy(sprites, k["LCD_CH_X"], k["LCD_CH_Y"], k["LCD_CHFMAVSV_W"], k["LCD_CHFMAVSV_H"],
         k["LCD_CHFMAVSV_X"], k["LCD_CHFMAVSV_Y"])
    for i, ch in enumerate("210"):
        copy(sprites, k["OSD_NUMFORCH_X"] + int(ch) * k["CH_NUM_W"], k["OSD_NUMFORCH_Y"],
             k["CH_NUM_W"], k["CH_NUM_H"], k["OSD_TUNER_FIRSTNUM_X"] - i * k["LCD_TV_CH_OFFSET"],
             k["OSD_TUNER_FIRSTNUM_Y"])
    digits("214705", [f"LCD_{s}" for s in ("10HOUR", "HOUR", "10MIN", "MIN", "10SEC", "SEC")],
           "LCD_CUR_TIME", "LCD_CUR_TIME_OFFSET", "LCD_CURTIME_W", "LCD_CURTIME_H")
    digits("001234", [f"LCD_CAP{s}" for s in ("10HOUR", "HOUR", "10MIN", "MIN", "10SEC", "SEC")],
           "LCD_CAP_TIME", "LCD_CAP_TIME_OFFSET", "LCD_CAPTIME_W", "LCD_CAPTIME_H")
    digits("00045678", [f"LCD_CAPFILESIZE_{i}" for i in range(8, 0, -1)], "LCD_CAP_FILESIZE",
           "LCD_CAP_FILESIZE_OFFSET", "LCD_CAPFILESIZE_W", "LCD_CAPFILESIZE_H")
    copy(sprites, k["LCD_REC_STATE_ON_X"], k["LCD_REC_STATE_ON_Y"], k["LCD_REC_STATE_W"],
         k["LCD_REC_STATE_H"], k["PANEL_REC_X"], k["PANEL_REC_Y"])
    # Volume 150 of 220.
    vx, vy, vw, vh = k["LCD_VOLBAR_X"], k["LCD_VOLBAR_Y"], k["LCD_VOLBAR_W"], k["LCD_VOLBAR_H"]
    copy(pressed, vx, vy, vw, vh, vx, vy)
    if k["LCD_VOLBAR_LTOR_DTOU"] == 0:
        copy(hover, vx, vy, vw * 150 // 220, vh, vx, vy)
    else:
        f = vh * 150 // 220
        copy(hover, vx, vy + vh - f, vw, f, vx, vy + vh - f)
    # Time shift at 40 %, the knob at the end of the fill.
    tx, ty, tw, th = (k["TIMESHIFTPOINTX"], k["TIMESHIFTPOINTY"], k["TIMESHIFTWIDTH"],
                      k["TIMESHIFTHEIGHT"])
    fill = tw * 40 // 100
    copy(pressed, tx, ty, tw, th, tx, ty)
    copy(hover, tx, ty, fill, th, tx, ty)
    copy(sprites, k["SLIPOINT_X"], k["SLIPOINT_Y"], k["SLIPOINT_W"], k["SLIPOINT_H"],
         tx + fill - 10, ty)
    # Playing: PLAY pressed, the other transport keys lit.
    for stem in ("PLAY", "PAUSE", "STOP", "BACK", "FORWARD"):
        x, y, w, h = skin.buttons[stem]
        copy(pressed if stem == "PLAY" else hover, x, y, w, h, x, y)
    # The pointer over channel up.
    x, y, w, h = skin.buttons["CHUP"]
    copy(hover, x, y, w, h, x, y)
    cmd.append(out_png)
    run(cmd)
    return out_png


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
                    if shape == L.CLOSED:
                        live = live_preview(s, work, os.path.join(work, f"skin{s.number}-live.png"))
                        pics.append(("running (sprites applied)",
                                     clipped_png(s, shape, live, work), w, h))
                    else:
                        pics.append((f"{stem}.bmp as the window shows it",
                                     clipped_png(s, shape, png, work), w, h))
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
