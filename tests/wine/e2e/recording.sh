#!/usr/bin/env bash
# Recording, time shift, snapshots, the preview and the companion programs under Wine, with the
# simulated card and the companion stand-ins: files in the capture folder, the card's protocol
# trace, the LCD, the Warning box of a full disk, and the command lines the stand-ins log.
# (When record is armed and what the disk check compares are unit-tested.)
#   recording.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

COMPANIONS=$E2E_BUILD/sim/companions
CAPTURES=$E2E_APP/Captures
SHIFT_FILE=$E2E_APP/TimeShift/TimeShift.mpg
ADDRESS=http://tv-panel.example/start
APP_PATHS='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\IEXPLORE.EXE'
e2e_install
e2e_teletext
mkdir -p "$CAPTURES" "$E2E_APP/TimeShift" "$E2E_APP/Browser"
cp "$COMPANIONS/Planner.exe" "$E2E_APP/"
cp "$COMPANIONS/iexplore.exe" "$E2E_APP/Browser/"
e2e_remote set settings quarn CaptureFile 'C:\TvPanel\Captures' >/dev/null
e2e_remote set settings quarn TimeShiftFileRoot 'C:\TvPanel\TimeShift\TimeShift.mpg' >/dev/null
e2e_scanned "14 16" "" '[TVTuner]' 'TVChannelAir=14' '[SURFING]' 'TIME=1' 'WIN=2 x 2'
# The browser's registration points at the logging stand-in, never at Wine's own browser.
"$E2E_WINE" reg add "$APP_PATHS" /v Path /t REG_SZ /d 'C:\TvPanel\Browser;C:\Program Files\Internet Explorer' /f >/dev/null 2>&1

captures() { (cd "$CAPTURES" && ls -1 2>/dev/null | sort | tr '\n' ' '); }
lines() { e2e_trace | awk -v w="$1" '$2 == w {print $3, $4, $5, $6, $7}'; }  # "delivery message id lParam window"
in_count() { lines in | grep -c -- "$1"; }
out_count() { lines out | grep -c -- "$1"; }
got_in() { lines in | grep -q -- "$1"; }
log_is() { [ "$(tr -d '\r' <"$1" 2>/dev/null)" = "$2" ]; }
log_has() { tr -d '\r' <"$1" 2>/dev/null | grep -q -- "$2"; }
warning_shown() { e2e_remote window Warning >/dev/null 2>&1; }
dismiss_warning() {  # a real click on the box's OK button, centred near its bottom edge
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$(xdotool search --name '^Warning$' | head -1)")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 22)) click 1
  e2e_wait 5 eval '! warning_shown'
}
rec() { sleep "${1:-0}"; e2e_remote cmd record >/dev/null; }  # record, once the last press re-armed
seconds_digit() { e2e_panel_pixels "$(e2e_layout 1PANEL_BTN LCD_CAPSEC_X)" "$(e2e_layout 1PANEL_BTN LCD_CAPSEC_Y)" 10 24; }
idle() { e2e_wait 5 test "$(e2e_acks)" -ge "$1"; }  # idle N: the card's 40113 count reached N

check "the panel starts the card" e2e_up
e2e_remote click CAPTUE >/dev/null
check "the photo button writes qv00.bmp after one posted 3001, and the panel hears of the file" \
  e2e_wait 10 eval 'test -s "$CAPTURES/qv00.bmp" && test "$(in_count "^posted 273 3001 0 tv$")" = 1 &&
                    e2e_setting_is quarn AddItem "C:\TvPanel\Captures\qv00.bmp"'

e2e_remote click REC >/dev/null
check "record makes qv01.mpg after the card received 4101 1 (sent) and then 2008 0 (posted)" \
  e2e_wait 10 eval 'test -f "$CAPTURES/qv01.mpg" && test "$(lines in | grep -E " (4101|2008) " | head -2 | paste -sd,)" = "sent 273 4101 1 tv,posted 273 2008 0 tv"'
sleep 1.5; first=$(seconds_digit); sleep 1.2
check "the LCD's recording time moves" test "$first" != "$(seconds_digit)"
e2e_screenshot recording
rec 1
check "record again sends 4101 0 and 2008; the card reports the end with 40312" e2e_wait 5 eval \
  'test "$(lines in | grep -E " (4101|2008) " | sed -n 3,4p | paste -sd,)" = "sent 273 4101 0 tv,posted 273 2008 0 tv" && test $(out_count "^posted 273 40312 0 panel$") -ge 1'

files_before=$(captures)
records_before=$(in_count ' 4101 ')
e2e_remote set settings quarn DiskFreeSpace 2147483647 >/dev/null
rec 3.2
check "a disk without room shows the Warning box" e2e_wait 8 warning_shown
e2e_screenshot disk-full
check "its OK button closes it; nothing reached the card or was recorded" \
  eval 'dismiss_warning && test "$(in_count " 4101 ")" = "$records_before" -a "$(captures)" = "$files_before"'
e2e_remote delete settings quarn DiskFreeSpace >/dev/null

ready=$(e2e_acks)
e2e_remote click STOPREC >/dev/null
check "time shift posts 3005; the card writes the time-shift file and opens its player" e2e_wait 10 eval \
  'got_in "^posted 273 3005 0 tv$" && test -f "$SHIFT_FILE" && e2e_remote window "PlayWnd Media Player" --class PlayWndMediaPlayer >/dev/null 2>&1'
idle $((ready + 1)); sleep 2
e2e_screenshot time-shift
for row in "PAUSE|posted 273 40028 0 playback" "PLAY|posted 273 40026 0 playback"; do
  ready=$(e2e_acks)
  e2e_remote click "${row%%|*}" >/dev/null
  check "${row%%|*} reaches the player: ${row#*|}" e2e_wait 5 got_in "^${row#*|}$"
  idle $((ready + 1))
done
e2e_remote click STOP >/dev/null
check "stop posts 3007 to the card and sends 40027 to the player" \
  e2e_wait 5 eval 'got_in "^posted 273 3007 0 tv$" && got_in "^sent 273 40027 0 playback$"'
check "the time-shift file is gone afterwards; the panel answers after its wait" \
  e2e_wait 10 eval 'test ! -e "$SHIFT_FILE" && e2e_panel_answers'

e2e_remote click CH >/dev/null
check "preview posts 2021 to the card" e2e_wait 5 got_in '^posted 273 2021 0 tv$'
e2e_screenshot preview
check "the card ends the preview with 40115" e2e_wait 15 eval 'lines out | grep -q "^posted 273 40115 0 panel$"'

e2e_remote click TELETEXT >/dev/null
check "teletext tells the card (3000 1, sent) and starts its viewer from the teletext folder" e2e_wait 10 eval \
  'got_in "^sent 273 3000 1 tv$" && log_is "$E2E_APP/Teletext/Infopage-log.txt" "start C:\TvPanel\Teletext\Infopage.ex_"'
e2e_remote click TIME >/dev/null
check "the schedule button starts Planner.exe from the installation folder" e2e_wait 10 eval \
  'e2e_remote window "Schedule Recording Settings" >/dev/null 2>&1 && test "$(tr -d "\r" <"$E2E_APP/Planner-log.txt" | head -1)" = "start C:\TvPanel\Planner.exe"'
(cd "$E2E_APP" && "$E2E_WINE" Planner.exe send 42222 0 >/dev/null 2>&1)
check "the schedule program's question 42222 0 is answered with private message 40040 1" \
  e2e_wait 5 log_has "$E2E_APP/Planner-log.txt" '^message 40040 1 0$'

e2e_remote set panel Panel 1PANEL_HTTP "$ADDRESS" >/dev/null
e2e_remote click LOGOKOVA >/dev/null
BROWSER_LOG=$E2E_APP/Browser/iexplore-log.txt
check "the web button starts the registered browser on the skin's address" \
  e2e_wait 10 log_is "$BROWSER_LOG" "start C:\TvPanel\Browser\iexplore.exe $ADDRESS"
# The same folder stored as an expandable string with a long list behind it: read by its size,
# used as stored up to the first ";".
"$E2E_WINE" reg add "$APP_PATHS" /v Path /t REG_EXPAND_SZ \
  /d "C:\TvPanel\Browser;$(printf 'C:\\Folder%04d;' $(seq 1 300))" /f >/dev/null 2>&1
rm -f "$BROWSER_LOG"
e2e_remote cmd website >/dev/null
check "an expandable string of over 4000 characters starts the same browser" \
  e2e_wait 10 log_is "$BROWSER_LOG" "start C:\TvPanel\Browser\iexplore.exe $ADDRESS"
e2e_save_trace recording
e2e_finish
