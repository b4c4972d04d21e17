#!/bin/sh
# pelmo-cli items and quickrep exit 1 when what they list is not the whole file (damaged, or
# entries beyond the load limit left out), and 0 when it is.
# Usage: partial_load_test.sh PELMO-CLI [RUNNER...]  (RUNNER: the tree's Wine for a Windows build)
cli=$1
shift
runner=$*
dir=$(mktemp -d "$PWD/partial-load.XXXXXX") || exit 1
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

statuses=""
for file in whole.clp damaged.clp left-out.clp whole.qrp damaged.qrp left-out.qrp; do
  case $file in *.clp) command=items ;; *) command=quickrep ;; esac
  $runner "$cli" $command --json "$dir/$file" >/dev/null 2>&1
  statuses="$statuses $file:$?"
done
expected=" whole.clp:0 damaged.clp:1 left-out.clp:1 whole.qrp:0 damaged.qrp:1 left-out.qrp:1"
[ "$statuses" = "$expected" ] && exit 0
echo "exit statuses:$statuses"
echo "expected:     $expected"
exit 1
