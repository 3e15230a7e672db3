# Shared by the release tests (sourced): the private Wine of these tests and
# small helpers to look at what the installer left behind.
# CTest sets GLIMMERFALL_WINE_DIR (this folder's own prefix and Xvfb),
# GLIMMERFALL_SETUP (the installer under test) and GLIMMERFALL_BUNDLE (the
# files it packs).
set -euo pipefail
release_tests_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$release_tests_dir/../../../scripts/wine-env"

readonly UNINSTALL_KEY='Software\Microsoft\Windows\CurrentVersion\Uninstall\Glimmerfall'
readonly DESKTOP_KEY='HKCU\Control Panel\Desktop'
readonly WIND_KEY='HKCU\Hoarvale'
readonly BUNDLED=(Snow.scr Rimesetup.exe Data1.Bin Data2.Bin)
# What the prefix holds before the first install, for the uninstaller to
# put back or keep.
readonly EARLIER_SCREEN_SAVER='C:\windows\system32\earlier.scr'
readonly STORED_WIND=7

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs a Windows program and prints its output afterwards: Wine's background
# processes must not hold CTest's pipe.
wine_run() {
  local out rc=0
  out=$(mktemp)
  "$WINE64" "$@" >"$out" 2>&1 </dev/null 9>&- || rc=$?
  tr -d '\r' <"$out"
  rm -f "$out"
  return $rc
}

# reg_values 'HKCU\Key': one "name<TAB>data" line per value of the key.
reg_values() {
  wine_run reg query "$1" 2>/dev/null | awk -F '    ' '
    $3 ~ /^REG_/ { data = $4; for (i = 5; i <= NF; i++) data = data FS $i; print $2 "\t" data }' || true
}

# value_of NAME: the data of that value in reg_values' output on stdin.
value_of() { awk -F '\t' -v name="$1" 'tolower($1) == tolower(name) { print $2; exit }'; }

reg_value() { reg_values "$1" | value_of "$2"; }

reg_key_exists() { wine_run reg query "$1" >/dev/null 2>&1; }

unix_path() { wine_run winepath -u "$1"; }
system_dir=$WINEPREFIX/drive_c/windows/system32

# The folder of the install in HKCU or HKLM, as its Add/Remove entry says.
install_location() { reg_value "$1\\$UNINSTALL_KEY" InstallLocation; }

# wait_until SECONDS COMMAND...: polls the command until it succeeds.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.25
  done
}

wine_env_start
