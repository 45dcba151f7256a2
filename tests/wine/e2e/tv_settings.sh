#!/usr/bin/env bash
# The TV settings page under Wine with the simulated card: the keypad (real clicks) tunes the
# card, the band radios switch the panel's source, delete reaches the settings file and the
# list, a real drag of the fine-tuning slider reaches the card position by position and Save
# and Default store the frequency through the card, and a device change restarts the card on
# the other capture device.
#   tv_settings.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
"$E2E_SOURCE/tests/wine/register-capture-device" "Simulated TV Card" "Simulated TV Card 2"
e2e_scanned "3 5 14 16" "24" '[TVTuner]' 'TVChannelAir=5' 'TVChannelCable=24' '[Air channel Name]' '14=Old name'
# The first start's setup lists every device; this installation was set up with one of two.
e2e_remote set settings DEVICE 1 "Simulated TV Card 2" >/dev/null
SHEET=Settings
page() { e2e_dialog "$SHEET" "$@"; }
click_control() { e2e_click_at $(e2e_probe at "$SHEET" "$1"); }
list_has() { page items 1037 | grep -qx "$1"; }
note_is() { e2e_trace_grep " note $1\$"; }
shown() { echo "$(e2e_setting TovixCrossbar InputSource) $(page get 1038) $(page items 1037 | paste -sd,)"; }

check "the panel starts the card on the first device" eval 'e2e_up && note_is "device 0 Simulated TV Card"'
e2e_click_button TOOL
check "SETUP opens the sheet on the TV settings page" e2e_wait 10 eval 'e2e_probe pos "$SHEET" 1126 >/dev/null'
check "the page lists both devices, the first chosen, and the air channels, 5 selected" \
  e2e_is "Simulated TV Card|Simulated TV Card 2 0 Simulated TV Card 3,5,14,16 1 5" \
  eval 'echo $(page items 1141 | paste -sd"|") $(page get 1141) $(page items 1037 | paste -sd,) $(page get 1037)'
e2e_window_shot "$SHEET" tv-settings-page

e2e_mark
for key in 1013 1017 1024; do click_control "$key"; done
check "keys 1, 4 and Enter tune the card to 14" e2e_received "8000 14 posted"
check "the page shows 14 with its name, and stores it as the air channel" \
  e2e_is "14|Old name|14" eval 'echo "$(page get 1038)|$(page get 1097)|$(e2e_setting TVTuner TVChannelAir)"'
acks=$(e2e_acks)
e2e_mark
page click 1003 >/dev/null
check "the cable radio runs the panel's cable command: the card switches with 2003" e2e_received "2003 0 sent"
check "the panel's source is cable, channel 24, and the list shows the cable channels" e2e_is "3 24 24" shown
e2e_wait 5 eval 'test "$(e2e_acks)" -gt $acks'
e2e_mark
page click 1002 >/dev/null
check "the air radio posts the panel's air command: 2002, back on air 14" \
  eval 'e2e_received "2002 0 sent" && e2e_is "4 14 3,5,14,16" shown'

page click 1030 >/dev/null
check "Delete marks 14 out of the list, drops its name and takes it from the page's list" \
  eval 'test "$(e2e_setting CHANNELLISTAIR 14)|$(e2e_setting "Air channel Name" 14)" = "FALSE|" && ! list_has 14'
page click 1029 >/dev/null  # listed again for the fine tuning

# Fine tuning: a real drag, then Save and Default.
e2e_mark
read -r sx sy _ _ <<<"$(e2e_probe thumb "$SHEET" 1126)"
xdotool mousemove "$sx" "$sy"; sleep 0.2; xdotool mousedown 1; sleep 0.2
for dx in 4 8 12 16 20; do xdotool mousemove $((sx + dx)) "$sy"; sleep 0.15; done
xdotool mouseup 1; sleep 0.5
position=$(e2e_probe pos "$SHEET" 1126)
fine=$(e2e_since | awk '$1 == 8001 {print $2 " " $3}')
check "the drag moved the slider; the card got 8001 for several positions, sent, rising to the last" \
  eval 'test "$position" -gt 500 && test "$(echo "$fine" | wc -l)" -ge 3 && test "$(echo "$fine" | tail -1)" = "$position sent" &&
        echo "$fine" | awk "\$2 != \"sent\" || \$1 < last {exit 1} {last = \$1}"'
page click 1133 >/dev/null
check "Save sends 8002 with the position" e2e_wait 5 eval 'e2e_since | grep -qx "8002 $position sent"'
saved=$(e2e_setting CHANNELAIRFREQ 14)
page click 1135 >/dev/null
check "the card stored the frequency, and Default the plan's, showing no offset" \
  e2e_is "$(((position - 500) * 10000)) 500 0" eval 'echo $((saved - $(e2e_setting CHANNELAIRFREQ 14))) $(page get 1126) $(page get 1136)'

page select 1141 "Simulated TV Card 2" >/dev/null
check "a device choice is stored and the card starts again on the second device, ready" \
  e2e_wait 30 eval 'e2e_setting_is SelectDevice Index 1 && note_is "device 1 Simulated TV Card 2" && e2e_card_ready'
sleep 2  # the new card's first frames
e2e_screenshot tv-settings-device-changed
page click 2 --post >/dev/null
e2e_save_trace tv-settings
e2e_finish
