#!/usr/bin/env bash
# Broken skins, one installation per case: missing, truncated, empty and wrongly sized pictures,
# outlines of 0 to 1000 points, coordinates far outside the screen and the 32-bit range, no
# layout file, and one of 100 000 lines. Missing pictures and outlines are no error: the panel
# comes up (built-in geometry where the file says nothing), takes the mouse, keeps answering,
# and ends cleanly.
#   hostile_skins.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# No stored source: the panel starts no video window program, so each case starts quickly.
sed -i 's/^InputSource=.*/InputSource=0/' "$E2E_APP/Settings.ini"
cp "$E2E_APP/Panel.ini" "$E2E_ARTIFACTS/skins-layout-shipped.ini"
SKIN=$E2E_APP/panelbmp1

# Sets (or, with no value, removes) a key of the installed layout file; sections are created.
layout_set() {  # layout_set SECTION KEY [VALUE]
  python3 - "$E2E_APP/Panel.ini" "$@" <<'PY'
import sys
path, section, key = sys.argv[1:4]
value = sys.argv[4] if len(sys.argv) > 4 else None
lines = open(path, encoding="latin-1").read().splitlines()
out, current, done = [], None, False
for line in lines:
    s = line.strip()
    if s.startswith("[") and s.endswith("]"):
        if current == section.lower() and not done and value is not None:
            out.append("%s=%s" % (key, value)); done = True
        current = s[1:-1].lower()
    elif current == section.lower() and "=" in s and s.split("=", 1)[0].strip().lower() == key.lower():
        if value is not None and not done:
            out.append("%s=%s" % (key, value)); done = True
        continue
    out.append(line)
if not done and value is not None:
    if current != section.lower():
        out.append("[%s]" % section)
    out.append("%s=%s" % (key, value))
open(path, "w", encoding="latin-1", newline="\r\n").write("\n".join(out) + "\n")
PY
}
# An outline of N points on an ellipse inside the closed panel (N=0: none).
outline() {  # outline N
  python3 - "$E2E_APP/Panel.ini" "$1" <<'PY'
import math, sys
path, n = sys.argv[1], int(sys.argv[2])
text = open(path, encoding="latin-1").read().replace("\r\n", "\n")
head, rest = text.split("[Panel1Point]\n", 1)
body, tail = rest.split("[", 1)
pts = ["HavePoint=%d" % n]
for i in range(n):
    a = 2 * math.pi * i / max(n, 1)
    pts += ["%d=%d" % (2 * i + 1, 273 + int(260 * math.cos(a))), "%d=%d" % (2 * i + 2, 88 + int(80 * math.sin(a)))]
open(path, "w", encoding="latin-1", newline="\r\n").write(head + "[Panel1Point]\n" + "\n".join(pts) + "\n[" + tail)
PY
}
tiny_bmp() {  # tiny_bmp FILE: a valid 24-bit picture of 10 x 10
  python3 - "$1" <<'PY'
import struct, sys
w = h = 10
row = (w * 3 + 3) & ~3
data = bytes([40, 200, 40] * w + [0] * (row - w * 3)) * h
header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
open(sys.argv[1], "wb").write(header + info + data)
PY
}

fresh_install() {
  cp "$E2E_ARTIFACTS/skins-layout-shipped.ini" "$E2E_APP/Panel.ini"
  rm -rf "$SKIN" && cp -r "$E2E_BUILD/skins/panelbmp1" "$SKIN"
}

e2e_panel_running() { ps -o stat= -p "$E2E_PANEL_PID" 2>/dev/null | grep -q '^[^Z]'; }
e2e_panel_ended() { ! e2e_panel_running; }
# The mouse across the whole window: hover and normal looks from whatever the pictures hold.
sweep() {
  local g x y
  read -r -a g <<<"$(e2e_panel_geometry)"
  for y in $(seq 5 24 "${g[3]:-176}"); do
    for x in $(seq 5 37 "${g[2]:-547}"); do xdotool mousemove $((g[0] + x)) $((g[1] + y)); done
  done
  xdotool mousemove 0 0
}

# Each case: how to break the installation, and the window size it must then have ("" when
# any size will do).
case_missing_picture() { rm "$SKIN/panel.bmp" "$SKIN/panelover.bmp"; }
case_truncated_picture() { head -c 3000 "$E2E_BUILD/skins/panelbmp1/panel.bmp" >"$SKIN/panel.bmp"; }
case_empty_pictures() { : >"$SKIN/panelbdown.bmp"; : >"$SKIN/otherbmp.bmp"; }
case_wrong_size() { tiny_bmp "$SKIN/panelover.bmp"; tiny_bmp "$SKIN/otherbmp.bmp"; }
case_no_skin_folder() { rm -rf "$SKIN"; }
case_outline_0() { outline 0; }
case_outline_1() { outline 1; }
case_outline_2() { outline 2; }
case_outline_199() { outline 199; }
case_outline_1000() { outline 1000; }
case_huge_coordinates() {
  layout_set 1PANEL_BTN BTN_CHUP_X 2147483600; layout_set 1PANEL_BTN BTN_CHUP_W 2147483647
  layout_set 1PANEL_BTN BTN_VOLUP_X -2147483648; layout_set 1PANEL_BTN BTN_VOLUP_H -40
  layout_set 1PANEL_BTN BTN_NUM1_W 99999999999; layout_set 1PANEL_BTN LCD_VOLBAR_W 0
  layout_set 1PANEL_BTN LCD_VOLBAR_X -2147483648; layout_set 1PANEL_BTN OSD_TUNER_FIRSTNUM_X 2147483647
  layout_set 1PANEL_BTN CH_NUM_W -2147483648; layout_set 1PANEL_BTN LCD_SEC_Y -100000
  layout_set Panel1Point 1 2147483647; layout_set Panel1Point 2 -2147483648
}
case_huge_window() { layout_set Panel 1PANEL_W 100000; layout_set Panel 1PANEL_H -176; }
case_no_layout_file() { rm "$E2E_APP/Panel.ini"; }
case_layout_100000_lines() {
  python3 - "$E2E_APP/Panel.ini" <<'PY'
import sys
path = sys.argv[1]
text = open(path, encoding="latin-1").read()
# The skin's own keys stay first; the rest is filler in sections of their own.
lines = []
for i in range(99000 - text.count("\n")):
    if i % 1000 == 0:
        lines.append("[Filler%d]" % (i // 1000))
    lines.append("KEY%d=%s" % (i, "x" * (i % 50)))
open(path, "w", encoding="latin-1", newline="").write(text + "\r\n".join(lines) + "\r\n")
PY
}

#    case                   window size     outline applied
cases=(
  "missing_picture          547x176         yes"
  "truncated_picture        547x176         yes"
  "empty_pictures           547x176         yes"
  "wrong_size               547x176         yes"
  "no_skin_folder           547x176         yes"
  "outline_0                547x176         no"
  "outline_1                547x176         no"
  "outline_2                547x176         no"
  "outline_199              547x176         yes"
  "outline_1000             547x176         yes"
  "huge_coordinates         547x176         -"
  "huge_window              -               -"
  "no_layout_file           547x176         no"
  "layout_100000_lines      547x176         yes"
)
for row in "${cases[@]}"; do
  read -r name size shaped <<<"$row"
  # TVPANEL_SKIN_CASES="name ..." runs only those.
  [ -n "${TVPANEL_SKIN_CASES:-}" ] && [[ " $TVPANEL_SKIN_CASES " != *" $name "* ]] && continue
  fresh_install
  "case_$name"
  [ "$name" = layout_100000_lines ] && echo "  (layout file of $(wc -l <"$E2E_APP/Panel.ini") lines)"
  started=$SECONDS
  # A window the layout makes too small to show still exists and takes messages.
  if [ "$size" = - ]; then
    (cd "$E2E_APP" && exec "$E2E_WINE" Panel.exe >/dev/null 2>&1) &
    E2E_PANEL_PID=$!
    up() { [ -n "$(e2e_panel_window)" ] && e2e_panel_answers; }
  else
    (cd "$E2E_APP" && exec "$E2E_WINE" Panel.exe >/dev/null 2>&1) &
    E2E_PANEL_PID=$!
    up() { e2e_panel_visible; }
  fi
  # A start that stops half-way leaves a window that is never shown.
  if ! check "$name: the panel comes up within 15 s" e2e_wait 15 up; then
    e2e_screenshot "skins-$name"
    wineserver -k >/dev/null 2>&1; continue
  fi
  echo "  ($name: on the screen after $((SECONDS - started)) s)"
  [ "$size" = - ] || check "$name: at the size the layout gives ($size)" \
    e2e_panel_size_is "${size%x*}" "${size#*x}"
  # (400, 3) lies outside the outline of the shipped skin and the test's ellipse.
  if [ "$shaped" != - ]; then
    read -r cx cy <<<"$(e2e_at 400 3)"
    corner=$(e2e_window_at "$cx" "$cy")
    if [ "$shaped" = yes ]; then
      check "$name: the outline cuts the window" test "$corner" != "$(e2e_panel_window)"
    else
      check "$name: without an outline the window stays a rectangle" \
        test "$corner" = "$(e2e_panel_window)"
    fi
  fi
  sweep
  check "$name: the panel answers after the mouse went over every part of it" e2e_panel_answers
  e2e_screenshot "skins-$name"
  e2e_remote cmd end-program >/dev/null
  check "$name: the panel ends when told" e2e_wait 15 e2e_panel_ended
  wineserver -k >/dev/null 2>&1
done

e2e_finish
