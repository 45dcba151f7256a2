#!/usr/bin/env bash
# The two list windows end to end with the simulated card: two snapshots and a short recording,
# the FILES part unfolded to three items with their thumbnails, opening (the test prefix's
# opener logs it), save as through the real save dialog, e-mail (the test prefix's mail library
# logs it), deleting one and all; the channel list with the channel store as the card's scan
# left it, tuning from it (the card's trace) and a name saved in its dialog.
#   lists.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

TESTDIR=$WINEPREFIX/drive_c/TvPanelTest
CAPTURES=$E2E_APP/Captures
e2e_install
# Stand-ins inside this prefix only: the program that opens .bmp and .mpg files, and the mail
# library. The system folder's files are hard links into the prefix template: remove, then copy.
mkdir -p "$TESTDIR"
cp "$E2E_BUILD/tests/wine/e2e_tools/file_opener.exe" "$TESTDIR/"
rm -f "$WINEPREFIX/drive_c/windows/system32/mapi32.dll"
cp "$E2E_BUILD/tests/wine/e2e_tools/mapi32.dll" "$WINEPREFIX/drive_c/windows/system32/mapi32.dll"
printf '%s\r\n' REGEDIT4 '[HKEY_CLASSES_ROOT\.bmp]' '@="TvPanelTest.File"' '[HKEY_CLASSES_ROOT\.mpg]' \
  '@="TvPanelTest.File"' '[HKEY_CLASSES_ROOT\TvPanelTest.File\shell\open\command]' \
  '@="\"C:\\TvPanelTest\\file_opener.exe\" \"%1\""' '[HKEY_CURRENT_USER\Software\Wine\DllOverrides]' \
  '"mapi32"="native"' >"$TESTDIR/stubs.reg"
"$E2E_WINE" regedit /S 'C:\TvPanelTest\stubs.reg' >/dev/null 2>&1
# The air band as the card's scan leaves it, one name, channel 5 tuned.
e2e_scanned "3 5 14 16 21 31" "8" '[Air channel Name]' '14=News' '[TVTuner]' 'TVChannelAir=5' 'TVChannelCable=8'
e2e_remote set settings quarn CaptureFile 'C:\TvPanel\Captures\'

list() { e2e_remote list "$@" 2>/dev/null | tr -d '\r'; }
count_is() { [ "$(list "$1" count)" = "$2" ]; }
files_are() { [ "$(cd "$CAPTURES" 2>/dev/null && ls | tr '\n' ' ')" = "$1" ]; }
texts() { local n i; n=$(list "$1" count); for ((i = 0; i < n; i++)); do list "$1" text "$i" "${2:-0}"; done | tr '\n' ' '; }
log_has() { [ -f "$1" ] && tr -d '\r' <"$1" 2>/dev/null | grep -qF -- "$2"; }
snapshot() {
  local before
  before=$(e2e_trace | grep -c ' out posted 273 14526 0 panel$')
  e2e_remote cmd snapshot >/dev/null
  e2e_wait 10 test "$(e2e_trace | grep -c ' out posted 273 14526 0 panel$')" -gt "$before"
}

check "the panel starts the card" e2e_up
snapshot; snapshot
e2e_remote cmd record >/dev/null
e2e_wait 10 e2e_trace_grep '^[0-9]* in posted 273 2008 0 tv$'
sleep 3
e2e_remote cmd record >/dev/null
e2e_wait 10 files_are "qv00.bmp qv01.bmp qv02.bmp qv02.mpg "

e2e_remote click OPENPANEL >/dev/null
check "FILES unfolds into a list of three items named by their files, sorted by name" \
  e2e_wait 10 e2e_is "qv00.bmp qv01.bmp qv02.mpg " texts down
sleep 1
e2e_screenshot lists-files
snapshot
check "a snapshot taken with the list open appears in it at once" e2e_wait 10 count_is down 4
list down activate 0
check "activating a snapshot opens it with the registered program" \
  e2e_wait 10 log_has "$TESTDIR/opener-log.txt" 'C:\TvPanel\Captures\qv00.bmp'
# Save as through the real save dialog: a name without an extension gets the source's.
list down select 1 && list down menu saveas
check "the save dialog opens" e2e_remote wait-window "Save as File" 10
sleep 1
xdotool key ctrl+a; xdotool type --delay 30 'C:\TvPanelTest\copy'; xdotool key Return
check "the copy is written as copy.bmp" e2e_wait 10 cmp -s "$CAPTURES/qv01.bmp" "$TESTDIR/copy.bmp"
list down select 0 2 && list down menu email
check "e-mail hands both files to the mail library" e2e_wait 10 log_has "$TESTDIR/mail-log.txt" \
  ';|C:\TvPanel\Captures\qv00.bmp;C:\TvPanel\Captures\qv02.mpg;|qv00.bmp;qv02.mpg;'
list down select 2 && list down menu delete
check "deleting the recording takes its thumbnail too, and the list is read again" \
  e2e_wait 10 eval 'files_are "qv00.bmp qv01.bmp qv03.bmp " && count_is down 3'
list down select 0 && list down menu deleteall
check "Delete All empties the folder and the list" e2e_wait 10 eval 'count_is down 0 && files_are ""'

e2e_remote cmd toggle-side >/dev/null
check "the channel list lists the scanned air channels, with names where there are names" \
  e2e_wait 10 e2e_is "3:....... 5:....... 14: News 16:....... 21:....... 31:....... " texts side
list side activate 2
check "activating an entry tunes the card to it and stores it as the air channel" \
  e2e_wait 5 eval 'e2e_trace_has "^8000 14 posted" && e2e_setting_is TVTuner TVChannelAir 14'
list side select 4
list side menu name 'Morning Show' --close
check "a name saved in the dialog is in the settings file and the list" \
  e2e_wait 5 eval 'e2e_setting_is "Air channel Name" 21 "Morning Show" && test "$(list side text 4)" = "21: Morning Show"'
sleep 1
e2e_screenshot lists-side
e2e_finish
