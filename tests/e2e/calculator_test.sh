#!/usr/bin/env bash
# The calculator, opened by the program's Calculator command: keys pressed through the window show
# the running result and "=" fills the list, while the strip that owns it stays disabled. Closing
# it saves the list to the .clc file next to the program, which pelmo-cli reads back, and the next
# start of the program shows the list again.
# With PELMO_CALC_SCREENSHOT=FILE.png the window is also photographed (for docs/calculator.png).
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

history=$e2e_dir/$e2e_name.clc
readonly CALCULATOR=32774 OFF=1 RESULT=1010 INDICATOR=1047 LIST=1051
readonly K2=1012 K3=1013 K7=1017 K8=1018 EQUALS=1021 OPEN=1022 CLOSE=1024 TIMES=1028 PLUS=1030 \
  CLEAR=1031

open_calculator() {
  e2e_drive command $CALCULATOR || e2e_fail "the Calculator command could not be sent"
  e2e_drive wait-dialog Calculator 10000 || e2e_fail "the calculator did not open"
  [ "$(e2e_drive strip | tr -d '\r')" = disabled ] ||
    e2e_fail "the strip is not disabled while the calculator is open"
}

press() {
  e2e_drive press Calculator "$@" || e2e_fail "could not press $*"
}

# Checks the result field and the indicator.
expect_shown() {
  local result indicator
  result=$(e2e_drive text Calculator $RESULT | tr -d '\r')
  indicator=$(e2e_drive text Calculator $INDICATOR | tr -d '\r')
  [ "$result|$indicator" = "$1|$2" ] ||
    e2e_fail "the calculator shows \"$result\" \"$indicator\", expected \"$1\" \"$2\""
}

expect_list() {
  local actual
  actual=$(e2e_drive list Calculator $LIST | tr -d '\r')
  [ "$actual" = "$(printf '%s\n' "$@")" ] || e2e_fail "the list holds:"$'\n'"$actual"
}

close_calculator() {
  press $OFF
  e2e_until 50 eval '[ "$(e2e_drive strip | tr -d "\r")" = enabled ]' ||
    e2e_fail "the strip stayed disabled after the calculator closed"
}

e2e_copy "start $e2e_id"
e2e_start
open_calculator
press $K7 $TIMES $K8 $EQUALS
expect_shown 56 "="
press $CLEAR $OPEN $K2 $PLUS $K3 $CLOSE $EQUALS
expect_list "(2+3)" "7*8"
if [ -n "${PELMO_CALC_SCREENSHOT:-}" ]; then
  window=$(xdotool search --name '^Calculator$' | head -1)
  import -display "$DISPLAY" -window "$window" "$PELMO_CALC_SCREENSHOT" ||
    e2e_fail "no screenshot of the calculator"
fi
close_calculator
e2e_close

listing=$(wine "$e2e_cli" calc --history "$history") || e2e_fail "pelmo-cli could not read $history"
[ "$(printf '%s' "$listing" | tr -d '\r')" = "$(printf '(2+3)\n7*8')" ] ||
  e2e_fail "the history file lists:"$'\n'"$listing"

e2e_start
open_calculator
expect_list "(2+3)" "7*8"
close_calculator
e2e_close
