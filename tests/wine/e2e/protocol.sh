#!/usr/bin/env bash
# The panel and the simulated card under Wine, as the card's video window program sees them:
# the launch on the saved source, closing and reopening the TV, the hot key, a second start,
# the query 42227 the schedule program triggers, the command gate, a busy launch, and the end
# of the program from the tray. (storm.sh throws random messages at it.)
#   protocol.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# A set-up card: both TV bands scanned and an FM list (so that no source command waits six
# seconds for a scan), channel 7 on the air.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '7=TRUE' '9=TRUE' \
  '[CHANNELLIST]' 'ALREADYSCAN=TRUE' '[CHANNELLISTFM]' 'FM=2' '1=881' '2=1017' \
  '[TVTuner]' 'TVChannelAir=7' 'FMChannel=881' >>"$E2E_APP/Settings.ini"

e2e_video_gone() { ! e2e_video_exists; }
# The panel's process, until it has ended (an ended child that was not waited for is a zombie).
e2e_panel_running() { ps -o stat= -p "$E2E_PANEL_PID" 2>/dev/null | grep -q '^[^Z]'; }
e2e_panel_ended() { ! e2e_panel_running; }
# The raw trace lines the card received, as "delivery message id lParam window".
e2e_trace_raw_in() { e2e_trace | awk '$2 == "in" {print $3, $4, $5, $6, $7}'; }
e2e_trace_count() { e2e_trace | grep -c -- "$1"; }
e2e_save_trace() { e2e_trace >"$E2E_ARTIFACTS/protocol-trace-$1.txt"; }

# ---- the launch on the saved source ------------------------------------------------------
# A first start in a fresh prefix can be slow on a loaded machine.
check "the panel starts" e2e_start_panel
check "the panel starts the video window program" e2e_wait 20 e2e_video_exists
check "the card acknowledges its start with 40113" e2e_wait 10 e2e_card_ready
check "the channel of the saved source is the current one" \
  test "$(e2e_setting TVTuner TVChannel)" = 7
check "a launch sends the card nothing: it starts on the stored source by itself" \
  test -z "$(e2e_trace_in)"
e2e_save_trace launch

# ---- query 42227 on behalf of the schedule program --------------------------------------
e2e_remote cmd schedule-ask 1 >/dev/null
check "the schedule program's question makes the panel send query 42227 to the card" \
  e2e_wait 5 e2e_trace_has '^42227 0 sent$'
check "the card answers inside the panel's send" \
  e2e_wait 5 eval "e2e_trace | grep -q ' out sent 273 42227 1 panel$'"

# ---- the gate ----------------------------------------------------------------------------
before=$(e2e_trace_raw_in | wc -l)
for c in play forward back pause stop time-shift-position; do e2e_remote cmd $c 5 >/dev/null; done
# A command that does reach the card marks the end of the ones before it.
e2e_remote cmd schedule-ask 2 >/dev/null
e2e_wait 5 eval "test \$(e2e_trace_count '^.* in sent 273 42227 0 tv$') -ge 2"
after=$(e2e_trace_raw_in | tail -n +$((before + 1)))
check "without time shift the transport commands go nowhere; the marker arrives alone" \
  test "$after" = "sent 273 42227 0 tv"
check "no playback window was opened" test -z "$(e2e_trace | awk '$7 == "playback"')"

# ---- close the TV and reopen it from the tray menu ---------------------------------------
e2e_remote click CLOSE >/dev/null 2>&1
check "Close hides the panel" e2e_wait 8 e2e_panel_hidden
check "the video window program ends" e2e_wait 10 e2e_video_gone
check "Close posted WM_CLOSE to it, the last thing the card received" \
  test "$(e2e_trace_raw_in | tail -1)" = "posted 16 0 0 tv"
e2e_save_trace close

e2e_remote cmd reopen-tv >/dev/null
check "Open the TV shows the panel" e2e_wait 8 e2e_panel_visible
check "and starts the video window program again on the saved source" e2e_wait 15 e2e_video_exists
check "the restarted card is ready" e2e_wait 10 e2e_card_ready
check "the restarted card was sent nothing" test -z "$(e2e_trace_in)"

# ---- the hot key, twice ------------------------------------------------------------------
e2e_remote key ctrl+alt+f4 >/dev/null 2>&1
check "Ctrl+Alt+F4 hides the panel" e2e_wait 8 e2e_panel_hidden
check "and closes the TV" e2e_wait 10 e2e_video_gone
check "the card received WM_CLOSE, posted" \
  test "$(e2e_trace_raw_in | tail -1)" = "posted 16 0 0 tv"
e2e_remote key ctrl+alt+f4 >/dev/null 2>&1
check "Ctrl+Alt+F4 again shows the panel" e2e_wait 8 e2e_panel_visible
check "and re-selects the saved source, which starts the card" e2e_wait 15 e2e_video_exists
check "the card is ready again" e2e_wait 10 e2e_card_ready

# ---- a second start -------------------------------------------------------------------------
(cd "$E2E_APP" && timeout 30 "$E2E_WINE" Panel.exe >/dev/null 2>&1)
check "a second start exits with 0" test $? -eq 0
e2e_one_panel() {
  local n
  n=$(xdotool search --onlyvisible --name '^Panel$' | wc -l)
  [ "$n" -eq 1 ] || { echo "  ($n visible panel windows)"; return 1; }
}
check "one panel window remains" e2e_wait 5 e2e_one_panel
check "the running panel re-selects the saved source: the card is sent 2002" \
  e2e_wait 10 e2e_trace_has '^2002 0 sent$'
check "and the card acknowledges the switch" \
  e2e_wait 5 eval "test \$(e2e_trace_count ' out posted 273 40113 0 panel$') -ge 2"
check "the panel that ran is still the one running" e2e_panel_running
e2e_save_trace second-start

# ---- a launch that never acknowledges keeps the panel busy -------------------------------
e2e_remote cmd close-tv >/dev/null
e2e_wait 10 e2e_video_gone
mv "$E2E_APP/screen.ex_" "$E2E_APP/screen.away"
e2e_remote cmd source-air >/dev/null   # the start fails unseen; the panel waits for 40113
sleep 1
mv "$E2E_APP/screen.away" "$E2E_APP/screen.ex_"
e2e_remote cmd source-air >/dev/null
e2e_remote cmd reselect-source >/dev/null
sleep 4
check "while the launch is unacknowledged, source commands start nothing" e2e_video_gone
e2e_remote cmd peer-ready >/dev/null  # what the card would have sent
e2e_remote cmd source-air >/dev/null
check "after 40113 the source command starts the card" e2e_wait 15 e2e_video_exists
check "which comes up ready" e2e_wait 10 e2e_card_ready
e2e_remote cmd reopen-tv >/dev/null
e2e_wait 8 e2e_panel_visible

# ---- the end, from the tray menu ---------------------------------------------------------
e2e_wait 10 e2e_video_exists
e2e_remote delete settings VideoProcAmp >/dev/null
e2e_remote cmd end-program >/dev/null
check "Close in the tray menu ends the panel" e2e_wait 15 e2e_panel_ended
check "and the video window program, which received WM_CLOSE, posted" \
  eval 'e2e_wait 15 e2e_video_gone && e2e_trace_raw_in | grep -q "^posted 16 0 0 tv$"'
picture=$(for k in BrightnessValue ContrastValue HueValue SaturationValue; do
  e2e_setting VideoProcAmp $k; done | tr '\n' ' ')
check "the picture values are stored on the way out" \
  eval 'echo "$picture" | grep -Eq "^(-?[0-9]+ ){4}$"'
e2e_save_trace end

e2e_finish
