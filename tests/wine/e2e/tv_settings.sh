#!/usr/bin/env bash
# The TV settings page under Wine with the simulated card: the keypad (real clicks) tunes the
# card, the band radios switch the panel's source, add, delete and a name reach the settings
# file, a real drag of the fine-tuning slider reaches the card position by position and Save
# and Default store the frequency through the card, and a device change restarts the card on
# the other capture device.
#   tv_settings.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
cp "$E2E_BUILD/tests/wine/e2e_tools/sheet_probe.exe" "$E2E_APP/"
"$E2E_SOURCE/tests/wine/register-capture-device" "Simulated TV Card" "Simulated TV Card 2"
# Both bands scanned (no scan after a launch); air 3, 5, 14 and 16 listed, cable 24.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '3=TRUE' '5=TRUE' '14=TRUE' '16=TRUE' \
  '[CHANNELLIST]' 'ALREADYSCAN=TRUE' '24=TRUE' '[TVTuner]' 'TVChannelAir=5' 'TVChannelCable=24' \
  '[Air channel Name]' '14=Old name' >>"$E2E_APP/Settings.ini"
# The first start's setup lists every device; this installation was set up with one of two.
e2e_remote set settings DEVICE 1 "Simulated TV Card 2" >/dev/null
SHEET=Settings

probe() { (cd "$E2E_APP" && "$E2E_WINE" sheet_probe.exe "$@" 2>/dev/null | tr -d '\r'); }
page() { e2e_remote dialog "$SHEET" "$@" 2>&1 | tr -d '\r'; }
sheet_open() { xdotool search --name "^$SHEET\$" >/dev/null 2>&1; }
click_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1; sleep 0.15; xdotool mouseup 1; sleep 0.4; }
click_control() { local x y; read -r x y <<<"$(probe at "$SHEET" "$1")"; click_at "$x" "$y"; }
mark() { MARK=$(e2e_trace_in | wc -l); }
since() { e2e_trace_in | tail -n +$((MARK + 1)); }
since_is() { [ "$(since | paste -sd,)" = "$1" ]; }
setting_is() { [ "$(e2e_setting "$1" "$2")" = "$3" ]; }
acks() { e2e_trace | grep -c ' out posted 273 40113 0 panel$'; }
list_has() { page items 1037 | grep -qx "$1"; }
note_is() { e2e_trace 2>/dev/null | grep -q " note $1\$"; }

check "the panel starts" e2e_start_panel
check "the card starts on the first device" e2e_wait 20 note_is "device 0 Simulated TV Card"
check "and is ready" e2e_wait 10 e2e_card_ready
e2e_wait 10 e2e_panel_answers

read -r tx ty <<<"$(e2e_button_centre 1 TOOL)"
e2e_click "$tx" "$ty"
check "SETUP opens the sheet on the TV settings page" e2e_wait 10 sheet_open
e2e_wait 5 eval 'probe pos "$SHEET" 1126 >/dev/null'
check "the page lists both devices, the first chosen" \
  test "$(page items 1141 | paste -sd'|') $(page get 1141)" = "Simulated TV Card|Simulated TV Card 2 0 Simulated TV Card"
check "the channel list holds the air channels, 5 selected" \
  test "$(page items 1037 | paste -sd,) $(page get 1037)" = "3,5,14,16 1 5"
sheet_id=$(xdotool search --name "^$SHEET\$" | head -1)
import -window "$sheet_id" "$E2E_ARTIFACTS/tv-settings-page.png" 2>/dev/null
check "a picture of the page was saved" test -s "$E2E_ARTIFACTS/tv-settings-page.png"

# ---- keypad: real clicks ---------------------------------------------------------------------
mark
for key in 1013 1017 1024; do click_control "$key"; done
check "keys 1, 4 and Enter tune the card to 14" e2e_wait 5 since_is "8000 14 posted"
check "the page shows 14 with its name, and stores it as the air channel" \
  test "$(page get 1038)|$(page get 1097)|$(e2e_setting TVTuner TVChannelAir)" = "14|Old name|14"

# ---- the band radios -------------------------------------------------------------------------
n=$(($(acks) + 1))
mark
page click 1003 >/dev/null
check "the cable radio runs the panel's cable command: the card switches with 2003" \
  e2e_wait 5 since_is "2003 0 sent"
check "the panel's source is cable, channel 24" \
  test "$(e2e_setting TovixCrossbar InputSource) $(e2e_setting TVTuner TVChannel)" = "3 24"
check "the list shows the cable channels" test "$(page items 1037 | paste -sd,)" = "24"
e2e_wait 5 eval 'test "$(acks)" -ge $n'
mark
page click 1002 >/dev/null
check "the air radio posts the panel's air command: 2002" e2e_wait 5 since_is "2002 0 sent"
check "back on air 14" test "$(e2e_setting TovixCrossbar InputSource) $(page get 1038)" = "4 14"

# ---- delete, add, name -----------------------------------------------------------------------
page click 1030 >/dev/null
check "Delete marks 14 out of the list and drops its name" \
  test "$(e2e_setting CHANNELLISTAIR 14)|$(e2e_setting 'Air channel Name' 14)" = "FALSE|"
check "and takes it from the page's list" eval '! list_has 14'
page click 1029 >/dev/null
check "Add lists it again, in the file and on the page" \
  eval 'test "$(e2e_setting CHANNELLISTAIR 14)" = TRUE && list_has 14'
page set-text 1097 "Local News" >/dev/null
page click 1098 >/dev/null
check "Input stores the name" setting_is 'Air channel Name' 14 "Local News"

# ---- fine tuning: a real drag, then Save and Default ----------------------------------------
mark
read -r sx sy _ right <<<"$(probe thumb "$SHEET" 1126)"
xdotool mousemove "$sx" "$sy"; sleep 0.2; xdotool mousedown 1; sleep 0.2
for dx in 4 8 12 16 20; do xdotool mousemove $((sx + dx)) "$sy"; sleep 0.15; done
xdotool mouseup 1; sleep 0.5
position=$(probe pos "$SHEET" 1126)
fine=$(since | awk '$1 == 8001 {print $2 " " $3}')
check "the drag moved the slider; the card got 8001 for several positions, sent, rising to the last" \
  eval 'test "$position" -gt 500 && test "$(echo "$fine" | wc -l)" -ge 3 && test "$(echo "$fine" | tail -1)" = "$position sent" &&
        echo "$fine" | awk "\$2 != \"sent\" || \$1 < last {exit 1} {last = \$1}"'
check "the offset shows the position" \
  test "$(page get 1136)" = "+$(((position - 500) * 10000))"
page click 1133 >/dev/null
check "Save sends 8002 with the position" e2e_wait 5 eval 'since | grep -qx "8002 $position sent"'
saved=$(e2e_setting CHANNELAIRFREQ 14)
page click 1135 >/dev/null
plan=$(e2e_setting CHANNELAIRFREQ 14)
check "the card stored the frequency, and Default the plan's" \
  test "$((saved - plan))" = "$(((position - 500) * 10000))"
check "Default shows no offset" test "$(page get 1126) $(page get 1136)" = "500 0"

# ---- device change: the card starts again on the second device -------------------------------
page select 1141 "Simulated TV Card 2" >/dev/null
check "the choice is stored" setting_is SelectDevice Index 1
check "the card starts again on the second device" \
  e2e_wait 30 note_is "device 1 Simulated TV Card 2"
check "and is ready" e2e_wait 10 e2e_card_ready
sleep 2  # the new card's first frames
e2e_screenshot tv-settings-device-changed

page click 2 --post >/dev/null
check "Cancel closes the sheet" e2e_wait 5 eval '! sheet_open'
e2e_trace >"$E2E_ARTIFACTS/tv-settings-trace.txt"
e2e_remote cmd end-program >/dev/null
check "the panel ends" e2e_wait 20 eval '! kill -0 $E2E_PANEL_PID 2>/dev/null'

e2e_finish
