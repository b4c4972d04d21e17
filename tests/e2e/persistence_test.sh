#!/usr/bin/env bash
# The history outlives the program: a plain close saves it beside the executable, and the next
# start shows it below the text captured at that start.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

e2e_copy "at start $e2e_id"
e2e_start
e2e_expect_rows "at start $e2e_id"
e2e_copy "first $e2e_id"
e2e_expect_rows "first $e2e_id" "at start $e2e_id"
e2e_copy "second $e2e_id"
e2e_expect_rows "second $e2e_id" "first $e2e_id" "at start $e2e_id"
e2e_close
e2e_expect_saved_history "second $e2e_id" "first $e2e_id" "at start $e2e_id"

e2e_copy "again $e2e_id"
e2e_start
e2e_expect_rows "again $e2e_id" "second $e2e_id" "first $e2e_id" "at start $e2e_id"
e2e_close
e2e_expect_saved_history "again $e2e_id" "second $e2e_id" "first $e2e_id" "at start $e2e_id"
