#!/usr/bin/env bash
# Two computers share their copies through one sync folder: this tree's Wine is one, a second
# prefix with a display, a clipboard and a computer name of its own is the other. A copy on either
# reaches the other's history, and with "SyncToClipboard" its clipboard; with a passphrase no
# copied text is in the folder; a Pelmo killed while it appends leaves the other every whole record
# of its journal.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

other_env=$("$e2e_repo/scripts/wine-run" --env "$e2e_tree/other-computer") ||
  e2e_fail "the other computer's Wine did not start"
on_other() { (eval "$other_env" && "$@") || e2e_fail "on the other computer: $*"; }
on_other pelmo_wine reg add 'HKLM\System\CurrentControlSet\Control\ComputerName\ActiveComputerName' \
  /v ComputerName /d OTHERBOX /f >/dev/null 2>&1

folder=$e2e_dir/sync
mkdir -p "$folder"
folder_win=$(pelmo_wine winepath -w "$folder" 2>/dev/null)
other_name=$e2e_name-other
other_ini=$(on_other sh -c 'echo "$WINEPREFIX"')/drive_c/windows/$other_name.INI
cp "$1" "$e2e_dir/$other_name.exe"
cleanup_other() {
  (eval "$other_env" && pelmo_wine taskkill /F /IM "$other_name.exe") >/dev/null 2>&1
  rm -f "$other_ini"
}
# The other computer's Wine server and display end with the test: nothing of it outlives a run.
e2e_at_exit() {
  cleanup_other
  "$e2e_repo/scripts/wine-run" --stop "$e2e_tree/other-computer"
}

# Writes the INI file INI for sharing through the folder: PASSPHRASE as the computer's user
# protects it, and TO_CLIPBOARD.
share() {
  local ini=$1 passphrase=$2 to_clipboard=$3 protected=""
  [ -n "$passphrase" ] && protected=$(e2e_drive protect "$passphrase" | tr -d '\r')
  printf '[Settings ]\r\nNewWindow=1\r\n[Sync]\r\nSyncFolder=%s\r\nSyncPassphrase=%s\r\nSyncToClipboard=%s\r\n' \
    "$folder_win" "$protected" "$to_clipboard" >"$ini"
}
# Starts Pelmo on both computers, sharing with PASSPHRASE; the other with TO_CLIPBOARD.
start_both() {
  share "$e2e_ini" "$1" 0
  on_other share "$other_ini" "$1" "$2"
  e2e_start
  (eval "$other_env" && pelmo_wine "$e2e_dir/$other_name.exe") </dev/null >"$e2e_dir/other.log" \
    2>&1 9>&- &
  on_other e2e_drive wait-window 30000
}
# Waits until the rows of the Pelmo on this computer (or, with on_other, the other) hold TEXT,
# and prints how long that took (bench/sync/run gathers the figures).
expect_row() {
  local text=$1 start
  start=$(date +%s%N)
  e2e_until 200 eval 'e2e_drive rows 0 0 | tr -d "\r" | grep -qxF "$text"' ||
    e2e_fail "\"$text\" did not arrive"
  echo "arrived in $((($(date +%s%N) - start) / 1000000)) ms: $text"
}
# With PELMO_SYNC_IDLE_S set, prints the CPU time both copies of Pelmo used in that many seconds
# of doing nothing, once they have started.
print_idle_cpu() {
  local stats=("/proc/$e2e_pid/stat" "/proc/$(pgrep -f "$other_name.exe" | head -n 1)/stat") before
  sleep 3 # the start's work done: the first take-in derives the other journal's key
  before=$(awk '{ sum += $14 + $15 } END { print sum }' "${stats[@]}")
  sleep "$PELMO_SYNC_IDLE_S"
  echo "idle: $(($(awk '{ sum += $14 + $15 } END { print sum }' "${stats[@]}") - before)) ticks" \
    "of $(getconf CLK_TCK) a second in $PELMO_SYNC_IDLE_S s"
}
journal() { pelmo_wine "$e2e_cli" journal "$(pelmo_wine winepath -w "$folder/$1" 2>/dev/null)"; }

start_both "correct horse $e2e_id" 1
[ -n "${PELMO_SYNC_IDLE_S:-}" ] && print_idle_cpu
e2e_copy "from here $e2e_id"
on_other expect_row "from here $e2e_id"
# The other computer puts it on its own clipboard, as its own write: not shared back.
on_other e2e_expect_clipboard "from here $e2e_id"
on_other e2e_copy "from there $e2e_id"
expect_row "from there $e2e_id"
if grep -rl -e "$e2e_id" "$folder"; then e2e_fail "copied text is readable in the folder"; fi
# Nothing taken in is shared back: each text is one row on each computer.
for text in "from here $e2e_id" "from there $e2e_id"; do
  [ "$(e2e_drive rows 0 0 | grep -c "$text")" -eq 1 ] &&
    [ "$(on_other e2e_drive rows 0 0 | grep -c "$text")" -eq 1 ] || e2e_fail "\"$text\" came back"
done

# Without a passphrase, killed in the middle of a burst: every whole record reaches the other.
e2e_close
cleanup_other
rm -f "$folder"/*
start_both "" 0
e2e_copy "unprotected $e2e_id"
on_other expect_row "unprotected $e2e_id"
e2e_drive copy 40 20 "burst $e2e_id" &
burst=$!
sleep 0.5
e2e_kill
kill "$burst" 2>/dev/null
own=$(cd "$folder" && ls -- *.pelmosync | grep -v OTHERBOX)
whole=$(journal "$own" | sed -n 's/^[0-9]*  //p' | tr -d '\r')
[ -n "$whole" ] || e2e_fail "the journal holds no whole record"
while IFS= read -r text; do on_other expect_row "$text"; done <<<"$whole"
