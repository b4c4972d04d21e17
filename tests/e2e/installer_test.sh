#!/usr/bin/env bash
# The installer made from this tree's exes: a silent install on 64-bit Windows (every Wine prefix
# of ours) puts the 64-bit program and its entries in the user's programs folder; it runs; the
# silent uninstaller removes all but the user's history (it asks first, and silence means no).
# Arguments: PELMO CLI DRIVER VERSION_RC
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$1" "$2" "$3"

version=$(sed -n 's/.*VALUE "ProductVersion", "\([0-9.]*\)\\0".*/\1/p' "$4")
stage=$e2e_dir/stage
mkdir -p "$stage/32-bit" "$stage/64-bit"
cp "$1" "$2" "$stage/64-bit/" # Pelmo.exe and pelmo-cli.exe
# Stand-ins for the 32-bit exes: installing them in place of the 64-bit ones would fail below.
for exe in Pelmo pelmo-cli; do echo "32-bit $exe" >"$stage/32-bit/$exe.exe"; done
cp "$e2e_repo/package/ReadMe.txt" "$stage/"
stub=()
pelmo_wine32_starts || stub=(-DTARGET=amd64-unicode)
makensis -V1 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$e2e_dir/Pelmo-setup.exe" \
  "${stub[@]}" "$e2e_repo/package/Pelmo.nsi" || e2e_fail "makensis failed"

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelmo'
folder=$(pelmo_wine cmd.exe /c echo %LOCALAPPDATA%\\Programs\\Pelmo | tr -d '\r')
installed=$(pelmo_wine winepath -u "$folder")
shortcut=$(pelmo_wine winepath -u "$(pelmo_wine cmd.exe /c echo %APPDATA% | tr -d '\r')")/Microsoft/Windows/Start\ Menu/Programs/Pelmo.lnk
# A run that failed partway leaves its installation in this tree's prefix: start from none.
rm -rf "$installed" "$shortcut"
pelmo_wine reg delete "$uninstall_key" /f >/dev/null 2>&1

pelmo_wine "$e2e_dir/Pelmo-setup.exe" /S || e2e_fail "the silent install failed"
cmp -s "$1" "$installed/Pelmo.exe" && cmp -s "$2" "$installed/pelmo-cli.exe" ||
  e2e_fail "64-bit Windows did not get the 64-bit program in $installed"
[ -f "$shortcut" ] || e2e_fail "no Start-menu entry"
pelmo_wine reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 ||
  e2e_fail "not in the programs list"

# The installed program, under its own name, starts and joins the viewer chain (what it captures
# there is the other tests' concern).
e2e_name=Pelmo
e2e_start "$installed/Pelmo.exe"
e2e_close

echo history >"$installed/Pelmo.clp"
pelmo_wine "$installed/uninstall.exe" /S || e2e_fail "the silent uninstall failed"
# The uninstaller runs from a copy of itself in the temporary folder and returns at once.
e2e_until 200 eval '[ ! -f "$installed/uninstall.exe" ]'
for left in Pelmo.exe pelmo-cli.exe ReadMe.txt uninstall.exe; do
  [ ! -e "$installed/$left" ] || e2e_fail "the uninstaller left $left"
done
[ ! -e "$shortcut" ] || e2e_fail "the uninstaller left the Start-menu entry"
pelmo_wine reg query "$uninstall_key" >/dev/null 2>&1 && e2e_fail "still in the programs list"
[ "$(cat "$installed/Pelmo.clp")" = history ] || e2e_fail "a silent uninstall removed the history"
rm -rf "$installed"
