#!/usr/bin/env bash
# install_test.sh current-user|chosen-folder|all-users
# A silent install places the bundle where its Add/Remove entry says, which is
# the folder of that mode, and sets the screen saver as asked.
#   current-user:  the default, into the user's programs folder;
#   chosen-folder: per user into a folder with spaces given by /D=, which
#                  SCRNSAVE.EXE must name without spaces; installed twice, as
#                  an update would, which must not make the uninstaller forget
#                  the screen saver that the first install replaced;
#   all-users:     into Program Files and the system folder, leaving the
#                  current screen saver as it is.
source "$(dirname "$0")/release_wine.sh"

mode=${1:-}
case "$mode" in
  current-user)
    args='/S'
    root=HKCU
    expected_dir="$(wine_run cmd /c echo %LOCALAPPDATA%)\\Programs\\Glimmerfall"
    ;;
  chosen-folder)
    expected_dir='C:\Screen Savers\Glimmerfall'
    args="/S /D=$expected_dir"
    root=HKCU
    runs=2
    ;;
  all-users)
    args='/S /AllUsers /KeepScreenSaver'
    root=HKLM
    expected_dir='C:\Program Files\Glimmerfall'
    ;;
  *) echo "usage: $0 current-user|chosen-folder|all-users" >&2; exit 2 ;;
esac

screen_saver_before=$(reg_value "$DESKTOP_KEY" SCRNSAVE.EXE)
# Through cmd, which passes /D= unquoted as the installer wants it.
setup=$(wine_run winepath -w "$GLIMMERFALL_SETUP")
for ((run = 1; run <= ${runs:-1}; run++)); do
  started=$SECONDS
  wine_run cmd /c "$setup $args" || fail "installer $args ended with $?"
  took=$((SECONDS - started))
done

entry=$(reg_values "$root\\$UNINSTALL_KEY")
location=$(value_of InstallLocation <<<"$entry")
[ "${location,,}" = "${expected_dir,,}" ] ||
  fail "Add/Remove entry in $root says '$location', expected '$expected_dir'" \
    "(installer took $took s; reg query: $(wine_run reg query "$root\\$UNINSTALL_KEY" 2>&1))"
dir=$(unix_path "$location")
for f in "${BUNDLED[@]}"; do
  cmp -s "$GLIMMERFALL_BUNDLE/$f" "$dir/$f" || fail "$f is not installed in $location"
done
[ -f "$dir/ReadMe.txt" ] || fail "ReadMe.txt is not installed in $location"

uninstaller=$(value_of UninstallString <<<"$entry")
[[ "$uninstaller" == "\"$location\\Uninstall.exe\""* ]] || fail "UninstallString is '$uninstaller'"
[ -f "$dir/Uninstall.exe" ] || fail "no Uninstall.exe in $location"

# Screen Saver Settings lists what is in the system folder; a per-user
# install must not touch it.
for f in "${BUNDLED[@]}"; do
  if [ "$mode" = all-users ]; then
    cmp -s "$GLIMMERFALL_BUNDLE/$f" "$system_dir/$f" || fail "$f is not in the system folder"
  else
    [ ! -e "$system_dir/$f" ] || fail "a per-user install wrote $f into the system folder"
  fi
done

desktop=$(reg_values "$DESKTOP_KEY")
screen_saver=$(value_of SCRNSAVE.EXE <<<"$desktop")
if [ "$mode" = all-users ]; then
  [ "$screen_saver" = "$screen_saver_before" ] ||
    fail "/KeepScreenSaver changed SCRNSAVE.EXE from '$screen_saver_before' to '$screen_saver'"
else
  [[ "$screen_saver" != *" "* ]] || fail "SCRNSAVE.EXE '$screen_saver' is not the short path"
  [ "$(unix_path "$screen_saver")" -ef "$dir/Snow.scr" ] ||
    fail "SCRNSAVE.EXE is '$screen_saver', not the installed Snow.scr"
  [ "$(value_of ScreenSaveActive <<<"$desktop")" = 1 ] || fail "ScreenSaveActive is not 1"
fi
echo "installed in $location in $took s; SCRNSAVE.EXE=$screen_saver"
