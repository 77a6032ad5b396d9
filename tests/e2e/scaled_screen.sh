#!/usr/bin/env bash
# On a screen scaled to 200 % (Xft.dpi 192, as a desktop's scaling sets it)
# the window opens at 1024 x 768, twice the unscaled 512 x 384 each way, and
# shows the same world pixels, each 4 x 4 screen pixels where it was 2 x 2.
source "$(dirname "$0")/common.sh"

# "W H" of the game's window.
window_size() {
  xwininfo -id "$WINDOW" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'
}

# The world's 256 x 192 pixels of picture $1, sampled at their middles, with
# the creature's blacked out (drawn at another size, the sprite's edges may
# round to another screen pixel), into $2.
world_without_creature() {
  local x y w h scale
  read -r x y w h < <(sprite_box "$1") || fail "no creature on $1"
  scale=$(($(identify -format %w "$1") / 256))
  convert "$1" -sample '256x192!' -fill black \
    -draw "rectangle $((x / scale - 2)),$((y / scale - 2)) $(((x + w) / scale + 2)),$(((y + h) / scale + 2))" "$2"
}

# Room for 1024 x 768 and more: the window is held to the screen's work area.
own_display 1280 1024

E2E_OUT_ALL=$E2E_OUT
E2E_OUT=$E2E_OUT_ALL/unscaled
mkdir -p "$E2E_OUT"
start_play
[ "$(window_size)" = "512 384" ] || fail "unscaled, the window is $(window_size)"
end_play
unscaled=$E2E_OUT/start.png

xrdb -merge <<<"Xft.dpi: 192" || fail "could not set Xft.dpi"
[ "$(xrdb -query | awk '$1 == "Xft.dpi:" { print $2 }')" = "192" ] || fail "Xft.dpi did not stay: $(xrdb -query)"
E2E_OUT=$E2E_OUT_ALL/scaled
mkdir -p "$E2E_OUT"
start_play
[ "$(window_size)" = "1024 768" ] || fail "at 200 %, the window is $(window_size), not 1024 768"

world_without_creature "$unscaled" "$E2E_OUT_ALL/unscaled-world.png"
world_without_creature "$E2E_OUT/start.png" "$E2E_OUT_ALL/scaled-world.png"
same_picture "$E2E_OUT_ALL/unscaled-world.png" "$E2E_OUT_ALL/scaled-world.png" ||
  fail "the world pixels at 200 % differ from the unscaled ones"
# The creature where it stood, twice as far from the corner.
read -r x0 y0 _ < <(sprite_box "$unscaled")
read -r x y _ < <(sprite_box "$E2E_OUT/start.png")
[ $((x - 2 * x0)) -ge -4 ] && [ $((x - 2 * x0)) -le 4 ] && [ $((y - 2 * y0)) -ge -4 ] &&
  [ $((y - 2 * y0)) -le 4 ] || fail "the creature at $x,$y at 200 %, at $x0,$y0 unscaled"
end_play
echo "unscaled 512 x 384, at Xft.dpi 192 1024 x 768; world pixels equal; creature at $x0,$y0 and $x,$y"
