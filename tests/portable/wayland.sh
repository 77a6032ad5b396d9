#!/usr/bin/env bash
# The portable game as a native Wayland client, in a system without a
# compositor of its own: the headless sway of the trixie stage's system
# (SWAY_ROOT) shares a runtime folder with it. Its window comes under its
# app_id, and the compositor's close request ends it with status 0.
set -euo pipefail
: "${ROOT:?}" "${SWAY_ROOT:?}" "${IN_SYSTEM:?}" "${TORVIK_BIN:?}" "${E2E_OUT:?}"
source "$(dirname "$0")/../../tools/bare-system.sh"
mkdir -p "$E2E_OUT"
fail() { echo "FAIL: $*" >&2; exit 1; }
now_ms() { date +%s%3N; }
deadline=$(($(now_ms) + 60000))
runtime=$(mktemp -d)
chmod 700 "$runtime"
sway_pid="" game_pid=""
stop() {
  [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
  [ -z "$sway_pid" ] || kill "$sway_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  bare_release || true
  rm -rf "$runtime"
}
trap stop EXIT
bare_enter "$SWAY_ROOT"
bare_bind "$runtime" "$SWAY_ROOT/run/torvik-wayland"
bare_bind "$runtime" "$ROOT/run/torvik-wayland"
printf '%s\n' 'output HEADLESS-1 resolution 1280x800 scale 1' 'xwayland disable' \
  'for_window [title="^Torvik$"] floating enable' >"$runtime/config"
chroot "$SWAY_ROOT" /usr/bin/env -i PATH=/usr/bin:/bin XDG_RUNTIME_DIR=/run/torvik-wayland \
  WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway -c /run/torvik-wayland/config >"$E2E_OUT/sway.log" 2>&1 &
sway_pid=$!
swaymsg() {
  chroot "$SWAY_ROOT" /usr/bin/env -i PATH=/usr/bin:/bin XDG_RUNTIME_DIR=/run/torvik-wayland \
    SWAYSOCK="/run/torvik-wayland/$(basename "$runtime"/sway-ipc.*.sock)" swaymsg "$@"
}
until [ -S "$runtime/wayland-1" ] && swaymsg -t get_version >/dev/null 2>&1; do
  kill -0 "$sway_pid" 2>/dev/null || fail "sway did not start: $(cat "$E2E_OUT/sway.log")"
  [ "$(now_ms)" -lt "$deadline" ] || fail "sway did not start within 60 s"
  sleep 0.05
done

GAME_ENV="XDG_RUNTIME_DIR=/run/torvik-wayland WAYLAND_DISPLAY=wayland-1" \
  "$IN_SYSTEM" "$TORVIK_BIN" >"$E2E_OUT/stdout.txt" 2>"$E2E_OUT/stderr.txt" &
game_pid=$!
until app_id=$(swaymsg -t get_tree | chroot "$SWAY_ROOT" jq -r --argjson pid "$game_pid" \
  '.. | objects | select(.pid? == $pid and .name? == "Torvik") | .app_id' | grep .); do
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$E2E_OUT/stderr.txt")"
  [ "$(now_ms)" -lt "$deadline" ] || fail "no Wayland window of the game within 60 s"
  sleep 0.1
done
[ "$app_id" = org.torvik.torvik ] || fail "app_id $app_id"
sent=$(now_ms)
swaymsg "[pid=$game_pid] kill" >/dev/null || fail "could not send the close request"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "exit status $status: $(cat "$E2E_OUT/stderr.txt")"
echo "Wayland: a window of sway's with app_id $app_id; closed with status 0 in $(($(now_ms) - sent)) ms"
