#!/usr/bin/env bash
# Every copy kept: bursts of copies, from X (xclip) and from a Windows program, at several paces,
# while a plain clipboard viewer in the same chain logs what it reads. Pelmo's history must hold
# each copied text at most once, in the order copied, and every text that viewer read.
# Arguments: PELMO CLI DRIVER [SOURCE:MS:COUNT...]: COUNT copies MS apart from SOURCE x or win. By
# default a few of each, at 0, 20, 50 and 100 ms. Prints, per burst and in all: sent, reference,
# recorded, lost, doubled.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$1" "$2" "$3"
shift 3
bursts=("$@")
[ ${#bursts[@]} -gt 0 ] ||
  bursts=(x:0:7 win:0:7 x:20:7 win:20:7 x:50:7 win:50:7 x:100:7 win:100:7)

reference=$e2e_dir/reference.log
copied=$e2e_dir/copied.log
# The reference joins first, so Pelmo heads the chain: Pelmo reads each change before it passes
# the notification on, and the reference reads it after, or a newer one.
e2e_drive watch "$(pelmo_wine winepath -w "$reference" 2>/dev/null)" &
e2e_clip_pids+=($!)
stop_reference() { touch "$reference.stop"; }
e2e_at_exit() { stop_reference; }
e2e_until 300 test -e "$reference" || e2e_fail "the reference viewer did not start"
printf '[Settings ]\r\nNewWindow=1\r\nDelete After=100000\r\n' >"$e2e_ini"
echo "start $e2e_id" >"$copied"
e2e_start_with "start $e2e_id"

for burst in "${bursts[@]}"; do
  IFS=: read -r source ms count <<<"$burst"
  prefix="$source$ms-$e2e_id"
  case $source in
    x)
      for ((n = 1; n <= count; n++)); do
        e2e_offer "$prefix $n"
        echo "$prefix $n" >>"$copied"
        ((ms == 0)) || sleep "$(printf '0.%03d' "$ms")"
      done
      ;;
    win)
      e2e_drive copy "$count" "$ms" "$prefix" || e2e_fail "the Windows program could not copy"
      for ((n = 1; n <= count; n++)); do echo "$prefix $n" >>"$copied"; done
      ;;
    *) e2e_fail "no such source: $source" ;;
  esac
done
last="end $e2e_id"
e2e_copy "$last"
echo "$last" >>"$copied"
e2e_until 300 grep -qxF "$last" "$reference" || e2e_fail "the reference viewer did not read the end"
e2e_until 300 eval '[ "$(e2e_drive rows 1 | head -n 1)" = "$last" ]' ||
  e2e_fail "Pelmo did not capture the end"
stop_reference
e2e_drive rows | tac >"$e2e_dir/recorded.log"

# One line per burst and one in all. Fails when anything was recorded twice, out of order or not
# copied at all, or when a text the reference read is missing from a burst paced 20 ms or more.
# Copies made back to back (0 ms) can replace each other while one viewer waits for the other:
# the reference may read a change while Pelmo waits for it to take the one before, and the next
# copy may replace it before Pelmo's turn. There the figures are printed, not held against Pelmo.
awk -v copied="$copied" -v reference="$reference" -v recorded="$e2e_dir/recorded.log" '
  function burst(text) { sub(/ [0-9]+$/, "", text); sub(/-.*/, "", text); return text }
  BEGIN {
    while ((getline line < copied) > 0) { order[line] = ++sent; name = burst(line); sentIn[name]++
      if (!(name in seen)) { seen[name] = 1; names[++kinds] = name } }
    while ((getline line < reference) > 0) if (!(line in read) && line in order) {
      read[line] = 1; readIn[burst(line)]++; refs++ }
    while ((getline line < recorded) > 0) {
      if (!(line in order)) { print "recorded what was never copied: " line; bad = 1; continue }
      if (line in kept) { print "doubled: " line; doubledIn[burst(line)]++; doubled++; continue }
      if (order[line] < last) { print "out of order: " line; bad = 1 }
      last = order[line]; kept[line] = 1; keptIn[burst(line)]++; recordedCount++ }
    for (line in read) if (!(line in kept)) { lostIn[burst(line)]++; lost++
      if (burst(line) !~ /^(x|win)0$/) { print "lost: " line; bad = 1 } }
    for (i = 1; i <= kinds; i++) { n = names[i]
      printf "%-8s sent %5d  reference %5d  recorded %5d  lost %d  doubled %d\n", n, sentIn[n],
        readIn[n], keptIn[n], lostIn[n], doubledIn[n] }
    printf "%-8s sent %5d  reference %5d  recorded %5d  lost %d  doubled %d\n", "all", sent,
      refs, recordedCount, lost, doubled
    exit (bad || doubled) }' || e2e_fail "copies were lost or doubled"
