#!/usr/bin/env bash
# The country group of the TV settings page under Wine with the simulated card: Japan chosen
# from the list tells the card in three sends a second apart, resets the channel plan, and the
# card then tunes Japanese frequencies; the automatic choice returns to the system's country.
#   country.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# Scanned lists with a name and a saved frequency of the old plan; air 8 on the card.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '8=TRUE' '[CHANNELLIST]' 'ALREADYSCAN=TRUE' \
  '[TVTuner]' 'TVChannelAir=8' '[Air channel Name]' '8=Old name' '[CHANNELAIRFREQ]' '8=181300000' \
  >>"$E2E_APP/Settings.ini"
# Scan limits that no channel raster has, to see them replaced.
e2e_remote set settings TOVIX MinFreq 1 >/dev/null
e2e_remote set settings TOVIX MaxFreq 2 >/dev/null
SHEET=Settings

page() { e2e_remote dialog "$SHEET" "$@" 2>&1 | tr -d '\r'; }
sheet_open() { xdotool search --name "^$SHEET\$" >/dev/null 2>&1; }
mark() { MARK=$(e2e_trace | wc -l); }
since() { e2e_trace | tail -n +$((MARK + 1)); }
# The country sends since the mark as "id lParam delivery", and their spacing in ms.
country_sends() { since | awk '$2 == "in" && $4 == 273 && ($5 == 7788 || $5 == 2020 || $5 == 7790) {print $5, $6, $3}' | paste -sd,; }
country_gaps() {
  since | awk '$2 == "in" && $4 == 273 && ($5 == 7788 || $5 == 2020 || $5 == 7790) {
    if (n++) printf "%s%d", (n > 2 ? " " : ""), $1 - last; last = $1 }'
}
gaps_about_a_second() { for g in $(country_gaps); do [ "$g" -ge 900 ] && [ "$g" -le 1600 ] || return 1; done; }
tuned_note() { since | grep -q " note tune air 8 $1 country $2\$"; }
tune_8() { page click 1021 >/dev/null; page click 1024 >/dev/null; }

check "the panel starts" e2e_start_panel
check "the card is ready" e2e_wait 20 e2e_card_ready
e2e_wait 10 e2e_panel_answers

read -r tx ty <<<"$(e2e_button_centre 1 TOOL)"
e2e_click "$tx" "$ty"
check "SETUP opens the sheet" e2e_wait 10 sheet_open
e2e_wait 5 eval 'page items 1007 | grep -qx Japan'
check "the system's country: automatic, code 1, the list disabled" \
  test "$(page get 1005) $(page get 1086) $(page state 1007)" = "checked 1 disabled visible"

# The fully scan page exists once it has been shown; the country choice then writes into it.
page tab 1 >/dev/null
page tab 0 >/dev/null

# ---- Japan from the list ---------------------------------------------------------------------
japan=$(($(page items 1007 | grep -nx Japan | cut -d: -f1) - 1))
page click 1006 >/dev/null
check "Select Country enables the list and, with no country in it, does nothing more" \
  test "$(page state 1007) $(e2e_setting TOVIX CodePos)" = "enabled visible 228"
mark
page select 1007 Japan >/dev/null
check "the card gets 7788, 2020 and 7790 with 81, sent" \
  e2e_wait 10 eval 'test "$(country_sends)" = "7788 81 sent,2020 81 sent,7790 81 sent"'
check "about one second apart ($(country_gaps) ms)" gaps_about_a_second
check "the list position is stored, the name too; CountryCode stays" \
  test "$(e2e_setting TOVIX CodePos)|$(e2e_setting TOVIX DEFAULTNAME)|$(e2e_setting TOVIX CountryCode)" = "$japan|Japan|1"
check "the Japanese plan: 525-line standard, air 1-62, scan limits of the 6 MHz raster" \
  test "$(e2e_setting VideoStandard VideoStandard) $(e2e_setting TOVIX Minair)-$(e2e_setting TOVIX Maxair) $(e2e_setting TOVIX MinFreq)" = "1 1-62 55250000"
check "the lists start again with every channel; names and saved frequencies are gone" \
  test "$(e2e_setting CHANNELLISTAIR ALREADYSCAN) $(e2e_setting CHANNELLISTAIR 1) $(e2e_setting CHANNELLISTAIR 62)|$(e2e_setting 'Air channel Name' 8)|$(e2e_setting CHANNELAIRFREQ 8)" = "FALSE TRUE TRUE||"
check "the page shows code 81, the band 1-62, channel 8 and the full list" \
  e2e_wait 5 eval 'test "$(page get 1086) $(page get 1025)-$(page get 1026) $(page get 1038) $(page items 1037 | wc -l)" = "81 1-62 8 62"'
page tab 1 >/dev/null
check "the fully scan page shows the new scan limits" \
  test "$(page get 1163)-$(page get 1164)" = "55250000-801250000"
page tab 0 >/dev/null
mark
tune_8
check "the card then tunes air 8 on Japan's 193.25 MHz" e2e_wait 5 tuned_note 193250000 81
sleep 1
sheet_id=$(xdotool search --name "^$SHEET\$" | head -1)
import -window "$sheet_id" "$E2E_ARTIFACTS/country-japan-page.png" 2>/dev/null
e2e_screenshot country-japan
check "pictures were saved" test -s "$E2E_ARTIFACTS/country-japan-page.png" -a -s "$E2E_ARTIFACTS/country-japan.png"

# ---- back to the system's country ------------------------------------------------------------
mark
page click 1005 >/dev/null
check "automatic detection sends the system's code 1" \
  e2e_wait 10 eval 'test "$(country_sends)" = "7788 1 sent,2020 1 sent,7790 1 sent"'
check "about one second apart ($(country_gaps) ms)" gaps_about_a_second
check "the system's position and the US plan; DEFAULTNAME is left" \
  test "$(e2e_setting TOVIX CodePos) $(e2e_setting TOVIX Minair)-$(e2e_setting TOVIX Maxair) $(e2e_setting TOVIX MinFreq) $(e2e_setting TOVIX DEFAULTNAME)" = "228 2-69 55250000 Japan"
check "the page shows code 1, channel 8, the list disabled" \
  test "$(page get 1086) $(page get 1038) $(page state 1007)" = "1 8 disabled visible"
mark
tune_8
check "air 8 is on the US 181.25 MHz again" e2e_wait 5 tuned_note 181250000 1

page click 2 --post >/dev/null
check "Cancel closes the sheet" e2e_wait 5 eval '! sheet_open'
e2e_trace >"$E2E_ARTIFACTS/country-trace.txt"
e2e_remote cmd end-program >/dev/null
check "the panel ends" e2e_wait 20 eval '! kill -0 $E2E_PANEL_PID 2>/dev/null'

e2e_finish
