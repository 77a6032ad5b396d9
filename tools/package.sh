#!/usr/bin/env bash
# Builds the Debian package from a stripped release build of its own (so the
# tests' build is left alone) and prints the path of the .deb last. Given
# another CPU's Debian architecture (arm64, armhf: Raspberry Pi OS), it
# cross-builds with Debian's cross compilers and packaging/cross/ARCH.cmake.
#   tools/package.sh [ARCH] [BUILD_DIRECTORY [CMAKE_ARGUMENT...]]
#     ARCH             this machine's (the default), or one of packaging/cross/
#     BUILD_DIRECTORY  default build-package, for another CPU build-package-ARCH
# Two builds of one commit are byte for byte the same package: every file in
# it is stamped with SOURCE_DATE_EPOCH, the commit's time unless given
# (tools/source-date.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=$(dpkg --print-architecture)
native=$arch
# The first word names an architecture when there is a toolchain file for it;
# anything else is the build directory.
if [ $# -gt 0 ] && { [ "$1" = "$native" ] || [[ "$1" =~ ^[a-z0-9]+$ && -f "$root/packaging/cross/$1.cmake" ]]; }; then
  arch=$1
  shift
fi
suffix=""
[ "$arch" = "$native" ] || suffix=-$arch
dir=$(realpath -m "${1:-$root/build-package$suffix}")
shift $(($# > 0 ? 1 : 0))
cd "$root"

cross=()
if [ "$arch" = "$native" ]; then
  tools/install-deps.sh package
else
  tools/install-deps.sh "package-$arch"
  cross=(-DCMAKE_TOOLCHAIN_FILE="$root/packaging/cross/$arch.cmake")
fi
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(tools/source-date.sh)}
export SOURCE_DATE_EPOCH
# What the build writes is readable by all, as dpkg-buildpackage has it,
# whatever the caller's umask: the package's folders and the archive's own
# members take their modes from it.
umask 022

# Debian's own hardening flags, all of them, as its packages are built with,
# for the package's architecture. Its own path-mapping flag maps only the
# folder it is asked in; the build folder's generated files are named
# relative to it too, so that no path of this machine's is left in the game.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_HOST_ARCH=$arch
maps="-ffile-prefix-map=$root=. -ffile-prefix-map=$dir=build"
cmake --preset package -B "$dir" "${cross[@]}" \
  -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS) $maps" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS) $maps" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)" >/dev/null
rm -f "$dir"/torvik_*.deb
(cd "$dir" && cpack -G DEB >cpack.log 2>&1) || { cat "$dir/cpack.log" >&2; exit 1; }
ls "$dir"/torvik_*.deb
