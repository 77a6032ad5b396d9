#!/usr/bin/env bash
# The game in the browser.
#   tools/web.sh build   builds the static site into build-web/site
#   tools/web.sh         builds it and serves it at http://127.0.0.1:8000/
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-serve}" in
  build | serve) ;;
  *) echo "usage: $0 [build]" >&2; exit 2 ;;
esac
tools/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web -j"$(nproc)"
case "${1:-serve}" in
  build) echo "$PWD/build-web/site" ;;
  serve) exec node web/serve.mjs build-web/site 8000 ;;
esac
