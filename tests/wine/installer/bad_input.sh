#!/usr/bin/env bash
# A destination given with /D=: with spaces it works, over 200 characters it is refused before
# anything changes; the uninstaller after the user deleted files by hand restores what it can
# and ends with code 2.
#   bad_input.sh BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

card='C:\TVCARD'
inst_card_software "$card"
before=$(inst_picture "$card")

long='C:\'$(printf 'a%.0s' $(seq 1 100))'\'$(printf 'b%.0s' $(seq 1 100))
inst_setup /S "/D=$long"; rc=$?
check "a folder of over 200 characters is refused (code 2)" test "$rc" = 2
check "and nothing is created" test ! -e "$(inst_unix "${long%\\*}")"
inst_same "nor changed" "$before" "$(inst_picture "$card")"

# A destination nobody may write to (immutable, so that even root may not): refused with code
# 2 before anything changes.
card_dir=$(inst_unix "$card")
if chattr +i "$card_dir" 2>/dev/null; then
  trap 'chattr -i "$card_dir" 2>/dev/null; e2e_cleanup' EXIT
  inst_setup /S; rc=$?
  chattr -i "$card_dir"
  check "a folder it cannot write to is refused (code 2)" test "$rc" = 2
  inst_same "and nothing is changed" "$before" "$(inst_picture "$card")"
else
  echo "ok - # skip: this file system cannot make a folder read-only for root"
fi

spaced='C:\My Programs\TV Panel Test'
# /D= takes the rest of the command line, unquoted: the words as a user types them.
inst_setup /S /D=$spaced; rc=$?
check "a /D= folder with spaces is used as given" test "$rc" = 0 -a -f "$(inst_unix "$spaced")/Panel.exe"
check "and [AP], which names the card software's folder, is left alone" \
  test "$(inst_ap 907APDirectory)|$(inst_ap OmrPanelIniFile)" = "$card|"
inst_uninstall "$spaced" /S
check "its removal leaves no folder" test ! -e "$(inst_unix "$spaced")"

# Into the card's folder, then the kept layout name and files deleted by hand.
E2E_APP=$(inst_unix "$card")
printf 'old panel\r\n' >"$E2E_APP/Panel.exe"
before=$(inst_picture "$card")
inst_setup /S
rm -f "$E2E_APP/TvPanel-backup/Panel.exe" "$E2E_APP/Panel.ini"
rm -rf "$E2E_APP/panelbmp2"
# The uninstaller in place, waited for, with its exit code.
(cd "$E2E_APP" && "$E2E_WINE" TvPanel-uninstall.exe /S "_?=$card" >/dev/null 2>&1); rc=$?
check "the uninstaller says it could not restore everything (code 2)" test "$rc" = 2
check "the win.ini values are restored all the same" test "$(inst_ap OmrPanelIniFile)" = ""
check "the panel it could not replace stays" cmp -s "$E2E_APP/Panel.exe" "$E2E_BUILD/src/win32/panel/Panel.exe"
check "what it added is gone" test ! -e "$E2E_APP/panelbmp1" -a ! -e "$E2E_APP/tvremote.exe" -a ! -e "$E2E_APP/TvPanel-backup"
e2e_finish
