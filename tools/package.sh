#!/usr/bin/env bash
# Builds the Debian package from a stripped release build of its own (so the
# tests' build is left alone) and prints the path of the .deb last.
#   tools/package.sh [BUILD_DIRECTORY [CMAKE_ARGUMENT...]]   (default: build-package)
set -euo pipefail
dir=$(realpath -m "${1:-$(dirname "$0")/../build-package}")
shift $(($# > 0 ? 1 : 0))
cd "$(dirname "$0")/.."
tools/install-deps.sh package

# Debian's own hardening flags, all of them, as its packages are built with.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake --preset package -B "$dir" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)" >/dev/null
rm -f "$dir"/torvik_*.deb
(cd "$dir" && cpack -G DEB >cpack.log 2>&1) || { cat "$dir/cpack.log" >&2; exit 1; }
ls "$dir"/torvik_*.deb
