#!/usr/bin/env bash
# The country group of the TV settings page under Wine with the simulated card and the tuner
# library: Japan chosen from the list tells the card in three sends a second apart and stores
# the library's plan, and the card then tunes Japanese frequencies; the automatic choice returns
# to the system's country. (What each choice writes and resets is unit-tested.)
#   country.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
e2e_scanned "8" "" '[TVTuner]' 'TVChannelAir=8'
e2e_remote set settings TOVIX MinFreq 1 >/dev/null  # no raster has it: it must be replaced
SHEET=Settings
page() { e2e_dialog "$SHEET" "$@"; }
# The country sends since the mark as "id lParam delivery,...", then their spacing in ms.
sends() {
  e2e_trace | tail -n +$((MARK + 1)) | awk '$2 == "in" && $4 == 273 && ($5 == 7788 || $5 == 2020 || $5 == 7790) {
    s = s $5 " " $6 " " $3 ","; if (n++) g = g " " $1 - last; last = $1 } END {print s g}'
}
sent_a_second_apart() {  # sent_a_second_apart CODE
  local s gaps g
  s=$(sends); gaps=${s##*,}
  [ "${s%,*}" = "7788 $1 sent,2020 $1 sent,7790 $1 sent" ] || { echo "  (got: $s)"; return 1; }
  for g in $gaps; do [ "$g" -ge 900 ] && [ "$g" -le 1600 ] || { echo "  (gaps: $gaps)"; return 1; }; done
}
tovix() { local k; for k in "$@"; do e2e_setting TOVIX "$k"; done | paste -sd' '; }
tunes_8_at() {  # the card tunes air 8 at FREQUENCY in the plan of COUNTRY
  MARK=$(e2e_trace | wc -l); page click 1021 >/dev/null; page click 1024 >/dev/null
  e2e_wait 5 eval "e2e_trace | tail -n +$((MARK + 1)) | grep -q ' note tune air 8 $1 country $2\$'"
}

check "the panel starts the card" e2e_up
e2e_click_button TOOL
check "SETUP opens the sheet on the system's country" e2e_wait 10 eval 'e2e_window_open "$SHEET" && test "$(page get 1086)" = 1'
e2e_wait 5 eval 'page items 1007 | grep -qx Japan'
japan=$(($(page items 1007 | grep -nx Japan | cut -d: -f1) - 1))
page click 1006 >/dev/null
MARK=$(e2e_trace | wc -l)
page select 1007 Japan >/dev/null
check "Japan from the list: the card gets 7788, 2020 and 7790 with 81, sent a second apart" \
  e2e_wait 10 sent_a_second_apart 81
check "the list position and name are stored with the library's plan: air 1-62, the 6 MHz raster" \
  e2e_is "$japan Japan 1 1 62 55250000 1" eval 'echo $(tovix CodePos DEFAULTNAME CountryCode Minair Maxair MinFreq) $(e2e_setting VideoStandard VideoStandard)'
check "the card then tunes air 8 on Japan's 193.25 MHz" tunes_8_at 193250000 81
sleep 1
e2e_window_shot "$SHEET" country-japan-page
e2e_screenshot country-japan

MARK=$(e2e_trace | wc -l)
page click 1005 >/dev/null
check "automatic detection sends the system's code 1 the same way" e2e_wait 10 sent_a_second_apart 1
check "the system's position and the US plan; DEFAULTNAME is left" \
  e2e_is "228 2 69 55250000 Japan" tovix CodePos Minair Maxair MinFreq DEFAULTNAME
check "air 8 is on the US 181.25 MHz again" tunes_8_at 181250000 1
page click 2 --post >/dev/null
e2e_save_trace country
e2e_finish
