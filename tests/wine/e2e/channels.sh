#!/usr/bin/env bash
# Sources and channels end to end with the simulated card: the sources in turn (the card
# acknowledges each switch), channel steps through the air list, typed numbers (at once and
# after the entry's wait), recall, removing and adding the current channel, typed and stepped
# FM frequencies, adding to the FM list, and the band key. Clicks and keys are real input.
#   channels.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# On the air, channel 5: four air channels listed, two cable ones, one FM frequency.
e2e_scanned "3 5 9 12" "4 40" '[CHANNELLISTFM]' 'FM=1' '1=1017' \
  '[TVTuner]' 'TVChannelAir=5' 'TVChannelCable=40' 'FMChannel=1017'
check "the panel starts the card on the stored air source, which acknowledges" e2e_up

# Each step: what it shows, how (click BUTTON, cmd NAME, key KEYS, or - to go on waiting), what
# the card then received and nothing more, whether the card acknowledges it, and a screenshot.
steps=(
  "the cable button switches the card                 |click CABLE      |2003 0 sent                |ack|-"
  "composite                                          |cmd source-composite|2001 0 sent             |ack|-"
  "FM asks for the radio with 42227, then switches    |click FM         |42227 0 sent,40206 0 sent  |ack|channels-fm"
  "the air button switches back                       |click TVAIR      |2002 0 sent                |ack|-"
  "channel up tunes the next listed channel, 9        |click CHUP       |8000 9 posted              |-  |-"
  "channel down twice: 5, then 3                      |click CHDOWN CHDOWN|8000 5 posted,8000 3 posted|-|-"
  "1 then 2: the partial numbers, then 12 at once     |click NUM1 NUM2  |2009 1 posted,2009 12 posted,8000 12 posted|-|channels-typed-12"
  "a 4 could take a second digit: only the partial one|key 4            |2009 4 posted              |-  |-"
  "two seconds later channel 4 is tuned               |-                |2009 4 posted,8000 4 posted|-  |-"
  "recall goes back to 12                             |key R            |8000 12 posted             |-  |-"
  "remove tells the card 2022 with the channel        |click DEC        |2022 12 posted             |-  |-"
  "add tells the card 2023                            |click ADD        |2023 12 posted             |-  |channels-list"
  "back to the radio                                  |cmd source-fm    |42227 0 sent,40206 0 sent  |ack|-"
  "9 8 5 tunes 98.5 MHz                               |key 9 8 5        |2017 985 posted            |-  |-"
)
act() {
  local how=$1 b
  shift
  case $how in
    click) for b in "$@"; do e2e_remote click "$b" >/dev/null; done ;;
    *) e2e_remote "$how" "$@" >/dev/null ;;
  esac
}
run_steps() {
  local row what how want ack shot acks
  for row in "$@"; do
    IFS='|' read -r what how want ack shot <<<"$row"
    read -r -a how <<<"$how"
    acks=$(e2e_acks)
    [ "${how[0]}" = - ] || { e2e_mark; act "${how[@]}"; }
    check "$(echo $what)" e2e_received "$(echo $want)" 8
    [ "$(echo $ack)" = ack ] && e2e_wait 8 test "$(e2e_acks)" -gt "$acks"
    [ "$(echo $shot)" = - ] || e2e_screenshot $shot
  done
}
run_steps "${steps[@]}"
check "remove unfolded the channel list beside the panel" e2e_panel_size_is 643 176
e2e_remote cmd toggle-side >/dev/null

check "the card stores the tuned frequency" e2e_wait 5 e2e_setting_is TVTuner FMChannel 985
e2e_mark
act click CHUP
check "frequency up steps from what the card stored: 98.6" e2e_received '2017 986 posted'
e2e_wait 5 e2e_setting_is TVTuner FMChannel 986
e2e_screenshot channels-fm-986
fm_list() { echo "$(e2e_setting CHANNELLISTFM FM) $(e2e_setting CHANNELLISTFM 1) $(e2e_setting CHANNELLISTFM 2)"; }
act cmd add-channel
check "add puts 986 into the FM list" e2e_wait 5 e2e_is "2 1017 986" fm_list
run_steps "the cycle key goes from the radio to the air|cmd cycle-source|2002 0 sent|ack|-" \
  "the band key switches the air to cable|cmd air-cable|2003 0 sent|ack|-"
e2e_save_trace channels
e2e_finish
