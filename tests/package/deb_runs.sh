#!/usr/bin/env bash
# The game unpacked from the package opens its window and ends with status 0
# on a close request, as installed from it.
: "${PACKAGE_DIR:?where tools/package.sh built the package}"
root=$(mktemp -d)
debs=("$PACKAGE_DIR"/torvik_*.deb)
dpkg-deb -x "${debs[0]}" "$root" || { echo "FAIL: cannot unpack ${debs[0]}" >&2; exit 1; }
export TORVIK_BIN="$root/usr/games/torvik"
source "$(dirname "$0")/../e2e/common.sh"
trap 'rm -rf "$root"; [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true' EXIT

start_game
wait_for_lines 4
close_game
[ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
echo "the packaged game closed in $CLOSE_MS ms with status 0"
