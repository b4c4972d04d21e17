#!/usr/bin/env bash
# The 32-bit and the 64-bit Pelmo write the same files: the same actions in each leave
# byte-identical item, Quick Replace and calculator files and the same INI file, so that each
# program reads what the other wrote as it reads its own (the items test, in each tree). Needs both
# builds and a host that starts both; it is left out (77) otherwise, where the portable tests pin
# the bytes.
# Arguments: PELMO CLI DRIVER OTHER_PELMO (OTHER_PELMO: the same program of the other build)
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$1" "$2" "$3"

other=$4
left_out() {
  echo "left out: $1; the portable tests pin the file bytes"
  exit 77
}
[ -f "$other" ] || left_out "no $other to compare with (build both Windows trees)"
[ "$(pelmo_wine_loader "$other")" = "$(pelmo_wine_loader "$1")" ] || pelmo_wine32_starts ||
  left_out "this host cannot start 32-bit programs"

link="http://example.com/$e2e_id.html"
files=("$e2e_name.clp" "$e2e_name.qrp" "$e2e_name.clc")

# Runs EXE as the test's program through the same actions, and keeps what it wrote in DIR.
session() {
  local exe=$1 dir=$2
  cp "$exe" "$e2e_dir/$e2e_name.exe"
  rm -f "$e2e_ini" "${files[@]/#/$e2e_dir/}"
  archive 1 "qs $e2e_id" "replaced $e2e_id" >"$e2e_dir/$e2e_name.qrp"
  archive 2 '7*8' '(2+3)' >"$e2e_dir/$e2e_name.clc"
  e2e_start_with "start $e2e_id"
  e2e_copy "see $link"
  e2e_copy "café à la crème $e2e_id"
  e2e_expect_rows "café à la crème $e2e_id" "see $link" "start $e2e_id"
  # The calculator writes its list when it closes with the program.
  e2e_drive command 32774 || e2e_fail "the calculator command was refused"
  e2e_close
  mkdir -p "$dir"
  cp "${files[@]/#/$e2e_dir/}" "$dir/" || e2e_fail "$exe did not write all of ${files[*]}"
  cp "$e2e_ini" "$dir/ini"
}

session "$1" "$e2e_dir/first"
session "$other" "$e2e_dir/second"
for file in "${files[@]}" ini; do
  cmp "$e2e_dir/first/$file" "$e2e_dir/second/$file" ||
    e2e_fail "$file differs between $1 and $other"
done
e2e_expect_cli "(2+3)"$'\n'"7*8" calc --history "$e2e_dir/first/$e2e_name.clc"

