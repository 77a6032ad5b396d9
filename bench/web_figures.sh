#!/usr/bin/env bash
# The web build's figures: how long emcc takes to build the site from clean,
# the sizes of what a browser downloads, and the pass rate in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

cmake --preset web -B "$build" >/dev/null 2>&1
started=$(date +%s%N)
cmake --build "$build" --target torvik_site -j"$(nproc)" >/dev/null 2>&1
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
printf 'emcc build of the site from clean, %d jobs: %d.%01d s\n' "$(nproc)" $((elapsed_ms / 1000)) $((elapsed_ms % 1000 / 100))

total=0
for path in "$build"/site/*; do
  gzipped=$(gzip -9c "$path" | wc -c)
  total=$((total + gzipped))
  printf '%-20s %8d bytes, %7d gzipped\n' "${path##*/}" "$(stat -c %s "$path")" "$gzipped"
done
printf 'the whole site, gzipped: %d bytes\n' "$total"

[ -d tests/web/node_modules/puppeteer-core ] || npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
node bench/web_figures.mjs "$build/site" 10
