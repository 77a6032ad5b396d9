#!/usr/bin/env bash
# `cmake --install` lays out the game, its menu entry, metadata, icons,
# manual page and documents as the package does.
source "$(dirname "$0")/common.sh"
: "${BUILD_DIR:?the build directory}"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null
check_layout "$prefix"
check_desktop_metadata "$prefix"
check_icons "$prefix"
echo "installed as laid out; menu entry and metadata valid; icons crisp"
