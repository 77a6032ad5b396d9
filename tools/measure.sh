#!/usr/bin/env bash
# Measures the real game for 10 seconds under a virtual display: passes per
# second (mean and spread), CPU use and peak memory; the same with and without
# a sound server, and how soon a sound is mixed; then the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh native-tests web web-tests tools
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)" >/dev/null

figures=$(mktemp)
LD_PRELOAD="$PWD/build/tools/libtorvik_pass_meter.so" PASS_METER_OUT="$figures" \
  build/torvik >/dev/null &
game=$!
window=$(xdotool search --sync --all --pid "$game" --name '^Torvik$' | head -n 1)
sleep 10
build/tests/e2e/send_close "$window"
wait "$game"
echo "== The game over 10 s"
cat "$figures"
rm -f "$figures"

# CPU time of each of the game's threads, "NAME TICKS" a line: the main
# thread as "main", miniaudio's (unnamed, so called as the game is)
# as "torvik", the graphics driver's under their own names.
thread_ticks() {
  local task
  for task in /proc/"$1"/task/*; do
    awk -v main="$([ "${task##*/}" = "$1" ] && echo 1)" '{
      sub(/^[0-9]+ \(/, ""); name = substr($0, 1, index($0, ") ") - 1); sub(/^.*\) /, "")
      print (main ? "main" : name), $12 + $13 }' "$task/stat"
  done
}

# The game for 10 s: CPU of the whole game and of its sound thread, in % of
# one core, and its peak memory.
sound_figures() {
  build/torvik >/dev/null &
  local game=$! window before after
  window=$(xdotool search --sync --all --pid "$game" --name '^Torvik$' | head -n 1)
  before=$(thread_ticks "$game")
  sleep 10
  after=$(thread_ticks "$game")
  local peak
  peak=$(awk '/^VmHWM/ { print int($2 / 1024) }' "/proc/$game/status")
  build/tests/e2e/send_close "$window"
  wait "$game"
  awk -v hz="$(getconf CLK_TCK)" -v peak="$peak" -v label="$1" '
    FNR == 1 { file++ }
    { t[file, $1] += $2; if (file == 1) names[$1] = 1 }
    END {
      for (n in names) { all += t[2, n] - t[1, n] }
      printf "%s: CPU %.1f %% of one core, sound thread %.1f %%, peak memory %d MiB\n",
        label, all / hz * 10, (t[2, "torvik"] - t[1, "torvik"]) / hz * 10, peak
    }' <(echo "$before") <(echo "$after")
}

echo "== Sound"
sound_dir=$(mktemp -d)
chmod 700 "$sound_dir"
(
  export XDG_RUNTIME_DIR="$sound_dir" HOME="$sound_dir"
  unset PULSE_SERVER
  sound_figures "No sound server (the null device)"
  pulseaudio --daemonize=yes --exit-idle-time=-1 -n --load="module-null-sink sink_name=measure" \
    --load=module-native-protocol-unix 2>/dev/null
  trap 'kill "$(cat "$sound_dir/pulse/pid")"' EXIT
  sound_figures "Through PulseAudio"
  build/tools/sound_latency
)
rm -rf "$sound_dir"

echo "== Benchmarks"
# Each benchmark builds its own player, which announces its sprite texture.
build/bench/torvik_bench --benchmark_min_time=0.5 | grep -v "^Texture generated"

echo "== The web build"
bench/web_figures.sh
