#!/usr/bin/env bash
# Scanning under Wine with the simulated card: SCAN asks, Cancel leaves the panel free, OK scans
# the air band into the settings file and the side list, the FM band likewise; the fully scan
# page sweeps the band through the state dialog, lists what was found, tunes a chosen entry,
# stores and removes entries; SCAN in full-scan mode asks and sweeps, and Escape stops it.
#   scanning.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# Both bands count as scanned but the air list is empty; the FM list too.
e2e_scanned "" "" '[CHANNELLISTFM]' 'FM=0' '[TVTuner]' 'TVChannelAir=5' 'FMChannel=885'
SHEET=Settings STATE="Fully Scan State"
box_up() { e2e_remote wait-window "$1" 0.2 >/dev/null 2>&1; }
answer() { e2e_wait 10 box_up "$1" && e2e_remote dialog "$1" click "$2" --post >/dev/null 2>&1; }
scan_ended() { e2e_trace | tail -n +"$TRACE_AT" | grep -q ' out posted 273 40111 0 panel$'; }
scan() {  # scan ANSWER: SCAN clicked for real, its question answered
  e2e_mark; TRACE_AT=$(($(e2e_trace | wc -l) + 1))
  e2e_click_button SCAN
  answer "${QUESTION:-AutoScan}" "$1"
}
page() { e2e_dialog "$SHEET" "$@"; }
state() { e2e_dialog "$STATE" "$@"; }
side_texts() { for ((i = 0; i < $(e2e_remote list side count | tr -d '\r'); i++)); do e2e_remote list side text "$i" | tr -d '\r'; done; }
stored() { local k; for k in "$@"; do e2e_setting ${k/./ }; done | paste -sd' '; }

check "the panel starts the card" e2e_up
e2e_click_button SCAN
check "SCAN asks before the air scan" e2e_wait 10 box_up AutoScan
e2e_screenshot scan-question
e2e_mark
answer AutoScan 2
e2e_remote cmd channel-up >/dev/null
check "after Cancel the panel takes commands again, and the card was not told to scan" \
  e2e_wait 10 eval 'e2e_since_has "^8000 " && ! e2e_since_has "^2006 "'
scan 1
check "OK tells the card to scan the air band, which counts as scanned" \
  e2e_wait 10 eval 'e2e_since_has "^2006 1 posted" && e2e_setting_is CHANNELLISTAIR ALREADYSCAN TRUE'
check "the card ends its scan with its air stations in the settings file" \
  e2e_wait 20 eval 'scan_ended && test "$(stored CHANNELLISTAIR.3 CHANNELLISTAIR.14 CHANNELLISTAIR.4)" = "TRUE TRUE FALSE"'
e2e_remote cmd toggle-side >/dev/null
check "and in the side list" e2e_wait 10 eval '[ "$(side_texts | head -3 | cut -d: -f1 | paste -sd,)" = "3,5,14" ]'
e2e_remote cmd toggle-side >/dev/null

e2e_remote cmd source-fm >/dev/null
e2e_wait 15 e2e_panel_answers
scan 1
check "SCAN on the radio asks the FM question; OK scans the FM band into the FM list" \
  e2e_wait 20 eval 'e2e_since_has "^45001 1 posted" && scan_ended && test "$(e2e_setting CHANNELLISTFM FM)" -gt 0'

# ---- the fully scan page and its sweep -----------------------------------------------------------
e2e_remote cmd source-air >/dev/null
e2e_wait 15 e2e_panel_answers
e2e_remote cmd settings >/dev/null
e2e_wait 10 box_up "$SHEET"
page tab 1 >/dev/null
page check 1144 --post >/dev/null
check "checking it with no list opens the state dialog at once, at 0, NOT FOUND" \
  e2e_wait 10 eval 'box_up "$STATE" && test "$(state get 1157) $(state get 1166)" = "0 NOT FOUND"'
e2e_mark
state click 1 >/dev/null
check "Start tells the card to sweep and is disabled; the dialog follows the sweep" e2e_wait 10 eval \
  'e2e_since_has "^45791 1 posted" && [ "$(state get 1157)" -gt 55250000 ] && [ "$(state state 1 | cut -d" " -f1)" = disabled ]'
sleep 4
e2e_window_shot "$STATE" scan-state-dialog
check "the dialog stays open after the sweep" box_up "$STATE"
e2e_mark
state click 2 --post >/dev/null
check "Stop closes it and tells the card to stop; the sweep is marked done" \
  e2e_wait 10 eval '! box_up "$STATE" && e2e_since_has "^45791 0 posted" && e2e_setting_is FREQCHLIST SCANDONE TRUE'
count=$(e2e_setting FREQCHLIST ALLCH)
check "the sweep found stations, the page lists them and tunes the first, full-scan mode stays on" e2e_wait 10 eval \
  '[ "${count:-0}" -gt 0 ] && [ "$(page items 1147 | wc -l)" = "$count" ] && e2e_since_has "^55556 1 posted" && e2e_setting_is quarn UseFullScan TRUE'
second=$(e2e_setting FREQCHLIST 2)
e2e_mark
page select-index 1147 1 >/dev/null
check "choosing entry 2 tunes the card to its frequency and shows it" e2e_wait 10 eval \
  'e2e_since_has "^55555 $((second / 10000)) posted" && e2e_since_has "^55556 2 posted" && test "$(page get 1155) $(page get 1157)" = "2 $second"'
new=$((count + 5))
page set-text 1155 "$new" >/dev/null; page set-text 1157 500000000 >/dev/null; page set-text 1156 Mine >/dev/null
page click 1162 >/dev/null
check "store past the end writes the key as typed, counts one more and shows it at the end" \
  e2e_is "500000000 Mine $((count + 1)) $new:500000000=Mine" eval 'echo $(stored FREQCHLIST.$new FREQCHLISTNAME.$new FREQCHLIST.ALLCH) $(page items 1147 | tail -1)'
page select-index 1147 0 >/dev/null
page click 1154 >/dev/null
check "remove takes entry 1 out and moves entry 2 up" \
  e2e_is "$count $second 1:$second=" eval 'echo $(stored FREQCHLIST.ALLCH FREQCHLIST.1) $(page items 1147 | head -1)'
e2e_window_shot "$SHEET" fully-scan-page
page click 2 --post >/dev/null
e2e_wait 10 eval '! box_up "$SHEET" && e2e_panel_answers'

QUESTION=FullyScan scan 1
check "SCAN in full-scan mode asks, then opens the state dialog with the old list deleted" \
  e2e_wait 10 eval 'box_up "$STATE" && [ -z "$(e2e_setting FREQCHLIST 1)" ]'
e2e_mark
state click 1 >/dev/null
e2e_wait 10 e2e_since_has "^45791 1 posted"
xdotool windowfocus --sync "$(xdotool search --name "^$STATE\$" | head -1)" 2>/dev/null
xdotool key Escape
check "Escape stops the sweep and closes the dialog; the panel takes commands again" \
  e2e_wait 10 eval '! box_up "$STATE" && e2e_since_has "^45791 0 posted" && e2e_panel_answers'
e2e_finish
