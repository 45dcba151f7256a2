#!/usr/bin/env bash
# Volume, mute and the picture and tone keys under Wine, as the simulated card sees them: the
# volume buttons send it 2010 and store the volume, a click on the volume bar posts it, mute
# needs a sound card, "V" and "A" with the arrow keys show and step the picture and tone
# values, "F" double-clicks the video window, "S" sends 45000.
#   adjust.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# Both TV bands scanned (no scan six seconds after the launch), channel 7 on the air, known
# picture and tone values.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '7=TRUE' '[CHANNELLIST]' 'ALREADYSCAN=TRUE' \
  '[TVTuner]' 'TVChannelAir=7' '[VideoProcAmp]' 'BrightnessValue=128' 'ContrastValue=68' \
  'HueValue=0' 'SaturationValue=64' >>"$E2E_APP/Settings.ini"

# What the card received after mark $1 (a line count of e2e_trace_in).
e2e_trace_mark() { e2e_trace_in | wc -l; }
e2e_trace_since() { e2e_trace_in | tail -n +$(($1 + 1)); }
e2e_received_since() {  # e2e_received_since MARK "id lParam delivery"...: exactly these, in order
  local want
  want=$(printf '%s\n' "${@:2}")
  [ "$(e2e_trace_since "$1")" = "$want" ] || { echo "  (the card got: $(e2e_trace_since "$1" | tr '\n' ','))"; return 1; }
}
e2e_wait_received() {  # e2e_wait_received MARK "id lParam delivery"...
  local mark=$1; shift
  e2e_wait 5 eval "test \$(e2e_trace_since $mark | wc -l) -ge $#" >/dev/null
  sleep 0.3  # anything more would show up now
  e2e_received_since "$mark" "$@"
}

check "the panel starts" e2e_start_panel
check "it starts the simulated card on the stored source" e2e_wait 20 e2e_video_exists
check "and is ready" e2e_wait 10 e2e_card_ready

# ---- volume buttons ------------------------------------------------------------------------
mark=$(e2e_trace_mark)
e2e_remote click VOLUP >/dev/null
check "volume up from 128 sends the card 130" e2e_wait_received "$mark" "2010 130 sent"
mark=$(e2e_trace_mark)
e2e_remote click VOLDOWN >/dev/null
e2e_remote click VOLDOWN >/dev/null
check "two steps down send 120 and 110" e2e_wait_received "$mark" "2010 120 sent" "2010 110 sent"
check "and store 110" test "$(e2e_setting AudioProcAmp VolumeValue)" = 110

# ---- the volume bar: skin 1's bar is 220 pixels wide from x 67, so x = volume --------------
bar_x=$(e2e_layout 1PANEL_BTN LCD_VOLBAR_X)
bar_y=$(e2e_layout 1PANEL_BTN LCD_VOLBAR_Y)
bar_h=$(e2e_layout 1PANEL_BTN LCD_VOLBAR_H)
mark=$(e2e_trace_mark)
e2e_click $((bar_x + 165)) $((bar_y + bar_h / 2))
e2e_move 321 148
check "a click on the volume bar posts the volume under the pointer" \
  e2e_wait_received "$mark" "2010 165 posted"
mark=$(e2e_trace_mark)
e2e_remote click VOLUP >/dev/null
check "the next step starts from the bar's volume" e2e_wait_received "$mark" "2010 170 sent"

# ---- mute: only with a sound card ----------------------------------------------------------
sound_card=$(e2e_remote get win.ini AudioDevice SoundCard 2>/dev/null | tr -d '\r')
mark=$(e2e_trace_mark)
e2e_remote key m >/dev/null
e2e_remote key m >/dev/null
if [ -z "$sound_card" ]; then
  check "without a sound card the panel published no input lines" \
    test "$(e2e_setting AudioDevice 0)" = ""
  e2e_remote key s >/dev/null  # a marker: it reaches the card
  check "without a sound card mute does nothing" e2e_wait_received "$mark" "45000 0 sent"
  mark=$(e2e_trace_mark)
else
  check "mute on and off reach the card" e2e_wait_received "$mark" "2011 0 posted" "2012 0 posted"
  mark=$(e2e_trace_mark)
fi
e2e_save() { e2e_trace >"$E2E_ARTIFACTS/adjust-trace.txt"; }

# ---- the picture keys ------------------------------------------------------------------------
# Steps run from a 1 ms timer, which fires only once the queue is empty: keys typed in one
# burst would coalesce into one step, so the second is typed on its own.
e2e_remote key v up >/dev/null
e2e_remote key up >/dev/null
check "V shows the brightness, each up raises it and sets it" \
  e2e_wait_received "$mark" "2013 128 posted" "2013 129 posted" "40200 129 posted" \
  "2013 130 posted" "40200 130 posted"
sleep 2.5
mark=$(e2e_trace_mark)
e2e_remote key up >/dev/null
check "two seconds later up is the volume again" e2e_wait_received "$mark" "2010 180 sent"
mark=$(e2e_trace_mark)
e2e_remote key v v v down >/dev/null
check "the picture cycle started over: brightness, contrast, hue, and hue one down is 128" \
  e2e_wait_received "$mark" "2013 130 posted" "2014 68 posted" "2015 0 posted" \
  "2015 128 posted" "40203 128 posted"
check "the hue is stored as -1" test "$(e2e_setting VideoProcAmp HueValue)" = -1

# ---- the tone keys, which end the picture mode at once ---------------------------------------
mark=$(e2e_trace_mark)
e2e_remote key a up >/dev/null
check "A shows the balance and up raises it" \
  e2e_wait_received "$mark" "40212 128 posted" "40212 129 posted"
sleep 2.5

# ---- full screen and the sound-mode key ------------------------------------------------------
e2e_remote key f >/dev/null
check "F double-clicks the video window" \
  e2e_wait 5 eval "e2e_trace | awk '\$2 == \"in\" {print \$3, \$4, \$5, \$6, \$7}' | grep -q '^posted 515 0 0 tv$'"
e2e_remote key f >/dev/null
mark=$(e2e_trace_mark)
e2e_remote key s >/dev/null
check "S sends the card 45000" e2e_wait_received "$mark" "45000 0 sent"
e2e_save

e2e_finish
