#!/usr/bin/env bash
# Texts copied in X become history rows that survive a restart, as pelmo-cli reads them back; the
# next start reads the settings and Quick Replace pairs. With "Save" off no items file is written.
# A first start shows the help clear of the strip.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

link="https://example.com/$e2e_id.html"

# A first start shows the help whole on the 1280 by 800 screen, clear of the always-on-top strip.
expect_help_clear_of_strip() {
  local windows help strip hl ht hr hb sl st sr sb
  e2e_until 100 eval 'windows=$(e2e_drive windows)
    help=$(sed -n "s/^visible .* \"Pelmo Help\" at //p" <<<"$windows")
    strip=$(sed -n "s/^visible .* \"#32770\" text \"Pelmo\" at //p" <<<"$windows")
    [ -n "$help" ] && [ -n "$strip" ]' || e2e_fail "the first start showed no help"
  read -r hl ht hr hb <<<"$help"
  read -r sl st sr sb <<<"$strip"
  ((hl >= 0 && ht >= 0 && hr <= 1280 && hb <= 800)) || e2e_fail "the help at $help is cut off"
  ((hr <= sl || sr <= hl || hb <= st || sb <= ht)) || e2e_fail "strip $strip covers help $help"
}

# Each copy is waited for: Wine may fold X clipboard changes that come faster than it polls.
# What a save killed before its replace left behind (no process has that id) goes at start.
abandoned=$e2e_items.2147483600.tmp
: >"$abandoned"
e2e_start_with "start $e2e_id"
[ ! -e "$abandoned" ] || e2e_fail "the abandoned temporary file is still there"
# A second start of the same program hands over to the running copy and ends, blocking nothing:
# one copy saves the files.
timeout 20 "$(pelmo_wine_loader "$e2e_dir/$e2e_name.exe")" "$e2e_dir/$e2e_name.exe" </dev/null \
  >"$e2e_dir/second.log" 2>&1 || e2e_fail "a second start did not end by itself with status 0"
e2e_copy "see $link"
e2e_expect_rows "see $link" "start $e2e_id"
e2e_copy "bêta $e2e_id"$'\n'"second line"
e2e_expect_rows "bêta $e2e_id" "see $link" "start $e2e_id"
e2e_close

e2e_expect_cli "history: 3
  0  \"bêta $e2e_id\\r\\nsecond line\"
  1  \"see $link\"
  2  \"start $e2e_id\"
clipbook: 0
links: 1
  0  \"$link\"" items "$e2e_items"
e2e_expect_cli "$link" links "$e2e_items"
page=$(pelmo_wine winepath -w "$e2e_dir/links.htm" 2>/dev/null)
pelmo_wine "$e2e_cli" links --html "$page" "$e2e_items" || e2e_fail "pelmo-cli links --html failed"
grep -qF "<a href=\"$link\">" "$e2e_dir/links.htm" || e2e_fail "no anchor in the page"

# The close wrote every setting; Quick Replace is switched on for the next start.
grep -q '^QuickRep=0' "$e2e_ini" || e2e_fail "the close wrote no settings:"$'\n'"$(cat "$e2e_ini")"
sed -i 's/^QuickRep=0/QuickRep=1/' "$e2e_ini"
archive 1 "qs $e2e_id" "replaced $e2e_id" >"$e2e_dir/$e2e_name.qrp"
e2e_expect_cli "$link" link <<<"see $link now"

# The clipboard's text becomes row 0 even when it equals the newest saved entry.
e2e_start_with "see $link" "see $link" "bêta $e2e_id" "see $link" "start $e2e_id"
e2e_copy "qs $e2e_id"
e2e_expect_clipboard "replaced $e2e_id"
e2e_close
# The close saved the pairs it had read.
e2e_expect_cli "pairs: 1
  0  \"qs $e2e_id\" -> \"replaced $e2e_id\"" quickrep "$e2e_dir/$e2e_name.qrp"

# A first start again, with the strip where the centred help would be (the screen is 1280 by 800).
printf '[Settings ]\r\nSave=0\r\n[Window Position]\r\nX=500\r\nY=500\r\n' >"$e2e_ini"
rm -f "$e2e_items"
e2e_start_with "unsaved, café $e2e_id"
expect_help_clear_of_strip
e2e_close
[ ! -e "$e2e_items" ] || e2e_fail "an items file was written with Save off"
