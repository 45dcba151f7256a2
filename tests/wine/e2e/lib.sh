# Shared steps of the end-to-end tests: a Wine prefix and a private X screen of their own, a
# demo installation of the panel with the simulated card, real mouse input through the X
# server (xdotool), pictures read back from the screen, the card's protocol trace, and checks.
#
# A test script sources this file with the win64 build directory as $1.
set -u

E2E_BUILD=$(realpath "$1")
E2E_SOURCE=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../..")
E2E_PASSED=0 E2E_FAILED=0
E2E_ARTIFACTS=${TVPANEL_E2E_ARTIFACTS:-$E2E_BUILD/e2e-artifacts}
mkdir -p "$E2E_ARTIFACTS"
source "$E2E_SOURCE/tests/wine/wine-env"
E2E_WINE=$TVPANEL_WINE
WINEPREFIX=$("$E2E_SOURCE/tests/wine/make-prefix") || exit 1
export WINEPREFIX
E2E_APP=$WINEPREFIX/drive_c/TvPanel

# A private screen: the tests move the pointer, which must not disturb anybody's desktop.
source "$E2E_SOURCE/tests/wine/private-display.sh"
start_private_display || { echo "no X screen could be started"; exit 1; }
E2E_XVFB=$PRIVATE_XVFB_PID
trap 'wineserver -k >/dev/null 2>&1; [ -n "$E2E_XVFB" ] && kill "$E2E_XVFB" 2>/dev/null
  if [ "${TVPANEL_KEEP_PREFIX:-0}" = 1 ]; then echo "prefix kept: $WINEPREFIX"; else rm -rf "$WINEPREFIX"; fi' EXIT

check() {  # check "what" command...: passes when the command succeeds
  local what=$1; shift
  if "$@"; then echo "ok - $what"; E2E_PASSED=$((E2E_PASSED + 1))
  else echo "not ok - $what"; E2E_FAILED=$((E2E_FAILED + 1)); fi
}
e2e_is() {  # e2e_is EXPECTED COMMAND...: the command prints EXPECTED (else it says what it got)
  local got
  got=$("${@:2}" 2>/dev/null | tr -d '\r')
  [ "$got" = "$1" ] || { echo "  (got: $got)"; return 1; }
}
e2e_finish() { echo "$E2E_PASSED passed, $E2E_FAILED failed"; [ "$E2E_FAILED" -eq 0 ]; }
e2e_wait() {  # e2e_wait SECONDS command...: polls until the command succeeds (the last try speaks)
  local until=$((SECONDS + $1)); shift
  while [ $SECONDS -lt $until ]; do "$@" >/dev/null 2>&1 && return 0; sleep 0.2; done
  "$@"
}

# The demo installation: C:\TvPanel with the programs, both skins and a set-up settings file
# (the United States, the simulated card chosen, as the first start leaves it); win.ini [AP]
# points at it. The panel only runs with the capture device it was set up for.
e2e_install() {
  mkdir -p "$E2E_APP"
  cp "$E2E_BUILD/src/win32/panel/Panel.exe" "$E2E_BUILD/sim/tuner/QvTV.dll" "$E2E_BUILD/sim/tv/screen.ex_" \
    "$E2E_BUILD/tools/remote/tvremote.exe" "$E2E_BUILD/tests/wine/e2e_tools/sheet_probe.exe" \
    "$E2E_BUILD/skins/Panel.ini" "$E2E_APP/"
  cp -r "$E2E_BUILD"/skins/panelbmp* "$E2E_APP/"
  cp "${TVPANEL_SETTINGS_SEED:-$E2E_SOURCE/tests/wine/e2e/settings-set-up.ini}" "$E2E_APP/Settings.ini"
  "$E2E_SOURCE/tests/wine/register-capture-device" "Simulated TV Card"
  printf '[AP]\r\n907APDirectory=C:\\TvPanel\r\nOmrPanelIniFile=Panel.ini\r\nOmrSettingIniFile=Settings.ini\r\n' \
    >>"$WINEPREFIX/drive_c/windows/win.ini"
}
e2e_scanned() {  # e2e_scanned "AIR CHANNELS" "CABLE CHANNELS" [LINE...]: both bands scanned, then the lines
  printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' ${1:+$(printf '%s=TRUE ' $1)} '[CHANNELLIST]' 'ALREADYSCAN=TRUE' \
    ${2:+$(printf '%s=TRUE ' $2)} "${@:3}" >>"$E2E_APP/Settings.ini"
}
e2e_teletext() {  # the stand-in teletext viewer where win.ini says
  mkdir -p "$E2E_APP/Teletext" && cp "$E2E_BUILD/sim/companions/Infopage.ex_" "$E2E_APP/Teletext/" &&
    printf '[Teletext]\r\nTeletextDir=C:\\TvPanel\\Teletext\r\n' >>"$WINEPREFIX/drive_c/windows/win.ini"
}
e2e_ini() {  # e2e_ini FILE SECTION KEY: a value straight from an INI file
  tr -d '\r' <"$1" | awk -v s="[$2]" -v k="$3" '
    /^\[/ {on = tolower($0) == tolower(s); next}
    on && index($0, "=") && tolower(substr($0, 1, index($0, "=") - 1)) == tolower(k) {
      print substr($0, index($0, "=") + 1); exit }'
}
e2e_layout() { e2e_ini "$E2E_APP/Panel.ini" "$@"; }  # e2e_layout SECTION KEY

# Starts Panel.exe in the background; e2e_start_panel also waits until its window is shown,
# e2e_up until the card it starts is ready and the panel takes messages again.
e2e_run_panel() { (cd "$E2E_APP" && exec "$E2E_WINE" Panel.exe >/dev/null 2>&1) & E2E_PANEL_PID=$!; }
e2e_start_panel() { e2e_run_panel; e2e_wait 40 e2e_panel_visible; }
e2e_up() { e2e_start_panel && e2e_wait 30 e2e_card_ready && e2e_wait 20 e2e_panel_answers; }
e2e_panel_running() { ps -o stat= -p "$E2E_PANEL_PID" 2>/dev/null | grep -q '^[^Z]'; }
e2e_panel_ended() { ! e2e_panel_running; }
e2e_end() { e2e_remote cmd end-program >/dev/null; e2e_wait 20 e2e_panel_ended; }

e2e_panel_window() { xdotool search --name '^Panel$' 2>/dev/null | head -1; }
e2e_panel_visible() { local w; w=$(e2e_panel_window) && [ -n "$w" ] && xwininfo -id "$w" 2>/dev/null | grep -q 'IsViewable'; }
e2e_panel_hidden() { ! e2e_panel_visible; }
e2e_window_open() { xdotool search --name "^$1\$" >/dev/null 2>&1; }  # by its exact title
e2e_window_shot() { import -window "$(xdotool search --name "^$1\$" | head -1)" "$E2E_ARTIFACTS/$2.png" 2>/dev/null; }
e2e_screenshot() { import -window root "$E2E_ARTIFACTS/$1.png" 2>/dev/null; }

# "X Y W H" of the panel's X window on the screen, and the screen point of a panel point.
e2e_panel_geometry() {
  local w
  w=$(e2e_panel_window) && [ -n "$w" ] || { echo "(no panel window)"; return 1; }  # xwininfo would wait for a click
  xwininfo -id "$w" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
e2e_panel_size_is() { [ "$(e2e_panel_geometry | cut -d' ' -f3-4)" = "$1 $2" ]; }
e2e_at() { local g; read -r -a g <<<"$(e2e_panel_geometry)"; echo "$((g[0] + $1)) $((g[1] + $2))"; }
# A checksum of a rectangle (X Y W H in panel window coordinates), for "did the picture change".
e2e_panel_pixels() {
  local p; read -r -a p <<<"$(e2e_at "$1" "$2")"
  import -window root -crop "$3x$4+${p[0]}+${p[1]}" -depth 8 rgb:- 2>/dev/null | md5sum | cut -c1-16
}
# The window under a screen point, as the X server routes input.
e2e_window_at() { xdotool mousemove "$1" "$2" 2>/dev/null; xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p'; }

# Real mouse input at a panel window point (e2e_click) or a screen point (e2e_click_at).
e2e_move() { xdotool mousemove $(e2e_at "$1" "$2"); sleep 0.2; }
e2e_click_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1; sleep 0.15; xdotool mouseup 1; sleep 0.4; }
e2e_click() { e2e_click_at $(e2e_at "$1" "$2"); }
# Centre of a button of skin n in window coordinates.
e2e_button_centre() {  # e2e_button_centre SKIN STEM
  local v=() k
  for k in X Y W H; do v+=("$(e2e_layout "$1PANEL_BTN" "BTN_$2_$k")"); done
  echo "$((v[0] + v[2] / 2)) $((v[1] + v[3] / 2))"
}
e2e_click_button() { e2e_click $(e2e_button_centre 1 "$1"); }  # a real click on skin 1's button

e2e_remote() { (cd "$E2E_APP" && "$E2E_WINE" tvremote.exe "$@"); }
e2e_dialog() { e2e_remote dialog "$@" 2>/dev/null | tr -d '\r'; }  # e2e_dialog TITLE ACTION...
e2e_probe() { (cd "$E2E_APP" && "$E2E_WINE" sheet_probe.exe "$@" 2>/dev/null | tr -d '\r'); }
e2e_setting() { e2e_remote get settings "$1" "$2" 2>/dev/null | tr -d '\r'; }
e2e_setting_is() { [ "$(e2e_setting "$1" "$2")" = "$3" ]; }  # e2e_setting_is SECTION KEY VALUE
# The panel's thread takes messages: a command it has no use for, sent, comes back in time.
e2e_panel_answers() { e2e_remote cmd 0 --send --timeout 500 >/dev/null 2>&1; }
e2e_video_exists() { e2e_remote window Tv --class "Brivanta Tovix" >/dev/null 2>&1; }

# The simulated card's protocol trace: one line per message, "<ms> <in|out> <sent|posted>
# <message> <command id> <lParam> <window>" (sim/tv/README.md).
e2e_trace() { tr -d '\r' <"$E2E_APP/screen-trace.txt" 2>/dev/null; }
e2e_save_trace() { e2e_trace >"$E2E_ARTIFACTS/$1-trace.txt"; }
e2e_trace_in() { e2e_trace | awk '$2 == "in" && $4 == 273 {print $5, $6, $3}'; }  # "id lParam delivery"
e2e_trace_has() { e2e_trace_in | grep -q -- "$1"; }
e2e_trace_grep() { e2e_trace | grep -q -- "$1"; }
e2e_card_ready() { e2e_trace_grep ' out posted 273 40113 0 panel$'; }  # the card's 40113
e2e_acks() { e2e_trace | grep -c ' out posted 273 40113 0 panel$'; }
# What the card received since the last e2e_mark, one "id lParam delivery" per line.
e2e_mark() { E2E_MARK=$(e2e_trace_in | wc -l); }
e2e_since() { e2e_trace_in | tail -n +$((E2E_MARK + 1)); }
e2e_since_has() { e2e_since | grep -q -- "$1"; }
e2e_since_is() { e2e_is "$1" eval 'e2e_since | paste -sd,'; }  # "id lParam delivery,...": exactly these
e2e_received() { e2e_wait "${2:-5}" e2e_since_is "$1" >/dev/null; sleep 0.3; e2e_since_is "$1"; }  # no more
