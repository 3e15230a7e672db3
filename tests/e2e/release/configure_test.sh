#!/usr/bin/env bash
# "Settings" in Screen Saver Settings: the installed Snow.scr with /c, started
# from another folder, starts the Rimesetup.exe installed beside it.
source "$(dirname "$0")/release_wine.sh"

location=$(install_location HKCU)
[ -n "$location" ] || fail "no per-user install"
installed=$(unix_path "$location\\Rimesetup.exe")

elsewhere=$(mktemp -d "$WINE_DIR/elsewhere.XXXXXX")
dialog_pid=
cleanup() {
  if [ -n "$dialog_pid" ] && kill "$dialog_pid" 2>/dev/null; then
    dialog_closed() { [ ! -e "/proc/$dialog_pid" ]; }
    wait_until 10 dialog_closed || true
  fi
  rm -rf "$elsewhere"
}
trap cleanup EXIT
cd "$elsewhere"

wine_run "$location\\Snow.scr" /c || fail "Snow.scr /c ended with $?"

dialog_shown() { dialog=$(xdotool search --name '^Hoarvale$' | head -n 1); [ -n "$dialog" ]; }
wait_until 20 dialog_shown || fail "no window named Hoarvale within 20 s"
dialog_pid=$(xdotool getwindowpid "$dialog")

# The program image that the dialog's process has mapped.
program=$(awk 'tolower($0) ~ /\.exe$/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print; exit }' "/proc/$dialog_pid/maps")
[ -n "$program" ] && [ "$program" -ef "$installed" ] ||
  fail "the Hoarvale window belongs to '${program:-an unknown program}', not to $location\\Rimesetup.exe"
echo "Hoarvale shown by $program"
