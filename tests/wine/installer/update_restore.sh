#!/usr/bin/env bash
# An installation with a panel and a layout file of its own: the setup program replaces
# Panel.exe and keeps the layout; run again (an update) it keeps the first copy of the old
# Panel.exe; the uninstaller puts the old one back byte for byte.
#   update_restore.sh BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

card='C:\TVCARD'
inst_card_software "$card" "OmrPanelIniFile=Skin.ini"
E2E_APP=$(inst_unix "$card")
# The old panel: any program will do, what counts is its bytes. Its own layout and pictures.
cp "$E2E_BUILD/sim/tv/screen.ex_" "$E2E_APP/Panel.exe"
printf 'old tvremote\r\n' >"$E2E_APP/tvremote.exe"
cp "$E2E_BUILD/skins/Panel.ini" "$E2E_APP/Skin.ini"
printf '\r\n; the card maker'"'"'s own skin\r\n' >>"$E2E_APP/Skin.ini"
mkdir "$E2E_APP/panelbmp1" && cp "$E2E_BUILD/skins/panelbmp1/panel.bmp" "$E2E_APP/panelbmp1/"
cp "$E2E_APP/Panel.exe" old-panel.exe
before=$(inst_picture "$card")

inst_setup /S; rc=$?
check "the install over an old panel succeeds" test "$rc" = 0
check "Panel.exe is the new one" cmp -s "$E2E_APP/Panel.exe" "$E2E_BUILD/src/win32/panel/Panel.exe"
check "a copy of the old one is kept" cmp -s "$E2E_APP/TvPanel-backup/Panel.exe" old-panel.exe
check "the installation's own layout file stays" test "$(inst_ap OmrPanelIniFile)" = Skin.ini
check "no second layout file, no second skin" test ! -e "$E2E_APP/Panel.ini" -a ! -e "$E2E_APP/panelbmp2"
check "its pictures stay" test "$(ls "$E2E_APP/panelbmp1")" = panel.bmp

# The same again, by hand: an update. The copy kept is still the panel from before.
inst_setup & setup_pid=$!
check "shown, the setup program offers the card software's folder" e2e_wait 30 inst_page_shown "Installation Folder"
e2e_screenshot setup-folder-page-$INST_ARCH
xdotool key Return
check "Install (Enter) completes the update" e2e_wait 30 inst_page_shown Completed
xdotool key Return
e2e_wait 10 eval '! kill -0 $setup_pid 2>/dev/null' || kill $setup_pid 2>/dev/null
wineserver -k >/dev/null 2>&1; sleep 1
check "an update keeps the first copy, not the version it replaces" \
  cmp -s "$E2E_APP/TvPanel-backup/Panel.exe" old-panel.exe

# An update after the user changed a value the first install had set is covered by the record:
# the uninstaller restores the value from before the first install.
inst_uninstall "$card" /S
check "after removal the old Panel.exe is back byte for byte" cmp -s "$E2E_APP/Panel.exe" old-panel.exe
inst_same "the folder and win.ini are exactly as before" "$before" "$(inst_picture "$card")"
rm -f old-panel.exe
e2e_finish
