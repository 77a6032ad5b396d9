#!/usr/bin/env bash
# The packed torvik.exe under Wine plays the native game: the same start-up
# lines, a 512 x 384 window titled "Torvik", the same world pixels once the
# creature has landed, a run to the right while Right is held, and status 0
# after a window manager's close request. Both play on this X display, the
# native one first; Wine's prefix is made once, fresh, for this run.
source "$(dirname "$0")/../e2e/common.sh"
: "${WINE:?path of wine64}" "${UNPACKED:?the unpacked .zip}"
out=$E2E_OUT

# The native game's start, for comparison.
E2E_OUT=$out/native
mkdir -p "$E2E_OUT"
start_play
end_play
native=$E2E_OUT

# A fresh prefix, without the .NET and browser engines Wine offers to fetch.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d)
export WINEPREFIX
trap 'release_keys; [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
  "$(dirname "$WINE")/wineserver" -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
started=$(now_ms)
"$WINE" wineboot -i >"$out/wineboot.log" 2>&1 || fail "wineboot: $(cat "$out/wineboot.log")"
prefix_ms=$(($(now_ms) - started))

# The game as a player starts it, from the unpacked folder, its stdout
# redirected: the wrapper keeps the process id, which names the window. The
# pass gate cannot hold a Windows program, so it runs freely, and each wait
# is for a picture, within the deadline.
PASS_GATE_LIB=""
E2E_OUT=$out/wine
mkdir -p "$E2E_OUT"
printf '#!/bin/sh\ncd %q && exec %q torvik.exe\n' "$UNPACKED" "$WINE" >"$out/torvik-wine.sh"
chmod +x "$out/torvik-wine.sh"
TORVIK_BIN=$out/torvik-wine.sh
started=$(now_ms)
start_play
start_ms=$(($(now_ms) - started))

geometry=$(xwininfo -id "$WINDOW")
grep -q "Width: 512" <<<"$geometry" && grep -q "Height: 384" <<<"$geometry" ||
  fail "window size: $geometry"
[ "$(xdotool getwindowname "$WINDOW")" = "Torvik" ] || fail "window title"

# Windows ends its text lines with CR LF. Each game first names the GLFW it
# runs on: torvik.exe the one built into it, the native game this system's,
# which can be another release. The lines after that are the same.
tr -d '\r' <"$E2E_OUT/stdout.txt" >"$out/wine-lines.txt"
native_glfw=$(pkg-config --modversion glfw3)
[ "$(head -n 1 "$native/stdout.txt")" = "GLFW Version: $native_glfw" ] ||
  fail "the native game's first line is not this system's GLFW $native_glfw: $(head -n 1 "$native/stdout.txt")"
[ "$(head -n 1 "$out/wine-lines.txt")" = "GLFW Version: ${EXE_GLFW_VERSION:?}" ] ||
  fail "torvik.exe's first line is not its GLFW $EXE_GLFW_VERSION: $(head -n 1 "$out/wine-lines.txt")"
diff <(tail -n +2 "$out/wine-lines.txt") <(tail -n +2 "$native/stdout.txt") >&2 ||
  fail "start-up lines differ from the native game's (above)"

# The window shows the 256 x 192 world at 2 screen pixels a world pixel. At
# rest it shows the native game's world pixels; a moment's hold-up of the
# game can pass for rest, so it is looked at again until it does.
convert "$native/start.png" -sample 256x192 "$out/native-world.png"
native_world() {
  convert "$1" -sample 256x192 "$out/wine-world.png" && same_picture "$out/native-world.png" "$out/wine-world.png"
}
shoot_until "the native game's world pixels" "$E2E_OUT/start.png" 5 native_world

read -r x0 _ < <(sprite_box "$E2E_OUT/start.png")
ran_right() {
  local x
  read -r x _ < <(sprite_box "$1") && [ "$x" -ge $((x0 + 24)) ]
}
hold_keys Right
shoot_until "the creature to run right" "$E2E_OUT/running.png" 5 ran_right
read -r x1 _ < <(sprite_box "$E2E_OUT/running.png")

end_play
echo "prefix made in $prefix_ms ms; landed after $start_ms ms; world pixels equal; ran from column $x0 to $x1; closed with status 0"
