#!/usr/bin/env bash
# The first start of a fresh installation under Wine: the setup dialog asks for the TV card
# and the country; OK with the default choice leads to a running panel and stores the
# country; the panel then asks to scan the air band and OK scans it; once the card is gone,
# the next start closes the panel right away.
#   first_start.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# Fresh: the settings file as it ships, which has never seen a country.
cp "$E2E_SOURCE/dist/Settings.ini" "$E2E_APP/Settings.ini"

e2e_settings_value() {  # e2e_settings_value SECTION KEY: straight from the file
  tr -d '\r' <"$E2E_APP/Settings.ini" | awk -v s="[$1]" -v k="$2" '
    /^\[/ {in_section = tolower($0) == tolower(s); next}
    in_section && index($0, "=") && tolower(substr($0, 1, index($0, "=") - 1)) == tolower(k) {
      print substr($0, index($0, "=") + 1); exit }'
}
# The setup dialog has no title: the one visible dialog window of the program.
e2e_setup_dialog() { e2e_remote window "" --class "#32770" 2>/dev/null | tr -d '\r'; }
e2e_setup_shown() { e2e_setup_dialog | grep -q visible; }
e2e_panel_ended() { ! kill -0 "$E2E_PANEL_PID" 2>/dev/null; }
e2e_start_in_background() {
  (cd "$E2E_APP" && exec "$E2E_WINE" Panel.exe >/dev/null 2>&1) &
  E2E_PANEL_PID=$!
}

e2e_start_in_background
check "a fresh installation shows the setup dialog" e2e_wait 30 e2e_setup_shown
e2e_screenshot first-start-dialog
read -r dx dy dw dh _ <<<"$(e2e_setup_dialog)"
# 1024 x 768 screen: left of the centre by 260 pixels, above it by 65.
check "the dialog sits at 252, 319" test "$dx $dy" = "252 319"
check "the panel waits behind the dialog" e2e_panel_hidden

# OK, bottom right in the template (223, 179, 27, 15 of 260 x 203 dialog units).
xdotool mousemove $((dx + dw * 2365 / 2600)) $((dy + dh * 1865 / 2030)); sleep 0.2
xdotool click 1; sleep 0.5
check "OK with the default choice leads to a running panel" e2e_wait 20 e2e_panel_visible
check "the dialog is gone" e2e_wait 5 eval '! e2e_setup_shown'
check "the country is stored" test "$(e2e_settings_value TOVIX CountryCode)" = 1
check "with its place in the list" test "$(e2e_settings_value TOVIX CodePos)" = 228
check "and the band limits" test "$(e2e_settings_value TOVIX Maxair)" -gt 0
check "the simulated card is the chosen device" \
  test "$(e2e_settings_value DEVICE 0)|$(e2e_settings_value SelectDevice Index)" = "Simulated TV Card|0"

# Six seconds after starting the card on the never-scanned air band the panel asks to scan it,
# in front of everything; the user answers OK with Return.
scan_box() { xdotool search --onlyvisible --name '^AutoScan$' 2>/dev/null | head -1; }
check "the panel then asks to scan the air band" e2e_wait 30 eval '[ -n "$(scan_box)" ]'
check "with the air question" \
  test "$(e2e_remote dialog AutoScan get 65535 | tr -d '\r')" = "AutoScan Air will start now.It will take few minutes.PLEASE wait..."
e2e_screenshot first-start-scan-question
xdotool windowfocus "$(scan_box)" 2>/dev/null; sleep 0.2; xdotool key Return
check "OK tells the card to scan the air band" e2e_wait 10 e2e_trace_has '^2006 1 posted'
check "the band counts as scanned, with the card's stations listed" e2e_wait 20 eval \
  'test "$(e2e_settings_value CHANNELLISTAIR ALREADYSCAN) $(e2e_settings_value CHANNELLISTAIR 3) $(e2e_settings_value CHANNELLISTAIR 4)" = "TRUE TRUE FALSE"'
check "the card ends its scan and the panel takes input again" \
  e2e_wait 20 eval "e2e_trace | grep -q ' out posted 273 40111 0 panel\$' && e2e_panel_answers"
e2e_screenshot first-start-panel

wineserver -k >/dev/null 2>&1; sleep 1

# Another card in its place: the next start closes the panel without a word.
"$E2E_SOURCE/tests/wine/register-capture-device" "Another TV Card"
e2e_start_in_background
check "with another card the panel closes by itself" e2e_wait 30 e2e_panel_ended

# No card at all: the warning comes first, then the panel ends.
"$E2E_SOURCE/tests/wine/register-capture-device"
e2e_start_in_background
e2e_warning_shown() { e2e_remote wait-window Warning 1 --class "#32770" >/dev/null 2>&1; }
check "without any card the panel warns" e2e_wait 30 e2e_warning_shown
e2e_screenshot no-card-warning
warning=$(xdotool search --name '^Warning$' 2>/dev/null | head -1)
[ -n "$warning" ] && xdotool windowfocus "$warning" 2>/dev/null
xdotool key Return; sleep 0.5
check "and closes once the warning is dismissed" e2e_wait 20 e2e_panel_ended

e2e_finish
