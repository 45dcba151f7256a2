#!/usr/bin/env bash
# A hostile process throws random messages at the running panel: command ids with random
# arguments, timer and hot-key messages with random ids, notifications whose pointers mean
# nothing in the panel's process, posted and sent. The panel lives through them, still answers,
# works through everything posted to it, and every setting the storm's commands cannot change
# is as it was. (The commands that end or hide the panel, open dialogs, start programs or act
# on files are left out by the stormer.)
#   storm.sh WIN64_BUILD_DIR [MESSAGES]
source "$(dirname "$0")/lib.sh" "$1"

POST_RANDOM=$E2E_BUILD/tests/wine/e2e_tools/post_random.exe
MESSAGES=${2:-${TVPANEL_STORM_MESSAGES:-100000}}
SEED=${TVPANEL_E2E_SEED:-20240607}

e2e_install
# A set-up card: both TV bands scanned and an FM list, so that no source command waits six
# seconds for a scan.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '7=TRUE' '9=TRUE' \
  '[CHANNELLIST]' 'ALREADYSCAN=TRUE' '[CHANNELLISTFM]' 'FM=2' '1=881' '2=1017' \
  '[TVTuner]' 'TVChannelAir=7' 'FMChannel=881' >>"$E2E_APP/Settings.ini"

e2e_panel_running() { ps -o stat= -p "$E2E_PANEL_PID" 2>/dev/null | grep -q '^[^Z]'; }

check "the panel starts" e2e_start_panel
check "the card comes up and the panel answers" \
  e2e_wait 30 eval 'e2e_card_ready && e2e_panel_answers'
# Everything start-up writes is written by now.
cp "$E2E_APP/Settings.ini" "$E2E_ARTIFACTS/storm-settings-before.ini"
cp "$E2E_APP/Panel.ini" "$E2E_ARTIFACTS/storm-layout-before.ini"
cp "$WINEPREFIX/drive_c/windows/win.ini" "$E2E_ARTIFACTS/storm-win-before.ini"

if [ ! -f "$POST_RANDOM" ]; then
  check "post_random.exe was built" false
  e2e_finish
  exit
fi

started=$SECONDS
(cd "$E2E_APP" && timeout 900 "$E2E_WINE" "$POST_RANDOM" "$MESSAGES" "$SEED") \
  >"$E2E_ARTIFACTS/storm.txt" 2>&1
stormed=$?
[ $stormed -eq 0 ] || tr -d '\r' <"$E2E_ARTIFACTS/storm.txt" | grep -v -E '^(ALSA|.*snd_)' | tail -40
check "$MESSAGES random messages went to the panel, which kept answering" test $stormed -eq 0
echo "  ($(tr -d '\r' <"$E2E_ARTIFACTS/storm.txt" | tail -1); $((SECONDS - started)) s)"

# Undo what the storm may have left (a recording state, a busy launch), then wait until the
# panel has worked through it: a channel report stores a value no random command gives. It is
# repeated, because a digit entry still running may store its channel over it; and the
# commands the storm's commands posted in turn must have reached the card too.
e2e_remote cmd recording-state 0 >/dev/null
e2e_remote cmd peer-ready >/dev/null
e2e_stored_channel_is() {
  [ "$(e2e_setting TVTuner TVChannelAir)" = "$1" ] || [ "$(e2e_setting TVTuner TVChannelCable)" = "$1" ]
}
e2e_mark_stored() { e2e_remote cmd tuned-channel "$1" >/dev/null; sleep 1; e2e_stored_channel_is "$1"; }
e2e_trace_quiet() {
  local before
  before=$(e2e_trace | wc -l)
  sleep 3
  [ "$(e2e_trace | wc -l)" = "$before" ]
}
drained=false
e2e_wait 150 e2e_mark_stored 4242 && e2e_wait 90 e2e_trace_quiet &&
  e2e_remote cmd peer-ready >/dev/null && e2e_wait 30 e2e_mark_stored 4243 && drained=true
check "the panel works through every message posted to it" $drained
$drained || echo "  (stored channels: $(e2e_setting TVTuner TVChannelAir) $(e2e_setting TVTuner TVChannelCable); trace ends: $(e2e_trace | tail -3 | tr '\n' '|'))"
check "the panel is alive: it handles a sent command" \
  e2e_remote cmd peer-ready --send --timeout 10000
check "the panel process still runs" e2e_panel_running
check "the panel is still on the screen" e2e_panel_visible
e2e_screenshot storm-after

# What the storm's commands may change: the tuner's current and recalled channels, volume,
# sound and picture values, the stored source, and the members of the channel lists (add,
# remove). Everything else, in all three files, must be as it was.
check "no setting the storm cannot change has changed" python3 - "$E2E_ARTIFACTS" "$E2E_APP" \
  "$WINEPREFIX/drive_c/windows/win.ini" <<'PY'
import re, sys
artifacts, app, winini = sys.argv[1:]

def parse(path):
    values, section, bad = {}, "", []
    for line in open(path, "rb").read().decode("latin-1").splitlines():
        s = line.strip()
        if not s or s.startswith(";"):
            continue
        m = re.fullmatch(r"\[([^\]]*)\]", s)
        if m:
            section = m.group(1).strip().lower()
        elif "=" in s:
            k, v = s.split("=", 1)
            values[(section, k.strip().lower())] = v.strip()
        else:
            bad.append(s)
    return values, bad

MAY_CHANGE = {"tvtuner", "audioprocamp", "videoprocamp", "tovixcrossbar"}
LISTS = {"channellist", "channellistair", "channellistfm"}
def may_change(file, section, key):
    if file == "settings":
        return section in MAY_CHANGE or (section in LISTS and key != "alreadyscan")
    if file == "layout":
        return (section, key) == ("panel", "panelnow")  # the skin command
    return False

failed, changed = False, []
for name, before, after in [("settings", "storm-settings-before.ini", app + "/Settings.ini"),
                            ("layout", "storm-layout-before.ini", app + "/Panel.ini"),
                            ("win.ini", "storm-win-before.ini", winini)]:
    old, _ = parse(artifacts + "/" + before)
    new, bad = parse(after)
    if bad:
        print("  (%s: lines that are no INI: %r)" % (name, bad[:5]))
        failed = True
    for key in sorted(set(old) | set(new)):
        if old.get(key) == new.get(key):
            continue
        if may_change(name, *key):
            changed.append(key)
        else:
            print("  (%s [%s] %s: %r -> %r)" % (name, key[0], key[1], old.get(key), new.get(key)))
            failed = True
print("  (the storm changed %d keys it may change)" % len(changed))
# A storm that changed nothing did not reach the panel's commands.
sys.exit(1 if failed or not changed else 0)
PY
check "the stored source is still a source" \
  eval 'case "$(e2e_setting TovixCrossbar InputSource)" in [1-5]) true ;; *) false ;; esac'
e2e_save_trace() { e2e_trace >"$E2E_ARTIFACTS/storm-trace.txt"; }
e2e_save_trace

e2e_finish
