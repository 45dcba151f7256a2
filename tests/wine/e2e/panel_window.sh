#!/usr/bin/env bash
# The panel under Wine with real input: it opens shaped at its place, input outside its
# outline does not reach it, hover and press change its picture, it drags from empty skin
# only, folds and unfolds into all four shapes of both skins and sits in the notification area.
# (protocol.sh covers the second start and the hot key.)
#   panel_window.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# The air band scanned, so that no scan question holds the panel.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '14=TRUE' '[TVTuner]' 'TVChannelAir=14' \
  >>"$E2E_APP/Settings.ini"
check "the panel starts from the demo installation" e2e_start_panel
check "the closed panel sits centred above the bottom of the screen" \
  test "$(e2e_panel_geometry)" = "239 552 547 176"
# The panel starts the simulated card on the stored source; input is checked once it is up.
check "the panel takes input again after starting the card" \
  e2e_wait 30 eval 'e2e_card_ready && e2e_panel_answers'
e2e_screenshot closed-skin1

# The outline: the top edge dips between x 342 and 471 (skin 1's polygon).
panel=$(e2e_panel_window)
read -r ox oy <<<"$(e2e_at 400 3)"
read -r ix iy <<<"$(e2e_at 400 30)"
check "a point outside the outline belongs to the window below" \
  test "$(e2e_window_at "$ox" "$oy")" != "$panel"
check "a point inside the outline belongs to the panel" test "$(e2e_window_at "$ix" "$iy")" = "$panel"

before=$(e2e_panel_geometry)
xdotool mousemove "$ox" "$oy" mousedown 1; sleep 0.2
xdotool mousemove $((ox - 30)) $((oy - 30)); sleep 0.2; xdotool mouseup 1; sleep 0.3
check "a drag outside the outline does not move the panel" test "$(e2e_panel_geometry)" = "$before"

# Hover and press looks of channel up (button 13 at 452, 26, 20, 30).
e2e_move 321 148
normal=$(e2e_panel_pixels 452 26 20 30)
e2e_move 460 40; e2e_move 462 41
hover=$(e2e_panel_pixels 452 26 20 30)
xdotool mousedown 1; sleep 0.3
pressed=$(e2e_panel_pixels 452 26 20 30)
xdotool mouseup 1; sleep 0.3
check "hovering a button shows its hover look" test "$hover" != "$normal"
check "pressing it shows a third, pressed look" test "$pressed" != "$hover" -a "$pressed" != "$normal"
e2e_move 321 148
check "moving onto empty skin shows the normal look again" \
  test "$(e2e_panel_pixels 452 26 20 30)" = "$normal"

# Dragging from a button does not move the window; dragging from empty skin does.
before=$(e2e_panel_geometry)
e2e_move 462 41; xdotool mousedown 1; sleep 0.2; xdotool mousemove_relative -- 0 -40; sleep 0.3
xdotool mouseup 1; sleep 0.3
check "a drag that starts on a button does not move the panel" test "$(e2e_panel_geometry)" = "$before"
# Up to the top of the screen: the taller skin 2 keeps the top-left corner when it replaces
# skin 1, and must fit on the screen for the clicks below.
e2e_move 321 148; xdotool mousedown 1; sleep 0.2
for step in 1 2 3 4 5; do xdotool mousemove_relative -- -4 -100; sleep 0.1; done
sleep 0.3; xdotool mouseup 1; sleep 0.5
# The first step starts the system's move loop; the window follows the pointer from there on.
read -r _ top _ _ <<<"$(e2e_panel_geometry)"
check "a drag from empty skin moves the panel with the pointer" test "$top" -le 252

# The four shapes of skin 1: fold button (38) and channel-list button (45).
read -r fx fy <<<"$(e2e_button_centre 1 OPENPANEL)"
read -r lx ly <<<"$(e2e_button_centre 1 LEFTOPEN)"
e2e_click "$fx" "$fy"
check "the fold button unfolds the files part (547 x 356)" e2e_wait 5 e2e_panel_size_is 547 356
e2e_screenshot down-skin1
e2e_click "$lx" "$ly"
check "the list button then unfolds the side as well (643 x 356)" e2e_wait 5 e2e_panel_size_is 643 356
e2e_screenshot all-skin1
e2e_click $((fx + 96)) "$fy"
check "folding the files part leaves the side part (643 x 176)" e2e_wait 5 e2e_panel_size_is 643 176
e2e_screenshot side-skin1
e2e_click "$lx" "$ly"
check "folding the side part closes the panel again (547 x 176)" e2e_wait 5 e2e_panel_size_is 547 176

# The next skin, and its shapes.
read -r sx sy <<<"$(e2e_button_centre 1 SKIN)"
e2e_click "$sx" "$sy"
check "the skin button shows skin 2 (236 x 448)" e2e_wait 5 e2e_panel_size_is 236 448
check "the choice is written to the layout file" test "$(e2e_layout Panel PanelNow)" = 2
e2e_screenshot closed-skin2
read -r fx fy <<<"$(e2e_button_centre 2 OPENPANEL)"
read -r lx ly <<<"$(e2e_button_centre 2 LEFTOPEN)"
e2e_click "$fx" "$fy"
check "skin 2 unfolds its files part (236 x 620)" e2e_wait 5 e2e_panel_size_is 236 620
e2e_click "$lx" "$ly"
check "skin 2 unfolds its side on the right (360 x 620)" e2e_wait 5 e2e_panel_size_is 360 620
e2e_screenshot all-skin2
read -r cx cy <<<"$(e2e_button_centre 2 DOWNCLOSE)"
e2e_click "$cx" "$cy"
check "skin 2's close button folds the files part (360 x 448)" e2e_wait 5 e2e_panel_size_is 360 448
e2e_click $((lx + 124)) "$ly"
check "the moved list button folds the side (236 x 448)" e2e_wait 5 e2e_panel_size_is 236 448
read -r sx sy <<<"$(e2e_button_centre 2 SKIN)"
e2e_click "$sx" "$sy"
check "the skin button cycles back to skin 1" e2e_wait 5 e2e_panel_size_is 547 176

check "the panel has an icon in the notification area" \
  e2e_wait 5 e2e_tray_window_shown

e2e_finish
