#!/usr/bin/env bash
# Recording, time shift, snapshots, the preview and the companion programs under Wine, with the
# simulated card and the companion stand-ins: files in the capture folder, the card's protocol
# trace, the LCD, the Warning box of a full disk, and the command lines the stand-ins log.
#   recording.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

COMPANIONS=$E2E_BUILD/sim/companions
CAPTURES=$E2E_APP/Captures
SHIFT_FILE=$E2E_APP/TimeShift/TimeShift.mpg
ADDRESS=http://tv-panel.example/start

e2e_install
mkdir -p "$CAPTURES" "$E2E_APP/TimeShift" "$E2E_APP/Teletext" "$E2E_APP/Browser"
cp "$COMPANIONS/Planner.exe" "$E2E_APP/"
cp "$COMPANIONS/Infopage.ex_" "$E2E_APP/Teletext/"
cp "$COMPANIONS/iexplore.exe" "$E2E_APP/Browser/"
# Sets a key of an INI file before anything runs, in its section if there is one.
ini_set() {  # ini_set FILE SECTION KEY VALUE
  python3 - "$@" <<'PY'
import sys, re
path, section, key, value = sys.argv[1:]
text = open(path, encoding="latin-1", newline="").read()
head = re.search(r"(?im)^\[" + re.escape(section) + r"\]\r?\n", text)
if head is None:
    text += "[" + section + "]\r\n" + key + "=" + value + "\r\n"
else:
    text = text[:head.end()] + key + "=" + value + "\r\n" + text[head.end():]
open(path, "w", encoding="latin-1", newline="").write(text)
PY
}
# Both bands scanned (no source command waits for a scan), air channel 14 with a station.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '14=TRUE' '16=TRUE' \
  '[CHANNELLIST]' 'ALREADYSCAN=TRUE' '[TVTuner]' 'TVChannelAir=14' \
  '[SURFING]' 'TIME=1' 'WIN=2 x 2' >>"$E2E_APP/Settings.ini"
ini_set "$E2E_APP/Settings.ini" quarn CaptureFile 'C:\TvPanel\Captures'
ini_set "$E2E_APP/Settings.ini" quarn TimeShiftFileRoot 'C:\TvPanel\TimeShift\TimeShift.mpg'
printf '[Teletext]\r\nTeletextDir=C:\\TvPanel\\Teletext\r\n' >>"$WINEPREFIX/drive_c/windows/win.ini"
# The browser's registration points at the logging stand-in, never at Wine's own browser.
"$E2E_WINE" reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\IEXPLORE.EXE' \
  /v Path /t REG_SZ /d 'C:\TvPanel\Browser;C:\Program Files\Internet Explorer' /f >/dev/null 2>&1

e2e_captures() { (cd "$CAPTURES" && ls -1 2>/dev/null | sort | tr '\n' ' '); }
e2e_capture_count() { ls -1 "$CAPTURES" 2>/dev/null | grep -c "$1"; }
e2e_trace_lines() { e2e_trace | awk -v w="$1" '$2 == w {print $3, $4, $5, $6, $7}'; }
e2e_in_count() { e2e_trace_lines in | grep -c -- "$1"; }
e2e_out_count() { e2e_trace_lines out | grep -c -- "$1"; }
e2e_log() { [ -f "$1" ] && tr -d '\r' <"$1"; }
e2e_warning_shown() { e2e_remote window Warning >/dev/null 2>&1; }
e2e_warning_gone() { ! e2e_warning_shown; }
# A real click on the box's OK button, centred near its bottom edge.
e2e_dismiss_warning() {
  local w g
  w=$(xdotool search --name '^Warning$' 2>/dev/null | head -1)
  [ -n "$w" ] || return 1
  read -r -a g <<<"$(xwininfo -id "$w" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
                                              /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}')"
  xdotool mousemove $((g[0] + g[2] / 2)) $((g[1] + g[3] - 22)) click 1
  e2e_wait 5 e2e_warning_gone
}
# The seconds digit of the LCD's recording time.
SEC_X=$(e2e_layout 1PANEL_BTN LCD_CAPSEC_X); SEC_Y=$(e2e_layout 1PANEL_BTN LCD_CAPSEC_Y)
e2e_seconds_digit() { e2e_panel_pixels "$SEC_X" "$SEC_Y" 10 24; }
e2e_card_idle() {  # every command the panel waits for has its 40113
  local want=$1
  [ "$(e2e_out_count '^posted 273 40113 0 panel$')" -ge "$want" ]
}
e2e_file_size() { stat -c %s "$1" 2>/dev/null || echo 0; }

check "the panel starts" e2e_start_panel
check "the card starts" e2e_wait 20 e2e_video_exists
check "the card is ready" e2e_wait 10 e2e_card_ready
check "the panel answers" e2e_wait 20 e2e_panel_answers

# ---- a snapshot ------------------------------------------------------------------------------
e2e_remote click CAPTUE >/dev/null
check "the photo button writes qv00.bmp into the capture folder" \
  e2e_wait 10 test -s "$CAPTURES/qv00.bmp"
check "the card got one 3001, posted" test "$(e2e_in_count '^posted 273 3001 0 tv$')" = 1
check "and the panel heard of the new file" \
  test "$(e2e_setting quarn AddItem)" = 'C:\TvPanel\Captures\qv00.bmp'

# ---- record a few seconds ------------------------------------------------------------------
e2e_remote click REC >/dev/null
check "record makes qv01.mpg" e2e_wait 10 test -f "$CAPTURES/qv01.mpg"
check "the card received 4101 1 (sent) and then 2008 0 (posted)" \
  test "$(e2e_trace_lines in | grep -E ' (4101|2008) ' | head -2 | tr '\n' ,)" = \
  "sent 273 4101 1 tv,posted 273 2008 0 tv,"
sleep 1.5
first=$(e2e_seconds_digit)
sleep 1.2
second=$(e2e_seconds_digit)
check "the LCD's recording time moves" test "$first" != "$second"
e2e_screenshot recording
sleep 1
before=$(e2e_file_size "$CAPTURES/qv01.mpg")
e2e_remote click REC >/dev/null
check "record again (after the 3-second disarm) sends 4101 0 and 2008" \
  e2e_wait 5 eval "test \"\$(e2e_trace_lines in | grep -E ' (4101|2008) ' | sed -n 3,4p | tr '\n' ,)\" = 'sent 273 4101 0 tv,posted 273 2008 0 tv,'"
check "the card reports the end with 40312" e2e_wait 5 eval "test \$(e2e_out_count '^posted 273 40312 0 panel$') -ge 1"
check "the recording holds a few seconds of stream" test "$before" -gt 40000
check "it stops growing" eval "sleep 1.5; test \$(e2e_file_size '$CAPTURES/qv01.mpg') = $(e2e_file_size "$CAPTURES/qv01.mpg")"

# ---- the card ends a recording by itself ------------------------------------------------------
e2e_remote set settings SimulatedCard RecordSeconds 2 >/dev/null
e2e_remote cmd record >/dev/null
check "a second recording, qv02.mpg" e2e_wait 10 test -f "$CAPTURES/qv02.mpg"
check "the card ends it after its limit with 40114 0" \
  e2e_wait 8 eval "test \$(e2e_out_count '^posted 273 40114 0 panel$') -ge 2"
e2e_remote delete settings SimulatedCard RecordSeconds >/dev/null
e2e_remote cmd record >/dev/null
check "the panel followed: the next press starts (4101 1), it does not stop" \
  e2e_wait 5 eval "test \$(e2e_in_count '^sent 273 4101 1 tv$') = 3"
sleep 3.2
e2e_remote cmd record >/dev/null
check "and the press after it stops" e2e_wait 5 eval "test \$(e2e_in_count '^sent 273 4101 0 tv$') = 2"
e2e_wait 5 eval "test \$(e2e_out_count '^posted 273 40312 0 panel$') -ge 3"

# ---- a full disk -------------------------------------------------------------------------------
files_before=$(e2e_captures)
records_before=$(e2e_in_count ' 4101 ')
e2e_remote set settings quarn DiskFreeSpace 2147483647 >/dev/null
sleep 3.2  # past the re-arm of the last press
e2e_remote cmd record >/dev/null
check "a disk without room shows the Warning box" e2e_wait 8 e2e_warning_shown
e2e_screenshot disk-full
e2e_dismiss_warning
check "the Warning box closes with its OK button" e2e_warning_gone
check "nothing reached the card" test "$(e2e_in_count ' 4101 ')" = "$records_before"
check "nothing was recorded" test "$(e2e_captures)" = "$files_before"
e2e_remote delete settings quarn DiskFreeSpace >/dev/null

e2e_remote set settings SimulatedCard DiskFull TRUE >/dev/null
sleep 3.2
e2e_remote cmd record >/dev/null
check "a card whose disk is full refuses: 40114 0 after the panel's 4101 1" \
  e2e_wait 5 eval "test \$(e2e_in_count '^sent 273 4101 1 tv$') = 4 && e2e_trace_lines out | tail -3 | grep -q '^posted 273 40114 0 panel$'"
check "and writes nothing" test "$(e2e_captures)" = "$files_before"
e2e_remote delete settings SimulatedCard DiskFull >/dev/null

# ---- time shift on, pause, play, off --------------------------------------------------------
ready=$(e2e_out_count '^posted 273 40113 0 panel$')
e2e_remote click STOPREC >/dev/null
check "time shift posts 3005 to the card" e2e_wait 5 eval "test \$(e2e_in_count '^posted 273 3005 0 tv$') = 1"
check "the card writes the time-shift file" e2e_wait 5 test -f "$SHIFT_FILE"
check "and opens its player" e2e_wait 10 eval "e2e_remote window 'PlayWnd Media Player' --class PlayWndMediaPlayer >/dev/null 2>&1"
e2e_wait 5 e2e_card_idle $((ready + 1))
sleep 2
e2e_screenshot time-shift
ready=$(e2e_out_count '^posted 273 40113 0 panel$')
e2e_remote click PAUSE >/dev/null
check "pause posts 40028 to the player" e2e_wait 5 eval "e2e_trace_lines in | grep -q '^posted 273 40028 0 playback$'"
e2e_wait 5 e2e_card_idle $((ready + 1))
ready=$(e2e_out_count '^posted 273 40113 0 panel$')
e2e_remote click PLAY >/dev/null
check "play posts 40026 to the player" e2e_wait 5 eval "e2e_trace_lines in | grep -q '^posted 273 40026 0 playback$'"
e2e_wait 5 e2e_card_idle $((ready + 1))
e2e_remote click STOP >/dev/null
check "stop posts 3007 to the card" e2e_wait 5 eval "e2e_trace_lines in | grep -q '^posted 273 3007 0 tv$'"
check "and sends 40027 to the player" e2e_wait 5 eval "e2e_trace_lines in | grep -q '^sent 273 40027 0 playback$'"
check "the time-shift file is gone afterwards" e2e_wait 8 test ! -e "$SHIFT_FILE"
check "the panel answers after its 2-second wait" e2e_wait 10 e2e_panel_answers

# ---- preview ---------------------------------------------------------------------------------
e2e_wait 5 e2e_card_idle "$(e2e_out_count '^posted 273 40113 0 panel$')"
e2e_remote click CH >/dev/null
check "preview posts 2021 to the card" e2e_wait 5 eval "e2e_trace_lines in | grep -q '^posted 273 2021 0 tv$'"
e2e_screenshot preview
check "the card ends the preview with 40115" \
  e2e_wait 15 eval "e2e_trace_lines out | grep -q '^posted 273 40115 0 panel$'"

# ---- teletext, schedule, web -------------------------------------------------------------------
e2e_remote click TELETEXT >/dev/null
check "teletext starts its viewer" e2e_wait 10 eval "e2e_remote window Teletext >/dev/null 2>&1"
check "with the teletext folder's command line" \
  test "$(e2e_log "$E2E_APP/Teletext/Infopage-log.txt")" = 'start C:\TvPanel\Teletext\Infopage.ex_'
check "after telling the card (3000 1, sent)" eval "e2e_trace_lines in | grep -q '^sent 273 3000 1 tv$'"
check "the capture size is the viewer's" test "$(e2e_setting quarn CaptureStreamSize)" = 352x288

e2e_remote click TIME >/dev/null
check "the schedule button starts Planner.exe" \
  e2e_wait 10 eval "e2e_remote window 'Schedule Recording Settings' >/dev/null 2>&1"
check "from the installation folder" \
  test "$(e2e_log "$E2E_APP/Planner-log.txt" | head -1)" = 'start C:\TvPanel\Planner.exe'
(cd "$E2E_APP" && "$E2E_WINE" Planner.exe send 42222 0 >/dev/null 2>&1)
check "the schedule program's question 42222 0 is answered with private message 40040 1" \
  e2e_wait 5 eval "e2e_log '$E2E_APP/Planner-log.txt' | grep -q '^message 40040 1 0$'"
(cd "$E2E_APP" && "$E2E_WINE" Planner.exe send 42223 1 >/dev/null 2>&1)
e2e_remote set settings quarn DiskFreeSpace 2147483647 >/dev/null
sleep 3.2
e2e_remote cmd record >/dev/null
check "an active schedule program hears of a refused recording (42224)" \
  e2e_wait 8 eval "e2e_log '$E2E_APP/Planner-log.txt' | grep -q '^message 42224 0 0$'"
e2e_wait 8 e2e_warning_shown && e2e_dismiss_warning
e2e_remote delete settings quarn DiskFreeSpace >/dev/null

e2e_remote set panel Panel 1PANEL_HTTP "$ADDRESS" >/dev/null
e2e_remote click LOGOKOVA >/dev/null
browser_line="start C:\TvPanel\Browser\iexplore.exe $ADDRESS"
e2e_browser_started() { test "$(e2e_log "$E2E_APP/Browser/iexplore-log.txt")" = "$browser_line"; }
check "the web button starts the registered browser on the skin's address" \
  e2e_wait 10 e2e_browser_started
# The same folder stored as an expandable string with a long list behind it: read by its size,
# used as stored up to the first ";".
long_tail=$(printf 'C:\\Folder%04d;' $(seq 1 300))
"$E2E_WINE" reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\IEXPLORE.EXE' \
  /v Path /t REG_EXPAND_SZ /d "C:\TvPanel\Browser;$long_tail" /f >/dev/null 2>&1
e2e_browser_value() {
  "$E2E_WINE" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\IEXPLORE.EXE' \
    /v Path 2>/dev/null | tr -d '\r' | grep 'REG_EXPAND_SZ'
}
check "the registration now holds the long expandable string" \
  eval 'test "$(e2e_browser_value | wc -c)" -gt 4000'
rm -f "$E2E_APP/Browser/iexplore-log.txt"
e2e_remote cmd website >/dev/null
check "an expandable string of over 4000 characters starts the same browser" e2e_wait 10 e2e_browser_started

e2e_trace >"$E2E_ARTIFACTS/recording-trace.txt"
e2e_finish
