#!/usr/bin/env bash
# Scanning under Wine with the simulated card: SCAN asks, Cancel leaves the panel free, OK scans
# the air band into the settings file and the side list, the FM band likewise; the fully scan
# page sweeps the band through the state dialog, lists what was found, tunes a chosen entry,
# stores and removes entries.
#   scanning.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# Both bands count as scanned but the air list is empty; the FM list too.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '[CHANNELLIST]' 'ALREADYSCAN=TRUE' \
  '[CHANNELLISTFM]' 'FM=0' '[TVTuner]' 'TVChannelAir=5' 'FMChannel=885' >>"$E2E_APP/Settings.ini"
SHEET=Settings
STATE="Fully Scan State"

box_up() { e2e_remote wait-window "$1" 0.2 >/dev/null 2>&1; }
answer() { e2e_wait 10 box_up "$1" && e2e_remote dialog "$1" click "$2" --post >/dev/null 2>&1; }
mark() { MARK=$(e2e_trace_in | wc -l); }
since() { e2e_trace_in | tail -n +$((MARK + 1)); }
since_has() { since | grep -q -- "$1"; }
scan_ended() { e2e_trace | tail -n +"$TRACE_AT" | grep -q ' out posted 273 40111 0 panel$'; }
trace_at() { TRACE_AT=$(($(e2e_trace | wc -l) + 1)); }
setting_is() { [ "$(e2e_setting "$1" "$2")" = "$3" ]; }
page() { e2e_remote dialog "$SHEET" "$@" 2>/dev/null | tr -d '\r'; }
state() { e2e_remote dialog "$STATE" "$@" 2>/dev/null | tr -d '\r'; }
side_texts() {
  local n i
  n=$(e2e_remote list side count 2>/dev/null | tr -d '\r')
  for ((i = 0; i < n; i++)); do e2e_remote list side text "$i" 2>/dev/null | tr -d '\r'; done
}

check "the panel starts" e2e_start_panel
check "the card is ready" e2e_wait 20 e2e_card_ready
e2e_wait 10 e2e_panel_answers
read -r sx sy <<<"$(e2e_button_centre 1 SCAN)"

# ---- air band: Cancel, then OK -----------------------------------------------------------------
mark
e2e_click "$sx" "$sy"
check "SCAN asks before the air scan" e2e_wait 10 box_up AutoScan
e2e_screenshot scan-question
check "answering Cancel" answer AutoScan 2
check "the question goes" e2e_wait 10 eval '! box_up AutoScan'
e2e_remote cmd channel-up >/dev/null
check "the panel takes commands again after Cancel" e2e_wait 10 since_has "^8000 "
check "and the card was not told to scan" eval '! since_has "^2006 "'

mark
trace_at
e2e_click "$sx" "$sy"
check "answering OK" answer AutoScan 1
check "the card is told to scan the air band" e2e_wait 10 since_has "^2006 1 posted"
check "the band counts as scanned" setting_is CHANNELLISTAIR ALREADYSCAN TRUE
check "the card ends its scan" e2e_wait 20 scan_ended
check "its air stations are in the settings file" \
  eval 'setting_is CHANNELLISTAIR 3 TRUE && setting_is CHANNELLISTAIR 14 TRUE && setting_is CHANNELLISTAIR 4 FALSE'
e2e_remote cmd toggle-side >/dev/null
check "and in the side list" e2e_wait 10 eval '[ "$(side_texts | head -3 | cut -d: -f1 | paste -sd,)" = "3,5,14" ]'
e2e_remote cmd toggle-side >/dev/null

# ---- FM band ------------------------------------------------------------------------------------
e2e_remote cmd source-fm >/dev/null
e2e_wait 15 e2e_panel_answers
mark
trace_at
e2e_click "$sx" "$sy"
check "SCAN on the radio asks the FM question" e2e_wait 10 box_up AutoScan
answer AutoScan 1
check "the card scans the FM band" e2e_wait 10 since_has "^45001 1 posted"
check "and ends" e2e_wait 20 scan_ended
check "the FM list has stations" eval '[ "$(e2e_setting CHANNELLISTFM FM)" -gt 0 ]'

# ---- the fully scan page and its sweep -----------------------------------------------------------
e2e_remote cmd source-air >/dev/null
e2e_wait 15 e2e_panel_answers
e2e_remote cmd settings >/dev/null
check "the settings command opens the sheet" e2e_wait 10 box_up "$SHEET"
page tab 1 >/dev/null
check "the fully scan page starts out of full-scan mode" test "$(page get 1144)" = unchecked
page check 1144 --post >/dev/null
check "checking it with no list opens the state dialog at once" e2e_wait 10 box_up "$STATE"
check "which waits at 0, NOT FOUND" test "$(state get 1157) $(state get 1166)" = "0 NOT FOUND"
mark
state click 1 >/dev/null
check "Start tells the card to sweep" e2e_wait 10 since_has "^45791 1 posted"
check "the dialog follows the sweep" e2e_wait 10 eval '[ "$(state get 1157)" -gt 55250000 ]'
check "Start is disabled while it runs" test "$(state state 1 | cut -d' ' -f1)" = disabled
sleep 4
import -window "$(xdotool search --name "^$STATE\$" | head -1)" "$E2E_ARTIFACTS/scan-state-dialog.png" 2>/dev/null
check "a picture of the state dialog was saved" test -s "$E2E_ARTIFACTS/scan-state-dialog.png"
check "the dialog stays open after the sweep" box_up "$STATE"
mark
state click 2 --post >/dev/null
check "Stop closes it" e2e_wait 10 eval '! box_up "$STATE"'
check "and tells the card to stop" e2e_wait 10 since_has "^45791 0 posted"
check "the sweep is marked done" e2e_wait 5 setting_is FREQCHLIST SCANDONE TRUE
count=$(e2e_setting FREQCHLIST ALLCH)
check "the sweep found stations" test "${count:-0}" -gt 0
check "the page lists them" e2e_wait 10 eval '[ "$(page items 1147 | wc -l)" = "$count" ]'
check "full-scan mode stays on" setting_is quarn UseFullScan TRUE
check "the first entry is tuned" e2e_wait 10 since_has "^55556 1 posted"

second=$(e2e_setting FREQCHLIST 2)
mark
page select-index 1147 1 >/dev/null
check "choosing entry 2 tunes the card to its frequency" \
  e2e_wait 10 eval 'since_has "^55555 $((second / 10000)) posted" && since_has "^55556 2 posted"'
check "and shows it in the edits" test "$(page get 1155) $(page get 1157)" = "2 $second"

new=$((count + 5))
page set-text 1155 "$new" >/dev/null
page set-text 1157 500000000 >/dev/null
page set-text 1156 Mine >/dev/null
page click 1162 >/dev/null
check "store past the end writes the key as typed and counts one more" \
  eval 'setting_is FREQCHLIST $new 500000000 && setting_is FREQCHLISTNAME $new Mine && setting_is FREQCHLIST ALLCH $((count + 1))'
check "the page shows it at the end" test "$(page items 1147 | tail -1)" = "$new:500000000=Mine"

page select-index 1147 0 >/dev/null
page click 1154 >/dev/null
check "remove takes entry 1 out and moves entry 2 up" \
  eval 'setting_is FREQCHLIST ALLCH $count && setting_is FREQCHLIST 1 $second && [ "$(page items 1147 | head -1)" = "1:$second=" ]'
sheet_id=$(xdotool search --name "^$SHEET\$" | head -1)
import -window "$sheet_id" "$E2E_ARTIFACTS/fully-scan-page.png" 2>/dev/null
check "a picture of the page was saved" test -s "$E2E_ARTIFACTS/fully-scan-page.png"
page click 2 --post >/dev/null
check "the sheet closes" e2e_wait 10 eval '! box_up "$SHEET"'
e2e_wait 10 e2e_panel_answers
e2e_screenshot before-full-scan-question

# ---- full-scan mode: SCAN asks the full-scan question --------------------------------------------
e2e_click "$sx" "$sy"
check "SCAN in full-scan mode asks before the sweep" e2e_wait 10 box_up FullyScan
answer FullyScan 1
check "and opens the state dialog" e2e_wait 10 box_up "$STATE"
check "the old list is deleted before the sweep" eval '[ -z "$(e2e_setting FREQCHLIST 1)" ]'
mark
state click 1 >/dev/null
e2e_wait 10 since_has "^45791 1 posted"
state_id=$(xdotool search --name "^$STATE\$" | head -1)
xdotool windowfocus --sync "$state_id" 2>/dev/null
xdotool key Escape
check "Escape stops the sweep and closes the dialog" \
  e2e_wait 10 eval '! box_up "$STATE" && since_has "^45791 0 posted"'
check "the panel takes commands again" e2e_wait 5 e2e_panel_answers

e2e_finish
