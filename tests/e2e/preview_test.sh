#!/usr/bin/env bash
# With "Preview" on, highlighting a multi-line row in the open list shows its whole text in the
# preview window; a one-line row hides it again.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

printf '[Settings ]\r\nNewWindow=1\r\nPreview=1\r\n' >"$e2e_ini"
e2e_copy "one line $e2e_id"
e2e_start
# One copy at a time, each waited for: X may pass on only the last of copies made in a row.
rows=1
for text in "ftp.example.org/pub" "someone@example.org" "http://www.example.org/" \
  "first line $e2e_id"$'\n'"second line"$'\n'"third line" "newest $e2e_id"; do
  e2e_copy "$text"
  rows=$((rows + 1))
  e2e_drive rows "$rows" 10000 >/dev/null || e2e_fail "the copy of \"$text\" was not captured"
done
e2e_expect_rows "newest $e2e_id" "first line $e2e_id" "http://www.example.org/" \
  "someone@example.org" "ftp.example.org/pub" "one line $e2e_id"

# The preview is the one visible dialog without a title.
preview_shown() { e2e_drive windows | grep -q '^visible .* class "#32770" text ""'; }
wait_preview() {
  local want=$1
  e2e_until 100 eval 'if preview_shown; then [ "$want" = shown ]; else [ "$want" = hidden ]; fi' ||
    e2e_fail "the preview is not $want"
}

strip=$(xdotool search --all --onlyvisible --name "^Pelmo$" 2>/dev/null | head -n 1)
[ -n "$strip" ] || e2e_fail "no strip window on the display"
xdotool mousemove --window "$strip" 120 8 click 1   # into the drop-down's edit field
xdotool key Down   # opens the list on row 0, one line
wait_preview hidden
xdotool key Down   # highlights the multi-line row
wait_preview shown
if [ -n "${PELMO_HISTORY_SCREENSHOT:-}" ]; then
  eval "$(xdotool getwindowgeometry --shell "$strip")"
  import -display "$DISPLAY" -window root -crop "860x440+$X+$Y" +repage "$PELMO_HISTORY_SCREENSHOT" ||
    e2e_fail "no screenshot of the open list"
fi
xdotool key Up
wait_preview hidden
xdotool key Escape
e2e_close
