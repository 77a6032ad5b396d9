#!/usr/bin/env bash
# torvik.exe under Wine keeps the native game's beat: its passes one pass
# length apart, at most 61 in any second, and after 5 s stopped (a window
# dragged, a debugger, a suspended machine) no rush. Wine's relay trace times
# the one call each pass makes once, its swap; the pass gate cannot hold a
# Windows program, so it runs freely on the shared display.
source "$(dirname "$0")/../e2e/common.sh"
: "${WINE:?path of wine64}" "${UNPACKED:?the unpacked .zip}" "${BEAT_FIGURES:?path of beat_figures}"

# The game, Wine's server and the display at a real-time priority.
GAME_RUNNER=$(realtime)
own_display 1024 768 "$GAME_RUNNER"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d)
export WINEPREFIX
trap '[ -n "$GAME_PID" ] && kill -CONT "$GAME_PID" 2>/dev/null && kill "$GAME_PID" 2>/dev/null
  "$(dirname "$WINE")/wineserver" -k 2>/dev/null; rm -rf "$WINEPREFIX"; clean_up' EXIT
# Kept running for the game, which then finds the trace's setting there.
$GAME_RUNNER "$(dirname "$WINE")/wineserver" -p
"$WINE" wineboot -i >"$E2E_OUT/wineboot.log" 2>&1 || fail "wineboot: $(cat "$E2E_OUT/wineboot.log")"
"$WINE" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ /d gdi32.SwapBuffers /f \
  >/dev/null 2>&1 || fail "could not limit Wine's trace to the swaps"

PASS_GATE_LIB=""
printf '#!/bin/sh\ncd %q && WINEDEBUG=+timestamp,+relay exec %q torvik.exe\n' "$UNPACKED" "$WINE" \
  >"$E2E_OUT/torvik-wine.sh"
chmod +x "$E2E_OUT/torvik-wine.sh"
TORVIK_BIN=$E2E_OUT/torvik-wine.sh
start_game
run_stall_and_close
grep ':Call gdi32.SwapBuffers(' "$E2E_OUT/stderr.txt" | cut -d: -f1 | "$BEAT_FIGURES" >"$E2E_OUT/beat.txt"
judge_beat "$E2E_OUT/beat.txt"
