#!/usr/bin/env bash
# Without any display the window cannot open: the game says so, still prints
# its set-up lines, runs one pass and ends by itself with status 0. How soon
# is up to the machine; only a game that waits for something misses the
# deadline.
source "$(dirname "$0")/common.sh"

started=$(now_ms)
status=0
env -u DISPLAY -u WAYLAND_DISPLAY timeout $((DEADLINE_MS / 1000)) "$TORVIK_BIN" \
  >"$E2E_OUT/stdout.txt" 2>&1 || status=$?
took=$(($(now_ms) - started))
[ "$status" -ne 124 ] || fail "still running after $((DEADLINE_MS / 1000)) s"
[ "$status" -eq 0 ] || fail "exit status $status"

mapfile -t lines <"$E2E_OUT/stdout.txt"
[ "${#lines[@]}" -eq 5 ] || fail "expected 5 lines, got: $(cat "$E2E_OUT/stdout.txt")"
[[ "${lines[0]}" =~ ^GLFW\ Version:\ 3\.[0-9]+\.[0-9]+$ ]] || fail "version line: ${lines[0]}"
[ "${lines[1]}" = "GLFW window creation failed" ] || fail "failure line: ${lines[1]}"
[ "${lines[2]}" = "Setting up OpenGL" ] || fail "set-up line: ${lines[2]}"
[ "${lines[3]}" = "Texture generated (size: 128x128, id: 0)" ] || fail "atlas line: ${lines[3]}"
[ "${lines[4]}" = "Texture generated (size: 128x128, id: 0)" ] || fail "sprite line: ${lines[4]}"
echo "no display: 5 lines, status 0, $took ms"
