#!/usr/bin/env bash
# Texts copied in X become rows of the history, newest first, above the text that was on the
# clipboard at start; a plain close ends the program.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

start="at start $e2e_id"
e2e_copy "$start"
e2e_start
e2e_expect_rows "$start"

e2e_copy "first $e2e_id"
e2e_expect_rows "first $e2e_id" "$start"
e2e_copy "second, café $e2e_id"
e2e_expect_rows "second, café $e2e_id" "first $e2e_id" "$start"
e2e_copy "third $e2e_id"
e2e_expect_rows "third $e2e_id" "second, café $e2e_id" "first $e2e_id" "$start"

e2e_close
