#!/usr/bin/env bash
# Another CPU's game, run under its emulator on the tests' display, opens its
# 512 x 384 window titled "Torvik" and says what it set up, shows at a held
# pass the very picture the native game shows at that pass, and ends with
# status 0 at a close request, at its next pass. How long its process takes
# to end is left alone: that is the emulator's pace (a few passes a second),
# not the game's. RENDERER is the Mesa driver it draws with.
source "$(dirname "$0")/../e2e/common.sh"
: "${NATIVE_BUILD:?the native build it is compared with}" "${RENDERER:?llvmpipe or softpipe}"
# The level and the creature in view. Under emulation a pass takes seconds
# (softpipe's most), so the game is let on one pass at a time, each within
# the usual deadline.
shot_pass=5
run_to_shot() {
  while [ "$PASSES" -lt $shot_pass ]; do
    run_to $((PASSES + 1))
  done
}

emulated=("$TORVIK_BIN" "$TORVIK_EMULATOR" "$PASS_GATE_LIB")
TORVIK_BIN=$NATIVE_BUILD/torvik TORVIK_EMULATOR="" PASS_GATE_LIB=$NATIVE_BUILD/tests/e2e/libtorvik_pass_gate.so
start_game
run_to_shot
screenshot "$E2E_OUT/native.png"
close_game
[ "$EXIT_STATUS" -eq 0 ] || fail "the native game ended with status $EXIT_STATUS"

TORVIK_BIN=${emulated[0]} TORVIK_EMULATOR=${emulated[1]} PASS_GATE_LIB=${emulated[2]}
export GALLIUM_DRIVER=$RENDERER
start_game
geometry=$(xwininfo -id "$WINDOW")
grep -q "Width: 512" <<<"$geometry" || fail "window width: $geometry"
grep -q "Height: 384" <<<"$geometry" || fail "window height: $geometry"
[ "$(xdotool getwindowname "$WINDOW")" = "Torvik" ] || fail "window title"
wait_for_lines 4
[ "$(sed -n 2p "$E2E_OUT/stdout.txt")" = "Setting up OpenGL" ] || fail "start-up: $(cat "$E2E_OUT/stdout.txt")"
grep -qx 'Texture generated (size: 128x128, id: [1-9][0-9]*)' "$E2E_OUT/stdout.txt" ||
  fail "no texture: $(cat "$E2E_OUT/stdout.txt")"

run_to_shot
screenshot "$E2E_OUT/emulated.png"
same_picture "$E2E_OUT/native.png" "$E2E_OUT/emulated.png" ||
  fail "pass $shot_pass drawn by $RENDERER differs from the native game's in" \
    "$(compare -metric AE "$E2E_OUT/native.png" "$E2E_OUT/emulated.png" null: 2>&1) pixels" \
    "(both in $E2E_OUT)"
close_game
[ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
[ "$CLOSE_PASSES" -eq 0 ] || fail "showed $CLOSE_PASSES more frames after the close request"
echo "pass $shot_pass drawn by $RENDERER as natively; closed with status 0, no frame after" \
  "the request, in $CLOSE_MS ms"
