#!/usr/bin/env bash
# Holding Left at the start walks the player to the map's left edge, where it
# stops still in view, facing left; Right then walks it back.
source "$(dirname "$0")/common.sh"

# The sprite's orange and yellow texels on shot $1 inside the window-pixel
# rectangle $2 (WxH+X+Y), white on black, written to $3. With $4 = flop the
# picture is mirrored.
sprite_mask() {
  convert "$1" -crop "$2" +repage ${4:+-flop} -fill white -opaque "$SPRITE_ORANGE" \
    -opaque "$SPRITE_YELLOW" -fill black +opaque white "$3"
}

start_play
start="$E2E_OUT/start.png"
read -r x0 y0 _ < <(sprite_box "$start")

# Counts the white pixels of mask $1 that are black on mask $2.
outside_mask() {
  convert "$1" \( "$2" -negate \) -compose multiply -composite -format '%[fx:round(mean*w*h)]' info:
}
white_pixels() {
  convert "$1" -format '%[fx:round(mean*w*h)]' info:
}

# From world pixel x 20 the walk reaches x 8, where the sprite's leftmost
# column is the map's, and one more step takes it to x 6: the sprite's two
# leftmost columns hang past the edge and it goes no further. With the view
# resting on the map's left edge the sprite then fills window columns -4..27,
# its body behind the half bush at the edge, its head and horns in sight.
hold_keys Left
near_edge() {
  local x w
  read -r x _ w _ < <(sprite_box "$1") || return 1
  [ $((x + w)) -le 24 ]
}
shoot_until "the player to stop at the left edge, still in sight" "$E2E_OUT/walking_left.png" 4 near_edge
run_for 30 # pressing on against the edge
screenshot "$E2E_OUT/pressing_left.png"
sprite_box "$E2E_OUT/pressing_left.png" >/dev/null || fail "the player left the screen while Left was held"
release_keys
wait_until_still "$E2E_OUT/at_edge.png"
read -r dx dy q < <(view_move "$start" "$E2E_OUT/at_edge.png")
[ "$dx" -eq 0 ] && [ "$dy" -eq 0 ] && [ "$q" -ge 90 ] || fail "the view moved: $dx $dy ($q)"

# What shows of it is the standing frame of the start mirrored: the start's
# sprite (window columns 24..55) flipped, less its four leftmost columns,
# which lie off the window.
sprite_mask "$start" 32x52+24+166 "$E2E_OUT/mask_start_mirrored.png" flop
convert "$E2E_OUT/mask_start_mirrored.png" -crop 28x52+4+0 +repage "$E2E_OUT/mask_expected.png"
sprite_mask "$E2E_OUT/at_edge.png" 28x52+0+166 "$E2E_OUT/mask_at_edge.png"
shown=$(white_pixels "$E2E_OUT/mask_at_edge.png")
[ "$shown" -ge 20 ] || fail "only $shown pixels of the sprite show at the edge"
stray=$(outside_mask "$E2E_OUT/mask_at_edge.png" "$E2E_OUT/mask_expected.png")
[ "$stray" -eq 0 ] ||
  fail "at the edge $stray sprite pixels lie off the start's mirrored sprite at world x 6"

# A short walk right brings it back into the open, facing right again.
hold_keys_for 18 Right
wait_until_still "$E2E_OUT/walked_back.png"
read -r x1 y1 _ < <(sprite_box "$E2E_OUT/walked_back.png") || fail "the player vanished"
[ "$x1" -ge 10 ] || fail "walking right it got only to window column $x1"
# The view follows the player down even if it dropped into the pit beside the
# start, so facing right it shows the start's picture moved across.
sprite_mask "$start" "32x52+24+$y0" "$E2E_OUT/mask_start.png"
sprite_mask "$E2E_OUT/walked_back.png" "32x52+$((24 + x1 - x0))+$y1" "$E2E_OUT/mask_walked_back.png"
same_picture "$E2E_OUT/mask_start.png" "$E2E_OUT/mask_walked_back.png" ||
  fail "after walking back the sprite does not show the start's standing frame facing right"

end_play
echo "stopped at the left edge facing left, walked back to window column $x1"
