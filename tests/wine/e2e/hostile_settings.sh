#!/usr/bin/env bash
# Settings and layout files that get in the way: a settings file of 10 MB, tooltip texts of 300
# characters, an installation folder whose path is longer than 260 characters, and a settings
# file that another process holds open or rewrites while the panel writes. The panel comes up,
# keeps answering, and what it wrote is in the file afterwards with everything that was there.
#   hostile_settings.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

HOLD_FILE=$E2E_BUILD/tests/wine/e2e_tools/hold_file.exe
e2e_install
# No stored source: no video window program, so each start is quick.
sed -i 's/^InputSource=.*/InputSource=0/' "$E2E_APP/Settings.ini"
cp "$E2E_APP/Settings.ini" "$E2E_ARTIFACTS/settings-seed.ini"
cp "$E2E_APP/Panel.ini" "$E2E_ARTIFACTS/settings-layout.ini"
cp "$HOLD_FILE" "$E2E_APP/"

e2e_panel_running() { ps -o stat= -p "$E2E_PANEL_PID" 2>/dev/null | grep -q '^[^Z]'; }
e2e_panel_ended() { ! e2e_panel_running; }
end_panel() {
  e2e_remote cmd end-program >/dev/null 2>&1
  e2e_wait 15 e2e_panel_ended
  wineserver -k >/dev/null 2>&1
}
volume() { e2e_setting AudioProcAmp VolumeValue; }
volume_up() { e2e_remote cmd volume-up --send --timeout 10000 >/dev/null; }
# Every key of the seed file is still in the settings file with its value, except the volume.
seed_keys_kept() {
  python3 - "$E2E_ARTIFACTS/settings-seed.ini" "$E2E_APP/Settings.ini" <<'PY'
import re, sys
def parse(path):
    values, section = {}, ""
    for line in open(path, "rb").read().decode("latin-1").splitlines():
        s = line.strip()
        m = re.fullmatch(r"\[([^\]]*)\]", s)
        if m: section = m.group(1).lower()
        elif "=" in s: values[(section, s.split("=", 1)[0].strip().lower())] = s.split("=", 1)[1].strip()
    return values
old, new = parse(sys.argv[1]), parse(sys.argv[2])
lost = [k for k in old if k != ("audioprocamp", "volumevalue") and new.get(k) != old[k]]
if lost: print("  (lost or changed: %r)" % lost[:8])
sys.exit(1 if lost else 0)
PY
}

# ---- a settings file of 10 MB --------------------------------------------------------------
python3 - "$E2E_APP/Settings.ini" <<'PY'
import sys
with open(sys.argv[1], "ab") as f:
    line = 0
    while f.tell() < 10 * 1024 * 1024:
        if line % 5000 == 0:
            f.write(b"[Filler%d]\r\n" % (line // 5000))
        f.write(b"Key%d=%s\r\n" % (line, b"v" * (line % 120)))
        line += 1
    f.write(b"[FillerEnd]\r\nLast=still here\r\n")
PY
cp "$E2E_APP/Settings.ini" "$E2E_ARTIFACTS/settings-seed.ini"
started=$SECONDS
(cd "$E2E_APP" && exec "$E2E_WINE" Panel.exe >/dev/null 2>&1) &
E2E_PANEL_PID=$!
# Every write of the start rewrites the whole file, and every read after it parses it again.
check "10 MB settings file: the panel comes up" e2e_wait 120 e2e_panel_visible
echo "  (on the screen after $((SECONDS - started)) s)"
before=$(volume)
started=$SECONDS
volume_up && volume_up
echo "  (two volume steps, each a write of the whole file, in $((SECONDS - started)) s)"
check "10 MB settings file: the volume steps are written" test "$(volume)" -gt "$before"
check "10 MB settings file: the last key of the file is still there" \
  test "$(e2e_setting FillerEnd Last)" = "still here"
check "10 MB settings file: every other key is kept" seed_keys_kept
check "10 MB settings file: the panel ends when told" end_panel
cp "$E2E_ARTIFACTS/settings-layout.ini" "$E2E_APP/Panel.ini"
sed -i 's/^InputSource=.*/InputSource=0/' "$E2E_ARTIFACTS/settings-seed.ini"
python3 - "$E2E_ARTIFACTS/settings-seed.ini" <<'PY'
import sys
p = sys.argv[1]
data = open(p, "rb").read()
open(p, "wb").write(data[:data.index(b"[Filler0]")])
PY
cp "$E2E_ARTIFACTS/settings-seed.ini" "$E2E_APP/Settings.ini"

# ---- tooltips of 300 characters ------------------------------------------------------------
python3 - "$E2E_APP/Panel.ini" <<'PY'
import re, sys
p = sys.argv[1]
text = open(p, encoding="latin-1", newline="").read()
long = "".join(chr(ord("a") + i % 26) for i in range(300))
# In front of the skin's own texts: the first of two equal keys is the one read.
text = re.sub(r"\[1PANEL_BTN\]\r?\n", "[1PANEL_BTN]\r\nIDS_CHUP=%s\r\nIDS_VOLUP=%s\r\n" % (long, long),
              text, count=1)
open(p, "w", encoding="latin-1", newline="").write(text)
PY
check "300-character tooltips: the panel comes up" e2e_start_panel
read -r cx cy <<<"$(e2e_button_centre 1 CHUP)"
e2e_move "$cx" "$cy"; e2e_move $((cx + 1)) "$cy"; sleep 1.5
e2e_screenshot settings-long-tooltip
check "300-character tooltips: the panel answers with a tooltip up" e2e_panel_answers
check "300-character tooltips: the panel ends when told" end_panel
cp "$E2E_ARTIFACTS/settings-layout.ini" "$E2E_APP/Panel.ini"

# ---- another process holds the settings file open, or rewrites it ------------------------
hold() {  # hold SECONDS MODE: in the background
  (cd "$E2E_APP" && exec "$E2E_WINE" hold_file.exe 'C:\TvPanel\Settings.ini' "$1" "$2") \
    >"$E2E_ARTIFACTS/hold-$2.txt" 2>&1 &
  HOLDER=$!
}
check "held and rewritten: the panel comes up" e2e_start_panel
# Volume steps up, down, up: each case moves it away from where the last one left it.
for row in "shared volume-up" "exclusive volume-down" "replace volume-up" "rewrite volume-down"; do
  read -r mode step <<<"$row"
  cp "$E2E_APP/Settings.ini" "$E2E_ARTIFACTS/settings-seed.ini"
  before=$(volume)
  hold 6 "$mode"
  sleep 1
  for _ in 1 2 3 4 5; do e2e_remote cmd "$step" --send --timeout 10000 >/dev/null || break; done
  check "$mode: the panel answers while the file is held" e2e_panel_answers
  wait "$HOLDER"
  check "$mode: the other process did its part" test $? -eq 0
  # Once the file is free, the next write stores the panel's own value again.
  e2e_remote cmd "$step" --send --timeout 10000 >/dev/null
  after=$(volume)
  if [ "$step" = volume-up ]; then moved=(test "$after" -gt "$before"); else moved=(test "$after" -lt "$before"); fi
  check "$mode: the panel's volume steps are in the file ($before -> $after)" "${moved[@]}"
  if [ "$mode" != rewrite ]; then
    check "$mode: every other key of the file is kept" seed_keys_kept
  else
    # Two processes writing through the profile calls at once: the platform's own calls
    # truncate the file and write it anew, and a read that falls between takes a torn file
    # for the whole (docs/design.md). Shown, not counted: neither writer can prevent it.
    seed_keys_kept || echo "  (a write of the other process or the panel took a torn file)"
  fi
done
echo "  (profile writes: $(tr -d '\r' <"$E2E_ARTIFACTS/hold-rewrite.txt"); replacing: $(tr -d '\r' <"$E2E_ARTIFACTS/hold-replace.txt"))"
check "held and rewritten: the panel ends when told" end_panel

# ---- an installation folder whose path is longer than 260 characters ---------------------
long=Tv
while [ ${#long} -lt 280 ]; do long="$long/Installation-folder-with-a-long-name"; done
mkdir -p "$WINEPREFIX/drive_c/$long"
cp -r "$E2E_APP"/. "$WINEPREFIX/drive_c/$long/"
winpath="C:\\$(echo "$long" | tr / '\\\\')"
python3 - "$WINEPREFIX/drive_c/windows/win.ini" "$winpath" <<'PY'
import sys
p, path = sys.argv[1:]
text = open(p, encoding="latin-1").read().replace("907APDirectory=C:\\TvPanel\r\n", "907APDirectory=%s\r\n" % path)
open(p, "w", encoding="latin-1", newline="").write(text)
PY
echo "  (installation folder of ${#winpath} characters)"
(cd "$WINEPREFIX/drive_c/$long" && exec "$E2E_WINE" Panel.exe >/dev/null 2>&1) &
E2E_PANEL_PID=$!
# The path is cut where [AP] is read, and the settings file under the cut path does not exist:
# a first start, which asks for the card and the country.
setup_dialog() { e2e_remote window "" --class "#32770" 2>/dev/null | tr -d '\r'; }
setup_shown() { setup_dialog | grep -q visible; }
check "long installation folder: no settings file under the cut path, so the setup dialog asks" \
  e2e_wait 30 setup_shown
e2e_screenshot settings-long-folder
read -r dx dy dw dh _ <<<"$(setup_dialog)"
xdotool mousemove $((dx + dw * 2365 / 2600)) $((dy + dh * 1865 / 2030)); sleep 0.2
xdotool click 1
check "long installation folder: after OK the panel comes up and answers" \
  e2e_wait 30 eval 'e2e_panel_visible && e2e_panel_answers'
e2e_screenshot settings-long-folder-panel
check "long installation folder: the panel ends when told" end_panel

e2e_finish
