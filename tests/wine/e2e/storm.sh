#!/usr/bin/env bash
# A hostile process throws random messages at the running panel: command ids with random
# arguments, timer and hot-key messages with random ids, notifications whose pointers mean
# nothing in the panel's process, posted and sent (post_random.cpp says what it leaves out).
# The panel lives through them, still answers, works through everything posted to it, and
# every setting the storm's commands cannot change is as it was.
#   storm.sh WIN64_BUILD_DIR [MESSAGES]
source "$(dirname "$0")/lib.sh" "$1"

MESSAGES=${2:-${TVPANEL_STORM_MESSAGES:-100000}}
e2e_install
# Both TV bands scanned and an FM list: no source command waits six seconds for a scan.
e2e_scanned "7 9" "" '[CHANNELLISTFM]' 'FM=2' '1=881' '2=1017' '[TVTuner]' 'TVChannelAir=7' 'FMChannel=881'

check "the panel starts, the card comes up and the panel answers" e2e_up
# Everything start-up writes is written by now.
files=("$E2E_APP/Settings.ini" "$E2E_APP/Panel.ini" "$WINEPREFIX/drive_c/windows/win.ini")
for i in 0 1 2; do cp "${files[$i]}" "$E2E_ARTIFACTS/storm-before-$i.ini"; done

started=$SECONDS
(cd "$E2E_APP" && timeout 900 "$E2E_WINE" "$E2E_BUILD/tests/wine/e2e_tools/post_random.exe" "$MESSAGES" \
  "${TVPANEL_E2E_SEED:-20240607}") >"$E2E_ARTIFACTS/storm.txt" 2>&1
stormed=$?
[ $stormed -eq 0 ] || tr -d '\r' <"$E2E_ARTIFACTS/storm.txt" | grep -v -E '^(ALSA|.*snd_)' | tail -40
check "$MESSAGES random messages went to the panel, which kept answering" test $stormed -eq 0
echo "  ($(tr -d '\r' <"$E2E_ARTIFACTS/storm.txt" | tail -1); $((SECONDS - started)) s)"

# Undo what the storm may have left (a recording state, a busy launch), then wait until the
# panel has worked through its queue: a channel report stores a value no random command gives.
# Repeated, because a digit entry still running may store its channel over it, and once more
# after the card's trace has gone quiet.
e2e_remote cmd recording-state 0 >/dev/null
e2e_remote cmd peer-ready >/dev/null
e2e_mark_stored() {
  e2e_remote cmd tuned-channel "$1" >/dev/null; sleep 1
  [ "$(e2e_setting TVTuner TVChannelAir)" = "$1" ] || [ "$(e2e_setting TVTuner TVChannelCable)" = "$1" ]
}
e2e_trace_quiet() { local n; n=$(e2e_trace | wc -l); sleep 3; [ "$(e2e_trace | wc -l)" = "$n" ]; }
drained=false
e2e_wait 150 e2e_mark_stored 4242 && e2e_wait 90 e2e_trace_quiet &&
  e2e_remote cmd peer-ready >/dev/null && e2e_wait 30 e2e_mark_stored 4243 && drained=true
check "the panel works through every message posted to it" $drained
$drained || echo "  (stored: $(e2e_setting TVTuner TVChannelAir) $(e2e_setting TVTuner TVChannelCable); trace ends: $(e2e_trace | tail -3 | paste -sd'|'))"
check "the panel is alive: it handles a sent command" e2e_remote cmd peer-ready --send --timeout 10000
check "the panel process still runs and is on the screen" eval 'e2e_panel_running && e2e_panel_visible'
e2e_screenshot storm-after

# The storm's commands may change the tuner's channels, volume, sound and picture values, the
# stored source, the members of the channel lists and the skin; nothing else in the three files.
diff_ini() { python3 "$E2E_SOURCE/tests/wine/e2e/ini_diff.py" "$E2E_ARTIFACTS/storm-before-$1.ini" "${files[$1]}" "${@:2}"; }
check "no setting the storm cannot change has changed" eval 'diff_ini 0 --some-change "tvtuner:*" \
  "audioprocamp:*" "videoprocamp:*" "tovixcrossbar:*" "channellist*:*" "!channellist*:alreadyscan" &&
  diff_ini 1 "panel:panelnow" && diff_ini 2'
check "the stored source is still a source" eval '[[ "$(e2e_setting TovixCrossbar InputSource)" == [1-5] ]]'
e2e_save_trace storm
e2e_finish
