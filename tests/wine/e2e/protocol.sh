#!/usr/bin/env bash
# The panel and the simulated card under Wine, as the card's video window program sees them:
# the launch on the saved source, closing and reopening the TV, the hot key, a second start,
# the query 42227 the schedule program triggers, the command gate, a busy launch, and the end
# of the program from the tray. (storm.sh throws random messages at it.)
#   protocol.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
e2e_scanned "7 9" "" '[CHANNELLISTFM]' 'FM=2' '1=881' '2=1017' '[TVTuner]' 'TVChannelAir=7' 'FMChannel=881'
e2e_video_gone() { ! e2e_video_exists; }
e2e_trace_raw_in() { e2e_trace | awk '$2 == "in" {print $3, $4, $5, $6, $7}'; }  # "delivery message id lParam window"
last_in_is() { e2e_is "$1" eval 'e2e_trace_raw_in | tail -1'; }

check "the panel starts the card on the saved source, which acknowledges" e2e_up
check "the channel of the saved source is the current one; the card was sent nothing" \
  eval 'e2e_setting_is TVTuner TVChannel 7 && test -z "$(e2e_trace_in)"'
e2e_save_trace protocol-launch
e2e_remote cmd schedule-ask 1 >/dev/null
check "the schedule program's question makes the panel send 42227; the card answers inside the send" \
  e2e_wait 5 eval "e2e_trace_has '^42227 0 sent$' && e2e_trace_grep ' out sent 273 42227 1 panel$'"

# The gate: without time shift the transport commands go nowhere; a marker that does reach the
# card ends them.
before=$(e2e_trace_raw_in | wc -l)
for c in play forward back pause stop time-shift-position; do e2e_remote cmd $c 5 >/dev/null; done
e2e_remote cmd schedule-ask 2 >/dev/null
e2e_wait 5 eval "test \$(e2e_trace | grep -c '^.* in sent 273 42227 0 tv$') -ge 2"
check "without time shift the transport commands go nowhere; the marker arrives alone" \
  e2e_is "sent 273 42227 0 tv" eval 'e2e_trace_raw_in | tail -n +$((before + 1)); e2e_trace | awk "\$7 == \"playback\""'

# Close and Open the TV, then the hot key twice: each closing posts WM_CLOSE last.
close_open=(
  "click CLOSE|Close hides the panel and ends the card|Open the TV shows the panel and starts the card|cmd reopen-tv"
  "key ctrl+alt+f4|Ctrl+Alt+F4 hides the panel and closes the TV|Ctrl+Alt+F4 again shows the panel and starts the card|key ctrl+alt+f4"
)
for row in "${close_open[@]}"; do
  IFS='|' read -r close closed opened open <<<"$row"
  e2e_remote $close >/dev/null 2>&1
  check "$closed, posting WM_CLOSE to it last" \
    e2e_wait 10 eval 'e2e_panel_hidden && e2e_video_gone && last_in_is "posted 16 0 0 tv"'
  e2e_remote $open >/dev/null 2>&1
  check "$opened on the saved source, which is ready and was sent nothing" \
    e2e_wait 15 eval 'e2e_panel_visible && e2e_video_exists && e2e_card_ready && test -z "$(e2e_trace_in)"'
done
e2e_save_trace protocol-close

(cd "$E2E_APP" && timeout 30 "$E2E_WINE" Panel.exe >/dev/null 2>&1)
check "a second start exits with 0" test $? -eq 0
check "one panel window remains, the one that ran" \
  e2e_wait 5 eval 'test "$(xdotool search --onlyvisible --name "^Panel\$" | wc -l)" = 1 && e2e_panel_running'
check "it re-selects the saved source: the card is sent 2002 and acknowledges" \
  e2e_wait 10 eval 'e2e_trace_has "^2002 0 sent$" && test $(e2e_acks) -ge 2'
e2e_save_trace protocol-second-start

# A launch that never acknowledges keeps the panel busy.
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
check "after 40113 the source command starts the card, which comes up ready" \
  e2e_wait 15 eval 'e2e_video_exists && e2e_card_ready'
e2e_remote cmd reopen-tv >/dev/null
e2e_wait 8 e2e_panel_visible

e2e_wait 10 e2e_video_exists
e2e_remote delete settings VideoProcAmp >/dev/null
check "Close in the tray menu ends the panel" e2e_end
check "and the video window program, which received WM_CLOSE, posted" \
  eval 'e2e_wait 15 e2e_video_gone && e2e_trace_raw_in | grep -q "^posted 16 0 0 tv$"'
check "the picture values are stored on the way out" eval 'for k in Brightness Contrast Hue Saturation; do
  e2e_setting VideoProcAmp ${k}Value; done | tr "\n" " " | grep -Eq "^(-?[0-9]+ ){4}$"'
e2e_save_trace protocol-end
e2e_finish
