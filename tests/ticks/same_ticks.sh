#!/usr/bin/env bash
# Another build's tick log is byte for byte the native one: the same player,
# tick after tick, for the whole scripted input.
#   same_ticks.sh NATIVE_TICK_LOG COMMAND...   (COMMAND runs the other build's)
set -euo pipefail
native=$1
shift
[ -x "$native" ] || { echo "FAIL: no native tick log at $native" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$native" >"$out/native.txt"
"$@" >"$out/other.txt" || { echo "FAIL: $* ended with status $?" >&2; exit 1; }
ticks=$(($(wc -l <"$out/native.txt") - 2))  # less the texture line and the heading
[ "$ticks" -ge 20000 ] || { echo "FAIL: only $ticks ticks logged natively" >&2; exit 1; }
if ! cmp -s "$out/native.txt" "$out/other.txt"; then
  diff "$out/native.txt" "$out/other.txt" | head -n 20 >&2 || true
  echo "FAIL: the ticks differ from the native build's (first differences above)" >&2
  exit 1
fi
echo "$ticks ticks the same, $(wc -c <"$out/native.txt") bytes"
