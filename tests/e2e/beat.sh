#!/usr/bin/env bash
# Under X without vsync (Xvfb's swaps never wait, as in a VM or with software
# GL) the passes come on an even beat, one pass length apart; stopped for 5 s,
# as a suspended machine or a debugger stops it, the game then goes on at its
# own pace, never more than 61 passes in a second. Timed by the pass meter,
# preloaded beside the gate; judged on the beat, not on the machine's speed.
source "$(dirname "$0")/common.sh"
: "${PASS_METER_LIB:?path of the pass meter}"

GAME_RUNNER=$(realtime)
own_display 1024 768 "$GAME_RUNNER"

export PASS_METER_OUT="$E2E_OUT/beat.txt" PASS_METER_TIMES="$E2E_OUT/times.txt" PASS_METER_REFRESH=0
rm -f "$PASS_METER_OUT"
GAME_PRELOAD=$PASS_METER_LIB start_game
run_stall_and_close
judge_beat "$PASS_METER_OUT"
