#!/usr/bin/env bash
# Killing Pelmo in the middle of saving a large history never leaves a damaged or missing items
# file: what is there afterwards is the old file or the new one, whole.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

entries=20000

# A saved history of 20,000 entries of 1 KB.
python3 - "$e2e_items" "$entries" <<'PY'
import struct, sys
path, count = sys.argv[1], int(sys.argv[2])
with open(path, "wb") as f:
    f.write(struct.pack("<i", count))
    for i in range(count):
        text = (f"entry {i} ".encode() * 120)[:1024]
        f.write(b"\xff" + struct.pack("<H", len(text)) + text)
    f.write(struct.pack("<ii", 0, 0))
PY
cp "$e2e_items" "$e2e_dir/original.clp"

for delay in 0.05 0.2 0.4; do
  e2e_copy "start $delay $e2e_id"
  e2e_start
  e2e_drive rows 2 30000 >/dev/null || e2e_fail "the saved history did not load"
  wine taskkill /IM "$e2e_name.exe" >/dev/null 2>&1
  sleep "$delay"
  pkill -KILL -f "$e2e_name.exe"
  wait "$e2e_pid" 2>/dev/null
  e2e_pid=""

  [ -f "$e2e_items" ] || e2e_fail "the items file is missing after a kill $delay s into the close"
  # Wine's console writes to a file or /dev/null crawl; a pipe is fast.
  count=$(
    wine "$e2e_cli" items "$e2e_items" 2>&1 | tr -d '\r' | sed -n 's/^history: //p'
    exit "${PIPESTATUS[0]}"
  ) || e2e_fail "the items file is damaged after a kill $delay s into the close"
  case $count in
    "$entries" | "$((entries + 1))") ;;
    *) e2e_fail "the items file holds $count entries after a kill $delay s into the close" ;;
  esac
  cp "$e2e_dir/original.clp" "$e2e_items"
done
