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
  release_keys
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

# Keys held down through hold_keys. The display is shared by every test, so a
# test that ends early must not leave a key down for the next one.
HELD_KEYS=()

# Presses keys (xdotool names: Left, Right, x) and keeps them down, as a
# player's fingers do, on the game's focused window.
hold_keys() {
  xdotool windowfocus --sync "$WINDOW" keydown "$@" || fail "could not press $*"
  HELD_KEYS+=("$@")
}

# Lets go of every held key.
release_keys() {
  [ ${#HELD_KEYS[@]} -eq 0 ] && return 0
  xdotool keyup "${HELD_KEYS[@]}" || true
  HELD_KEYS=()
}

# The colours of the player's sprite sheet that no tile uses.
SPRITE_ORANGE='rgb(255,131,0)'
SPRITE_YELLOW='rgb(255,255,0)'
SKY='rgb(24,131,172)'

# Prints "X Y W H", the window-pixel box of the player's orange and yellow
# texels on screenshot $1; fails (prints nothing) when none is visible. Kept
# beside the screenshot as $1.box.
sprite_box() {
  if ! [ "$1.box" -nt "$1" ]; then
    local box
    box=$(convert "$1" -fill magenta -opaque "$SPRITE_ORANGE" -opaque "$SPRITE_YELLOW" \
      -fill black +opaque magenta -bordercolor black -border 1 -format '%@' info: 2>/dev/null)
    # The border added one pixel on the left and the top.
    if [[ "$box" =~ ^([1-9][0-9]*)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
      echo "$((BASH_REMATCH[3] - 1)) $((BASH_REMATCH[4] - 1)) ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
    fi >"$1.box"
  fi
  [ -s "$1.box" ] && cat "$1.box"
}

# Takes screenshots into $2 until the command "$3 $2" succeeds; fails with
# message $1 after 5 s.
shoot_until() {
  local what=$1 shot=$2
  shift 2
  local deadline=$(($(now_ms) + 5000))
  while true; do
    screenshot "$shot"
    "$@" "$shot" >/dev/null && return 0
    [ "$(now_ms)" -lt "$deadline" ] || fail "waited 5 s for $what"
    sleep 0.05
  done
}

# Whether two screenshots hold the same pixels.
same_picture() {
  [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]
}

# Takes screenshots into $1 until the picture has stayed the same for half a
# second (slow enough that even the top of a jump shows a change), within 6 s.
wait_until_still() {
  local shot=$1 previous="$1.previous.png"
  local deadline=$(($(now_ms) + 6000)) changed
  screenshot "$previous"
  changed=$(now_ms)
  while true; do
    sleep 0.1
    screenshot "$shot"
    if same_picture "$shot" "$previous"; then
      [ $(($(now_ms) - changed)) -ge 500 ] && break
    else
      cp "$shot" "$previous"
      changed=$(now_ms)
    fi
    [ "$(now_ms)" -lt "$deadline" ] || fail "the picture never came to rest"
  done
  rm -f "$previous"
}

# How many sky pixels each column of screenshot $1 shows, one number a line.
# Kept beside the screenshot as $1.sky, since a reference shot is read often.
sky_profile() {
  if ! [ "$1.sky" -nt "$1" ]; then
    convert "$1" -fill white -opaque "$SKY" -fill black +opaque white -colorspace gray \
      -scale 'x1!' -depth 16 txt:- |
      awk -F'[,:() ]+' -v h="$(identify -format %h "$1")" \
        'NR > 1 { printf "%d\n", $3 * h / 65535 + 0.5 }' >"$1.sky"
  fi
  cat "$1.sky"
}

# Prints "DX DY Q": how far the view on screenshot $2 has moved from the one
# on $1, in world pixels (right and down positive), and the share of columns
# (0..100) that agree with that move. Found from the sky above the hills:
# moving the view across shifts that outline sideways, moving it up or down
# changes every column's sky by the same amount. The columns near the
# player's sprite on either shot are left out; moves across of 0..48 pixels
# are tried, the most the level allows.
view_move() {
  local box1 box2
  box1=$(sprite_box "$1") || box1="-100 0 0 0"
  box2=$(sprite_box "$2") || box2="-100 0 0 0"
  awk -v box1="$box1" -v box2="$box2" '
    FNR == 1 { file++ }
    file == 1 { a[FNR - 1] = $1; width = FNR }
    file == 2 { b[FNR - 1] = $1 }
    END {
      split(box1, s1, " "); split(box2, s2, " ")
      best = -1
      for (dx = 0; dx <= 96; dx += 2) {
        delete tally; total = 0; top = 0
        for (c = 0; c + dx < width; c++) {
          if (c >= s2[1] - 12 && c < s2[1] + s2[3] + 12) continue
          if (c + dx >= s1[1] - 12 && c + dx < s1[1] + s1[3] + 12) continue
          d = b[c] - a[c + dx]
          total++
          if (++tally[d] > top) { top = tally[d]; mode = d }
        }
        if (total > 0 && top / total > best) { best = top / total; bestdx = dx; bestd = mode }
      }
      printf "%d %d %d\n", bestdx / 2, -bestd / 2, best * 100
    }' <(sky_profile "$1") <(sky_profile "$2")
}

# Starts the game and waits until the player has dropped onto the grass and
# the picture stands still; that picture is $E2E_OUT/start.png.
start_play() {
  rm -f "$E2E_OUT"/*.png "$E2E_OUT"/*.sky "$E2E_OUT"/*.box
  start_game
  wait_for_lines 4
  shoot_until "the player to appear" "$E2E_OUT/start.png" sprite_box
  wait_until_still "$E2E_OUT/start.png"
}

# Closes the game as a window manager does and checks that it ended with
# status 0, having printed nothing after its start-up lines.
end_play() {
  release_keys
  close_game
  [ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
  [ "$(wc -l <"$E2E_OUT/stdout.txt")" -eq 4 ] || fail "printed more: $(cat "$E2E_OUT/stdout.txt")"
}

trap 'release_keys; [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true' EXIT
