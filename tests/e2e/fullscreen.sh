#!/usr/bin/env bash
# F11 and Alt+Enter switch the game between its window and fullscreen: the
# window covers the screen with the world drawn in the largest whole step of
# 256 x 192 that fits, centred, black around it (on this 1280 x 720 screen,
# 768 x 576: 3 screen pixels to a world pixel, where stretched to the full
# height they would be 3.75); the same keys bring back the 512 x 384 window
# at its place, the view stretched over it as before. A window covering the
# screen exactly is shown so too, whoever made it so.
source "$(dirname "$0")/common.sh"

own_display 1280 720
read -r screen_w screen_h < <(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
[ "$screen_w $screen_h" = "1280 720" ] || fail "the test's screen is ${screen_w}x${screen_h}"
view_w=768 view_h=576
view_x=$(((screen_w - view_w) / 2)) view_y=$(((screen_h - view_h) / 2))

# Whether fullscreen shot $1 shows the resting start picture at the view's
# box, world pixel for world pixel, with nothing but black around it.
shows_start_fullscreen() {
  same_world "$1" "$view_x $view_y $view_w $view_h" "$E2E_OUT/start.png" "" || return 1
  # The creature where it stood, in screen pixels of the larger view.
  local x0 y0 x y
  read -r x0 y0 _ < <(sprite_box "$E2E_OUT/start.png")
  read -r x y _ < <(sprite_box "$1") || return 1
  [ $((x - view_x - x0 * view_w / 512)) -ge -4 ] && [ $((x - view_x - x0 * view_w / 512)) -le 4 ] || return 1
  [ $((y - view_y - y0 * view_h / 384)) -ge -4 ] && [ $((y - view_y - y0 * view_h / 384)) -le 4 ] || return 1
  black_outside "$1" "$view_x $view_y $view_w $view_h"
}

# Taps keys $1 and lets the held game run two passes, so that its poll has
# seen them.
press() {
  xdotool windowfocus --sync "$WINDOW" key "$1" || fail "could not press $1"
  run_for 2
}

start_play
# A place of its own, so that coming back to it shows.
xdotool windowmove --sync "$WINDOW" 37 41 || fail "could not move the window"
wait_for_geometry "37 41 512 384"
shoot_until "the same picture in the moved window" "$E2E_OUT/moved.png" 5 same_picture "$E2E_OUT/start.png"

for keys in F11 alt+Return; do
  press "$keys"
  wait_for_geometry "0 0 $screen_w $screen_h"
  shoot_until "the world in whole steps on the whole screen after $keys" "$E2E_OUT/full-$keys.png" 5 shows_start_fullscreen
  press "$keys"
  wait_for_geometry "37 41 512 384"
  shoot_until "the stretched window back after $keys" "$E2E_OUT/back-$keys.png" 5 same_picture "$E2E_OUT/start.png"
  echo "$keys: fullscreen at ${screen_w}x${screen_h}, view ${view_w}x${view_h}+${view_x}+${view_y}; back at 37,41"
done

# A window the desktop makes cover the screen exactly (its window manager's
# fullscreen) shows the same whole steps; one stretched by hand, the view
# stretched over all of it.
xdotool windowmove --sync "$WINDOW" 0 0 windowsize --sync "$WINDOW" "$screen_w" "$screen_h" ||
  fail "could not cover the screen"
wait_for_geometry "0 0 $screen_w $screen_h"
shoot_until "the world in whole steps in a window covering the screen" "$E2E_OUT/covering.png" 5 \
  shows_start_fullscreen
xdotool windowsize --sync "$WINDOW" 700 400 || fail "could not stretch the window"
wait_for_geometry "0 0 700 400"
shows_start_stretched() { same_world "$1" "" "$E2E_OUT/start.png" ""; }
shoot_until "the world stretched over the window" "$E2E_OUT/stretched.png" 5 shows_start_stretched
echo "covering the screen: view ${view_w}x${view_h}+${view_x}+${view_y}; stretched by hand to 700x400"
end_play
