# Shared steps of the end-to-end tests: a Wine prefix and a private X screen of their own, a
# demo installation of the panel with the simulated card, real mouse input through the X
# server (xdotool), pictures read back from the screen, and simple checks.
#
# A test script sources this file with the win64 build directory as $1.
set -u

E2E_BUILD=$(realpath "$1")
E2E_SOURCE=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../..")
E2E_PASSED=0
E2E_FAILED=0
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

e2e_cleanup() {
  wineserver -k >/dev/null 2>&1
  [ -n "$E2E_XVFB" ] && kill "$E2E_XVFB" 2>/dev/null
  if [ "${TVPANEL_KEEP_PREFIX:-0}" = 1 ]; then echo "prefix kept: $WINEPREFIX"; else rm -rf "$WINEPREFIX"; fi
}
trap e2e_cleanup EXIT

check() {  # check "what" command...: passes when the command succeeds
  local what=$1; shift
  if "$@"; then
    echo "ok - $what"
    E2E_PASSED=$((E2E_PASSED + 1))
  else
    echo "not ok - $what"
    E2E_FAILED=$((E2E_FAILED + 1))
  fi
}

e2e_finish() {
  echo "$E2E_PASSED passed, $E2E_FAILED failed"
  [ "$E2E_FAILED" -eq 0 ]
}

# The demo installation: C:\TvPanel with the programs, both skins and a set-up settings file;
# win.ini [AP] points at it.
e2e_install() {
  mkdir -p "$E2E_APP"
  cp "$E2E_BUILD/src/win32/panel/Panel.exe" "$E2E_BUILD/sim/tuner/QvTV.dll" \
    "$E2E_BUILD/sim/tv/screen.ex_" "$E2E_BUILD/tools/remote/tvremote.exe" "$E2E_APP/"
  cp "$E2E_BUILD/skins/Panel.ini" "$E2E_APP/"
  cp -r "$E2E_BUILD"/skins/panelbmp* "$E2E_APP/"
  # Set up as the first start leaves it: the United States, the simulated card chosen.
  cp "${TVPANEL_SETTINGS_SEED:-$E2E_SOURCE/tests/wine/e2e/settings-set-up.ini}" "$E2E_APP/Settings.ini"
  # The panel only runs with the capture device it was set up for: the simulated card.
  "$E2E_SOURCE/tests/wine/register-capture-device" "Simulated TV Card"
  printf '[AP]\r\n907APDirectory=C:\\TvPanel\r\nOmrPanelIniFile=Panel.ini\r\nOmrSettingIniFile=Settings.ini\r\n' \
    >>"$WINEPREFIX/drive_c/windows/win.ini"
}

# Starts Panel.exe (in the background) and waits until its window is on the screen.
e2e_start_panel() {
  (cd "$E2E_APP" && exec "$E2E_WINE" Panel.exe >/dev/null 2>&1) &
  E2E_PANEL_PID=$!
  e2e_wait 40 e2e_panel_visible
}

e2e_panel_window() { xdotool search --name '^Panel$' 2>/dev/null | head -1; }
e2e_panel_visible() {
  local w
  w=$(e2e_panel_window)
  [ -n "$w" ] && xwininfo -id "$w" 2>/dev/null | grep -q 'IsViewable'
}
e2e_panel_hidden() { ! e2e_panel_visible; }

e2e_wait() {  # e2e_wait SECONDS command...: polls until the command succeeds
  local until=$((SECONDS + $1)); shift
  while [ $SECONDS -lt $until ]; do
    "$@" && return 0
    sleep 0.2
  done
  "$@"
}

# "X Y W H" of the panel's X window on the screen.
e2e_panel_geometry() {
  local w
  w=$(e2e_panel_window)
  [ -n "$w" ] || { echo "(no panel window)"; return 1; }  # xwininfo would wait for a click
  xwininfo -id "$w" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
                           /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
e2e_panel_size_is() { [ "$(e2e_panel_geometry | cut -d' ' -f3-4)" = "$1 $2" ]; }

# Screen point of a panel window point.
e2e_at() {
  local g
  read -r -a g <<<"$(e2e_panel_geometry)"
  echo "$((g[0] + $1)) $((g[1] + $2))"
}

# A checksum of a screen rectangle, for "did the picture change" checks.
e2e_pixels() {  # e2e_pixels X Y W H (screen)
  import -window root -crop "$3x$4+$1+$2" -depth 8 rgb:- 2>/dev/null | md5sum | cut -c1-16
}
e2e_panel_pixels() {  # e2e_panel_pixels X Y W H (panel window coordinates)
  local p
  read -r -a p <<<"$(e2e_at "$1" "$2")"
  e2e_pixels "${p[0]}" "${p[1]}" "$3" "$4"
}

e2e_screenshot() { import -window root "$E2E_ARTIFACTS/$1.png" 2>/dev/null; }

# The window under a screen point, as the X server routes input.
e2e_window_at() {
  xdotool mousemove "$1" "$2" 2>/dev/null
  xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p'
}

# Real mouse input at a panel window point.
e2e_move() { xdotool mousemove $(e2e_at "$1" "$2"); sleep 0.2; }
e2e_click() { e2e_move "$1" "$2"; xdotool mousedown 1; sleep 0.15; xdotool mouseup 1; sleep 0.3; }

# Values from the installed layout file.
e2e_layout() {  # e2e_layout SECTION KEY
  python3 - "$E2E_APP/Panel.ini" "$1" "$2" <<'PY'
import sys
path, section, key = sys.argv[1:]
current = None
for line in open(path, encoding="latin-1"):
    line = line.strip()
    if line.startswith("[") and line.endswith("]"):
        current = line[1:-1].lower()
    elif current == section.lower() and "=" in line:
        k, v = line.split("=", 1)
        if k.strip().lower() == key.lower():
            print(v.strip())
            break
PY
}
# Centre of a button of skin n in window coordinates (no content offset).
e2e_button_centre() {  # e2e_button_centre SKIN STEM
  local x y w h
  x=$(e2e_layout "$1PANEL_BTN" "BTN_$2_X"); y=$(e2e_layout "$1PANEL_BTN" "BTN_$2_Y")
  w=$(e2e_layout "$1PANEL_BTN" "BTN_$2_W"); h=$(e2e_layout "$1PANEL_BTN" "BTN_$2_H")
  echo "$((x + w / 2)) $((y + h / 2))"
}

e2e_remote() { (cd "$E2E_APP" && "$E2E_WINE" tvremote.exe "$@"); }

# The panel's thread takes messages: a command it has no use for, sent, comes back in time.
# (After starting the video window the panel sleeps six seconds and answers nothing.)
e2e_panel_answers() { e2e_remote cmd 0 --send --timeout 500 >/dev/null 2>&1; }
# The simulated card's main window exists.
e2e_video_exists() { e2e_remote window Tv --class "Brivanta Tovix" >/dev/null 2>&1; }

# Without a notification area of the desktop's own, Wine shows the icons in a small window.
e2e_tray_window_shown() { xdotool search --onlyvisible --name '^Wine System Tray$' >/dev/null 2>&1; }

# The simulated card's protocol trace: one line per message, "<ms> <in|out> <sent|posted>
# <message> <command id> <lParam> <window>" (sim/tv/README.md).
e2e_trace() { tr -d '\r' <"$E2E_APP/screen-trace.txt" 2>/dev/null; }
# The trace's received commands as "id lParam delivery", in order.
e2e_trace_in() { e2e_trace | awk '$2 == "in" && $4 == 273 {print $5, $6, $3}'; }
e2e_trace_has() { e2e_trace_in | grep -q -- "$1"; }
# The card has started and told the panel it is ready (40113).
e2e_card_ready() { e2e_trace | grep -q ' out posted 273 40113 0 panel$'; }
e2e_setting() { e2e_remote get settings "$1" "$2" 2>/dev/null | tr -d '\r'; }
