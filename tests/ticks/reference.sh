#!/usr/bin/env bash
# The player's ticks pinned: the digest of the native tick log, committed in
# tests/ticks/reference.txt, must be the one this build prints. The web,
# Windows and other builds are compared with the native log byte for byte;
# this is what keeps the native log itself from moving unseen.
#   reference.sh TICK_LOG            checks the build's log against the reference
#   reference.sh --update TICK_LOG   writes the build's digest as the new reference:
#                                    commit it with the change that moved the ticks
set -euo pipefail
reference=$(dirname "$0")/reference.txt
update=false
if [ "${1:-}" = --update ]; then
  update=true
  shift
fi
tick_log=${1:?usage: $0 [--update] TICK_LOG}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$tick_log" >"$log"
ticks=$(($(wc -l <"$log") - 2)) # less the texture line and the heading
now="$(sha256sum <"$log" | cut -d' ' -f1) $ticks ticks $(wc -c <"$log") bytes"

if $update; then
  {
    echo "# The native tick log's digest, ticks and size (tests/ticks/tick_log, its"
    echo "# default keys). Written by tests/ticks/reference.sh --update; changed only"
    echo "# in the commit that changes the game's ticks, saying why."
    echo "$now"
  } >"$reference"
  echo "reference written: $now"
  exit 0
fi
pinned=$(grep -v '^#' "$reference")
if [ "$now" != "$pinned" ]; then
  echo "FAIL: the player's ticks moved." >&2
  echo "  reference: $pinned" >&2
  echo "  this build: $now" >&2
  echo "If the change is meant, run tests/ticks/reference.sh --update $tick_log" >&2
  echo "and commit tests/ticks/reference.txt with it, saying why the ticks changed." >&2
  exit 1
fi
echo "the ticks are the reference's: $now"
