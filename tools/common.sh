# shellcheck shell=bash
# What the tools and the tests' scripts share. Sourced, never run.

# Minutes and seconds since STARTED, a reading of $SECONDS: "3m07s".
took() {
  local seconds=$((SECONDS - $1))
  printf '%dm%02ds\n' $((seconds / 60)) $((seconds % 60))
}

# Starts an X server of our own, WIDTH x HEIGHT, on the first free display
# number, which Xvfb picks and writes to LOG once it takes connections: sets
# VIRTUAL_DISPLAY (":N") and VIRTUAL_DISPLAY_PID. -noreset: a client
# connecting just as the last one leaves would otherwise meet a server
# resetting itself, and what xrdb sets stays while no client is connected.
# Says why and returns 1 if it has not started within 60 s. A fourth
# argument is a command to run it under.
start_virtual_display() {
  local log=$3 runner=${4:-}
  VIRTUAL_DISPLAY=""
  $runner Xvfb -displayfd 1 -screen 0 "${1}x${2}x24" -nolisten tcp -noreset >"$log" 2>/dev/null &
  VIRTUAL_DISPLAY_PID=$!
  local _
  for _ in $(seq 600); do
    if [ -s "$log" ]; then
      VIRTUAL_DISPLAY=":$(head -n 1 "$log")"
      return 0
    fi
    kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
  VIRTUAL_DISPLAY_PID=""
  echo "the virtual display did not start" >&2
  return 1
}
