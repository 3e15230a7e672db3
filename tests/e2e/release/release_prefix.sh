#!/usr/bin/env bash
# release_prefix.sh fresh|stop
#   fresh: a new Wine prefix for the release tests, as a user's machine that
#          already has a screen saver chosen and a wind setting stored;
#   stop:  stops its wineserver and Xvfb.
set -euo pipefail
case "${1:-}" in
  fresh)
    source "$(dirname "$0")/../../../scripts/wine-env"
    wine_env_stop
    rm -rf "$WINEPREFIX"
    source "$(dirname "$0")/release_wine.sh"
    wine_run reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /d "$EARLIER_SCREEN_SAVER" /f >/dev/null
    wine_run reg add "$DESKTOP_KEY" /v ScreenSaveActive /d 1 /f >/dev/null
    wine_run reg add "$WIND_KEY" /v "Wind Power" /t REG_DWORD /d "$STORED_WIND" /f >/dev/null
    ;;
  stop)
    source "$(dirname "$0")/../../../scripts/wine-env"
    wine_env_stop
    ;;
  *) echo "usage: $0 fresh|stop" >&2; exit 2 ;;
esac
