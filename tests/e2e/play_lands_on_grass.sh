#!/usr/bin/env bash
# Left alone at the start, the player drops onto the grass and stands there:
# the feet on the grass line, the view following it down, nothing moving.
source "$(dirname "$0")/common.sh"

start_play
shot="$E2E_OUT/start.png"
read -r x y w h < <(sprite_box "$shot")

# The player stands at world pixel (20, 115) on the grass top at world y 128.
# The view's left edge rests on the map's (x 128 is the lowest the view's
# centre goes) and its centre follows the player down to y 115, so the sprite
# fills window columns 24..55 and its feet end on window row 217.
[ "$x" -ge 24 ] && [ $((x + w)) -le 56 ] || fail "sprite at columns $x..$((x + w - 1))"
[ $((y + h - 1)) -eq 217 ] || fail "sprite's feet on row $((y + h - 1)), not 217"

# Beside the player the sky reaches down to the grass: the ground begins on
# window row 218, right under the feet.
mapfile -t sky < <(sky_profile "$shot")
for column in $(seq 56 2 88); do
  [ "${sky[$column]}" -eq 218 ] || fail "column $column: sky down to row ${sky[$column]}, not 217"
done

# And there it stays.
run_for 60
screenshot "$E2E_OUT/a_second_later.png"
same_picture "$shot" "$E2E_OUT/a_second_later.png" || fail "the picture changed while nothing was pressed"

end_play
echo "stands with its feet on row 217, columns $x..$((x + w - 1))"
