#!/usr/bin/env bash
# Holding Right and X together, the player hops over the pit and the steps
# to the right. The view stays put until the player passes the middle, then
# keeps the player in the middle of the window while the scenery scrolls, and
# stops at the map's right edge, after which the player moves off centre.
source "$(dirname "$0")/common.sh"

start_play
start="$E2E_OUT/start.png"

# A shot every 3 passes while the keys are held, until the player is well
# right of the middle (the view is then at the map's right edge), or for 480
# passes at most.
hold_keys Right x
n=0
while true; do
  run_for 3
  n=$((n + 1))
  screenshot "$E2E_OUT/run-$n.png"
  if read -r x y w h < <(sprite_box "$E2E_OUT/run-$n.png"); then
    [ $((x + w / 2)) -gt 296 ] && break
  fi
  # Never seen off centre: the shots below tell what went wrong.
  [ "$n" -lt 160 ] || break
done
release_keys

# On each shot the view's place, from the scenery, and the sprite's place in
# the window give the player's world position, and from that where the view
# should be: centred on the player, but with its centre kept within x 128..176
# and y 96..368 so that nothing beyond the map shows. The start shows the
# view at (128, 115).
centred=()
for i in $(seq 1 "$n"); do
  shot="$E2E_OUT/run-$i.png"
  read -r x y w h < <(sprite_box "$shot") || continue
  # Partly hidden behind a bush or a grass tuft, the sprite's box would not
  # tell where its centre is.
  [ "$w" -ge 18 ] && [ "$h" -ge 46 ] || continue
  read -r dx dy q < <(view_move "$start" "$shot")
  [ "$q" -ge 90 ] || fail "run-$i.png: the picture matches no view of the map ($dx $dy $q)"
  view_x=$((128 + dx)) view_y=$((115 + dy))
  player_x=$((view_x - 128 + (2 * x + w) / 4))
  player_y=$((view_y - 96 + (2 * y + h) / 4))
  want_x=$((player_x < 128 ? 128 : player_x > 176 ? 176 : player_x))
  want_y=$((player_y < 96 ? 96 : player_y > 368 ? 368 : player_y))
  [ $((view_x - want_x)) -le 3 ] && [ $((want_x - view_x)) -le 3 ] &&
    [ $((view_y - want_y)) -le 3 ] && [ $((want_y - view_y)) -le 3 ] ||
    fail "run-$i.png: player near ($player_x, $player_y), view at ($view_x, $view_y), not ($want_x, $want_y)"
  [ "$dx" -gt 0 ] && [ "$dx" -lt 48 ] && centred+=("$dx")
  last_x=$player_x
done

# The scenery scrolled under a centred player: at least two different views.
distinct=$(printf '%s\n' "${centred[@]}" | sort -u | wc -l)
[ "$distinct" -ge 2 ] || fail "the player was seen centred over scrolling scenery on $distinct shots"
[ "$last_x" -gt 176 ] || fail "the run ended at world x $last_x"

end_play
echo "ran from x 20 to about $last_x over $n shots; centred with the view scrolled by ${centred[*]}"
