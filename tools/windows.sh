#!/usr/bin/env bash
# The game for Windows: cross-built with mingw-w64 into build-windows/ and
# packed as a .zip (torvik.exe, README.txt, licences), whose path it prints
# last. Unpacked anywhere on 64-bit Windows, torvik.exe runs as it is.
#   tools/windows.sh [CMAKE_ARGUMENT...]   (given to the configuration)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh windows
cmake --preset windows "$@" >/dev/null
cmake --build --preset windows -j"$(nproc)" >/dev/null
rm -f build-windows/torvik-*-windows-x64.zip
(cd build-windows && cpack -G ZIP >cpack.log 2>&1) || { cat build-windows/cpack.log >&2; exit 1; }
echo "$PWD/$(ls build-windows/torvik-*-windows-x64.zip)"
