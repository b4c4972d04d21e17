#!/usr/bin/env bash
# Addresses in texts copied in X become captured links, newest first, and are saved with the
# items file at a plain close. "Export as HTML" writes the page that pelmo-cli writes from the
# saved links, and starts the chosen browser (a stand-in that records its command line) with it.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

stand_in=$e2e_tree/tests/win32/stand_in_browser.exe
[ -f "$stand_in" ] || e2e_fail "no stand-in browser at $stand_in"
mkdir -p "$e2e_dir/web browser" "$e2e_dir/my pages"
cp "$stand_in" "$e2e_dir/web browser/browser.exe"
browser=$(winepath -w "$e2e_dir/web browser/browser.exe" 2>/dev/null)
page=$(winepath -w "$e2e_dir/my pages/linx.htm" 2>/dev/null)
printf '[PATH]\r\nBROWSER=%s\r\n' "$browser" >"$e2e_ini"

e2e_copy "start $e2e_id"
e2e_start
e2e_expect_rows "start $e2e_id"
e2e_copy "see http://example.com/$e2e_id.html now"
e2e_expect_rows "see http://example.com/$e2e_id.html now" "start $e2e_id"
e2e_copy "write to www.example.org/<$e2e_id>&more"
e2e_expect_rows "write to www.example.org/<$e2e_id>&more" \
  "see http://example.com/$e2e_id.html now" "start $e2e_id"

e2e_drive export-links "$page" 20000 || e2e_fail "the export did not go through"
record="$e2e_dir/web browser/browser.exe.txt"
e2e_until 100 eval '[ "$(wc -l <"$record" 2>/dev/null)" = 2 ]'
[ "$(cat "$record" 2>/dev/null)" = "\"$browser\" \"$page\""$'\n'"8" ] ||
  e2e_fail "the browser was not started with the page: $(cat "$record" 2>/dev/null)"
e2e_close

links=$(wine "$e2e_cli" links "$e2e_items" | tr -d '\r') || e2e_fail "pelmo-cli could not read the links"
[ "$links" = "www.example.org/<$e2e_id>&more"$'\n'"http://example.com/$e2e_id.html" ] ||
  e2e_fail "links differ:"$'\n'"$links"
wine "$e2e_cli" links --html 'C:\cli-page.htm' "$e2e_items" || e2e_fail "pelmo-cli links --html failed"
cmp "$WINEPREFIX/drive_c/cli-page.htm" "$e2e_dir/my pages/linx.htm" ||
  e2e_fail "the exported page differs from pelmo-cli's"
rm -f "$WINEPREFIX/drive_c/cli-page.htm"
