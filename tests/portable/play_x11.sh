#!/usr/bin/env bash
# The portable game on the tests' X display, running freely as a player's
# does (its GLFW is inside it, where the pass gate cannot count its passes):
# its 512 x 384 window titled "Torvik" opens, Right held runs the creature
# right across the still view, and a close request ends it with status 0.
source "$(dirname "$0")/../e2e/common.sh"

start_game
geometry=$(xwininfo -id "$WINDOW")
grep -q "Width: 512" <<<"$geometry" && grep -q "Height: 384" <<<"$geometry" ||
  fail "window: $geometry"
shoot_until "the creature in view" "$E2E_OUT/start.png" 1 sprite_box
read -r start_x _ < <(sprite_box "$E2E_OUT/start.png")
ran_right() {
  local x
  read -r x _ < <(sprite_box "$1") && [ "$x" -gt $((start_x + 16)) ]
}
hold_keys Right
shoot_until "Right to run the creature right" "$E2E_OUT/ran.png" 1 ran_right
release_keys
read -r ran_x _ < <(sprite_box "$E2E_OUT/ran.png")
close_game
[ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
echo "X11: window 512 x 384; Right ran the creature from x $start_x to $ran_x;" \
  "closed with status 0 in $CLOSE_MS ms"
