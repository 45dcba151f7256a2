#!/usr/bin/env bash
# The record and misc pages under Wine with the simulated card, driven through tvremote dialog:
# the card's encoder answers and stream formats, SVCD and a stream format reaching the card, the
# folder browser driven for real, always-on-top on the panel and the card at once, a recording
# with what was chosen, and the teletext viewer locking DVD and the size list. (The pages' first
# writes and each control's stored value are unit-tested.)
#   record_misc.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
e2e_teletext
e2e_scanned "7" "" '[TVTuner]' 'TVChannelAir=7' '[SimulatedCard]' 'OtherEncoder=0'  # no other encoder
SHEET=Settings
page() { e2e_dialog "$SHEET" "$@"; }
quarn() { local k; for k in "$@"; do e2e_setting quarn "$k"; done | paste -sd' '; }
states() { local c; for c in "$@"; do page state "$c" | cut -d' ' -f1; done | paste -sd' '; }
since() { e2e_since | paste -sd,; }
browser() { xdotool search --name '^Browse for Folder$' 2>/dev/null | head -1; }
browse() {  # browse X,Y...: real clicks at points of the shell's folder browser, the last on OK
  local p
  page click 1209 --post >/dev/null
  e2e_wait 10 eval 'test -n "$(browser)"' || return 1
  eval "$(xdotool getwindowgeometry --shell "$(browser)")"
  for p in "$@"; do xdotool mousemove $((X + ${p%,*})) $((Y + ${p#*,})); sleep 0.2; xdotool click 1; sleep 0.5; done
}

check "the panel starts the card" e2e_up
e2e_remote cmd settings >/dev/null
e2e_wait 10 e2e_window_open "$SHEET"
e2e_mark
page tab 3 >/dev/null
check "the record page asks the card about both encoders, waiting for each" e2e_wait 5 e2e_is "7791 0 sent,7792 0 sent" since
check "MS-MPEG4 can be chosen, OTHER not (the card said it has none)" e2e_is "enabled disabled" states 1099 1173
check "the stream formats the card wrote (0, 1, 3, 4) in its order, YUY2 chosen while none is stored" \
  e2e_is "RGB24,RGB555,YUY2,UYVY 2 YUY2" eval 'echo $(page items 1107 | paste -sd,) $(page get 1107)'
e2e_mark
page select 1107 UYVY >/dev/null
check "choosing UYVY stores its number and sends 3000 with it" e2e_is "4 3000 4 sent" eval 'echo $(quarn CaptureStreamFormat) $(since)'
e2e_mark
page click 1115 >/dev/null
check "SVCD stores its size for the 525-line standard, sends 3000 1 and greys both lists" \
  e2e_is "SVCD 480x480 3000 1 sent disabled disabled" eval 'echo $(quarn CompressFormat CaptureStreamSize) $(since) $(states 1106 1174)'
e2e_window_shot "$SHEET" record-page

browse 98,122 182,297  # My Computer (no file-system path), OK
check "the shell's folder browser closes on OK; a folder without a path changes nothing" \
  e2e_wait 10 eval 'test -z "$(browser)" && test "$(quarn CaptureFile) $(page get 1010)" = " "'
browse 40,122 78,138  # unfold My Computer, its first drive C:
e2e_window_shot "Browse for Folder" folder-browser
xdotool mousemove $((X + 182)) $((Y + 297)); sleep 0.2; xdotool click 1
drive='C:\ C:\'
check "the drive chosen is stored as it comes, and shown" \
  e2e_wait 10 eval 'test -z "$(browser)" && test "$(quarn CaptureFile) $(page get 1010)" = "$drive"'

page tab 4 >/dev/null
e2e_window_shot "$SHEET" misc-page
topmost() { echo "$(quarn AlwaysOnTop) $(e2e_probe topmost Panel) $(e2e_probe topmost Tv)"; }
page click 1126 >/dev/null
check "from neither, always-on-top puts the panel and the card into the topmost band at once" e2e_is "TRUE 1 1" topmost
page click 1126 >/dev/null
check "and out of it again" e2e_is "FALSE 0 0" topmost
page click 1 >/dev/null
e2e_wait 10 eval '! e2e_window_open "$SHEET"'

e2e_remote click REC >/dev/null
check "the card records SVCD at 480x480 in UYVY into the chosen folder" \
  e2e_wait 10 eval "e2e_trace_grep ' note record SVCD 480x480 UYVY ' && test -f '$WINEPREFIX/drive_c/qv00.mpg'"
sleep 1.5
e2e_screenshot record-misc-recording
sleep 2
e2e_remote click REC >/dev/null

e2e_remote click TELETEXT >/dev/null
check "teletext starts its viewer" e2e_wait 10 eval "e2e_remote window Teletext >/dev/null 2>&1"
e2e_remote cmd settings >/dev/null
e2e_wait 10 e2e_window_open "$SHEET"
page tab 3 >/dev/null
check "with the viewer running DVD and the size list are greyed" e2e_is "disabled disabled" states 1074 1106
page click 1096 >/dev/null
check "MPEG2 then stores the viewer's size, which the 525-line list lacks" \
  e2e_is "MPEG2 352x288 2000000 -1" eval 'echo $(quarn CompressFormat CaptureStreamSize CaptureBitRate) $(page get 1106)'
e2e_window_shot "$SHEET" record-page-teletext
page click 2 >/dev/null
e2e_save_trace record-misc
e2e_finish
