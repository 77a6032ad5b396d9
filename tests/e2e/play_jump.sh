#!/usr/bin/env bash
# A tap of X makes the standing player jump: the sprite rises on screen, the
# view following it up until the view reaches the top of the map, and comes
# back down to stand exactly where it stood.
source "$(dirname "$0")/common.sh"

start_play
read -r x0 y0 _ < <(sprite_box "$E2E_OUT/start.png")

hold_keys_for 9 x

# Watch the jump for 90 passes, then find the shot where the sprite is highest.
n=0
while [ "$n" -lt 45 ]; do
  n=$((n + 1))
  screenshot "$E2E_OUT/jump-$n.png"
  run_for 2
done
highest=$y0
for i in $(seq 1 "$n"); do
  shot="$E2E_OUT/jump-$i.png"
  read -r x y _ < <(sprite_box "$shot") || fail "the player vanished in jump-$i.png"
  [ "$x" -ge $((x0 - 4)) ] && [ "$x" -le $((x0 + 4)) ] || fail "drifted sideways to column $x in jump-$i.png"
  if [ "$y" -lt "$highest" ]; then
    highest=$y
    cp "$shot" "$E2E_OUT/jump-highest.png"
  fi
done
[ "$highest" -lt "$y0" ] || fail "the sprite never rose"

# The player rises about 48 world pixels from y 115; the view follows it up
# the first 19 (the view's centre stops at y 96), so on screen the sprite
# climbs at most 59 window pixels. Near the top it slows down, so shots two
# passes apart catch it within a few pixels of that.
rise=$((y0 - highest))
[ "$rise" -ge 44 ] || fail "the sprite rose only $rise window pixels"
[ "$rise" -le 62 ] || fail "the sprite rose $rise window pixels, more than a jump can"
read -r dx dy q < <(view_move "$E2E_OUT/start.png" "$E2E_OUT/jump-highest.png")
[ "$q" -ge 90 ] || fail "could not tell how the view moved ($dx $dy $q)"
[ "$dx" -eq 0 ] && [ "$dy" -eq -19 ] || fail "view moved by ($dx, $dy) at the top of the jump, not (0, -19)"

# Back on its feet where it took off, showing the same picture as before.
wait_until_still "$E2E_OUT/landed.png"
same_picture "$E2E_OUT/start.png" "$E2E_OUT/landed.png" ||
  fail "after landing the picture differs from the one before the jump"

end_play
echo "rose $rise window pixels over $n shots, landed where it took off"
