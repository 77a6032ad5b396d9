#!/usr/bin/env bash
# The game heard through a real sound server: a PulseAudio of the test's own
# with a silent sink, whose monitor is recorded while the game is played.
# Standing still is silent, X is heard at once, running steps at the walk
# cycle's pace, M silences it all; and with no server at all the game plays
# exactly as before, silently, with nothing on stderr.
source "$(dirname "$0")/common.sh"

# A place of the test's own for the server's socket, and nothing to find a
# desktop's server through.
sound_runtime_dir
per_pass=$((rate / 60))  # samples a pass lasts at 60 passes a second

# First without a server: the same four lines on stdout as ever, nothing on
# stderr, and the game plays (it still lands on the grass and stands).
start_play
end_play
[ ! -s "$E2E_OUT/stderr.txt" ] || fail "wrote on stderr without a server: $(cat "$E2E_OUT/stderr.txt")"
silent_start="$SOUND_DIR/silent-start.png"
cp "$E2E_OUT/start.png" "$silent_start"

start_sound_server "$E2E_OUT/recording.raw"
start_play
same_picture "$E2E_OUT/start.png" "$silent_start" ||
  fail "with sound the game stands in a different picture than without"

# The game is held between passes while the recording runs on in real time:
# each sound below is made by known passes, and heard or not in the
# recording's own time.

# Standing still for 60 passes: silence.
from=$(recorded)
run_for 60
wait_for_samples $((from + rate))
heard=$(sounds_between "$from" $((from + rate)))
[ -z "$heard" ] || fail "standing still, heard: $heard"

# X: the jump is heard at once. The test steps the held game, which on a
# busy machine takes as long as it takes, so the 200 ms are counted from the
# take-off pass (the one after next), in the recording's own time; holding X
# on, a hop each time it lands.
from=$(recorded)
hold_keys x
run_for 2
took=$(recorded)
wait_for_samples $((took + rate / 5))
read -r first peak < <(sounds_between "$from" $((took + rate / 5))) ||
  fail "no jump heard within 200 ms of its take-off pass"
awk -v p="$peak" 'BEGIN { exit !(p > 0.1 && p <= 0.5) }' || fail "the jump peaked at $peak"
run_for 7
release_keys
wait_until_still "$E2E_OUT/after-jump.png"
jump_ms=$(((first - from) * 1000 / rate))

# Running: soft steps, one for each stride the walk cycle shows, its frames
# 13 passes apart and every other one a stride. The game runs 13 passes at a
# time and is held while 300 ms more are recorded, so each sound falls in the
# span of the passes that made it, however unevenly a busy machine runs them:
# two steps one after the other are two spans, 26 passes, apart.
hold_keys Right
spans=()
for _ in $(seq 19); do
  from=$(recorded)
  run_for 13
  took=$(recorded)
  wait_for_samples $((took + rate * 3 / 10))
  spans+=("$from")
done
release_keys
spans+=("$(recorded)")
run_sounds=""
for i in $(seq 0 18); do
  while read -r start peak; do
    run_sounds+="$i $start $peak"$'\n'
  done < <(sounds_between "${spans[i]}" "${spans[i + 1]}")
done
# Steps peak at 0.07; the drop into the pit beside the start lands louder.
# Only steps heard one after the other tell the pace. A sound thread held up
# for more than six passes on a busy machine drops what was queued meanwhile,
# as it does for a page's sound waiting for its first key: a step may be
# missing (52 passes apart) or cut in two, but none is ever a frame off its
# stride.
mapfile -t intervals < <(awk '
  NF == 3 { step = $3 > 0.05 && $3 < 0.085 }
  NF == 3 && step && last_step { printf "%d\n", 13 * ($1 - last) }
  NF == 3 { last = $1; last_step = step }' <<<"$run_sounds")
at_pace=$(printf '%s\n' "${intervals[@]}" | grep -cx 26 || true)
[ "$at_pace" -ge 3 ] && ! printf '%s\n' "${intervals[@]}" | grep -qvxE '26|52|78' ||
  fail "steps ${intervals[*]} passes apart, not 26: $(tr '\n' ' ' <<<"$run_sounds")"
wait_until_still "$E2E_OUT/after-run.png"

# Taps M into the held game and lets it run two passes, so its poll has seen
# the key.
press_m() {
  xdotool windowfocus --sync "$WINDOW" key m || fail "could not press M"
  run_for 2
}

# M, then X: silence; M again, and X is heard again.
press_m
from=$(recorded)
hold_keys x
run_for 30
release_keys
wait_for_samples $((from + rate / 2))
heard=$(sounds_between "$from" $((from + rate / 2)))
[ -z "$heard" ] || fail "muted, heard: $heard"
wait_until_still "$E2E_OUT/after-muted-jump.png"
press_m
from=$(recorded)
hold_keys x
run_for 2
took=$(recorded)
wait_for_samples $((took + rate / 5))
release_keys
[ -n "$(sounds_between "$from" $((took + rate / 5)))" ] || fail "after M again, no jump heard"

end_play
[ ! -s "$E2E_OUT/stderr.txt" ] || fail "wrote on stderr: $(cat "$E2E_OUT/stderr.txt")"
echo "jump heard $jump_ms ms after X; steps ${intervals[*]} passes apart; muted silent"
