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

# X: the jump is heard within 200 ms of the press, the take-off pass being
# the one after next; holding it on, a hop each time it lands.
from=$(recorded)
hold_keys x
run_for 3
wait_for_samples $((from + rate / 5))
read -r first peak < <(sounds_between "$from" $((from + rate / 5))) || fail "no jump heard within 200 ms of X"
awk -v p="$peak" 'BEGIN { exit !(p > 0.1 && p <= 0.5) }' || fail "the jump peaked at $peak"
run_for 6
release_keys
wait_until_still "$E2E_OUT/after-jump.png"
jump_ms=$(((first - from) * 1000 / rate))

# Running: soft steps, one for each stride the walk cycle shows (two frames
# of 13 passes apart), for 240 passes run straight through.
from=$(recorded)
hold_keys Right
run_for 240
release_keys
wait_for_samples $((from + 4 * rate))
run_sounds=$(sounds_between "$from" $((from + 4 * rate)))
# Steps peak at 0.07; the drop into the pit beside the start lands louder.
# Only steps heard one after the other tell the pace.
mapfile -t intervals < <(awk -v per_pass=$per_pass '
  { step = $2 > 0.05 && $2 < 0.085 }
  step && last_step { printf "%d\n", ($1 - last + per_pass / 2) / per_pass }
  { last = $1; last_step = step }' <<<"$run_sounds")
# A machine busy with other work can hold up the game or its sound for a
# moment, so a gap or two may be off; most must be a stride apart.
at_pace=0
for gap in "${intervals[@]}"; do
  [ "$gap" -ge 20 ] && [ "$gap" -le 32 ] && at_pace=$((at_pace + 1))
done
[ "$at_pace" -ge 3 ] && [ $((2 * at_pace)) -gt "${#intervals[@]}" ] ||
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
run_for 3
wait_for_samples $((from + rate / 5))
release_keys
[ -n "$(sounds_between "$from" $((from + rate / 5)))" ] || fail "after M again, no jump heard"

end_play
[ ! -s "$E2E_OUT/stderr.txt" ] || fail "wrote on stderr: $(cat "$E2E_OUT/stderr.txt")"
echo "jump heard $jump_ms ms after X; steps ${intervals[*]} passes apart; muted silent"
