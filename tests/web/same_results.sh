#!/usr/bin/env bash
# The logic tests give the same results on the web target as natively: the
# same tests, each passing on both.
#   same_results.sh NODE WASM_TESTS_JS NATIVE_TESTS
set -euo pipefail
node=$1 wasm=$2 native=$3
[ -x "$native" ] || { echo "FAIL: no native test build at $native" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

results() { grep -E '^\[ +(OK|FAILED) +\] [A-Za-z_0-9]+\.' | sed -E 's/ \([0-9]+ ms\)$//' | sort; }
"$node" "$wasm" --gtest_color=no >"$out/wasm.txt" 2>&1 || true
"$native" --gtest_color=no >"$out/native.txt" 2>&1 || true
results <"$out/wasm.txt" >"$out/wasm.results"
results <"$out/native.txt" >"$out/native.results"

diff -u "$out/native.results" "$out/wasm.results" >&2 ||
  { echo "FAIL: the web target's results differ from the native ones" >&2; exit 1; }
if grep -q FAILED "$out/wasm.results"; then
  grep FAILED "$out/wasm.results" >&2
  echo "FAIL: tests fail on both targets" >&2
  exit 1
fi
echo "$(wc -l <"$out/wasm.results") tests pass on both targets"
