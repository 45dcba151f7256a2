#!/usr/bin/env bash
# No TV card software: win.ini has no [AP], or names a folder that is gone. The setup program
# says so, installs into a folder of its own and points [AP] there; removal takes every value
# back, down to the section it added.
#   no_card.sh BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

own='C:\Program Files\TV Panel'
# A 32-bit setup program on 64-bit Windows: the folder for 32-bit programs.
[ "$INST_ARCH" = win32 ] && own='C:\Program Files (x86)\TV Panel'
inst_base_winini
before=$(inst_picture "$own")

inst_setup & setup_pid=$!
check "without [AP] the setup program says the card software was not found" e2e_wait 20 inst_message_shown
e2e_screenshot setup-no-card-$INST_ARCH
kill $setup_pid 2>/dev/null; wineserver -k >/dev/null 2>&1; sleep 1

inst_setup /S; rc=$?
dir=$(inst_unix "$own")
check "silent, it installs into a folder of its own" test "$rc" = 0 -a -f "$dir/Panel.exe"
check "with the layout file, both skins and a settings file" \
  test -f "$dir/Panel.ini" -a -d "$dir/panelbmp1" -a -d "$dir/panelbmp2" -a -f "$dir/Settings.ini"
check "[AP] points at it" \
  test "$(inst_ap 907APDirectory)|$(inst_ap OmrPanelIniFile)|$(inst_ap OmrSettingIniFile)" = "$own|Panel.ini|Settings.ini"
inst_uninstall "$own" /S
check "removal leaves no folder behind" test ! -e "$dir"
inst_same "and win.ini exactly as before, without [AP]" "$before" "$(inst_picture "$own")"

# [AP] names a folder that does not exist: the same, and the old value comes back.
printf '[AP]\r\n907APDirectory=C:\\Gone\r\nOmrSettingIniFile=Card.ini\r\n' >>"$INST_WININI"
before=$(inst_picture "$own")
inst_setup & setup_pid=$!
check "a folder that does not exist is named in a message" e2e_wait 20 inst_message_shown
kill $setup_pid 2>/dev/null; wineserver -k >/dev/null 2>&1; sleep 1
inst_setup /S
check "silent, the folder of its own is used and named in [AP]" \
  test -f "$dir/Panel.exe" -a "$(inst_ap 907APDirectory)" = "$own"
check "the card's settings file name stays" test "$(inst_ap OmrSettingIniFile)" = Card.ini
check "and no settings file of the package is added" test ! -e "$dir/Settings.ini"
inst_uninstall "$own" /S
inst_same "removal restores the old [AP] values" "$before" "$(inst_picture "$own")"
e2e_finish
