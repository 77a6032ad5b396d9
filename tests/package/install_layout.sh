#!/usr/bin/env bash
# `cmake --install` puts the game in bin/ with a menu entry and an icon drawn
# from the player's standing frame.
set -euo pipefail
: "${BUILD_DIR:?the build directory}"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$prefix/bin/torvik" ] || fail "no executable bin/torvik"
desktop="$prefix/share/applications/torvik.desktop"
[ -f "$desktop" ] || fail "no menu entry"
grep -qx "Exec=torvik" "$desktop" || fail "menu entry does not start torvik"
grep -qx "Icon=torvik" "$desktop" || fail "menu entry names no icon"
grep -q "^Categories=.*Game;" "$desktop" || fail "menu entry is not in the Game category"
icon="$prefix/share/icons/hicolor/64x64/apps/torvik.png"
[ -f "$icon" ] || fail "no icon"
[ "$(identify -format '%wx%h %[channels]' "$icon")" = "64x64 srgba" ] || fail "icon is not 64 x 64 RGBA"
# Transparent corners, the creature's orange in the middle.
[ "$(convert "$icon" -format '%[pixel:p{0,0}]' info:)" = "srgba(0,0,0,0)" ] || fail "icon corner not transparent"
convert "$icon" -fill black +opaque 'rgb(255,131,0)' -format '%@' info: | grep -qv '^0x0' ||
  fail "icon does not show the creature"
echo "installed: bin/torvik, menu entry, 64 x 64 icon"
