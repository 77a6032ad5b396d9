#!/usr/bin/env bash
# Fullscreen on Wayland, whoever asks for it: F11, Alt+Enter, or the
# desktop's own (sway's, as its shortcut or window menu would ask) shows the
# view in the largest whole step that fits the output, centred, black around
# it: 768 x 576 on this 1280 x 720 output at 200 %. Back in its window the
# game shows the picture it showed before. With a second output beside the
# first at another scale, the window moved there takes that scale's size,
# and F11 fills that output. A window stretched by hand shows the view
# stretched, and stays as the player left it.
source "$(dirname "$0")/common.sh"

start_compositor 1280x720 2 1024x768 1
start_play_at "768 576"
start="$E2E_OUT/start.png"

# Runs the held game 5 passes at a time until the window's content stands at
# "OUTPUT X Y W H" ($1), within 600 passes.
wait_for_place() {
  local last=$((PASSES + 600)) now
  until now=$(place) && [ "$now" = "$1" ]; do
    [ "$PASSES" -lt "$last" ] || fail "the window stands at $now, not at $1"
    run_for 5
  done
}

# Whether shot $2 shows the start's world pixels at box $1 ("X Y W H" of the
# shot), the creature where it stood, and nothing but black around it.
shows_start_at() {
  local x0 y0 x y bx by bw _
  same_world "$2" "$1" "$start" "" || return 1
  read -r x0 y0 _ < <(sprite_box "$start")
  read -r x y _ < <(sprite_box "$2") || return 1
  read -r bx by bw _ <<<"$1"
  [ $((x - bx - x0 * bw / 768)) -ge -4 ] && [ $((x - bx - x0 * bw / 768)) -le 4 ] || return 1
  [ $((y - by - y0 * bw / 768)) -ge -4 ] && [ $((y - by - y0 * bw / 768)) -le 4 ] || return 1
  black_outside "$2" "$1"
}
# Whether shot $1 shows the start's world pixels over all of it.
shows_start_stretched() { same_world "$1" "" "$start" ""; }

for way in F11 alt+Return desktop; do
  if [ "$way" = desktop ]; then
    swaymsg "[pid=$GAME_PID] fullscreen enable" >/dev/null || fail "sway's fullscreen"
  else
    press "$way"
  fi
  wait_for_place "HEADLESS-1 0 0 1280 720"
  shoot_until "the view in whole steps after $way" "$E2E_OUT/full-$way.png" 5 \
    shows_start_at "256 72 768 576"
  if [ "$way" = desktop ]; then
    swaymsg "[pid=$GAME_PID] fullscreen disable" >/dev/null || fail "sway's fullscreen off"
  else
    press "$way"
  fi
  shoot_until "the window back after $way" "$E2E_OUT/back-$way.png" 5 same_picture "$start"
done

# On the second output, at 100 %: 512 x 384, and F11 fills that output.
# Moved there as a player drags it, and the keyboard's focus with it.
swaymsg "[pid=$GAME_PID] move container to output HEADLESS-2, focus" >/dev/null ||
  fail "could not move the window"
wait_for_size "512 384"
[ "$(place | cut -d' ' -f1)" = HEADLESS-2 ] || fail "the window is on $(place)"
press F11
wait_for_place "HEADLESS-2 0 0 1024 768"
shoot_until "the view in whole steps on the second output" "$E2E_OUT/full-second.png" 5 \
  shows_start_at "0 0 1024 768"
press F11
wait_for_size "512 384"

# Stretched by hand: the view over all of it, and the size kept. (Sway's
# size is the frame's, title bar and borders included.)
swaymsg "[pid=$GAME_PID] resize set width 700 px height 400 px" >/dev/null || fail "could not resize"
last=$((PASSES + 600))
until read -r _ _ stretched < <(geometry) && [ "$stretched" != "512 384" ]; do
  [ "$PASSES" -lt "$last" ] || fail "the window was not resized"
  run_for 5
done
wait_for_size "$stretched"
shoot_until "the view stretched over the window" "$E2E_OUT/stretched.png" 5 shows_start_stretched

end_play
echo "F11, Alt+Enter and sway's own fullscreen: 768x576 at 256,72 on 1280x720; on the second output" \
  "512x384, F11 fills it; stretched by hand to ${stretched/ /x}, stays"
