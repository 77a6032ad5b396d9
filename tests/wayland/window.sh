#!/usr/bin/env bash
# As a native Wayland client the game's window carries the menu entry's name
# as its app_id, and takes its size in pixels by the rule it keeps on X:
# 512 x 384 unscaled, 768 x 576 at 150 %, and at 200 % on a 1280 x 720
# screen (the largest whole step that fits), 1024 x 768 at 200 % on
# 2560 x 1600. The size comes once the desktop has told the window its scale,
# and stays. The same world pixels show at 100 % and 200 %; a close request
# ends the game with 0 at its next pass, and nothing is said on stderr.
source "$(dirname "$0")/common.sh"

[ "$(basename "$DESKTOP_FILE" .desktop)" = "$APP_ID" ] || fail "the menu entry is $DESKTOP_FILE"
grep -qx "StartupWMClass=$APP_ID" "$DESKTOP_FILE" || fail "the menu entry names another window class"

E2E_OUT_ALL=$E2E_OUT
sizes=()
for screen in "1280x720 1 512 384 play" "1280x720 2 768 576 play" "1280x720 1.5 768 576" \
  "2560x1600 2 1024 768"; do
  read -r resolution scale width height play <<<"$screen"
  E2E_OUT=$E2E_OUT_ALL/$resolution-$scale
  mkdir -p "$E2E_OUT"
  start_compositor "$resolution" "$scale"
  if [ -n "$play" ]; then
    start_play_at "$width $height"
  else
    start_game
    wait_for_size "$width $height"
  fi
  app_id=$(window_json | jq -r .app_id)
  [ "$app_id" = "$APP_ID" ] || fail "app_id $app_id at $scale on $resolution"
  end_play
  [ "$CLOSE_MS" -le 3000 ] || fail "took $CLOSE_MS ms to end after the close request"
  stop_compositor
  sizes+=("${width}x$height at $scale on $resolution, closed in $CLOSE_MS ms")
done

same_world "$E2E_OUT_ALL/1280x720-2/start.png" "" "$E2E_OUT_ALL/1280x720-1/start.png" "" ||
  fail "the world pixels at 200 % differ from the unscaled ones"
echo "app_id $APP_ID; ${sizes[*]}; world pixels equal at 100 % and 200 %"
