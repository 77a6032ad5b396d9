#!/usr/bin/env bash
# The portable aarch64 game, taken out of its archive, under qemu-user on the
# tests' display, with this machine's arm64 C library and Mesa: its 512 x 384
# window titled "Torvik" opens, and a close request ends it with status 0.
#   emulated.sh ARCHIVE      (DISPLAY, SEND_CLOSE from the environment)
set -euo pipefail
archive=$(realpath "$1")
: "${E2E_OUT:=$(mktemp -d)}"
unpacked=$E2E_OUT/unpacked
rm -rf "$unpacked"
mkdir -p "$unpacked"
tar -C "$unpacked" -xzf "$archive"
export TORVIK_BIN=$(echo "$unpacked"/torvik-*/torvik) TORVIK_EMULATOR=qemu-aarch64-static
source "$(dirname "$0")/../e2e/common.sh"
start_game
geometry=$(xwininfo -id "$WINDOW")
grep -q "Width: 512" <<<"$geometry" && grep -q "Height: 384" <<<"$geometry" ||
  fail "window: $geometry"
close_game
[ "$EXIT_STATUS" -eq 0 ] || fail "exit status $EXIT_STATUS"
echo "aarch64 under qemu-user: window 512 x 384 opened; closed with status 0 in $CLOSE_MS ms"
