#!/usr/bin/env bash
# The first start of a fresh installation under Wine: the setup dialog asks for the TV card
# and the country; OK with the default choice leads to a running panel and stores the
# country; the panel then asks to scan the air band and OK scans it; once the card is gone,
# the next start closes the panel right away.
#   first_start.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
cp "$E2E_SOURCE/dist/Settings.ini" "$E2E_APP/Settings.ini"  # as it ships: no country yet
stored() { local k; for k in "$@"; do e2e_ini "$E2E_APP/Settings.ini" ${k/./ }; done | paste -sd' '; }
# The setup dialog has no title: the one visible dialog window of the program.
setup_dialog() { e2e_remote window "" --class "#32770" 2>/dev/null | tr -d '\r'; }
setup_shown() { setup_dialog | grep -q visible; }

e2e_run_panel
check "a fresh installation shows the setup dialog" e2e_wait 30 setup_shown
e2e_screenshot first-start-dialog
read -r dx dy dw dh _ <<<"$(setup_dialog)"
check "it sits at 252, 319 (1024 x 768 screen), the panel waits behind it" \
  eval 'test "$dx $dy" = "252 319" && e2e_panel_hidden'
# OK, bottom right in the template (223, 179, 27, 15 of 260 x 203 dialog units).
xdotool mousemove $((dx + dw * 2365 / 2600)) $((dy + dh * 1865 / 2030)); sleep 0.2; xdotool click 1
check "OK with the default choice leads to a running panel" \
  e2e_wait 20 eval 'e2e_panel_visible && ! setup_shown'
check "the country, its place, the band limits and the simulated card are stored" \
  e2e_is "1 228 69 Simulated TV Card 0" stored TOVIX.CountryCode TOVIX.CodePos TOVIX.Maxair DEVICE.0 SelectDevice.Index

# Six seconds after starting the card on the never-scanned air band the panel asks to scan it,
# in front of everything; the user answers OK with Return.
check "the panel then asks to scan the air band" e2e_wait 30 e2e_window_open AutoScan
check "with the air question" \
  e2e_is "AutoScan Air will start now.It will take few minutes.PLEASE wait..." e2e_dialog AutoScan get 65535
e2e_screenshot first-start-scan-question
xdotool windowfocus "$(xdotool search --onlyvisible --name '^AutoScan$' | head -1)"; sleep 0.2; xdotool key Return
check "OK tells the card to scan the air band" e2e_wait 10 e2e_trace_has '^2006 1 posted'
check "the band counts as scanned, with the card's stations listed" \
  e2e_wait 20 e2e_is "TRUE TRUE FALSE" stored CHANNELLISTAIR.ALREADYSCAN CHANNELLISTAIR.3 CHANNELLISTAIR.4
check "the card ends its scan and the panel takes input again" \
  e2e_wait 20 eval "e2e_trace_grep ' out posted 273 40111 0 panel$' && e2e_panel_answers"
e2e_screenshot first-start-panel
wineserver -k >/dev/null 2>&1; sleep 1

# Another card in its place: the next start closes the panel without a word.
"$E2E_SOURCE/tests/wine/register-capture-device" "Another TV Card"
e2e_run_panel
check "with another card the panel closes by itself" e2e_wait 30 e2e_panel_ended
# No card at all: the warning comes first, then the panel ends.
"$E2E_SOURCE/tests/wine/register-capture-device"
e2e_run_panel
check "without any card the panel warns" e2e_wait 30 eval 'e2e_remote wait-window Warning 1 --class "#32770" >/dev/null 2>&1'
e2e_screenshot no-card-warning
xdotool windowfocus "$(xdotool search --name '^Warning$' | head -1)" 2>/dev/null; xdotool key Return
check "and closes once the warning is dismissed" e2e_wait 20 e2e_panel_ended
e2e_finish
