#!/usr/bin/env bash
# The quick window in the real program: with a window of another program focused, its caret in an
# edit field, Ctrl+Shift+V opens the quick window at that caret; typing narrows the list, and Enter
# puts the chosen entry back whole, Greek included, and gives the focus back to that window. Wine
# delivers a hotkey only while one of its own windows has the focus: the stand-in is one.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

greek="Καλημέρα κόσμε $e2e_id"
e2e_start_with "an older text"
# Each copy is waited for: Wine may fold X clipboard changes that come faster than it polls. A row
# outside the code page does not read back from another process as copied: the rows are counted.
e2e_copy "$greek"
e2e_drive rows 2 10000 >/dev/null || e2e_fail "the Greek text was not captured"
e2e_copy "the newest text"
e2e_drive rows 3 10000 >/dev/null || e2e_fail "the newest text was not captured"

log=$e2e_dir/stand-in.log
e2e_drive stand-in 20000 >"$log" &
standin=$!
e2e_until 150 grep -q '^caret' "$log" || e2e_fail "the stand-in did not take the focus"
# X may give the stand-in the keyboard a moment after Wine made it the foreground: a press that
# opened nothing is pressed again.
for _ in 1 2 3; do
  xdotool key --clearmodifiers ctrl+shift+v
  e2e_until 50 grep -q '^opened' "$log" && break
done
grep -q '^opened' "$log" || e2e_fail "the hotkey opened no window"
read -r _ cx cy < <(grep '^caret' "$log")
read -r _ ox oy < <(grep '^opened' "$log")
((ox - cx < 40 && cx - ox < 40 && oy >= cy - 2 && oy - cy < 40)) ||
  e2e_fail "the quick window opened at $ox,$oy, the caret is at $cx,$cy"
# Without a window manager, X moves its keyboard focus only when asked: the typing goes to the
# quick window, which Wine has made the foreground.
quick=$(xdotool search --onlyvisible --name '^Pelmo quick window$' | head -n 1)
[ -n "$quick" ] || e2e_fail "the quick window is not visible"
xdotool windowfocus --sync "$quick" type --delay 50 "$e2e_id"
sleep 0.5
xdotool key Return
wait "$standin" || e2e_fail "the focus did not come back to the stand-in: $(cat "$log"); the clipboard: $(e2e_clipboard)"
e2e_expect_clipboard "$greek"
e2e_close
