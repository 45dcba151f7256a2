#!/usr/bin/env bash
# Volume, mute and the picture keys under Wine, as the simulated card sees them: the volume
# buttons send it 2010 and store the volume, a click on the volume bar posts it, mute needs a
# sound card, "V" with an arrow key shows and steps a picture value, "F" double-clicks the video
# window, "S" sends 45000. (The cycles and timers behind the keys are unit-tested.)
#   adjust.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
e2e_scanned "7" "" '[TVTuner]' 'TVChannelAir=7' '[VideoProcAmp]' 'BrightnessValue=128' 'ContrastValue=68'
check "the panel starts the card" e2e_up
step() { e2e_mark; e2e_remote "$@" >/dev/null; }

step click VOLUP
check "volume up from 128 sends the card 130" e2e_received "2010 130 sent"
step click VOLDOWN
check "volume down sends 120" e2e_received "2010 120 sent"
check "and stores it" e2e_setting_is AudioProcAmp VolumeValue 120
# Skin 1's volume bar is 220 pixels wide: x = volume.
e2e_mark
e2e_click $(($(e2e_layout 1PANEL_BTN LCD_VOLBAR_X) + 165)) \
  $(($(e2e_layout 1PANEL_BTN LCD_VOLBAR_Y) + $(e2e_layout 1PANEL_BTN LCD_VOLBAR_H) / 2))
e2e_move 321 148
check "a click on the volume bar posts the volume under the pointer" e2e_received "2010 165 posted"
step click VOLUP
check "the next step starts from the bar's volume" e2e_received "2010 170 sent"

step key m
e2e_remote key m >/dev/null
if [ -z "$(e2e_remote get win.ini AudioDevice SoundCard 2>/dev/null | tr -d '\r')" ]; then
  e2e_remote key s >/dev/null  # a marker: it reaches the card
  check "without a sound card mute does nothing and no input lines are published" \
    eval 'e2e_received "45000 0 sent" && test -z "$(e2e_setting AudioDevice 0)"'
else
  check "mute on and off reach the card" e2e_received "2011 0 posted,2012 0 posted"
fi
step key v up
check "V shows the brightness, up raises it and sets it" \
  e2e_received "2013 128 posted,2013 129 posted,40200 129 posted"
step key f
check "F double-clicks the video window" \
  e2e_wait 5 eval "e2e_trace | awk '\$2 == \"in\" {print \$3, \$4, \$5, \$6, \$7}' | grep -q '^posted 515 0 0 tv$'"
e2e_remote key f >/dev/null
step key s
check "S sends the card 45000" e2e_received "45000 0 sent"
e2e_save_trace adjust
e2e_finish
