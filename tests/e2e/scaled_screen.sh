#!/usr/bin/env bash
# On a screen scaled to 200 % (Xft.dpi 192, as a desktop's scaling sets it)
# the window opens at 1024 x 768, twice the unscaled 512 x 384 each way, and
# shows the same world pixels, each 4 x 4 screen pixels where it was 2 x 2.
source "$(dirname "$0")/common.sh"

# Room for 1024 x 768 and more: the window is held to the screen's work area.
own_display 1280 1024

E2E_OUT_ALL=$E2E_OUT
E2E_OUT=$E2E_OUT_ALL/unscaled
mkdir -p "$E2E_OUT"
start_play
read -r _ _ w h < <(geometry)
[ "$w $h" = "512 384" ] || fail "unscaled, the window is $w x $h"
end_play
unscaled=$E2E_OUT/start.png

xrdb -merge <<<"Xft.dpi: 192" || fail "could not set Xft.dpi"
[ "$(xrdb -query | awk '$1 == "Xft.dpi:" { print $2 }')" = "192" ] || fail "Xft.dpi did not stay: $(xrdb -query)"
E2E_OUT=$E2E_OUT_ALL/scaled
mkdir -p "$E2E_OUT"
start_play
read -r _ _ w h < <(geometry)
[ "$w $h" = "1024 768" ] || fail "at 200 %, the window is $w x $h, not 1024 x 768"

same_world "$E2E_OUT/start.png" "" "$unscaled" "" ||
  fail "the world pixels at 200 % differ from the unscaled ones"
# The creature where it stood, twice as far from the corner.
read -r x0 y0 _ < <(sprite_box "$unscaled")
read -r x y _ < <(sprite_box "$E2E_OUT/start.png")
[ $((x - 2 * x0)) -ge -4 ] && [ $((x - 2 * x0)) -le 4 ] && [ $((y - 2 * y0)) -ge -4 ] &&
  [ $((y - 2 * y0)) -le 4 ] || fail "the creature at $x,$y at 200 %, at $x0,$y0 unscaled"
end_play
echo "unscaled 512 x 384, at Xft.dpi 192 1024 x 768; world pixels equal; creature at $x0,$y0 and $x,$y"
