#!/usr/bin/env bash
# Keys from a keyboard on the desktop's seat play the game as on X: it starts
# with the creature standing on the grass at the left, a tap of X makes it
# jump and land where it took off, and Right with X hops it over the pit and
# on to the right.
source "$(dirname "$0")/common.sh"

start_compositor 1280x720 1
start_play_at "512 384"
start="$E2E_OUT/start.png"
read -r x0 y0 w0 h0 < <(sprite_box "$start")
# As on X: the feet on window row 217, the sprite in columns 24..55.
[ $((y0 + h0 - 1)) -eq 217 ] && [ "$x0" -ge 24 ] && [ $((x0 + w0)) -le 56 ] ||
  fail "the creature stands at $x0,$y0 (${w0}x$h0), not on the grass at the start"

# A jump: shots two passes apart for 90 passes, the highest one up by what a
# jump rises on screen (see e2e/play_jump.sh), then the same picture again.
hold_keys_for 9 x
highest=$y0
for n in $(seq 1 45); do
  screenshot "$E2E_OUT/jump-$n.png"
  read -r _ y _ < <(sprite_box "$E2E_OUT/jump-$n.png") || fail "the creature vanished in jump-$n.png"
  [ "$y" -ge "$highest" ] || highest=$y
  run_for 2
done
rise=$((y0 - highest))
[ "$rise" -ge 44 ] && [ "$rise" -le 62 ] || fail "the creature rose $rise window pixels"
wait_until_still "$E2E_OUT/landed.png"
same_picture "$start" "$E2E_OUT/landed.png" || fail "after landing the picture differs from the start"

# Right and X for 60 passes, then at rest: the view's place from the
# scenery and the sprite's place in the window give its world x, which was 20.
hold_keys_for 60 Right x
wait_until_still "$E2E_OUT/ran.png"
read -r x y w h < <(sprite_box "$E2E_OUT/ran.png") || fail "the creature vanished after the run"
read -r dx dy q < <(view_move "$start" "$E2E_OUT/ran.png")
[ "$q" -ge 90 ] || fail "ran.png matches no view of the map ($dx $dy $q)"
world_x=$((dx + (2 * x + w) / 4))
[ "$world_x" -ge 60 ] || fail "the creature ran only to world x $world_x"

end_play
echo "jumped $rise window pixels and landed; ran to world x $world_x, the view moved by ($dx, $dy)"
