#!/usr/bin/env bash
# The Windows build's tick log, run under Wine in a fresh prefix of its own,
# is byte for byte the native one.
#   same_ticks.sh NATIVE_TICK_LOG TICK_LOG_EXE
set -euo pipefail
: "${WINE:?path of wine64}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d)
export WINEPREFIX
trap '"$(dirname "$WINE")/wineserver" -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
"$WINE" wineboot -i >/dev/null 2>&1 || { echo "FAIL: wineboot could not make a prefix" >&2; exit 1; }
bash "$(dirname "$0")/../ticks/same_ticks.sh" "$1" "$WINE" "$2"
