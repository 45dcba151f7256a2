#!/usr/bin/env bash
# A silent install into the TV card software's folder (a path with spaces), as win.ini names
# it; the installed panel starts; the setup program refuses to run beside it; the uninstaller
# leaves the folder and win.ini exactly as they were.
#   real_installation.sh BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

card='C:\Program Files\TV Card'
inst_card_software "$card"
before=$(inst_picture "$card")
E2E_APP=$(inst_unix "$card")

inst_setup /S; rc=$?
check "the silent install succeeds" test "$rc" = 0
check "Panel.exe lands in the folder win.ini names" cmp -s "$E2E_APP/Panel.exe" "$E2E_BUILD/src/win32/panel/Panel.exe"
check "with the remote" cmp -s "$E2E_APP/tvremote.exe" "$E2E_BUILD/tools/remote/tvremote.exe"
check "the installation had no layout file: the default one comes" cmp -s "$E2E_APP/Panel.ini" "$E2E_BUILD/skins/Panel.ini"
check "with both skins" test "$(ls "$E2E_APP/panelbmp1" | wc -l) $(ls "$E2E_APP/panelbmp2" | wc -l)" = "$(ls "$E2E_BUILD/skins/panelbmp1" | wc -l) $(ls "$E2E_BUILD/skins/panelbmp2" | wc -l)"
check "and [AP] OmrPanelIniFile names it" test "$(inst_ap OmrPanelIniFile)" = Panel.ini
check "[AP] 907APDirectory stays" test "$(inst_ap 907APDirectory)" = "$card"
check "the card's settings file and its name stay" \
  test "$(inst_ap OmrSettingIniFile) $(md5sum <"$E2E_APP/Settings.ini")" = "Settings.ini $(md5sum <"$E2E_SOURCE/tests/wine/e2e/settings-set-up.ini")"
check "a Start-menu shortcut" test -f "$INST_START_MENU"
check "Add/Remove Programs shows the version" test "$(inst_registry DisplayVersion)" = "$INST_VERSION"
check "and the uninstaller" test "$(inst_registry UninstallString)" = "\"$card\\TvPanel-uninstall.exe\""
check "which is there" test -f "$E2E_APP/TvPanel-uninstall.exe"

inst_uninstall "$card" /S
check "the uninstaller removes its registry entry" test -z "$(inst_registry DisplayVersion)"
check "and the shortcut" test ! -e "$INST_START_MENU"
inst_same "the folder and win.ini are exactly as before" "$before" "$(inst_picture "$card")"

# Installed again and used: the panel starts from the installation.
inst_setup /S
e2e_start_panel
check "the installed panel starts and shows its window" e2e_panel_visible
check "drawn with the installed skin" e2e_wait 20 inst_panel_drawn
e2e_screenshot installed-panel-$INST_ARCH

# Beside a running panel: silent, it ends with code 3 and changes nothing; shown, it says why.
cp "$E2E_APP/Panel.ini" "$E2E_APP/Panel.ini.seen"
inst_setup /S; rc=$?
check "beside the running panel the setup program refuses (code 3)" test "$rc" = 3
check "and leaves Panel.exe alone" cmp -s "$E2E_APP/Panel.exe" "$E2E_BUILD/src/win32/panel/Panel.exe"
inst_setup & setup_pid=$!
check "shown, it says so in a message box" e2e_wait 20 inst_message_shown
e2e_screenshot setup-refuses-$INST_ARCH
inst_message_ok
check "and ends when it is confirmed" e2e_wait 20 eval '! kill -0 $setup_pid 2>/dev/null'
rm -f "$E2E_APP/Panel.ini.seen"

# The panel and the card write their settings and win.ini [AudioDevice] while they run; the
# uninstaller still restores the [AP] values and removes what it added.
wineserver -k >/dev/null 2>&1; sleep 1
inst_uninstall "$card" /S
check "after use the [AP] values are as before" \
  test "$(inst_ap 907APDirectory)|$(inst_ap OmrPanelIniFile)|$(inst_ap OmrSettingIniFile)" = "$card||Settings.ini"
check "and only the card's files are left" \
  test "$(cd "$E2E_APP" && ls | tr '\n' ' ')" = "QvTV.dll Settings.ini screen-trace.txt screen.ex_ "
e2e_finish
