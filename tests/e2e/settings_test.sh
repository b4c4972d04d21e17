#!/usr/bin/env bash
# The settings window in the running program: a new item maximum and a changed check box are
# confirmed, and the close writes them into the INI file.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh" "$@"

id_settings=32777
id_item_maximum=1007
id_keep_top=1076

printf '[Settings ]\r\nNewWindow=1\r\n' >"$e2e_ini"
e2e_copy "start $e2e_id"
e2e_start
e2e_drive command $id_settings
e2e_drive wait-dialog Settings || e2e_fail "no settings window"
shown=$(e2e_drive text Settings $id_item_maximum | tr -d '\r')
[ "$shown" = 100 ] || e2e_fail "the item maximum shows \"$shown\" instead of 100"
e2e_drive type Settings $id_item_maximum 42 || e2e_fail "could not type the item maximum"
e2e_drive press Settings $id_keep_top 1 || e2e_fail "could not confirm the settings window"
e2e_close

settings=$(tr -d '\r' <"$e2e_ini")
grep -qx 'Delete After=42' <<<"$settings" || e2e_fail "no new item maximum in the INI:"$'\n'"$settings"
grep -qx 'KeepTop=1' <<<"$settings" || e2e_fail "KeepTop is not on in the INI:"$'\n'"$settings"
