#!/usr/bin/env bash
# Texts copied in X become rows of the history, newest first, and survive a restart through the
# items file: a plain close saves it, pelmo-cli reads it back, and the next start shows the
# clipboard's text above the saved rows. With "Save" off nothing is written at exit.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"


# Each copy is waited for: Wine may fold X clipboard changes that come faster than it polls.
e2e_copy "start $e2e_id"
e2e_start
e2e_expect_rows "start $e2e_id"
e2e_copy "alpha $e2e_id"
e2e_expect_rows "alpha $e2e_id" "start $e2e_id"
e2e_copy "beta $e2e_id"$'\n'"second line"
e2e_expect_rows "beta $e2e_id" "alpha $e2e_id" "start $e2e_id"
e2e_close

[ -f "$e2e_items" ] || e2e_fail "no items file after a plain close"
listing=$(wine "$e2e_cli" items "$e2e_items") || e2e_fail "pelmo-cli could not read the items file"
expected="history: 3
  0  \"beta $e2e_id\\r\\nsecond line\"
  1  \"alpha $e2e_id\"
  2  \"start $e2e_id\"
clipbook: 0
links: 0"
[ "$(printf '%s' "$listing" | tr -d '\r')" = "$expected" ] ||
  e2e_fail "items file listing differs:"$'\n'"$listing"

# The clipboard's text becomes row 0 even when it equals the newest saved entry.
e2e_copy "alpha $e2e_id"
e2e_start
e2e_expect_rows "alpha $e2e_id" "beta $e2e_id" "alpha $e2e_id" "start $e2e_id"
e2e_close

# With "Save" off the items file is neither read nor written.
printf '[Settings ]\r\nSave=0\r\nNewWindow=1\r\n' >"$e2e_ini"
rm -f "$e2e_items"
e2e_copy "unsaved, café $e2e_id"
e2e_start
e2e_expect_rows "unsaved, café $e2e_id"
e2e_close
[ ! -e "$e2e_items" ] || e2e_fail "an items file was written with Save off"
