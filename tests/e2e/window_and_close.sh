#!/usr/bin/env bash
# The game opens its 512 x 384 window titled "Torvik", of its menu entry's
# class, says what it set up, and ends with status 0 after a window manager
# asks it to close: at its next pass, without showing another frame.
source "$(dirname "$0")/common.sh"

start_game
geometry=$(xwininfo -id "$WINDOW")
grep -q "Width: 512" <<<"$geometry" || fail "window width: $geometry"
grep -q "Height: 384" <<<"$geometry" || fail "window height: $geometry"
[ "$(xdotool getwindowname "$WINDOW")" = "Torvik" ] || fail "window title"
# GNOME and KDE find its menu entry and icon by its class: the entry's name,
# which the entry names as its StartupWMClass too.
name=$(basename "$DESKTOP_FILE" .desktop)
[ "$(xprop -id "$WINDOW" WM_CLASS)" = "WM_CLASS(STRING) = \"$name\", \"$name\"" ] ||
  fail "window class: $(xprop -id "$WINDOW" WM_CLASS), the menu entry $name"
grep -qx "StartupWMClass=$name" "$DESKTOP_FILE" || fail "the menu entry names another window class"

wait_for_lines 4
mapfile -t lines <"$E2E_OUT/stdout.txt"
[ "${#lines[@]}" -eq 4 ] || fail "expected exactly 4 start-up lines, got ${#lines[@]}"
[[ "${lines[0]}" =~ ^GLFW\ Version:\ 3\.[0-9]+\.[0-9]+$ ]] || fail "version line: ${lines[0]}"
[ "${lines[1]}" = "Setting up OpenGL" ] || fail "set-up line: ${lines[1]}"
[[ "${lines[2]}" =~ ^Texture\ generated\ \(size:\ 128x128,\ id:\ [1-9][0-9]*\)$ ]] ||
  fail "atlas texture line: ${lines[2]}"
[[ "${lines[3]}" =~ ^Texture\ generated\ \(size:\ 128x128,\ id:\ [1-9][0-9]*\)$ ]] ||
  fail "sprite texture line: ${lines[3]}"
[ "${lines[2]}" != "${lines[3]}" ] || fail "both textures got the same name"

run_to 60  # let it run a while
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended by itself"
close_game  # sent while the game is held after pass 60
[ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
[ "$CLOSE_PASSES" -eq 0 ] || fail "showed $CLOSE_PASSES more frames after the close request"
# Then the pass, the sound's and the window's closing and the process's end:
# 100 to 200 ms on a quiet machine, up to 1.5 s on a loaded one under
# AddressSanitizer. The promise is that it answers at once, not how fast the
# machine tears a process down, so the limit leaves room for that.
[ "$CLOSE_MS" -le 3000 ] || fail "took $CLOSE_MS ms to end after the close request"
echo "closed in $CLOSE_MS ms with status 0, no frame after the request"
