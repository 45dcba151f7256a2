#!/usr/bin/env bash
# The audio dialog under Wine with the simulated card and no sound card: the AUDIO button and
# the audio command open it centred and without a system menu, the card answers the sound-mode
# query during the send, the sliders tell the card about bass and treble and move the panel's
# volume bar, and Close writes [AudioProcAmp] (a stored value beyond the range kept until its
# slider moves).
#   audio.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
e2e_scanned "7" "" '[TVTuner]' 'TVChannelAir=7'
e2e_remote set settings AudioProcAmp TrebleValue 300
DLG="Audio Settings"
dlg() { e2e_dialog "$DLG" "$@"; }
stored() { local k; for k in Balance Bass Treble Volume; do printf '%s,' "$(e2e_setting AudioProcAmp ${k}Value)"; done; }
boxes() { echo "$(dlg get 1115) $(dlg get 1117) $(dlg get 1119) $(dlg get 1121)"; }
volbar() { e2e_panel_pixels $(for k in X Y W H; do e2e_layout 1PANEL_BTN "LCD_VOLBAR_$k"; done); }

check "the panel starts the card" e2e_up
e2e_click_button STEREO
check "a click on AUDIO opens the dialog" e2e_wait 10 e2e_window_open "$DLG"
check "the card answered the sound-mode query during the send" e2e_wait 5 \
  eval 'e2e_trace_grep " in sent 273 42226 0 tv$" && e2e_trace_grep " out sent 273 42225 115 panel$"'
check "centred on the screen, without a system menu" \
  eval 'e2e_probe place "$DLG" | grep -Eq "^sysmenu 0 offset -?[01] -?[01]$"'
sleep 1
e2e_window_shot "$DLG" audio-dialog
e2e_screenshot audio-dialog-screen
check "without a mixer the missing values show 0; 300 is shown, its slider at the end" \
  e2e_is "0 0 300 255" eval 'echo $(dlg get 1115) $(dlg get 1117) $(dlg get 1119) $(dlg get 1112)'

e2e_mark
bar=$(volbar)
dlg slide 1111 40 && dlg slide 1112 7 && dlg slide 1110 90 && dlg slide 1113 100
check "bass and treble moves tell the card, balance and volume do not" \
  e2e_is "4006 0 posted,4007 0 posted" eval 'e2e_since | sort -u | paste -sd,'
check "the panel's volume bar follows the volume slider" e2e_wait 5 eval 'test "$(volbar)" != "$bar"'
dlg click 1123 >/dev/null
check "Enter sends the ticked sound modes" e2e_wait 5 e2e_trace_has "45000 17 sent"
dlg click 1
check "Close ends the dialog and writes [AudioProcAmp]" \
  e2e_wait 10 eval '! e2e_window_open "$DLG" && test "$(stored)" = "90,40,7,100,"'
e2e_remote cmd audio-settings >/dev/null
check "the audio command opens it again, with the stored values" \
  e2e_wait 10 eval 'e2e_window_open "$DLG" && test "$(boxes)" = "90 40 7 100"'
dlg click 1
e2e_save_trace audio
e2e_finish
