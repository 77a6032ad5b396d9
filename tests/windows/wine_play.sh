#!/usr/bin/env bash
# The packed torvik.exe under Wine plays the native game: the same start-up
# lines, a 512 x 384 window titled "Torvik", the same world pixels once the
# creature has landed, a run to the right while Right is held, and status 0
# after a window manager's close request. Then on a screen scaled to 200 %
# (LogPixels 192): a 1024 x 768 window with the same world pixels, the jump
# heard through Wine's PulseAudio driver, and F11 giving it the whole screen
# with the view in whole steps of 256 x 192. Both games play on an X display
# of the test's own, the native one first; Wine's prefix is made once, fresh,
# for this run.
source "$(dirname "$0")/../e2e/common.sh"
: "${WINE:?path of wine64}" "${UNPACKED:?the unpacked .zip}"
out=$E2E_OUT

# Room for the scaled window, and a screen larger than it for fullscreen:
# five whole steps, 1280 x 960, centred.
own_display 1920 1080
read -r screen_w screen_h < <(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
view_w=1280 view_h=960
view_x=$(((screen_w - view_w) / 2)) view_y=$(((screen_h - view_h) / 2))
# Where Wine's sound will find the test's own server, and nothing else.
sound_runtime_dir

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
  "$(dirname "$WINE")/wineserver" -k 2>/dev/null; rm -rf "$WINEPREFIX"; clean_up' EXIT
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

# ---- On a screen scaled to 200 % ----
# The prefix's display scaling, which the next program's monitors report, and
# the sound through Wine's PulseAudio driver alone: without the setting Wine
# tries it first anyway, but would fall back to ALSA unheard.
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >>"$out/wineboot.log" 2>&1 ||
  fail "could not set LogPixels"
"$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d pulse /f >>"$out/wineboot.log" 2>&1 ||
  fail "could not choose the PulseAudio driver"
"$(dirname "$WINE")/wineserver" -w
start_sound_server "$out/recording.raw"

E2E_OUT=$out/wine-scaled
mkdir -p "$E2E_OUT"
start_play
read -r _ _ w h < <(geometry)
[ "$w $h" = "1024 768" ] || fail "at LogPixels 192 the window is $w x $h, not 1024 x 768"
native_world_scaled() { same_world "$1" "" "$native/start.png" ""; }
shoot_until "the native game's world pixels at 200 %" "$E2E_OUT/start.png" 5 native_world_scaled

# Standing still: silence; X, held until the creature is off the ground: the
# jump is heard, at its own peak of 0.22.
from=$(recorded)
wait_for_samples $((from + rate / 2))
heard=$(sounds_between "$from" $((from + rate / 2)))
[ -z "$heard" ] || fail "standing still, heard: $heard"
read -r _ y0 _ < <(sprite_box "$E2E_OUT/start.png")
off_the_ground() {
  local y
  read -r _ y _ < <(sprite_box "$1") && [ "$y" -lt "$y0" ]
}
from=$(recorded)
hold_keys x
shoot_until "the creature to jump" "$E2E_OUT/jump.png" 1 off_the_ground
release_keys
wait_for_samples $((from + rate))
read -r first peak < <(sounds_between "$from" $((from + rate))) || fail "no jump heard within a second of X"
awk -v p="$peak" 'BEGIN { exit !(p >= 0.2 && p <= 0.24) }' || fail "the first sound after X peaked at $peak"
jump_ms=$(((first - from) * 1000 / rate))
# The stream on the server is Wine's own: its PulseAudio driver's client.
client=$(pactl list sink-inputs | awk -F' = ' '/application.process.binary/ { gsub(/"/, "", $2); print $2 }')
[ "$client" = "$(basename "$WINE")" ] || fail "the server's streams come from ${client:-nothing}, not Wine"

# F11: the whole screen, the view in the largest whole step that fits, once
# the creature is back where it stood.
shows_rest_fullscreen() {
  same_world "$1" "$view_x $view_y $view_w $view_h" "$E2E_OUT/start.png" "" &&
    black_outside "$1" "$view_x $view_y $view_w $view_h"
}
xdotool windowfocus --sync "$WINDOW" key F11 || fail "could not press F11"
wait_for_geometry "0 0 $screen_w $screen_h"
shoot_until "the view in whole steps on the whole screen" "$E2E_OUT/full.png" 5 shows_rest_fullscreen

end_play
echo "at LogPixels 192: 1024 x 768, world pixels equal; the jump heard through PulseAudio $jump_ms ms after X, peak $peak; F11: ${screen_w}x${screen_h}, view ${view_w}x${view_h}+${view_x}+${view_y}"
