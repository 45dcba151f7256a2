#!/usr/bin/env bash
# The two list windows end to end with the simulated card: two snapshots and a short recording,
# the FILES part unfolded to three items with their thumbnails, a sort, opening (the test
# prefix's opener logs it), save as through the real save dialog, e-mail (the test prefix's
# mail library logs it), deleting one and all; the channel list with the channel store as the
# card's scan left it, tuning from it (the card's trace) and a name saved in its dialog.
#   lists.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

TOOLS=$E2E_BUILD/tests/wine/e2e_tools
TESTDIR=$WINEPREFIX/drive_c/TvPanelTest
CAPTURES=$E2E_APP/Captures

e2e_install
# Stand-ins inside this prefix only: the program that opens .bmp and .mpg files, and the mail
# library. The system folder's files are hard links into the prefix template: remove, then copy.
mkdir -p "$TESTDIR"
cp "$TOOLS/file_opener.exe" "$TESTDIR/"
rm -f "$WINEPREFIX/drive_c/windows/system32/mapi32.dll"
cp "$TOOLS/mapi32.dll" "$WINEPREFIX/drive_c/windows/system32/mapi32.dll"
cat >"$TESTDIR/stubs.reg" <<'REG'
REGEDIT4

[HKEY_CLASSES_ROOT\.bmp]
@="TvPanelTest.File"

[HKEY_CLASSES_ROOT\.mpg]
@="TvPanelTest.File"

[HKEY_CLASSES_ROOT\TvPanelTest.File\shell\open\command]
@="\"C:\\TvPanelTest\\file_opener.exe\" \"%1\""

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"mapi32"="native"
REG
"$E2E_WINE" regedit /S 'C:\TvPanelTest\stubs.reg' >/dev/null 2>&1

# The air band as the card's scan leaves it (its stations on 3, 5, 14, 16, 21, 31), one name,
# channel 5 tuned; snapshots and recordings go to C:\TvPanel\Captures.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '3=TRUE' '5=TRUE' '14=TRUE' '16=TRUE' \
  '21=TRUE' '31=TRUE' '[CHANNELLIST]' 'ALREADYSCAN=TRUE' '8=TRUE' \
  '[Air channel Name]' '14=News' '[TVTuner]' 'TVChannelAir=5' 'TVChannelCable=8' \
  >>"$E2E_APP/Settings.ini"
e2e_remote set settings quarn CaptureFile 'C:\TvPanel\Captures\'

list() { e2e_remote list "$@" 2>/dev/null | tr -d '\r'; }
count_is() { [ "$(list "$1" count)" = "$2" ]; }
files_are() { [ "$(cd "$CAPTURES" 2>/dev/null && ls | tr '\n' ' ')" = "$1" ]; }
texts() { local n i; n=$(list "$1" count); for ((i = 0; i < n; i++)); do list "$1" text "$i" "${2:-0}"; done; }
log_has() { [ -f "$1" ] && tr -d '\r' <"$1" 2>/dev/null | grep -qF -- "$2"; }
e2e_trace_grep() { e2e_trace | grep -q -- "$1"; }
snapshots_done() { e2e_trace | grep -c ' out posted 273 14526 0 panel$'; }

check "the panel starts" e2e_start_panel
check "the card is ready" e2e_wait 30 e2e_card_ready
check "the panel answers" e2e_wait 20 e2e_panel_answers

# ---- two snapshots and a short recording ------------------------------------------------------
snapshot() {
  local done_before
  done_before=$(snapshots_done)
  e2e_remote cmd snapshot >/dev/null
  e2e_wait 10 test "$(snapshots_done)" -gt "$done_before"
}
snapshot
snapshot
check "two snapshots are in the capture folder" files_are "qv00.bmp qv01.bmp "
e2e_remote cmd record >/dev/null
e2e_wait 10 e2e_trace_grep '^[0-9]* in posted 273 2008 0 tv$'
sleep 3
e2e_remote cmd record >/dev/null
check "a recording and its thumbnail are there too" \
  e2e_wait 10 files_are "qv00.bmp qv01.bmp qv02.bmp qv02.mpg "
check "the card reports the recording to the panel" \
  e2e_wait 10 e2e_trace_grep ' out sent 273 40124 0 panel$'

# ---- the files part --------------------------------------------------------------------------
e2e_remote click OPENPANEL >/dev/null
check "FILES unfolds into a list of three items" e2e_wait 10 count_is down 3
check "named by their files, sorted by name" [ "$(texts down | tr '\n' ' ')" = "qv00.bmp qv01.bmp qv02.mpg " ]
check "with the recording's type and full path" \
  [ "$(list down text 2 2) $(list down text 2 4)" = '.mpg C:\TvPanel\Captures\qv02.mpg' ]
sleep 1
e2e_screenshot lists-files

# A snapshot taken with the list open appears in it at once.
snapshot
check "a new snapshot appears in the open list" e2e_wait 10 count_is down 4

# Sort by size: sizes compare as text.
expected=$(texts down 1 | LC_ALL=C sort | tr '\n' ' ')
list down sort 1
sorted_by_size() { [ "$(texts down 1 | tr '\n' ' ')" = "$expected" ]; }
check "a click on the size column sorts the sizes as text" e2e_wait 5 sorted_by_size
list down sort 0
e2e_wait 5 [ "$(list down text 0)" = qv00.bmp ]

# Open: a double click's activation, and the menu's Edit.
list down activate 0
check "activating a snapshot opens it with the registered program" \
  e2e_wait 10 log_has "$TESTDIR/opener-log.txt" 'C:\TvPanel\Captures\qv00.bmp'
list down select 2 && list down menu edit
check "Edit opens the recording" e2e_wait 10 log_has "$TESTDIR/opener-log.txt" 'C:\TvPanel\Captures\qv02.mpg'

# Save as through the real save dialog: a name without an extension gets the source's.
list down select 1 && list down menu saveas
check "the save dialog opens" e2e_remote wait-window "Save as File" 10
sleep 1
xdotool key ctrl+a
xdotool type --delay 30 'C:\TvPanelTest\copy'
xdotool key Return
check "the copy is written as copy.bmp" e2e_wait 10 cmp -s "$CAPTURES/qv01.bmp" "$TESTDIR/copy.bmp"

# E-mail two files.
list down select 0 2 && list down menu email
check "e-mail hands both files to the mail library" e2e_wait 10 log_has "$TESTDIR/mail-log.txt" \
  ';|C:\TvPanel\Captures\qv00.bmp;C:\TvPanel\Captures\qv02.mpg;|qv00.bmp;qv02.mpg;'

# Delete the recording (with its thumbnail), then everything.
list down select 2 && list down menu delete
check "deleting the recording takes its thumbnail too" e2e_wait 10 files_are "qv00.bmp qv01.bmp qv03.bmp "
check "the list is read again" e2e_wait 10 count_is down 3
list down select 0 && list down menu deleteall
check "Delete All empties the folder and the list" e2e_wait 10 count_is down 0
check "no qv file is left" files_are ""

# ---- the channel list ------------------------------------------------------------------------
e2e_remote cmd toggle-side >/dev/null
check "the channel list lists the scanned air channels" e2e_wait 10 count_is side 6
check "with names where there are names" \
  [ "$(texts side | tr '\n' ' ')" = "3:....... 5:....... 14: News 16:....... 21:....... 31:....... " ]
list side activate 2
check "activating an entry tunes the card to it" e2e_wait 5 e2e_trace_has '^8000 14 posted'
check "and stores it as the air channel" [ "$(e2e_setting TVTuner TVChannelAir)" = 14 ]
list side select 4
list side menu name 'Morning Show' --close
check "a name saved in the dialog is in the settings file" \
  e2e_wait 5 [ "$(e2e_setting 'Air channel Name' 21)" = 'Morning Show' ]
check "and in the list" e2e_wait 5 [ "$(list side text 4)" = '21: Morning Show' ]
sleep 1
e2e_screenshot lists-side
e2e_finish
