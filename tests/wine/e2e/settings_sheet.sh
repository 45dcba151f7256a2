#!/usr/bin/env bash
# The settings sheet under Wine with the simulated card: SETUP opens it with five tabs titled
# from the layout file, without a help button or Apply; the video page's sliders, dragged with
# the real mouse, reach the card in their order and the settings file, a stored value out of
# range included; Default; a second SETUP while it is open; the card closing meanwhile; the
# picture values the page set outlive the panel; the about box from its command.
#   settings_sheet.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
cp "$E2E_BUILD/tests/wine/e2e_tools/sheet_probe.exe" "$E2E_APP/"
# Both bands scanned (no scan after the launch); a brightness beyond the slider's end.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '7=TRUE' '[CHANNELLIST]' 'ALREADYSCAN=TRUE' \
  '[TVTuner]' 'TVChannelAir=7' '[VideoProcAmp]' 'BrightnessValue=300' 'ContrastValue=68' \
  'HueValue=-1' 'SaturationValue=64' >>"$E2E_APP/Settings.ini"
# Titles come from the layout file: one renamed, one missing (its default shows).
sed -i -e 's/^ALLSETTINGS=.*/ALLSETTINGS=All Settings/' -e 's/^IDS_VIDEOSETTING=.*/IDS_VIDEOSETTING=Picture/' \
  -e '/^IDS_MISC=/d' "$E2E_APP/Panel.ini"
SHEET="All Settings"

probe() { (cd "$E2E_APP" && "$E2E_WINE" sheet_probe.exe "$@" 2>/dev/null | tr -d '\r'); }
sheet_windows() { xdotool search --name "^$SHEET\$" 2>/dev/null | wc -l; }
sheet_open() { [ "$(sheet_windows)" -ge 1 ]; }
sheet_closed() { [ "$(sheet_windows)" -eq 0 ]; }
e2e_trace_mark() { e2e_trace_in | wc -l; }
e2e_trace_since() { e2e_trace_in | tail -n +$(($1 + 1)); }
# Real mouse input at screen points.
click_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1; sleep 0.15; xdotool mouseup 1; sleep 0.4; }
drag() {  # drag X Y TO_X: press on the point, move there in steps, release
  xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1; sleep 0.2
  local x=$1 step=$(( ($3 - $1) / 6 ))
  for _ in 1 2 3 4 5 6; do x=$((x + step)); xdotool mousemove "$x" "$2"; sleep 0.1; done
  xdotool mousemove "$3" "$2"; sleep 0.2; xdotool mouseup 1; sleep 0.5
}
# Every line since MARK is one of the given ids; the first and last lines are as given.
posts_are() {  # posts_are MARK IDS_REGEX FIRST LAST
  local got
  got=$(e2e_trace_since "$1")
  echo "$got" | grep -qvE "^($2) " && { echo "  (unexpected: $(echo "$got" | tr '\n' ','))"; return 1; }
  [ "$(echo "$got" | head -1)" = "$3" ] && [ "$(echo "$got" | tail -1)" = "$4" ] ||
    { echo "  (the card got: $(echo "$got" | tr '\n' ','))"; return 1; }
}

check "the panel starts" e2e_start_panel
check "it starts the simulated card" e2e_wait 20 e2e_video_exists
check "and is ready" e2e_wait 10 e2e_card_ready
e2e_wait 10 e2e_panel_answers

# ---- SETUP opens the sheet -------------------------------------------------------------------
read -r tx ty <<<"$(e2e_button_centre 1 TOOL)"
e2e_click "$tx" "$ty"
check "SETUP opens the sheet, titled from the layout file" e2e_wait 10 sheet_open
check "its five tabs have the layout's titles, a missing one its default" \
  test "$(probe tabs "$SHEET" | paste -sd'|')" = "TV settings|Fully Scan|Picture|Record Settings|Misc Page"
check "no context-help button, no Apply" test "$(probe frame "$SHEET")" = "contexthelp 0 apply 0"

e2e_remote cmd settings >/dev/null
sleep 1
check "a second SETUP while it is open opens no second sheet" test "$(sheet_windows)" -eq 1

# ---- the video page --------------------------------------------------------------------------
read -r px py <<<"$(probe tab "$SHEET" 2)"
click_at "$px" "$py"

check "a click on the third tab shows the video page" e2e_wait 5 eval 'probe pos "$SHEET" 1093 >/dev/null'
check "its sliders start at the stored values, 300 at the end of the range" \
  test "$(probe pos "$SHEET" 1091) $(probe pos "$SHEET" 1093)" = "255 -1"
sheet_id=$(xdotool search --name "^$SHEET\$" | head -1)
import -window "$sheet_id" "$E2E_ARTIFACTS/settings-video-page.png" 2>/dev/null
check "a picture of the video page was saved" test -s "$E2E_ARTIFACTS/settings-video-page.png"

# Hue dragged to the left end: the clamped brightness goes first, then every hue position on
# the way, ending at -128, which travels as 255.
mark=$(e2e_trace_mark)
read -r hx hy left _ <<<"$(probe thumb "$SHEET" 1093)"
drag "$hx" "$hy" $((left - 20))
check "the hue slider reached its left end" test "$(probe pos "$SHEET" 1093)" = -128
check "the drag posts the clamped brightness first, then hue down to 255" \
  posts_are "$mark" "40200|40203" "40200 255 posted" "40203 255 posted"
check "and stores them, hue signed" \
  test "$(e2e_setting VideoProcAmp BrightnessValue) $(e2e_setting VideoProcAmp HueValue)" = "255 -128"

# Default posts the four defaults in its order; what was last sent stays, so the next move of
# another slider sends brightness and hue again.
mark=$(e2e_trace_mark)
read -r dx dy <<<"$(probe at "$SHEET" 1054)"
click_at "$dx" "$dy"
check "Default posts brightness, hue, contrast, saturation" \
  e2e_wait 5 eval 'test "$(e2e_trace_since $mark | paste -sd,)" = "40200 128 posted,40203 0 posted,40201 68 posted,40202 64 posted"'
check "and stores them" test "$(e2e_setting VideoProcAmp BrightnessValue) $(e2e_setting VideoProcAmp HueValue)" = "128 0"
mark=$(e2e_trace_mark)
read -r cx cy _ right <<<"$(probe thumb "$SHEET" 1092)"
drag "$cx" "$cy" $((right + 20))
check "the contrast slider reached its right end" test "$(probe pos "$SHEET" 1092)" = 127
check "the next move sends brightness and hue again, then contrast up to 127" \
  posts_are "$mark" "40200|40203|40201" "40200 128 posted" "40201 127 posted"
check "with hue right after brightness" \
  test "$(e2e_trace_since "$mark" | sed -n 2p)" = "40203 0 posted"
import -window "$sheet_id" "$E2E_ARTIFACTS/settings-video-page-moved.png" 2>/dev/null

# The remote moves a slider the way the control reports a move: the page cannot tell it apart.
mark=$(e2e_trace_mark)
e2e_remote dialog "$SHEET" slide 1094 80 >/dev/null
check "a slider moved by the remote posts saturation 80" \
  e2e_wait 5 eval 'test "$(e2e_trace_since $mark | tail -1)" = "40202 80 posted"'
check "and stores it" test "$(e2e_setting VideoProcAmp SaturationValue)" = 80

# ---- the card closes while the sheet is open: the page stops posting and storing ------------
read -r vx vy vw _ <<<"$(e2e_remote window Tv --class 'Brivanta Tovix')"
click_at $((vx + vw / 2)) $((vy + 60))
xdotool key alt+F4
check "the card's window closes on Alt+F4" e2e_wait 10 eval '! e2e_video_exists'
read -r sx sy _ _ <<<"$(probe thumb "$SHEET" 1094)"
drag "$sx" "$sy" $((sx - 60))
check "a drag without the card still moves the saturation slider" \
  test "$(probe pos "$SHEET" 1094)" -lt 80
check "but nothing is stored" test "$(e2e_setting VideoProcAmp SaturationValue)" = 80

# ---- Cancel keeps everything; the panel's exit writes what the page set ----------------------
read -r kx ky <<<"$(probe at "$SHEET" 2)"
click_at "$kx" "$ky"
check "Cancel closes the sheet" e2e_wait 5 sheet_closed
check "and keeps the new contrast" test "$(e2e_setting VideoProcAmp ContrastValue)" = 127

# ---- the about box ---------------------------------------------------------------------------
e2e_remote cmd about >/dev/null
about_open() { xdotool search --name '^About$' >/dev/null 2>&1; }
check "the about command opens the about box" e2e_wait 10 about_open
about_id=$(xdotool search --name '^About$' | head -1)
import -window "$about_id" "$E2E_ARTIFACTS/about-box.png" 2>/dev/null
read -r ox oy <<<"$(probe at About 1)"
click_at "$ox" "$oy"
check "its OK closes it" e2e_wait 5 eval '! about_open'

e2e_remote cmd end-program >/dev/null
check "the panel ends" e2e_wait 20 eval '! kill -0 $E2E_PANEL_PID 2>/dev/null'
check "its exit writes the values the page set" \
  test "$(e2e_setting VideoProcAmp BrightnessValue) $(e2e_setting VideoProcAmp HueValue) $(e2e_setting VideoProcAmp ContrastValue) $(e2e_setting VideoProcAmp SaturationValue)" = "128 0 127 80"
e2e_trace >"$E2E_ARTIFACTS/settings-sheet-trace.txt"

e2e_finish
