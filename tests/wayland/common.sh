# Shared by the Wayland tests: the real game as a native Wayland client,
# under a headless sway of the test's own (its own runtime directory, never a
# desktop's), driven by the tests' keyboard (press_keys) and looked at through
# what sway says of its windows and grim's pictures of its outputs. The pass
# gate, the picture judgments and the waits are the X tests' own.
set -euo pipefail

if [ -z "${PRESS_KEYS:-}" ]; then
  echo "skipped: the game is built with GLFW ${GLFW_VERSION:-3.3}, whose windows are X11 ones here;" \
    "GLFW 3.4 (Debian 13) makes it a Wayland client"
  exit 77
fi
: "${SEND_CLOSE:=}"
SEND_CLOSE=${SEND_CLOSE:-unused}
source "$(dirname "$0")/../e2e/common.sh"
: "${APP_ID:?the name of the menu entry}"

for tool in sway swaymsg grim jq; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps.sh wayland-tests)"
done

SWAY_PID=""
SWAY_DIR=""
KEYS_PID=""

# As on X, but the keys are let go of without waiting for the keyboard's
# answer, which may be what failed.
fail() {
  echo "FAIL: $*" >&2
  if [ -n "$KEYS_PID" ]; then
    local key
    for key in "${HELD_KEYS[@]}"; do
      echo "up $(key_code "$key")" >&"${KEYS[1]}" 2>/dev/null || true
    done
    HELD_KEYS=()
  fi
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  exit 1
}

# Starts sway on a headless output of WIDTHxHEIGHT pixels at SCALE ($1, $2),
# and beside it, when given, a second one ($3, $4) to its right; the game's
# window floats, as on a desktop, rather than being tiled. Under
# COMPOSITOR_RUNNER, when set (realtime's).
start_compositor() {
  SWAY_DIR=$(mktemp -d)
  chmod 700 "$SWAY_DIR"
  local outputs=1 width=${1%x*}
  {
    echo "output HEADLESS-1 resolution $1 position 0 0 scale $2"
    if [ $# -ge 4 ]; then
      outputs=2
      echo "output HEADLESS-2 resolution $3 position $(awk -v w="$width" -v s="$2" 'BEGIN { printf "%d", w / s }') 0 scale $4"
    fi
    echo 'for_window [title="^Torvik$"] floating enable'
    echo "xwayland disable"
  } >"$SWAY_DIR/config"
  unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
  XDG_RUNTIME_DIR=$SWAY_DIR WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_HEADLESS_OUTPUTS=$outputs ${COMPOSITOR_RUNNER:-} sway -c "$SWAY_DIR/config" >"$E2E_OUT/sway.log" 2>&1 &
  SWAY_PID=$!
  export XDG_RUNTIME_DIR=$SWAY_DIR
  local deadline=$(($(now_ms) + DEADLINE_MS)) socket
  until socket=$(ls "$SWAY_DIR"/sway-ipc.*.sock 2>/dev/null) && [ -S "$SWAY_DIR/wayland-1" ] &&
    SWAYSOCK=$socket swaymsg -t get_version >/dev/null 2>&1; do
    kill -0 "$SWAY_PID" 2>/dev/null || fail "sway did not start: $(cat "$E2E_OUT/sway.log")"
    [ "$(now_ms)" -lt "$deadline" ] || fail "sway did not start within $((DEADLINE_MS / 1000)) s"
    sleep 0.05
  done
  export WAYLAND_DISPLAY=wayland-1 SWAYSOCK=$socket
  # New windows open on the focused output: the first.
  swaymsg focus output HEADLESS-1 >/dev/null || fail "could not focus the first output"
  # One keyboard for the whole test, fed a line a key.
  coproc KEYS { exec "$PRESS_KEYS" 2>"$E2E_OUT/press_keys.log"; }
  KEYS_PID=$KEYS_PID
}

stop_compositor() {
  if [ -n "$KEYS_PID" ]; then
    eval "exec ${KEYS[1]}>&-" 2>/dev/null || true
    wait "$KEYS_PID" 2>/dev/null || true
    KEYS_PID=""
  fi
  if [ -n "$SWAY_PID" ]; then
    kill "$SWAY_PID" 2>/dev/null || true
    wait "$SWAY_PID" 2>/dev/null || true
    SWAY_PID=""
  fi
  [ -z "$SWAY_DIR" ] || rm -rf "$SWAY_DIR"
  SWAY_DIR=""
}

# The game's window as sway reports it, a line of JSON: app_id, rect (its
# frame's place), window_rect (its content within that), in the desktop's
# units, and output, the output it is on.
window_json() {
  swaymsg -t get_tree | jq -c --argjson pid "$GAME_PID" '[.nodes[] | .name as $output |
    recurse(.nodes[]?, .floating_nodes[]?) | select(.pid == $pid) | .output = $output][0] // empty'
}

# "OUTPUT X Y W H": the output the window's content is on, and the content's
# place and size in that output's pixels.
place() {
  local window
  window=$(window_json)
  [ -n "$window" ] || return 1
  swaymsg -t get_outputs | jq -r --argjson w "$window" '.[] | select(.name == $w.output) |
    .scale as $s | .rect as $o | [$w.output] + ([($w.rect.x + $w.window_rect.x - $o.x),
    ($w.rect.y + $w.window_rect.y - $o.y), $w.window_rect.width, $w.window_rect.height] |
    map(. * $s | round)) | join(" ")'
}

# "X Y W H" of the window's content in its output's pixels.
geometry() {
  local output rest
  read -r output rest < <(place) || return 1
  echo "$rest"
}

# Starts the game on the compositor and waits for its window, found by its
# process; held after its first pass, as on X.
start_game() {
  rm -rf "$GATE"
  mkdir -p "$GATE"
  mkfifo "$GATE/go" "$GATE/held"
  exec {GATE_GO}<>"$GATE/go" {GATE_HELD}<>"$GATE/held"
  PASSES=0
  PASS_GATE="$GATE" PASS_GATE_HOLD=1 LD_PRELOAD="$PASS_GATE_LIB${GAME_PRELOAD:+ $GAME_PRELOAD}" \
    ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0" \
    ${GAME_RUNNER:-} "$TORVIK_BIN" >"$E2E_OUT/stdout.txt" 2>"$E2E_OUT/stderr.txt" &
  GAME_PID=$!
  until_held 1
  local deadline=$(($(now_ms) + DEADLINE_MS))
  until [ -n "$(window_json)" ]; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "no game window appeared"
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$E2E_OUT/stderr.txt")"
    sleep 0.05
  done
  WINDOW=$GAME_PID
  # In the output's corner, where it fits whole at any size it takes: sway
  # keeps a floating window's corner where it is when the window grows.
  swaymsg "[pid=$GAME_PID] move position 0 0" >/dev/null || fail "could not move the window"
}

# Lets the held game run 5 passes at a time until its window's content is
# "W H" pixels, within 600 passes; then runs it 60 more and checks that it
# stayed so (the desktop's later answers do not undo it).
wait_for_size() {
  local last=$((PASSES + 600)) size
  while read -r _ _ size < <(geometry) && [ "$size" != "$1" ]; do
    [ "$PASSES" -lt "$last" ] || fail "the window's content is $size pixels, not $1"
    run_for 5
  done
  run_for 60
  read -r _ _ size < <(geometry)
  [ "$size" = "$1" ] || fail "the window's content came to $1 pixels, then went to $size"
}

# The window's content as a PNG, cut from a picture of its whole output.
screenshot() {
  local output x y w h
  read -r output x y w h < <(place) || fail "the game's window is gone"
  grim -o "$output" "$1.output.png" || fail "grim took no picture"
  convert "$1.output.png" -crop "${w}x${h}+${x}+${y}" +repage "$1"
  rm -f "$1.output.png"
}

# The keys' evdev codes, by the names the X tests give them.
key_code() {
  case "$1" in
    Left) echo 105 ;; Right) echo 106 ;; x) echo 45 ;; F11) echo 87 ;; Return) echo 28 ;;
    *) echo "no code for key $1" >&2; exit 1 ;;
  esac
}

# Sends the keyboard a line and waits until the compositor has it.
keyboard() {
  local answer=""
  echo "$1" >&"${KEYS[1]}"
  read -r -t 10 -u "${KEYS[0]}" answer || true
  [ "$answer" = ok ] || fail "the keyboard did not take '$1': $(cat "$E2E_OUT/press_keys.log")"
}

hold_keys() {
  local key
  for key in "$@"; do
    keyboard "down $(key_code "$key")"
    HELD_KEYS+=("$key")
  done
}

release_keys() {
  local key
  for key in "${HELD_KEYS[@]}"; do
    keyboard "up $(key_code "$key")"
  done
  HELD_KEYS=()
}

# Taps a key (alt+Return: with Alt held) and lets the held game run two
# passes, so that its events have been seen.
press() {
  if [ "${1%%+*}" = alt ]; then
    keyboard alt
    keyboard "down $(key_code "${1#alt+}")"
    keyboard "up $(key_code "${1#alt+}")"
    keyboard plain
  else
    keyboard "down $(key_code "$1")"
    keyboard "up $(key_code "$1")"
  fi
  run_for 2
}

# The desktop's close request (xdg_toplevel's close), sent to the held game
# as on X.
close_game() {
  swaymsg "[pid=$GAME_PID] kill" >/dev/null || fail "could not send the close request"
  await_close
}

# As end_play, and nothing on stderr: every Wayland run is one a player did
# nothing odd in.
end_play() {
  release_keys
  close_game
  [ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
  [ "$CLOSE_PASSES" -eq 0 ] || fail "showed $CLOSE_PASSES more frames after the close request"
  [ "$(wc -l <"$E2E_OUT/stdout.txt")" -eq 4 ] || fail "printed more: $(cat "$E2E_OUT/stdout.txt")"
  [ ! -s "$E2E_OUT/stderr.txt" ] || fail "wrote on stderr: $(cat "$E2E_OUT/stderr.txt")"
}

clean_up() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
  stop_compositor
}

# Starts the game, waits for its window's content to be "W H" pixels ($1),
# and lets it run until the player stands on the grass; that picture is
# $E2E_OUT/start.png, and the game is held there.
start_play_at() {
  rm -f "$E2E_OUT"/*.png "$E2E_OUT"/*.sky "$E2E_OUT"/*.box
  start_game
  wait_for_size "$1"
  wait_for_lines 4
  shoot_until "the player to appear" "$E2E_OUT/start.png" 10 sprite_box
  wait_until_still "$E2E_OUT/start.png"
}
