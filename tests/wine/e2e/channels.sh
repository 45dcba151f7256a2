#!/usr/bin/env bash
# Sources and channels end to end with the simulated card: every source in turn (the card
# acknowledges each switch), channel steps through the air list, typed numbers (at once and
# after the entry's wait), recall, removing and adding the current channel, typed and stepped
# FM frequencies and the FM list, and the band key. Clicks and keys are real input.
#   channels.sh WIN64_BUILD_DIR
source "$(dirname "$0")/lib.sh" "$1"

e2e_install
# A set-up card on the air, channel 5: both TV bands scanned (no source waits six seconds for a
# scan), four air channels listed, one FM frequency.
printf '%s\r\n' '[CHANNELLISTAIR]' 'ALREADYSCAN=TRUE' '3=TRUE' '5=TRUE' '9=TRUE' '12=TRUE' \
  '[CHANNELLIST]' 'ALREADYSCAN=TRUE' '4=TRUE' '40=TRUE' \
  '[CHANNELLISTFM]' 'FM=1' '1=1017' \
  '[TVTuner]' 'TVChannelAir=5' 'TVChannelCable=40' 'FMChannel=1017' >>"$E2E_APP/Settings.ini"

# Acknowledgements 40113 the card has sent the panel so far.
acks() { e2e_trace | grep -c ' out posted 273 40113 0 panel$'; }
acked() { test "$(acks)" -ge "$1"; }
# What the card received from here on, as "id lParam delivery" lines.
mark() { MARK=$(e2e_trace_in | wc -l); }
since() { e2e_trace_in | tail -n +$((MARK + 1)); }
since_has() { since | grep -q -- "$1"; }
since_is() { [ "$(since)" = "$(printf '%s\n' "$@")" ]; }  # one argument per line
setting_is() { [ "$(e2e_setting "$1" "$2")" = "$3" ]; }      # setting_is SECTION KEY VALUE

check "the panel starts" e2e_start_panel
check "it starts the video window program on the stored air source" e2e_wait 20 e2e_video_exists
check "the card acknowledges its start with 40113" e2e_wait 10 acked 1
check "the launch makes channel 5 the current one" setting_is TVTuner TVChannel 5

# ---- every source in turn ----------------------------------------------------------------
# select HOW WHAT EXPECTED-LINE...: choose a source and wait for the card's acknowledgement.
select_source() {
  local how=$1 what=$2 n
  shift 2
  n=$(($(acks) + 1))
  mark
  if [ "$how" = click ]; then e2e_remote click "$what" >/dev/null; else e2e_remote cmd "$what" >/dev/null; fi
  e2e_wait 8 since_has "^$(echo "${@: -1}" | cut -d' ' -f1) " && e2e_wait 8 acked "$n" && since_is "$@"
}
check "the cable button switches the card with 2003 and the card acknowledges" \
  select_source click CABLE '2003 0 sent'
check "composite: 2001" select_source cmd source-composite '2001 0 sent'
check "S-Video: 2004" select_source cmd source-svideo '2004 0 sent'
check "the FM button asks for the radio with 42227, then switches with 40206" \
  select_source click FM '42227 0 sent' '40206 0 sent'
e2e_screenshot channels-fm
check "the air button switches back with 2002" select_source click TVAIR '2002 0 sent'

# ---- channel steps through the air list (3, 5, 9, 12) -------------------------------------
mark
e2e_remote click CHUP >/dev/null
check "channel up tunes the next listed channel, 9" e2e_wait 5 since_is '8000 9 posted'
mark
e2e_remote click CHDOWN >/dev/null
e2e_remote click CHDOWN >/dev/null
check "channel down twice: 5, then 3" e2e_wait 5 since_is '8000 5 posted' '8000 3 posted'

# ---- typed numbers ---------------------------------------------------------------------------
mark
e2e_remote click NUM1 >/dev/null
e2e_remote click NUM2 >/dev/null
check "1 then 2: the partial numbers 1 and 12, then 12 is tuned at once" \
  e2e_wait 5 since_is '2009 1 posted' '2009 12 posted' '8000 12 posted'
e2e_screenshot channels-typed-12
mark
e2e_remote key 4 >/dev/null
sleep 1
check "a 4 could still take a second digit: only the partial number so far" since_is '2009 4 posted'
check "two seconds later channel 4 is tuned" e2e_wait 5 since_is '2009 4 posted' '8000 4 posted'

# ---- recall ------------------------------------------------------------------------------
mark
e2e_remote key R >/dev/null
check "recall goes back to 12" e2e_wait 5 since_is '8000 12 posted'

# ---- removing and adding the current channel -------------------------------------------------
mark
e2e_remote click DEC >/dev/null
check "remove tells the card 2022 with the channel" e2e_wait 5 since_is '2022 12 posted'
check "the channel list unfolds beside the panel" e2e_wait 5 e2e_panel_size_is 643 176
mark
e2e_remote click ADD >/dev/null
check "add tells the card 2023" e2e_wait 5 since_is '2023 12 posted'
e2e_screenshot channels-list
e2e_remote cmd toggle-side >/dev/null

# ---- FM: typed and stepped frequencies, the FM list ------------------------------------------
check "back to the radio" select_source cmd source-fm '42227 0 sent' '40206 0 sent'
mark
e2e_remote key 9 8 5 >/dev/null
check "9 8 5 tunes 98.5 MHz" e2e_wait 5 since_is '2017 985 posted'
check "the card stores the tuned frequency" e2e_wait 5 setting_is TVTuner FMChannel 985
mark
e2e_remote click CHUP >/dev/null
check "frequency up steps from what the card stored: 98.6" e2e_wait 5 since_is '2017 986 posted'
e2e_wait 5 setting_is TVTuner FMChannel 986
e2e_screenshot channels-fm-986
e2e_remote cmd add-channel >/dev/null
check "add puts 986 into the FM list" \
  e2e_wait 5 eval 'setting_is CHANNELLISTFM FM 2 && setting_is CHANNELLISTFM 2 986'
e2e_remote cmd remove-channel >/dev/null
check "remove takes it out again" \
  e2e_wait 5 eval 'setting_is CHANNELLISTFM FM 1 && setting_is CHANNELLISTFM 1 1017'

# ---- the source keys -----------------------------------------------------------------------
check "the cycle key goes from the radio to the air" select_source cmd cycle-source '2002 0 sent'
check "the band key switches the air to cable" select_source cmd air-cable '2003 0 sent'

e2e_trace >"$E2E_ARTIFACTS/channels-trace.txt"
e2e_finish
