#!/usr/bin/env bash
# The installed Snow.scr, started the way the screen saver host starts it but
# from a folder without pictures, shows the scene painted from the installed
# pictures, and a key ends it.
source "$(dirname "$0")/release_wine.sh"

location=$(install_location HKCU)
[ -n "$location" ] || fail "no per-user install"

elsewhere=$(mktemp -d "$WINE_DIR/elsewhere.XXXXXX")
log=$elsewhere/saver.log
shot=$elsewhere/screen.ppm
verdict=$elsewhere/verdict
saver=
cleanup() {
  [ -n "$saver" ] && kill "$saver" 2>/dev/null || true
  rm -rf "$elsewhere"
}
trap cleanup EXIT

cd "$elsewhere"
"$WINE64" "$location\\Snow.scr" /s >"$log" 2>&1 </dev/null 9>&- &
saver=$!

shows_scene() {
  kill -0 "$saver" 2>/dev/null || fail "Snow.scr ended early: $(tr -d '\r' <"$log")"
  import -display "$DISPLAY" -window root -depth 8 "ppm:$shot" 2>/dev/null &&
    python3 "$release_tests_dir/scene_matches.py" "$shot" \
      "$GLIMMERFALL_BUNDLE/Data1.Bin" "$GLIMMERFALL_BUNDLE/Data2.Bin" >"$verdict"
}
if ! wait_until 30 shows_scene; then
  cp "$shot" "$WINE_DIR/installed_saver_failure.ppm" 2>/dev/null || true
  fail "no scene on the screen within 30 s ($(cat "$verdict" 2>/dev/null)); last capture in $WINE_DIR/installed_saver_failure.ppm"
fi
cat "$verdict"

window=$(xdotool search --name '^Glimmerfall$' | head -n 1)
[ -n "$window" ] || fail "no window named Glimmerfall"
xdotool windowfocus --sync "$window" key space
saver_ended() { ! kill -0 "$saver" 2>/dev/null; }
wait_until 10 saver_ended || fail "Snow.scr did not end on a key press"
wait "$saver" || true
saver=
