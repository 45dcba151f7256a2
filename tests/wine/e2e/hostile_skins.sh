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
SHIPPED=$E2E_BUILD/skins
SKIN=$E2E_APP/panelbmp1
LAYOUT=$E2E_APP/Panel.ini
# Sets keys of the layout file: a key first in its section wins over the same key further down.
layout_set() {  # layout_set SECTION KEY=VALUE...
  local kv
  for kv in "${@:2}"; do sed -i "s/^\[$1\]\r$/&\n$kv\r/" "$LAYOUT"; done
}
outline() {  # outline N: N points on an ellipse inside the closed panel (0: none)
  awk -v n="$1" '/^\[/ {skip = 0} /^\[Panel1Point\]/ {print; printf "HavePoint=%d\r\n", n
    for (i = 0; i < n; i++) { a = 6.283185307 * i / n
      printf "%d=%d\r\n%d=%d\r\n", 2*i+1, 273 + int(260*cos(a)), 2*i+2, 88 + int(80*sin(a)) }
    skip = 1; next} !skip' "$LAYOUT" >"$LAYOUT.new" && mv "$LAYOUT.new" "$LAYOUT"
}
tiny_bmp() { convert -size 10x10 xc:'#28c828' -type truecolor "BMP3:$1"; }  # a valid 24-bit 10 x 10
sweep() {  # the mouse across the whole window: hover and normal looks from whatever the pictures hold
  local g x y
  read -r -a g <<<"$(e2e_panel_geometry)"
  for y in $(seq 5 24 "${g[3]:-176}"); do for x in $(seq 5 37 "${g[2]:-547}"); do xdotool mousemove $((g[0] + x)) $((g[1] + y)); done; done
  xdotool mousemove 0 0
}

# Each case: how to break the installation, the window size it must then have (- when any size
# will do, and the window need not be shown), and whether an outline cuts the window.
#    case                 size     outline  breaking
cases=(
  "missing_picture        547x176  yes      rm $SKIN/panel.bmp $SKIN/panelover.bmp"
  "truncated_picture      547x176  yes      truncate -s 3000 $SKIN/panel.bmp"
  "empty_pictures         547x176  yes      truncate -s 0 $SKIN/panelbdown.bmp $SKIN/otherbmp.bmp"
  "wrong_size             547x176  yes      eval tiny_bmp $SKIN/panelover.bmp; tiny_bmp $SKIN/otherbmp.bmp"
  "no_skin_folder         547x176  yes      rm -r $SKIN"
  "outline_0              547x176  no       outline 0"
  "outline_1              547x176  no       outline 1"
  "outline_2              547x176  no       outline 2"
  "outline_199            547x176  yes      outline 199"
  "outline_1000           547x176  yes      outline 1000"
  "huge_coordinates       547x176  -        eval huge_coordinates"
  "huge_window            -        -        layout_set Panel 1PANEL_W=100000 1PANEL_H=-176"
  "no_layout_file         547x176  no       rm $LAYOUT"
  "layout_100000_lines    547x176  yes      eval filler >>$LAYOUT"
)
huge_coordinates() {
  layout_set 1PANEL_BTN BTN_CHUP_X=2147483600 BTN_CHUP_W=2147483647 BTN_VOLUP_X=-2147483648 BTN_VOLUP_H=-40 \
    BTN_NUM1_W=99999999999 LCD_VOLBAR_W=0 LCD_VOLBAR_X=-2147483648 OSD_TUNER_FIRSTNUM_X=2147483647 \
    CH_NUM_W=-2147483648 LCD_SEC_Y=-100000
  layout_set Panel1Point 1=2147483647 2=-2147483648
}
# The skin's own keys stay first; the rest, to 99 000 lines, is filler in sections of their own.
filler() { awk -v n=$((99000 - $(wc -l <"$LAYOUT"))) 'BEGIN {for (i = 0; i < n; i++) {
  if (i % 1000 == 0) printf "[Filler%d]\r\n", i / 1000; printf "KEY%d=%." i % 50 "s\r\n", i, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"}}'; }
for row in "${cases[@]}"; do
  read -r name size shaped breaking <<<"$row"
  # TVPANEL_SKIN_CASES="name ..." runs only those.
  [ -n "${TVPANEL_SKIN_CASES:-}" ] && [[ " $TVPANEL_SKIN_CASES " != *" $name "* ]] && continue
  cp "$SHIPPED/Panel.ini" "$LAYOUT"; rm -rf "$SKIN" && cp -r "$SHIPPED/panelbmp1" "$SKIN"
  $breaking
  [ "$name" = layout_100000_lines ] && echo "  (layout file of $(wc -l <"$LAYOUT") lines)"
  started=$SECONDS
  e2e_run_panel
  # A window the layout makes too small to show still exists and takes messages; a start that
  # stops half-way leaves a window that is never shown.
  if [ "$size" = - ]; then up() { [ -n "$(e2e_panel_window)" ] && e2e_panel_answers; }; else up() { e2e_panel_visible; }; fi
  if ! check "$name: the panel comes up within 15 s" e2e_wait 15 up; then
    e2e_screenshot "skins-$name"; wineserver -k >/dev/null 2>&1; continue
  fi
  echo "  ($name: on the screen after $((SECONDS - started)) s)"
  [ "$size" = - ] || check "$name: at the size the layout gives ($size)" e2e_panel_size_is "${size%x*}" "${size#*x}"
  # (400, 3) lies outside the outline of the shipped skin and the test's ellipse.
  read -r cx cy <<<"$(e2e_at 400 3)"
  case $shaped in
    yes) check "$name: the outline cuts the window" test "$(e2e_window_at "$cx" "$cy")" != "$(e2e_panel_window)" ;;
    no) check "$name: without an outline the window stays a rectangle" test "$(e2e_window_at "$cx" "$cy")" = "$(e2e_panel_window)" ;;
  esac
  sweep
  check "$name: the panel answers after the mouse went over every part of it" e2e_panel_answers
  e2e_screenshot "skins-$name"
  check "$name: the panel ends when told" e2e_end
  wineserver -k >/dev/null 2>&1
done
e2e_finish
