#!/usr/bin/env bash
# Quick Replace on the X clipboard: copying a shortcut leaves its replacement on the clipboard and
# at the top of the history. A ClipBook entry made with "To ClipBook" is saved at a plain close.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

id_to_clipbook=32785

# An archive string of fewer than 255 bytes: its length byte, then the bytes.
archive_string() {
  printf "\\x$(printf %02x "${#1}")%s" "$1"
}

shortcut="qs $e2e_id"
replacement="replaced $e2e_id"
{
  printf '\x01\x00\x00\x00' # the count, 32 bits
  archive_string "$shortcut"
  archive_string "$replacement"
} >"$e2e_dir/$e2e_name.qrp"
printf '[Settings ]\r\nQuickRep=1\r\nSave=1\r\n' >"$e2e_ini"

e2e_copy "start $e2e_id"
e2e_start
e2e_expect_rows "start $e2e_id"
e2e_copy "$shortcut"
# The copy and the replacement's own clipboard change are both captured as the replacement, and
# the shortcut never is. Wine sometimes announces the replacement's change to the X side twice
# more, each a change of its own; the exact count is the capture test's (tests/unit).
sleep 0.5
rows=$(e2e_drive rows 3 10000) || e2e_fail "expected 3 rows, found:"$'\n'"$rows"
replaced=$(grep -cxF "$replacement" <<<"$rows")
[ "$(head -n 1 <<<"$rows")" = "$replacement" ] && [ "$(tail -n 1 <<<"$rows")" = "start $e2e_id" ] &&
  ! grep -qxF "$shortcut" <<<"$rows" && [ "$replaced" -ge 2 ] && [ "$replaced" -le 4 ] ||
  e2e_fail "the replacement did not take the shortcut's place:"$'\n'"$rows"
served=$(xclip -o -selection clipboard -display "$DISPLAY")
[ "$served" = "$replacement" ] || e2e_fail "X serves \"$served\" instead of the replacement"

# Row 0 is selected after the capture: it becomes a ClipBook entry under the typed name.
e2e_drive command $id_to_clipbook
e2e_drive answer "ClipBook entry" "kept" || e2e_fail "no name prompt"
e2e_close
listing=$(wine "$e2e_cli" items "$e2e_items" | tr -d '\r') || e2e_fail "pelmo-cli could not read the items file"
grep -qF "\"kept\\n$replacement\"" <<<"$listing" ||
  e2e_fail "the ClipBook entry did not survive a restart:"$'\n'"$listing"

