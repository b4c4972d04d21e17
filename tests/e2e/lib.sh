# shellcheck shell=bash
# Shared by the end-to-end tests, sourced with PELMO CLI DRIVER (the tree's three exes): copies made
# with xclip, rows read by the driver, a plain close by Wine's taskkill. Each test runs its own copy
# of Pelmo under a unique name in a fresh folder, kept with a screenshot when the test fails.
set -uo pipefail

[ $# -eq 3 ] || { echo "usage: $0 PELMO.exe PELMO-CLI.exe PELMO-DRIVER.exe" >&2 && exit 2; }
e2e_repo=$(readlink -f "$(dirname "${BASH_SOURCE[0]}")/../..")
# shellcheck source=../../scripts/lib/wine-env.sh
. "$e2e_repo/scripts/lib/wine-env.sh"

e2e_driver=$(readlink -f "$3")
e2e_tree=$(pelmo_build_tree "$e2e_driver") || exit 1
pelmo_wine_enter "$e2e_tree/wine" || exit 1
mkdir -p "$e2e_tree/e2e"
e2e_dir=$(mktemp -d "$e2e_tree/e2e/run.XXXXXX")
e2e_id=${e2e_dir##*.}
e2e_name=Pelmo-$e2e_id
e2e_cli=$e2e_dir/pelmo-cli.exe
e2e_items=$e2e_dir/$e2e_name.clp
e2e_ini=$WINEPREFIX/drive_c/windows/$e2e_name.INI
cp "$1" "$e2e_dir/$e2e_name.exe"
cp "$2" "$e2e_cli"

e2e_pid=""
e2e_clip_pids=()

# Ends the program at once, as a crash or a power cut would.
e2e_kill() {
  kill -9 "$e2e_pid" 2>/dev/null
  pelmo_wine taskkill /F /IM "$e2e_name.exe" >/dev/null 2>&1
  e2e_pid=""
}

# Ends what the test left, its own e2e_at_exit first where it has one; keeps the folder on failure.
e2e_cleanup() {
  local status=$?
  if declare -F e2e_at_exit >/dev/null; then (e2e_at_exit); fi
  if [ -n "$e2e_pid" ] && kill -0 "$e2e_pid" 2>/dev/null; then e2e_kill; fi
  kill "${e2e_clip_pids[@]}" 2>/dev/null
  rm -f "$WINEPREFIX/drive_c/windows/$e2e_name.INI" "$WINEPREFIX/drive_c/windows/$e2e_name.ini"
  if [ "$status" -eq 0 ]; then rm -rf "$e2e_dir"; else echo "e2e: kept $e2e_dir" >&2; fi
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "e2e: FAILED: $*" >&2
  echo "--- top-level windows:" >&2
  pelmo_wine "$e2e_driver" windows >&2
  if [ -s "$e2e_dir/pelmo.log" ]; then
    echo "--- Pelmo's output:" >&2
    cat "$e2e_dir/pelmo.log" >&2
  fi
  import -display "$DISPLAY" -window root "$e2e_dir/failure.png" 2>/dev/null &&
    echo "--- screenshot: $e2e_dir/failure.png" >&2
  exit 1
}

e2e_drive() {
  pelmo_wine "$e2e_driver" "$@"
}

# Runs COMMAND... every 0.1 s, up to TRIES times, until it succeeds; false if it never did.
e2e_until() {
  local tries=$1 i
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# What X serves as the clipboard; gives up after 5 s on an owner that never answers (Wine busy).
e2e_clipboard() {
  timeout 5 xclip -o -selection clipboard -display "$DISPLAY"
}

# Copies TEXT as an X program does and waits until X serves it. xclip stays in the foreground
# (-quiet) so that nothing outlives the test; an owner grabbing the selection late (Wine publishing
# an earlier write) makes it quit, and the text is offered again.
e2e_offer() {
  local text=$1 tries pid="" served=""
  for ((tries = 0; tries < 100; tries++)); do
    if [ -z "$pid" ] || ! kill -0 "$pid" 2>/dev/null; then
      printf '%s' "$text" |
        xclip -quiet -selection clipboard -display "$DISPLAY" >/dev/null 2>>"$e2e_dir/xclip.log" &
      pid=$!
      e2e_clip_pids+=("$pid")
    fi
    served=$(e2e_clipboard 2>&1)
    [ "$served" = "$text" ] && return 0
    sleep 0.05
  done
  e2e_fail "xclip did not take the clipboard for \"$text\"; X serves \"$served\";" \
    "xclip said: $(cat "$e2e_dir/xclip.log")"
}

# Copies TEXT in X (e2e_offer) and, while Pelmo runs, waits until Wine has taken it onto the
# Windows clipboard. Wine drops an X copy that comes while a Windows program holds the clipboard
# open (reading the last one, say); such a copy never reaches anyone, and it is offered again by a
# new owner.
e2e_copy() {
  local before tries
  [ -n "$e2e_pid" ] || { e2e_offer "$1" && return; }
  before=$(e2e_drive sequence) || e2e_fail "the driver read no clipboard sequence number"
  for ((tries = 0; tries < 3; tries++)); do
    e2e_offer "$1"
    e2e_until 30 eval '[ "$(e2e_drive sequence)" != "$before" ]' && return 0
    kill "${e2e_clip_pids[-1]}" 2>/dev/null
  done
  e2e_fail "Wine did not take \"$1\" onto its clipboard"
}

# Starts the test's copy of Pelmo (or EXE) and waits until it has joined the viewer chain (and so
# captured the text at start).
# shellcheck disable=SC2120 # EXE is the installer test's
e2e_start() {
  pelmo_wine "${1:-$e2e_dir/$e2e_name.exe}" </dev/null >"$e2e_dir/pelmo.log" 2>&1 &
  e2e_pid=$!
  e2e_drive wait-window 30000 || e2e_fail "the main window did not appear"
}

# Copies TEXT and starts the program, which captures it at start; then the rows are ROWS... (TEXT
# alone when none are given).
e2e_start_with() {
  e2e_copy "$1"
  e2e_start
  [ $# -eq 1 ] || shift
  e2e_expect_rows "$@"
}

# Waits for as many history rows as ROWS... and checks that they are those, top first.
e2e_expect_rows() {
  local expected actual
  expected=$(printf '%s\n' "$@")
  actual=$(e2e_drive rows $# 10000) ||
    e2e_fail "expected $# rows, found:"$'\n'"$actual"
  [ "$actual" = "$expected" ] ||
    e2e_fail "rows differ"$'\n'"--- expected:"$'\n'"$expected"$'\n'"--- found:"$'\n'"$actual"
}

# Ends the program with a plain close (taskkill without /F: WM_CLOSE) and checks its status 0.
# Now and then Wine fails to start taskkill itself (its loader then hands the name to start.exe,
# which says the application "could not be started"); that start alone is tried again.
e2e_close() {
  local tries
  for ((tries = 1; ; tries++)); do
    pelmo_wine taskkill /IM "$e2e_name.exe" >"$e2e_dir/taskkill.log" 2>&1 && break
    grep -q "could not be started" "$e2e_dir/taskkill.log" && ((tries < 3)) ||
      e2e_fail "taskkill found no $e2e_name.exe: $(cat "$e2e_dir/taskkill.log")"
  done
  e2e_until 150 eval '! kill -0 "$e2e_pid" 2>/dev/null' ||
    e2e_fail "a plain close did not end the program"
  wait "$e2e_pid" || e2e_fail "the program ended with status $?"
  e2e_pid=""
}

# Waits until the X clipboard serves exactly TEXT.
e2e_expect_clipboard() {
  local want=$1 served=""
  e2e_until 100 eval 'served=$(e2e_clipboard 2>/dev/null)
    [ "$served" = "$want" ]' || e2e_fail "the clipboard holds \"$served\", expected \"$want\""
}

# Runs pelmo-cli with ARGS... and checks that it prints EXPECTED.
e2e_expect_cli() {
  local expected=$1 listing
  shift
  listing=$(pelmo_wine "$e2e_cli" "$@") || e2e_fail "pelmo-cli $* failed: $listing"
  [ "$(printf '%s' "$listing" | tr -d '\r')" = "$expected" ] ||
    e2e_fail "pelmo-cli $* lists:"$'\n'"$listing"$'\n'"--- expected:"$'\n'"$expected"
}

# A count of 32 bits, then archive strings (shorter than 255 bytes: a length byte, the bytes).
archive() {
  local text
  printf "\\x$(printf %02x "$1")\\x00\\x00\\x00"
  shift
  for text; do printf "\\x$(printf %02x "${#text}")%s" "$text"; done
}
