#!/usr/bin/env bash
# The record and misc pages under Wine with the simulated card, driven through tvremote dialog:
# the first opening's writes, the card's encoder answers and stream formats, SVCD and a stream
# format reaching the card, the folder browser driven for real, always-on-top on the panel and
# the card at once, the snapshot count, a recording with what was chosen, and the teletext viewer
# locking DVD and the size list.
#   record_misc.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
cp "$E2E_BUILD/tests/wine/e2e_tools/sheet_probe.exe" "$E2E_APP/"
mkdir -p "$E2E_APP/Teletext" "$E2E_APP/Captures"
cp "$E2E_BUILD/sim/companions/Infopage.ex_" "$E2E_APP/Teletext/"
printf '[Teletext]\r\nTeletextDir=C:\\TvPanel\\Teletext\r\n' >>"$WINEPREFIX/drive_c/windows/win.ini"
# Both bands scanned (no scan after the launch); a card without the other encoder.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '7=TRUE' '[CHANNELLIST]' 'ALREADYSCAN=TRUE' \
  '[TVTuner]' 'TVChannelAir=7' '[SimulatedCard]' 'OtherEncoder=0' >>"$E2E_APP/Settings.ini"
SHEET=Settings

probe() { (cd "$E2E_APP" && "$E2E_WINE" sheet_probe.exe "$@" 2>/dev/null | tr -d '\r'); }
page() { e2e_remote dialog "$SHEET" "$@" 2>/dev/null | tr -d '\r'; }
sheet_open() { xdotool search --name "^$SHEET\$" >/dev/null 2>&1; }
quarn() { local k v=""; for k in "$@"; do v="$v$(e2e_setting quarn "$k") "; done; echo "${v% }"; }
mark() { e2e_trace_in | wc -l; }
since() { e2e_trace_in | tail -n +$(($1 + 1)) | paste -sd,; }
shot() { import -window "$(xdotool search --name "^$SHEET\$" | head -1)" "$E2E_ARTIFACTS/$1.png" 2>/dev/null; }

check "the panel starts" e2e_start_panel
check "it starts the simulated card" e2e_wait 20 e2e_video_exists
check "and is ready" e2e_wait 10 e2e_card_ready
e2e_wait 10 e2e_panel_answers
check "the card lists its stream formats, with a gap and YUY2 third" \
  test "$(for n in 0 1 2 3 4; do v=$(e2e_setting EnumStreamFormat $n); echo "${v:--}"; done | paste -sd,)" = \
  "RGB24,RGB555,-,YUY2,UYVY"

# ---- the record page -------------------------------------------------------------------------
e2e_remote cmd settings >/dev/null
check "SETUP opens the sheet" e2e_wait 10 sheet_open
mark0=$(mark)
page tab 3 >/dev/null
check "the record page asks the card about both encoders, waiting for each" \
  e2e_wait 5 eval 'test "$(since $mark0)" = "7791 0 sent,7792 0 sent"'
check "its first opening writes MPEG1, its first rate and 640x480 (a 525-line standard)" \
  test "$(quarn CompressFormat CaptureBitRate CaptureStreamSize)" = "MPEG1 1250000 640x480"
check "MS-MPEG4 can be chosen, OTHER not (the card said it has none)" \
  test "$(page state 1099 | cut -d' ' -f1) $(page state 1173 | cut -d' ' -f1)" = "enabled disabled"
check "the stream formats in the card's order" test "$(page items 1107 | paste -sd,)" = "RGB24,RGB555,YUY2,UYVY"
check "with YUY2 chosen while none is stored" test "$(page get 1107)" = "2 YUY2"

m=$(mark)
page select 1107 UYVY >/dev/null
check "choosing UYVY stores its number and sends 3000 with it" \
  test "$(quarn CaptureStreamFormat) $(since "$m")" = "4 3000 4 sent"
m=$(mark)
page click 1115 >/dev/null
check "SVCD stores its size for the 525-line standard" test "$(quarn CompressFormat CaptureStreamSize)" = "SVCD 480x480"
check "and sends 3000 1" test "$(since "$m")" = "3000 1 sent"
check "both lists are greyed" test "$(page state 1106 | cut -d' ' -f1) $(page state 1174 | cut -d' ' -f1)" = "disabled disabled"
check "the card takes the new settings" e2e_wait 5 eval "e2e_trace | grep -q ' note capture 1 SVCD 480x480 UYVY '"
shot record-page

# The folder browser, for real: the shell's own dialog, a folder chosen with the keyboard.
page click 1209 --post >/dev/null
browser() { xdotool search --name '^Browse for Folder$' 2>/dev/null | head -1; }
check "Browse opens the shell's folder browser" e2e_wait 10 eval 'test -n "$(browser)"'
# Real clicks at points of the browser's client area.
browser_click() {  # browser_click X Y
  local X Y
  eval "$(xdotool getwindowgeometry --shell "$(browser)")"
  xdotool mousemove $((X + $1)) $((Y + $2)); sleep 0.2; xdotool click 1; sleep 0.5
}
browser_click 98 122  # My Computer: no file-system path
browser_click 182 297  # OK
check "the browser closes on OK" e2e_wait 10 eval 'test -z "$(browser)"'
check "a folder without a path changes nothing" test "$(quarn CaptureFile) $(page get 1010)" = " "
page click 1209 --post >/dev/null
e2e_wait 10 eval 'test -n "$(browser)"'
browser_click 40 122  # unfold My Computer
browser_click 78 138  # its first drive, C:
import -window "$(browser)" "$E2E_ARTIFACTS/folder-browser.png" 2>/dev/null
browser_click 182 297
check "the browser closes again" e2e_wait 10 eval 'test -z "$(browser)"'
check "the drive chosen is stored as it comes, and shown" \
  test "$(quarn CaptureFile) $(page get 1010)" = 'C:\ C:\'

# ---- the misc page ---------------------------------------------------------------------------
e2e_remote delete settings quarn AlwaysOnTop >/dev/null
page tab 4 >/dev/null
check "its first opening writes the time-shift file, always-on-top, size and bit rate" \
  test "$(quarn TimeShiftFileRoot AlwaysOnTop TimeShiftSize TimeShiftBitRate)" = \
  'C:\TimeShift.mpg FALSE 320x240 1250000'
check "but neither the delete flag nor the snapshot count, whose boxes show their defaults" \
  test "$(quarn DeleteTempFile SnapShotNumber)|$(page get 1080)|$(page get 1083)" = " |checked|0 1"
page select-index 1083 2 >/dev/null
check "three pictures per snapshot are stored as 3" test "$(quarn SnapShotNumber)" = 3
page select 1045 "4 x 4" >/dev/null
page select 1043 7 >/dev/null
check "the preview's mosaic and time" \
  test "$(e2e_setting SURFING WIN),$(e2e_setting SURFING TIME)" = "4 x 4,7"
page set-text 1116 'C:\Shift\ts.mpg' >/dev/null
check "the time-shift path as typed" test "$(quarn TimeShiftFileRoot)" = 'C:\Shift\ts.mpg'
shot misc-page
topmost() { echo "$(probe topmost Panel) $(probe topmost Tv)"; }
check "the panel and the card are not topmost" test "$(topmost)" = "0 0"
page click 1126 >/dev/null
check "always-on-top puts the panel and the card into the topmost band at once" \
  test "$(quarn AlwaysOnTop) $(topmost)" = "TRUE 1 1"
page click 1126 >/dev/null
check "and out of it again" test "$(quarn AlwaysOnTop) $(topmost)" = "FALSE 0 0"
page click 1 >/dev/null
check "OK closes the sheet" e2e_wait 10 eval '! sheet_open'

# ---- a recording with what was chosen ---------------------------------------------------------
e2e_remote click REC >/dev/null
check "the card records SVCD at 480x480 in UYVY into the chosen folder" \
  e2e_wait 10 eval "e2e_trace | grep -q ' note record SVCD 480x480 UYVY '"
e2e_wait 10 test -f "$WINEPREFIX/drive_c/qv00.mpg"
sleep 1.5
e2e_screenshot record-misc-recording
sleep 2
e2e_remote click REC >/dev/null
check "it made C:\\qv00.mpg" e2e_wait 10 test -f "$WINEPREFIX/drive_c/qv00.mpg"

# ---- the teletext viewer locks DVD and the size list ---------------------------------------
e2e_remote click TELETEXT >/dev/null
check "teletext starts its viewer" e2e_wait 10 eval "e2e_remote window Teletext >/dev/null 2>&1"
e2e_remote cmd settings >/dev/null
e2e_wait 10 sheet_open
page tab 3 >/dev/null
check "with the viewer running DVD and the size list are greyed" \
  test "$(page state 1074 | cut -d' ' -f1) $(page state 1106 | cut -d' ' -f1)" = "disabled disabled"
page click 1096 >/dev/null
check "MPEG2 then stores the viewer's size, which the 525-line list lacks" \
  test "$(quarn CompressFormat CaptureStreamSize CaptureBitRate) $(page get 1106)" = "MPEG2 352x288 2000000 -1"
shot record-page-teletext
page click 2 >/dev/null
e2e_wait 10 eval '! sheet_open'
e2e_trace >"$E2E_ARTIFACTS/record-misc-trace.txt"

e2e_finish
