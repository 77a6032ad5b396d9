#!/usr/bin/env bash
# Runs the real game under valgrind's memcheck on a virtual display for a
# while (a few hundred passes at valgrind's pace), closes it as a window
# manager would, and shows the error summary. The loader's and the graphics
# driver's own findings are suppressed (tools/valgrind.supp); anything left
# is the game's.
#
#   tools/memcheck.sh [SECONDS]     (default 180)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh native-tests tools
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
seconds=${1:-180}
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)" >/dev/null

log=build/memcheck.log
figures=build/memcheck-passes.txt
# valgrind runs one thread at a time; a single-threaded rasteriser is quicker.
LP_NUM_THREADS=0 LD_PRELOAD="$PWD/build/tools/libtorvik_pass_meter.so" PASS_METER_OUT="$figures" \
  valgrind --tool=memcheck --leak-check=full --keep-debuginfo=yes --num-callers=40 \
  --suppressions=tools/valgrind.supp --error-exitcode=99 --log-file="$log" \
  build/torvik >/dev/null &
game=$!
window=$(timeout 120 xdotool search --sync --all --onlyvisible --pid "$game" --name '^Torvik$' | head -n 1)
until xdotool windowfocus --sync "$window" 2>/dev/null; do sleep 1; done
xdotool keydown Right
sleep $((seconds / 2))
xdotool keyup Right keydown x
sleep $((seconds / 2))
xdotool keyup x
build/tests/e2e/send_close "$window"
status=0
wait "$game" || status=$?
grep -E "passes" "$figures"
grep -E "ERROR SUMMARY|definitely lost|indirectly lost" "$log"
echo "exit status $status (99 means memcheck found errors; see $log)"
exit "$status"
