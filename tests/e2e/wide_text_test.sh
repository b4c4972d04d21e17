#!/usr/bin/env bash
# A text that the ANSI code page cannot hold (Greek, Chinese, an emoji) copied in X comes back
# from the history byte for byte, is saved whole, and is still whole after a restart.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

wide='Καλημέρα 世界 🙂'
readonly DOWN=1002

e2e_copy "start $e2e_id"
e2e_start
e2e_expect_rows "start $e2e_id"
e2e_copy "$wide"
e2e_drive rows 2 10000 >/dev/null || e2e_fail "the wide text did not become a row"
e2e_copy "other $e2e_id"
e2e_drive rows 3 10000 >/dev/null || e2e_fail "the third copy did not become a row"
# Down from row 0 chooses row 1, the wide text, and puts it back on the clipboard.
e2e_drive command $DOWN || e2e_fail "no main window for Down"
e2e_expect_clipboard "$wide"
e2e_close

e2e_expect_cli "{\"history\":[\"other $e2e_id\",\"$wide\",\"start $e2e_id\"],\"clipBook\":[],\"links\":[]}" \
  items --json "$e2e_items"

# After a restart the saved row is still whole: Down twice reaches it.
e2e_copy "again $e2e_id"
e2e_start
e2e_drive rows 4 10000 >/dev/null || e2e_fail "the saved rows did not load"
e2e_drive command $DOWN || e2e_fail "no main window for Down"
e2e_expect_clipboard "other $e2e_id"
e2e_drive command $DOWN || e2e_fail "no main window for Down"
e2e_expect_clipboard "$wide"
e2e_close
