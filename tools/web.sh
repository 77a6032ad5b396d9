#!/usr/bin/env bash
# The game in the browser.
#   tools/web.sh build   builds the static site into build-web/site
#   tools/web.sh         builds it and serves it at http://127.0.0.1:8000/
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh web
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web --target torvik_site -j"$(nproc)"
case "${1:-serve}" in
  build) echo "$PWD/build-web/site" ;;
  serve) exec node web/serve.mjs build-web/site 8000 ;;
  *) echo "usage: $0 [build]" >&2; exit 2 ;;
esac
