#!/usr/bin/env bash
# The audio dialog under Wine with the simulated card and no sound card: the AUDIO button and
# the audio command open it centred and without a system menu, the card answers the sound-mode
# query during the send, the sliders tell the card about bass and treble and move the panel's
# volume bar, nothing is stored before Close, and Close writes [AudioProcAmp] (a stored value
# beyond the range kept until its slider moves).
#   audio.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
cp "$E2E_BUILD/tests/wine/e2e_tools/sheet_probe.exe" "$E2E_APP/"
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '7=TRUE' '[CHANNELLIST]' 'ALREADYSCAN=TRUE' \
  '[TVTuner]' 'TVChannelAir=7' >>"$E2E_APP/Settings.ini"
e2e_remote set settings AudioProcAmp TrebleValue 300
DLG="Audio Settings"
dlg() { e2e_remote dialog "$DLG" "$@" 2>/dev/null | tr -d '\r'; }
dlg_open() { xdotool search --name "^$DLG\$" >/dev/null 2>&1; }
stored() {
  local k
  for k in Balance Bass Treble Volume; do printf '%s,' "$(e2e_setting AudioProcAmp ${k}Value)"; done
}

check "the panel starts" e2e_start_panel
check "and the card is ready" e2e_wait 20 e2e_card_ready
e2e_wait 10 e2e_panel_answers
check "this machine has no sound card: no input lines are published" \
  test -z "$(e2e_setting AudioDevice 0)"

read -r ax ay <<<"$(e2e_button_centre 1 STEREO)"
e2e_click "$ax" "$ay"
check "a click on AUDIO opens the dialog" e2e_wait 10 dlg_open
check "the card answered the sound-mode query during the send" e2e_wait 5 \
  eval 'e2e_trace | grep -q " in sent 273 42226 0 tv$" && e2e_trace | grep -q " out sent 273 42225 115 panel$"'
check "centred on the screen, without a system menu" \
  eval '(cd "$E2E_APP" && "$E2E_WINE" sheet_probe.exe place "$DLG" | tr -d "\r" |
         grep -Eq "^sysmenu 0 offset -?[01] -?[01]$")'
sleep 1
import -window "$(xdotool search --name "^$DLG\$" | head -1)" "$E2E_ARTIFACTS/audio-dialog.png" 2>/dev/null
e2e_screenshot audio-dialog-screen
check "a picture of the dialog was saved" test -s "$E2E_ARTIFACTS/audio-dialog.png"
check "without a mixer the missing values show 0; 300 is shown, its slider at the end" \
  test "$(dlg get 1115) $(dlg get 1117) $(dlg get 1119) $(dlg get 1112)" = "0 0 300 255"
check "the sound modes and lines stay hidden; the modes the card offers are enabled" \
  test "$(dlg state 1103) $(dlg state 1142) $(dlg state 1138)" = \
  "enabled hidden enabled hidden enabled hidden"

mark=$(e2e_trace_in | wc -l)
bar_key() { e2e_layout 1PANEL_BTN "LCD_VOLBAR_$1"; }
volbar() { e2e_panel_pixels "$(bar_key X)" "$(bar_key Y)" "$(bar_key W)" "$(bar_key H)"; }
bar=$(volbar)
dlg slide 1111 40 && dlg slide 1112 7 && dlg slide 1110 90 && dlg slide 1113 100
check "bass and treble moves tell the card, balance and volume do not" \
  test "$(e2e_trace_in | tail -n +$((mark + 1)) | sort -u | paste -sd,)" = "4006 0 posted,4007 0 posted"
check "the panel's volume bar follows the volume slider" e2e_wait 5 eval 'test "$(volbar)" != "$bar"'
boxes() { echo "$(dlg get 1115) $(dlg get 1117) $(dlg get 1119) $(dlg get 1121)"; }
check "the boxes follow the sliders" test "$(boxes)" = "90 40 7 100"
check "nothing is stored while the dialog is open" test "$(stored)" = ",,300,128,"
dlg click 1123 >/dev/null
check "Enter sends the ticked sound modes" e2e_wait 5 e2e_trace_has "45000 17 sent"

dlg click 1
check "Close ends the dialog" e2e_wait 10 eval '! dlg_open'
check "and writes [AudioProcAmp]" test "$(stored)" = "90,40,7,100,"
check "the input line stays unchosen and the card is not told" \
  eval 'test -z "$(e2e_setting AudioInput Index)" && ! e2e_trace_has "^43258 "'

e2e_remote cmd audio-settings >/dev/null
check "the audio command opens it again" e2e_wait 10 dlg_open
check "showing the stored values" test "$(boxes)" = "90 40 7 100"
dlg click 1
check "and Close ends it" e2e_wait 10 eval '! dlg_open'

e2e_remote cmd end-program >/dev/null
check "the panel ends" e2e_wait 20 eval '! kill -0 $E2E_PANEL_PID 2>/dev/null'
e2e_trace >"$E2E_ARTIFACTS/audio-trace.txt"
e2e_finish
