#!/usr/bin/env bash
# On a display of R Hz whose swaps wait for it, a pass follows the last one
# floor(R/60) to ceil(R/60) refreshes later: every refresh at 60 Hz, one or
# two apart at 75, every second at 120, two or three at 144; 60 passes a
# second. At 50 Hz the swaps do not wait, and the game still makes 60 a
# second, one pass length apart. Timed by the pass meter beside the gate.
source "$(dirname "$0")/common.sh"
: "${PASS_METER_LIB:?path of the pass meter}"
trap clean_up EXIT
GAME_RUNNER=$(realtime)
COMPOSITOR_RUNNER=$GAME_RUNNER

E2E_OUT_ALL=$E2E_OUT
for hertz in 60 75 120 144 50; do
  E2E_OUT=$E2E_OUT_ALL/$hertz
  mkdir -p "$E2E_OUT"
  start_compositor "1280x720@${hertz}Hz" 1
  refresh=$(swaymsg -t get_outputs | jq '.[0].current_mode.refresh')
  [ "$refresh" = "${hertz}000" ] || fail "the output refreshes at $refresh mHz, not $hertz Hz"
  export PASS_METER_OUT=$E2E_OUT/beat.txt PASS_METER_TIMES=$E2E_OUT/times.txt PASS_METER_REFRESH=$hertz
  [ "$hertz" -ge 60 ] || PASS_METER_REFRESH=0
  rm -f "$PASS_METER_OUT"
  GAME_PRELOAD=$PASS_METER_LIB start_game
  let_go
  sleep 6
  close_game
  [ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS at $hertz Hz"
  echo -n "$hertz Hz: "
  judge_beat "$PASS_METER_OUT"
  stop_compositor
done
