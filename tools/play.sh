#!/usr/bin/env bash
# Builds the game, installing only what it needs, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh game
cmake --preset play >/dev/null
cmake --build --preset play -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Torvik is built (build-play/torvik), but there is no display here to open its window on: run tools/play.sh again from a desktop session."
  exit 1
fi
exec build-play/torvik
