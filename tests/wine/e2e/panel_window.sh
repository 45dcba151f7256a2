#!/usr/bin/env bash
# The panel under Wine with real input: it opens shaped at its place, input outside its
# outline does not reach it, hover and press change its picture, it drags from empty skin
# only, folds and unfolds into all four shapes of both skins and sits in the notification area.
# (protocol.sh covers the second start and the hot key.)
#   panel_window.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
e2e_scanned "14" "" '[TVTuner]' 'TVChannelAir=14'  # no scan question holds the panel
check "the panel starts, starts the card and takes input" e2e_up
check "the closed panel sits centred above the bottom of the screen" e2e_is "239 552 547 176" e2e_panel_geometry
e2e_screenshot closed-skin1

# The outline: the top edge dips between x 342 and 471 (skin 1's polygon).
panel=$(e2e_panel_window)
read -r ox oy <<<"$(e2e_at 400 3)"
read -r ix iy <<<"$(e2e_at 400 30)"
check "a point outside the outline belongs to the window below, one inside to the panel" \
  eval 'test "$(e2e_window_at "$ox" "$oy")" != "$panel" -a "$(e2e_window_at "$ix" "$iy")" = "$panel"'
before=$(e2e_panel_geometry)
xdotool mousemove "$ox" "$oy" mousedown 1; sleep 0.2
xdotool mousemove $((ox - 30)) $((oy - 30)); sleep 0.2; xdotool mouseup 1; sleep 0.3
check "a drag outside the outline does not move the panel" e2e_is "$before" e2e_panel_geometry

# Hover and press looks of channel up (button 13 at 452, 26, 20, 30).
look() { e2e_panel_pixels 452 26 20 30; }
e2e_move 321 148; normal=$(look)
e2e_move 460 40; e2e_move 462 41; hover=$(look)
xdotool mousedown 1; sleep 0.3; pressed=$(look)
xdotool mouseup 1; sleep 0.3
e2e_move 321 148
check "hover, press and leaving show three looks and the normal one again" \
  eval 'test "$hover" != "$normal" -a "$pressed" != "$hover" -a "$pressed" != "$normal" -a "$(look)" = "$normal"'

# Dragging from a button does not move the window; dragging from empty skin does.
before=$(e2e_panel_geometry)
e2e_move 462 41; xdotool mousedown 1; sleep 0.2; xdotool mousemove_relative -- 0 -40; sleep 0.3
xdotool mouseup 1; sleep 0.3
check "a drag that starts on a button does not move the panel" e2e_is "$before" e2e_panel_geometry
# Up to the top of the screen, so that the taller skin 2 fits for the clicks below.
e2e_move 321 148; xdotool mousedown 1; sleep 0.2
for step in 1 2 3 4 5; do xdotool mousemove_relative -- -4 -100; sleep 0.1; done
sleep 0.3; xdotool mouseup 1; sleep 0.5
read -r _ top _ _ <<<"$(e2e_panel_geometry)"
check "a drag from empty skin moves the panel with the pointer" test "$top" -le 252

# The shapes of both skins: each row clicks a button (skin, stem, x offset) and names the size.
#  skin stem       dx   size     screenshot
shapes=(
  "1    OPENPANEL  0    547x356  down-skin1"
  "1    LEFTOPEN   0    643x356  all-skin1"
  "1    OPENPANEL  96   643x176  side-skin1"
  "1    LEFTOPEN   0    547x176  -"
  "1    SKIN       0    236x448  closed-skin2"
  "2    OPENPANEL  0    236x620  -"
  "2    LEFTOPEN   0    360x620  all-skin2"
  "2    DOWNCLOSE  0    360x448  -"
  "2    LEFTOPEN   124  236x448  -"
  "2    SKIN       0    547x176  -"
)
for row in "${shapes[@]}"; do
  read -r skin stem dx size shot <<<"$row"
  read -r bx by <<<"$(e2e_button_centre "$skin" "$stem")"
  e2e_click $((bx + dx)) "$by"
  check "skin $skin: $stem (+$dx) gives $size" e2e_wait 5 e2e_panel_size_is "${size%x*}" "${size#*x}"
  [ "$shot" = - ] || e2e_screenshot "$shot"
  [ "$size" = 236x448 ] && [ "$stem" = SKIN ] && check "the skin choice is written to the layout file" e2e_is 2 e2e_layout Panel PanelNow
done
# Without a notification area of the desktop's own, Wine shows the icons in a small window.
check "the panel has an icon in the notification area" e2e_wait 5 eval "xdotool search --onlyvisible --name '^Wine System Tray$'"
e2e_finish
