#!/usr/bin/env bash
# scene_matches_test.sh Data1.Bin Data2.Bin
# The screen check of the release tests tells the scene from screens that
# only look busy: each composed screen below must get the verdict beside it.
set -euo pipefail
panorama=$1 sheet=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
logo=(\( "bmp:$sheet" -crop 193x38+466+92 +repage -transparent blue \) -geometry +410+18 -composite)
flakes=(-fill white -draw 'rectangle 100,100 106,107' -draw 'rectangle 300,200 306,207')

status=0
check() { # expected-exit name convert-arguments...
  local expected=$1 name=$2 rc=0
  shift 2
  convert "$@" -type TrueColor -depth 8 "ppm:$work/$name.ppm"
  python3 "$(dirname "$0")/scene_matches.py" "$work/$name.ppm" "$panorama" "$sheet" || rc=$?
  if [ "$rc" != "$expected" ]; then
    echo "FAIL: $name: exit $rc, expected $expected" >&2
    status=1
  fi
}
check 0 scene_scrolled_with_flakes "bmp:$panorama" -crop 640x480+37+0 +repage "${logo[@]}" "${flakes[@]}"
check 1 blank_screen -size 640x480 xc:black
check 1 panorama_without_logo "bmp:$panorama" -crop 640x480+37+0 +repage
check 1 logo_on_another_panorama "bmp:$panorama" -flip -crop 640x480+37+0 +repage "${logo[@]}"
exit $status
