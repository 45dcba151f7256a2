#!/usr/bin/env bash
# The settings sheet under Wine with the simulated card: SETUP opens it with five tabs titled
# from the layout file, without a help button or Apply; the video page's sliders, dragged with
# the real mouse, reach the card and the settings file, a stored value out of range included;
# Default; a second SETUP while it is open; the card closing meanwhile; the picture values the
# page set outlive the panel; the about box from its command. (The page's order of posts and
# its clamps are unit-tested.)
#   settings_sheet.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# A brightness beyond the slider's end; titles from the layout file, one renamed, one missing.
e2e_scanned "7" "" '[TVTuner]' 'TVChannelAir=7' '[VideoProcAmp]' 'BrightnessValue=300' 'ContrastValue=68' \
  'HueValue=-1' 'SaturationValue=64'
sed -i -e 's/^ALLSETTINGS=.*/ALLSETTINGS=All Settings/' -e 's/^IDS_VIDEOSETTING=.*/IDS_VIDEOSETTING=Picture/' \
  -e '/^IDS_MISC=/d' "$E2E_APP/Panel.ini"
SHEET="All Settings"
sheet_windows() { xdotool search --name "^$SHEET\$" 2>/dev/null | wc -l; }
pos() { e2e_probe pos "$SHEET" "$1"; }
picture() { local k; for k in "$@"; do e2e_setting VideoProcAmp ${k}Value; done | paste -sd' '; }
drag() {  # drag X Y TO_X: press on the point, move there in steps, release
  xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1; sleep 0.2
  local x=$1 step=$((($3 - $1) / 6))
  for _ in 1 2 3 4 5 6; do x=$((x + step)); xdotool mousemove "$x" "$2"; sleep 0.1; done
  xdotool mousemove "$3" "$2"; sleep 0.2; xdotool mouseup 1; sleep 0.5
}
drag_thumb() {  # drag_thumb SLIDER left|right: to 20 pixels past that end
  local x y l r
  read -r x y l r <<<"$(e2e_probe thumb "$SHEET" "$1")"
  if [ "$2" = left ]; then drag "$x" "$y" $((l - 20)); else drag "$x" "$y" $((r + 20)); fi
}
click_control() { e2e_click_at $(e2e_probe at "$1" "$2"); }  # click_control TITLE ID

check "the panel starts the card" e2e_up
e2e_click_button TOOL
check "SETUP opens the sheet, titled from the layout file" e2e_wait 10 e2e_window_open "$SHEET"
check "its five tabs have the layout's titles, a missing one its default" \
  e2e_is "TV settings|Fully Scan|Picture|Record Settings|Misc Page" eval 'e2e_probe tabs "$SHEET" | paste -sd"|"'
check "no context-help button, no Apply" e2e_is "contexthelp 0 apply 0" e2e_probe frame "$SHEET"
e2e_remote cmd settings >/dev/null
sleep 1
check "a second SETUP while it is open opens no second sheet" test "$(sheet_windows)" -eq 1

e2e_click_at $(e2e_probe tab "$SHEET" 2)
check "a click on the third tab shows the video page, its sliders at the stored values, 300 at the end" \
  e2e_wait 5 e2e_is "255 -1" eval 'echo $(pos 1091) $(pos 1093)'
e2e_window_shot "$SHEET" settings-video-page
# Hue dragged to the left end: the clamped brightness goes first, then hue down to -128, sent as 255.
e2e_mark
drag_thumb 1093 left
check "a real drag of the hue slider posts the clamped brightness first, then hue down to 255" \
  eval 'test "$(pos 1093)" = -128 && ! e2e_since | grep -qvE "^(40200|40203) " &&
        test "$(e2e_since | head -1),$(e2e_since | tail -1)" = "40200 255 posted,40203 255 posted"'
check "and stores them, hue signed" e2e_is "255 -128" picture Brightness Hue
e2e_mark
click_control "$SHEET" 1054
check "Default posts brightness, hue, contrast, saturation and stores them" e2e_wait 5 eval \
  'e2e_since_is "40200 128 posted,40203 0 posted,40201 68 posted,40202 64 posted" && test "$(picture Brightness Hue)" = "128 0"'
drag_thumb 1092 right
check "the contrast slider reaches its right end, 127" e2e_wait 5 eval 'test "$(pos 1092)" = 127 && e2e_since_has "^40201 127 posted"'
e2e_window_shot "$SHEET" settings-video-page-moved
e2e_dialog "$SHEET" slide 1094 80 >/dev/null

# The card closes while the sheet is open: the page stops posting and storing.
read -r vx vy vw _ <<<"$(e2e_remote window Tv --class 'Brivanta Tovix')"
e2e_click_at $((vx + vw / 2)) $((vy + 60))
xdotool key alt+F4
check "the card's window closes on Alt+F4" e2e_wait 10 eval '! e2e_video_exists'
read -r sx sy _ _ <<<"$(e2e_probe thumb "$SHEET" 1094)"
drag "$sx" "$sy" $((sx - 60))
check "a drag without the card still moves the saturation slider, but stores nothing" \
  eval 'test "$(pos 1094)" -lt 80 && e2e_setting_is VideoProcAmp SaturationValue 80'
click_control "$SHEET" 2
check "Cancel closes the sheet and keeps the new contrast" \
  e2e_wait 5 eval 'test "$(sheet_windows)" -eq 0 && e2e_setting_is VideoProcAmp ContrastValue 127'

e2e_remote cmd about >/dev/null
check "the about command opens the about box" e2e_wait 10 e2e_window_open About
e2e_window_shot About about-box
click_control About 1
check "its OK closes it" e2e_wait 5 eval '! e2e_window_open About'
check "the panel ends, writing the values the page set" \
  eval 'e2e_end && test "$(picture Brightness Hue Contrast Saturation)" = "128 0 127 80"'
e2e_save_trace settings-sheet
e2e_finish
