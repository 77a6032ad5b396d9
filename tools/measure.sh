#!/usr/bin/env bash
# Measures the real game for 10 seconds under a virtual display: passes per
# second (mean and spread), CPU use and peak memory; then the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" >/dev/null

figures=$(mktemp)
LD_PRELOAD="$PWD/build/tools/libtorvik_pass_meter.so" PASS_METER_OUT="$figures" \
  build/torvik >/dev/null &
game=$!
window=$(xdotool search --sync --name '^Torvik$' | head -n 1)
sleep 10
build/tests/e2e/send_close "$window"
wait "$game"
echo "== The game over 10 s"
cat "$figures"
rm -f "$figures"

echo "== Benchmarks"
# Each benchmark builds its own player, which announces its sprite texture.
build/bench/torvik_bench --benchmark_min_time=0.5 | grep -v "^Texture generated"

echo "== The web build"
bench/web_figures.sh
