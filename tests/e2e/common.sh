# Shared by the end-to-end tests: they start the real game on the current X
# display and drive it the way a player and a window manager do.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/common.sh"

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

# Every wait below is for something the game shows or says, with a deadline
# only a game that is stuck would miss, however busy the machine is.
DEADLINE_MS=60000

# The game runs under the pass gate (tests/e2e/pass_gate.cpp): it is held
# after its first pass, and a test lets it run on pass by pass, so each shot
# shows a known pass and each key is down for a known number of passes.
GATE="$E2E_OUT/gate"
PASSES=0

# Starts the game, its stdout into $E2E_OUT/stdout.txt, and waits for its own
# window: the one with its process id and its title, since a window of a game
# that has just ended can still be on the display under the same title.
# GAME_PRELOAD names more libraries to preload beside the gate (the pass
# meter), and GAME_RUNNER a command to run the game under (realtime's).
start_game() {
  rm -rf "$GATE"
  mkdir -p "$GATE"
  mkfifo "$GATE/go" "$GATE/held"
  # Kept open both ways, so neither side's open waits and a read can time out.
  exec {GATE_GO}<>"$GATE/go" {GATE_HELD}<>"$GATE/held"
  PASSES=0
  # Another CPU's game runs under its emulator (qemu-user), in the one process.
  local game=("$TORVIK_BIN")
  [ -z "${TORVIK_EMULATOR:-}" ] || game=("$TORVIK_EMULATOR" "$TORVIK_BIN")
  [ -z "${GAME_RUNNER:-}" ] || game=($GAME_RUNNER "${game[@]}")
  if [ -n "${PASS_GATE_LIB:-}" ]; then
    # A sanitizer build wants its runtime first; the gate only counts swaps.
    PASS_GATE="$GATE" PASS_GATE_HOLD=1 LD_PRELOAD="$PASS_GATE_LIB${GAME_PRELOAD:+ $GAME_PRELOAD}" \
      ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0" \
      "${game[@]}" >"$E2E_OUT/stdout.txt" 2>"$E2E_OUT/stderr.txt" &
  else
    "${game[@]}" >"$E2E_OUT/stdout.txt" 2>"$E2E_OUT/stderr.txt" &
  fi
  GAME_PID=$!
  WINDOW=$(timeout $((DEADLINE_MS / 1000)) xdotool search --sync --all --onlyvisible \
    --pid "$GAME_PID" --name '^Torvik$' | head -n 1) || fail "no game window appeared"
  [ -n "$WINDOW" ] || fail "no game window appeared"
  [ -z "${PASS_GATE_LIB:-}" ] || until_held 1
}

# Waits until the gate holds the game after pass $1.
until_held() {
  local held=""
  read -r -t $((DEADLINE_MS / 1000)) -u "$GATE_HELD" held ||
    fail "the game was not held after pass $1 within $((DEADLINE_MS / 1000)) s"
  [ "$held" = "$1" ] || fail "the game was held after pass $held, not $1"
  PASSES=$1
}

# Tells the held game how far to go: pass $1, or 0 to run freely.
tell_gate() {
  [ -n "${PASS_GATE_LIB:-}" ] || fail "the pass gate is needed here"
  echo "$1" >&"$GATE_GO"
}

# Lets the held game run until it has done pass $1, and holds it there.
run_to() {
  [ "$1" -gt "$PASSES" ] || fail "asked to run to pass $1, already at $PASSES"
  tell_gate "$1"
  until_held "$1"
}

# Lets the held game run $1 more passes. A game the gate cannot hold (the
# Windows build under Wine) runs freely and cannot be counted: a test of one
# waits for what its pictures show instead (shoot_until).
run_for() {
  [ -n "${PASS_GATE_LIB:-}" ] || fail "run_for $1: only a game the pass gate holds can be counted"
  run_to $((PASSES + $1))
}

# Lets the game run freely, as a player's does.
let_go() {
  [ "$PASSES" -gt 0 ] || return 0
  tell_gate 0
  PASSES=0
}

# "X Y W H" of the game's window on the screen.
geometry() {
  xwininfo -id "$WINDOW" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }'
}

# Waits for the window to stand at "X Y W H"; the window manager's answer
# comes in its own time, while the game is held or runs.
wait_for_geometry() {
  local deadline=$(($(now_ms) + DEADLINE_MS))
  until [ "$(geometry)" = "$1" ]; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "window at $(geometry), not at $1"
    sleep 0.05
  done
}

# Waits until stdout holds at least $1 lines.
wait_for_lines() {
  local deadline=$(($(now_ms) + DEADLINE_MS))
  while [ "$(wc -l <"$E2E_OUT/stdout.txt")" -lt "$1" ]; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "expected $1 lines on stdout, got: $(cat "$E2E_OUT/stdout.txt")"
    sleep 0.05
  done
}

# Sends the game the window manager's close request and lets it go; sets
# CLOSE_MS, from the request's delivery to the game's end, and EXIT_STATUS.
# A game held by the gate gets the request while held, and CLOSE_PASSES is the
# number of frames it showed after that: its next pass must answer it.
close_game() {
  "$SEND_CLOSE" "$WINDOW" || fail "could not send the close request"
  await_close
}

# What follows a close request just sent, however it was sent.
await_close() {
  local sent held=$PASSES
  sent=$(now_ms)
  let_go
  local deadline=$((sent + DEADLINE_MS))
  while kill -0 "$GAME_PID" 2>/dev/null; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "the game did not end after the close request"
    sleep 0.01
  done
  CLOSE_MS=$(($(now_ms) - sent))
  EXIT_STATUS=0
  wait "$GAME_PID" || EXIT_STATUS=$?
  GAME_PID=""
  CLOSE_PASSES=""
  if [ "$held" -gt 0 ]; then
    CLOSE_PASSES=$(($(cat "$GATE/last" 2>/dev/null || echo -1) - held))
  fi
}

# Lets the game run freely for 5 s, stops it for 5 s as a suspended machine or
# a debugger would, lets it go on for 4 s, then closes it, which must end it
# with 0: what the beat tests time.
run_stall_and_close() {
  let_go
  sleep 5
  kill -STOP "$GAME_PID"
  sleep 5
  kill -CONT "$GAME_PID"
  sleep 4
  close_game
  [ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
}

# The beat tests run the game, and the display it draws on, at a real-time
# priority where the system allows it (as root): a busy machine's other work
# then cannot hold a pass back, and what is judged is the game's beat, not
# the machine's. Prints the command to run them under; nothing elsewhere.
realtime() {
  ! chrt -f 10 true 2>/dev/null || echo "chrt -f 10"
}

# Judges the beat's figures $1 (tools/beat_figures.hpp): at most 10 in 100
# intervals off the beat (the machine's own hiccups, now and then; the pacer
# alone had 12 at 60 Hz, all of them at 120 Hz and without vsync), and no
# second with more than 62 passes. The turns never put more than 61 in a
# second (the unit test Desktop.ALatePassKeepsTheBeatAndAStallStartsIt...),
# but a pass timed a little after its turn, held up by the machine in
# between, can take one more into the second read off it; a rush after a
# stall put hundreds.
judge_beat() {
  local off most
  off=$(awk '$1 == "off_beat_percent" { print $2 }' "$1")
  most=$(awk '$1 == "most_in_a_second" { print $2 }' "$1")
  [ -n "$off" ] && [ -n "$most" ] || fail "no figures from the pass meter: $(cat "$1")"
  echo "$(tr '\n' ' ' <"$1")"
  awk -v off="$off" 'BEGIN { exit !(off <= 10) }' || fail "$off % of the intervals off the beat"
  [ "$most" -le 62 ] || fail "$most passes in one second"
}

# The window's contents as a PNG.
screenshot() {
  import -window "$WINDOW" "$1"
}

# Keys held down through hold_keys. The display is shared by every test, so a
# test that ends early must not leave a key down for the next one.
HELD_KEYS=()

# Presses keys (xdotool names: Left, Right, x) and keeps them down, as a
# player's fingers do, on the game's focused window. Pressed while the game is
# held, they are down from the pass after next on.
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

# Holds keys $2... down for $1 passes of the held game, then lets go of them.
hold_keys_for() {
  local passes=$1
  shift
  hold_keys "$@"
  run_for "$passes"
  release_keys
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

# Lets the held game run on $3 passes at a time, with a screenshot into $2
# after each step, until the command "$4... $2" succeeds; fails with message
# $1 after 600 passes. A game running freely is shot again and again, as
# quickly as the shots come, until the deadline.
shoot_until() {
  local what=$1 shot=$2 step=$3
  shift 3
  local last=$((PASSES + 600)) deadline=$(($(now_ms) + DEADLINE_MS))
  while true; do
    screenshot "$shot"
    "$@" "$shot" >/dev/null && return 0
    within "$last" "$deadline" || fail "waited 600 passes for $what"
    [ -z "${PASS_GATE_LIB:-}" ] || run_for "$step"
  done
}

# Whether a wait for a held game has not yet reached pass $1, or one for a
# game running freely not yet deadline $2.
within() {
  if [ -n "${PASS_GATE_LIB:-}" ]; then
    [ "$PASSES" -lt "$1" ]
  else
    [ "$(now_ms)" -lt "$2" ]
  fi
}

# Whether two screenshots hold the same pixels.
same_picture() {
  [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]
}

# Lets the held game run on until its picture has stayed the same for 30
# passes (shot every 5, close enough that even the top of a jump shows a
# change), within 600 passes; that picture is $1.
wait_until_still() {
  local shot=$1 previous="$1.previous.png"
  local last=$((PASSES + 600)) deadline=$(($(now_ms) + DEADLINE_MS)) same=0
  screenshot "$previous"
  while [ "$same" -lt 6 ]; do
    within "$last" "$deadline" || fail "the picture never came to rest in 600 passes"
    run_for 5
    screenshot "$shot"
    if same_picture "$shot" "$previous"; then
      same=$((same + 1))
    else
      cp "$shot" "$previous"
      same=0
    fi
  done
  rm -f "$previous"
}

# Whether pictures $1 and $3 show the same world pixels, the view's 256 x 192
# sampled at their middles from box $2 of the first and box $4 of the second
# ("X Y W H"; empty for the whole picture). The world pixels around the
# creature on either are left out: drawn at another size, the sprite's edges
# may round to another screen pixel. The samples are kept beside them.
same_world() {
  local cover="" shot box bx by bw bh x y w h i
  local -a shots=("$1" "$3") boxes=("$2" "$4")
  for i in 0 1; do
    shot=${shots[$i]}
    box=${boxes[$i]:-0 0 $(identify -format '%w %h' "$shot")}
    boxes[$i]=$box
    read -r bx by bw bh <<<"$box"
    read -r x y w h < <(sprite_box "$shot") || return 1
    cover+=" rectangle $(((x - bx) * 256 / bw - 2)),$(((y - by) * 192 / bh - 2))"
    cover+=" $(((x + w - bx) * 256 / bw + 2)),$(((y + h - by) * 192 / bh + 2))"
  done
  for i in 0 1; do
    read -r bx by bw bh <<<"${boxes[$i]}"
    convert "${shots[$i]}" -crop "${bw}x${bh}+${bx}+${by}" +repage -sample '256x192!' \
      -fill black -draw "$cover" "${shots[$i]}.world.png"
  done
  same_picture "$1.world.png" "$3.world.png"
}

# Whether picture $1 is black everywhere outside box $2 ("X Y W H").
black_outside() {
  local x y w h
  read -r x y w h <<<"$2"
  # The colours' own maxima: ImageMagick 7's maxima counts the alpha channel too.
  [ "$(convert "$1" -fill black -draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))" \
    -format '%[fx:max(maxima.r, max(maxima.g, maxima.b))]' info:)" = "0" ]
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

# Starts the game and lets it run until the player has dropped onto the grass
# and the picture stands still; that picture is $E2E_OUT/start.png, and the
# game is held there. A game running freely cannot be seen to stand still in
# passes: $E2E_OUT/start.png is then the first picture with the player, and
# the test waits on for the picture it needs.
start_play() {
  rm -f "$E2E_OUT"/*.png "$E2E_OUT"/*.sky "$E2E_OUT"/*.box
  start_game
  wait_for_lines 4
  shoot_until "the player to appear" "$E2E_OUT/start.png" 10 sprite_box
  [ -z "${PASS_GATE_LIB:-}" ] || wait_until_still "$E2E_OUT/start.png"
}

# Closes the game as a window manager does and checks that it ended with
# status 0, having printed nothing after its start-up lines.
end_play() {
  release_keys
  close_game
  [ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
  [ "$(wc -l <"$E2E_OUT/stdout.txt")" -eq 4 ] || fail "printed more: $(cat "$E2E_OUT/stdout.txt")"
}

# ---- A sound server of the test's own ----
# A PulseAudio with a silent sink, "capture", whose monitor is recorded while
# the game plays, under a runtime directory of the test's own: nothing finds a
# desktop's server, and the server goes when the test does.
rate=48000
SOUND_DIR=""
PAREC_PID=""

# The runtime directory, made and named to whatever starts from here on;
# until start_sound_server there is no server in it.
sound_runtime_dir() {
  SOUND_DIR=$(mktemp -d)
  chmod 700 "$SOUND_DIR"
  export XDG_RUNTIME_DIR="$SOUND_DIR" HOME="$SOUND_DIR"
  unset PULSE_SERVER PULSE_RUNTIME_PATH
}

# Starts the server and records its sink's monitor into $1 (16-bit samples,
# one channel, at $rate), from a tenth of a second on.
start_sound_server() {
  local tool
  for tool in pulseaudio parec sox; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps.sh)"
  done
  pulseaudio --daemonize=yes --exit-idle-time=-1 -n --log-target=file:"$SOUND_DIR/server.log" \
    --load="module-null-sink sink_name=capture" --load=module-native-protocol-unix ||
    fail "could not start a PulseAudio server"
  RECORDING=$1
  rm -f "$RECORDING"
  parec -d capture.monitor --format=s16le --rate=$rate --channels=1 --latency-msec=10 >"$RECORDING" &
  PAREC_PID=$!
  wait_for_samples $((rate / 10))
}

# Samples recorded so far: where "now" falls in the recording.
recorded() { echo $(($(stat -c %s "$RECORDING") / 2)); }

# Waits until the recording holds $1 samples, within 20 s.
wait_for_samples() {
  local deadline=$(($(now_ms) + 20000))
  while [ "$(recorded)" -lt "$1" ]; do
    [ "$(now_ms)" -lt "$deadline" ] || fail "the recording stopped growing at $(recorded) samples"
    sleep 0.02
  done
}

# Each sound in the recording from sample $1 to $2 as "START PEAK", the
# start a sample number, the peak in full scale: a sound is whatever rises
# above -50 dBFS after 50 ms or more of quiet.
sounds_between() {
  sox -t raw -r $rate -e signed -b 16 -c 1 "$RECORDING" -t dat - trim "${1}s" "=${2}s" |
    awk -v from="$1" 'NR > 2 {
      v = $2 < 0 ? -$2 : $2; i = NR - 3
      if (v > 0.00316) {
        if (!n || i - last > 2400) { if (n) printf "%d %.4f\n", start, peak; n = 1; start = from + i; peak = 0 }
        last = i; if (v > peak) peak = v
      }
    } END { if (n) printf "%d %.4f\n", start, peak }'
}

stop_sound_server() {
  [ -n "$SOUND_DIR" ] || return 0
  [ -n "$PAREC_PID" ] && kill "$PAREC_PID" 2>/dev/null
  local server
  server=$(cat "$SOUND_DIR/pulse/pid" 2>/dev/null) || server=""
  if [ -n "$server" ] && kill "$server" 2>/dev/null; then
    local deadline=$(($(now_ms) + 10000))
    while kill -0 "$server" 2>/dev/null && [ "$(now_ms)" -lt "$deadline" ]; do
      sleep 0.05
    done
  fi
  rm -rf "$SOUND_DIR" 2>/dev/null || true
  SOUND_DIR=""
}

# An X server of the test's own, WIDTH x HEIGHT, made the display everything
# below opens on: a test that wants a screen of a given size, or sets the
# screen's resources, must not do it to the display other tests share. It is
# stopped when the test ends. A third argument is a command to run it under
# (realtime's).
own_display() {
  start_virtual_display "$1" "$2" "$E2E_OUT/xvfb.display" "${3:-}" || fail "no X server of its own"
  export DISPLAY=$VIRTUAL_DISPLAY
}

stop_own_display() {
  [ -n "${VIRTUAL_DISPLAY_PID:-}" ] || return 0
  kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
  wait "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
  VIRTUAL_DISPLAY_PID=""
}

# What a test leaves running when it ends, passed or failed.
clean_up() {
  release_keys
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
  stop_sound_server
  stop_own_display
}
trap clean_up EXIT
