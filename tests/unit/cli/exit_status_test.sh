#!/bin/sh
# pelmo-cli's exit status: 1 when an expression had an error, or when what a listing shows is not
# the whole file (damaged, or entries beyond the load limit left out); 0 otherwise.
# Usage: exit_status_test.sh PELMO-CLI [RUNNER...]  (RUNNER: the tree's Wine for a Windows build)
cli=$1; shift; runner=$*
data=$(dirname "$0")/../../data
dir=$(mktemp -d "$PWD/exit-status.XXXXXX") || exit 1
trap 'rm -rf "$dir"' EXIT

# A 32-bit little-endian count, then N zero bytes (N empty strings).
count() { printf "$(printf '\\%03o\\%03o\\%03o\\000' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16)))"; }
zeros() { head -c "$1" /dev/zero; }
over=1000001  # one entry more than is loaded
{ count 1 && printf '\001a' && count 0 && count 0; } >"$dir/whole.clp"
{ count 2 && printf '\001a'; } >"$dir/damaged.clp"
{ count $over && zeros $over && count 0 && count 0; } >"$dir/left-out.clp"
{ count 1 && printf '\001a\001b'; } >"$dir/whole.qrp"
{ count 1 && printf '\001a'; } >"$dir/damaged.qrp"
{ count $over && zeros $((2 * over)); } >"$dir/left-out.qrp"

failed=0
check() {  # EXPECTED ARGS...
  expected=$1; shift
  $runner "$cli" "$@" >/dev/null 2>&1
  status=$?
  [ $status -eq "$expected" ] || { echo "pelmo-cli $*: exit $status, not $expected" && failed=1; }
}
check 0 calc "1+1" "fact(5)"
check 1 calc "1+1" "sin(1,2)"
check 1 calc --history "$data/calc/history-damaged.clc"
for list in items:clp quickrep:qrp; do
  check 0 "${list%:*}" --json "$dir/whole.${list#*:}"
  check 1 "${list%:*}" --json "$dir/damaged.${list#*:}"
  check 1 "${list%:*}" --json "$dir/left-out.${list#*:}"
done
check 1 journal "$dir/whole.clp"
exit $failed
