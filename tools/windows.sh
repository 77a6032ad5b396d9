#!/usr/bin/env bash
# The game for Windows: cross-built with mingw-w64 into build-windows/ and
# packed as a .zip (torvik.exe, README.txt, licences), whose path it prints
# last. Unpacked anywhere on 64-bit Windows, torvik.exe runs as it is. Two
# builds of one commit are byte for byte the same .zip: its files' times and
# torvik.exe's own are SOURCE_DATE_EPOCH, the commit's time unless given
# (tools/source-date.sh).
#   tools/windows.sh [CMAKE_ARGUMENT...]   (given to the configuration)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh windows
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(tools/source-date.sh)}
export SOURCE_DATE_EPOCH
cmake --preset windows "$@" >/dev/null
cmake --build --preset windows -j"$(nproc)" >/dev/null
rm -f build-windows/torvik-*-windows-x64.zip
cmake --build --preset windows --target torvik_zip >/dev/null
echo "$PWD/$(ls build-windows/torvik-*-windows-x64.zip)"
