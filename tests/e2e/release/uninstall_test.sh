#!/usr/bin/env bash
# uninstall_test.sh current-user|all-users
# A silent uninstall removes the files and the Add/Remove entry, puts back the
# screen saver it replaced, and keeps the wind setting unless told otherwise.
#   current-user: run as Programs and Features runs it (QuietUninstallString);
#   all-users:    started from its folder without a mode switch, and told to
#                 remove the wind setting.
source "$(dirname "$0")/release_wine.sh"

mode=${1:-}
case "$mode" in
  current-user) root=HKCU ;;
  all-users) root=HKLM ;;
  *) echo "usage: $0 current-user|all-users" >&2; exit 2 ;;
esac

entry=$(reg_values "$root\\$UNINSTALL_KEY")
location=$(value_of InstallLocation <<<"$entry")
[ -n "$location" ] || fail "no Add/Remove entry in $root"
dir=$(unix_path "$location")
screen_saver_before=$(reg_value "$DESKTOP_KEY" SCRNSAVE.EXE)

if [ "$mode" = current-user ]; then
  quiet=$(value_of QuietUninstallString <<<"$entry")
  program=${quiet#\"}
  program=${program%%\"*}
  rest=${quiet#"\"$program\""}
  read -ra args <<<"$rest"
  [[ " ${args[*]} " == *" /S "* ]] || fail "QuietUninstallString '$quiet' is not silent"
else
  program="$location\\Uninstall.exe"
  args=(/S /RemoveWindSetting)
fi
wine_run "$program" "${args[@]}" || fail "'$program ${args[*]}' ended with $?"

# The uninstaller goes on from a copy of itself in the temporary folder; it
# removes the Add/Remove entry last.
folder_gone() { [ ! -e "$dir" ]; }
entry_gone() { ! reg_key_exists "$root\\$UNINSTALL_KEY"; }
wait_until 60 folder_gone || fail "$location is still there: $(ls -A "$dir" | tr '\n' ' ')"
wait_until 30 entry_gone || fail "the Add/Remove entry in $root is still there"

for f in "${BUNDLED[@]}"; do
  [ ! -e "$system_dir/$f" ] || fail "$f is still in the system folder"
done

desktop=$(reg_values "$DESKTOP_KEY")
screen_saver=$(value_of SCRNSAVE.EXE <<<"$desktop")
wind=$(reg_value "$WIND_KEY" "Wind Power")
if [ "$mode" = current-user ]; then
  [ "$screen_saver" = "$EARLIER_SCREEN_SAVER" ] ||
    fail "SCRNSAVE.EXE is '$screen_saver', not the earlier '$EARLIER_SCREEN_SAVER'"
  [ "$(value_of ScreenSaveActive <<<"$desktop")" = 1 ] || fail "ScreenSaveActive was not kept"
  [ "$((wind))" = "$STORED_WIND" ] || fail "a silent uninstall changed the wind setting to '$wind'"
else
  [ "$screen_saver" = "$screen_saver_before" ] ||
    fail "SCRNSAVE.EXE, not this screen saver, changed from '$screen_saver_before' to '$screen_saver'"
  [ -z "$wind" ] || fail "/RemoveWindSetting left the wind setting '$wind'"
  ! reg_key_exists "$WIND_KEY" || fail "/RemoveWindSetting left the empty key $WIND_KEY"
fi
echo "uninstalled from $location; SCRNSAVE.EXE=$screen_saver; wind=${wind:-none}"
