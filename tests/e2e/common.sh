# Shared by the end-to-end tests: they start the real game on the current X
# display and drive it the way a player and a window manager do.
set -euo pipefail

: "${TORVIK_BIN:?path of the game}"
: "${SEND_CLOSE:?path of send_close}"
: "${E2E_OUT:=$(mktemp -d)}"
mkdir -p "$E2E_OUT"

GAME_PID=""
WINDOW=""

# In a sanitizer build, the graphics driver is unloaded when the game closes
# its window, and what it keeps can no longer be told from a leak. The game's
# own memory is leak-checked by the unit tests instead.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

fail() {
  echo "FAIL: $*" >&2
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  exit 1
}

now_ms() { date +%s%3N; }

# Starts the game, its stdout into $E2E_OUT/stdout.txt, and waits for its window.
start_game() {
  "$TORVIK_BIN" >"$E2E_OUT/stdout.txt" 2>"$E2E_OUT/stderr.txt" &
  GAME_PID=$!
  WINDOW=$(timeout 10 xdotool search --sync --onlyvisible --pid "$GAME_PID" --name '^Torvik$' |
    head -n 1) || fail "no game window appeared"
  [ -n "$WINDOW" ] || fail "no game window appeared"
}

# Waits until stdout holds at least $1 lines.
wait_for_lines() {
  local deadline=$(($(now_ms) + 10000))
  while [ "$(wc -l <"$E2E_OUT/stdout.txt")" -lt "$1" ]; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "expected $1 lines on stdout, got: $(cat "$E2E_OUT/stdout.txt")"
    sleep 0.05
  done
}

# Sends the window manager's close request; sets CLOSE_MS and EXIT_STATUS.
close_game() {
  local sent
  sent=$(now_ms)
  "$SEND_CLOSE" "$WINDOW" || fail "could not send the close request"
  local deadline=$((sent + 5000))
  while kill -0 "$GAME_PID" 2>/dev/null; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "the game did not end within 5 s of the close request"
    sleep 0.01
  done
  CLOSE_MS=$(($(now_ms) - sent))
  EXIT_STATUS=0
  wait "$GAME_PID" || EXIT_STATUS=$?
  GAME_PID=""
}

# The window's contents as a PNG.
screenshot() {
  import -window "$WINDOW" "$1"
}

trap '[ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true' EXIT
