# Shared steps of the setup program's tests: on top of the end-to-end helpers (a prefix and a
# private screen of its own, check, waits, the panel's window), an installation of the TV card
# software laid out the way its own installer leaves it, the setup program and its uninstaller
# run as a user would, and before/after pictures of the folder and of win.ini.
#
# A test script sources this file with a Windows build directory as $1.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh" "$1"

INST_VERSION=$(sed -n 's/^#define TVPANEL_VERSION "\(.*\)"/\1/p' "$E2E_BUILD/generated/tvpanel_version.h")
# The build's architecture from its Panel.exe: the machine field of the PE header.
INST_ARCH=$(python3 -c 'import struct, sys
d = open(sys.argv[1], "rb").read(4096)
print("win64" if struct.unpack_from("<H", d, struct.unpack_from("<I", d, 60)[0] + 4)[0] == 0x8664 else "win32")' \
  "$E2E_BUILD/src/win32/panel/Panel.exe")
INST_SETUP=$E2E_BUILD/package/TvPanel-$INST_VERSION-$INST_ARCH-setup.exe
INST_TITLE="TV Panel $INST_VERSION Setup"
INST_WININI=$WINEPREFIX/drive_c/windows/win.ini
INST_START_MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/TV Panel.lnk"
INST_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TvPanel'
[ -f "$INST_SETUP" ] || { echo "no setup program at $INST_SETUP (build the package target)"; exit 1; }

# The Linux path of a C:\ path of the prefix.
inst_unix() { local p=${1#[Cc]:}; echo "$WINEPREFIX/drive_c${p//\\//}"; }

# win.ini as a fresh Windows has it, plus a section of another program's, so that a test sees
# what happens to the lines around [AP].
inst_base_winini() {
  printf '[windows]\r\nload=\r\nrun=\r\n\r\n[Other Program]\r\nkey=value with  two spaces\r\n' >"$INST_WININI"
}

# The TV card software in FOLDER (C:\...): the simulated card's programs, a settings file that
# has seen its first start, the card registered, and win.ini [AP] naming the folder and the
# settings file as the card's installer writes it. More [AP] lines may follow as arguments.
inst_card_software() {
  local folder=$1; shift
  local dir
  dir=$(inst_unix "$folder")
  mkdir -p "$dir"
  cp "$E2E_BUILD/sim/tuner/QvTV.dll" "$E2E_BUILD/sim/tv/screen.ex_" "$dir/"
  cp "$E2E_SOURCE/tests/wine/e2e/settings-set-up.ini" "$dir/Settings.ini"
  "$E2E_SOURCE/tests/wine/register-capture-device" "Simulated TV Card"
  inst_base_winini
  { printf '[AP]\r\n907APDirectory=%s\r\nOmrSettingIniFile=Settings.ini\r\n' "$folder"
    for line in "$@"; do printf '%s\r\n' "$line"; done; } >>"$INST_WININI"
}

# Every file under a folder with its checksum, and every section, key and value of win.ini in
# their order. (Wine's profile writer drops blank lines of a file it rewrites; nothing else.)
inst_picture() {  # inst_picture C:\FOLDER
  local dir
  dir=$(inst_unix "$1")
  [ -d "$dir" ] && (cd "$dir" && find . -type f -exec md5sum {} + | sort -k2)
  tr -d '\r' <"$INST_WININI" | grep -v '^$'
}

# The value of a win.ini key through the profile reader of the prefix itself.
inst_ap() {  # inst_ap KEY
  tr -d '\r' <"$INST_WININI" | awk -v k="$1" '
    /^\[/ {in_ap = tolower($0) == "[ap]"; next}
    in_ap && tolower(substr($0, 1, index($0, "=") - 1)) == tolower(k) {print substr($0, index($0, "=") + 1); exit}'
}

# The setup program as a user starts it; its exit code (0 done, 2 refused the folder or failed,
# 3 the panel runs).
inst_setup() { (cd "$(dirname "$INST_SETUP")" && "$E2E_WINE" "$(basename "$INST_SETUP")" "$@" >/dev/null 2>&1); }

# The uninstaller as Add/Remove Programs starts it: it copies itself away and ends at once, so
# the test waits for every program of the prefix to end.
inst_uninstall() {  # inst_uninstall C:\FOLDER [ARGS...]
  local folder=$1; shift
  (cd "$(inst_unix "$folder")" && "$E2E_WINE" TvPanel-uninstall.exe "$@" >/dev/null 2>&1)
  timeout 60 wineserver -w
}

inst_registry() {  # inst_registry VALUE: the Add/Remove Programs entry's value
  local view=/reg:64
  [ "$INST_ARCH" = win32 ] && view=/reg:32
  "$E2E_WINE" reg query "$INST_KEY" /v "$1" $view 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$1 \+REG_[A-Z_]\+ \+//p"
}

# Passes when BEFORE and AFTER (pictures) are equal, else shows how they differ.
inst_same() {  # inst_same "what" BEFORE AFTER
  check "$1" test "$2" = "$3"
  [ "$2" = "$3" ] || diff <(echo "$2") <(echo "$3")
}

# The panel's window shows its skin: its part of the screen is not black.
inst_panel_drawn() {
  local g mean
  read -r -a g <<<"$(e2e_panel_geometry)" || return 1
  mean=$(import -window root -crop "${g[2]}x${g[3]}+${g[0]}+${g[1]}" -format '%[fx:mean]' info: 2>/dev/null)
  awk -v m="${mean:-0}" 'BEGIN { exit !(m > 0.05) }'
}

# The setup program's window on one of its pages ("Installation Folder", "Completed").
inst_page_shown() { xdotool search --name "^$INST_TITLE: $1\$" >/dev/null 2>&1; }

inst_message_shown() { xdotool search --name "^$INST_TITLE\$" >/dev/null 2>&1; }
# OK of the setup program's message box: its one button, centred at the bottom.
inst_message_ok() {
  local w x y width height
  w=$(xdotool search --name "^$INST_TITLE\$" 2>/dev/null | head -1)
  [ -n "$w" ] || return 1
  read -r x y width height <<<"$(xwininfo -id "$w" | awk '/Absolute upper-left X/{x=$4}
    /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}')"
  xdotool mousemove $((x + width / 2)) $((y + height - 23)) click 1
}
