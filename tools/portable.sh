#!/usr/bin/env bash
# The portable Linux game: one archive that runs on any distribution with
# glibc 2.31 or later (Debian 11, Ubuntu 20.04, Fedora, Arch, a Steam Deck's
# SteamOS), needing only the C library, libGL and the window system's own
# client libraries. Prints the archive's path last. As root (debootstrap,
# chroot, mounts).
#   tools/portable.sh [x86_64|aarch64]   default x86_64; aarch64 is cross-built
#   tools/portable.sh --prepare [ARCH]   only the Debian 11 made ready for it
# It is built inside a bare Debian 11, made here and kept between runs in
# /var/tmp/torvik-bare/, so that its C library floor is Debian 11's 2.31: the
# C library a program is linked against is the oldest it runs on. Two builds
# of one commit are byte for byte the same archive, stamped with
# SOURCE_DATE_EPOCH (tools/source-date.sh).
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$source_dir/tools/bare-system.sh"
source "$source_dir/tools/common.sh"

prepare_only=false
if [ "${1:-}" = --prepare ]; then
  prepare_only=true
  shift
fi
arch=${1:-x86_64}
case "$arch" in
  x86_64) task=portable-build cross=() ;;
  aarch64)
    task=portable-build-aarch64
    cross=(-DCMAKE_TOOLCHAIN_FILE=packaging/cross/arm64.cmake)
    ;;
  *) echo "usage: $0 [x86_64|aarch64]" >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "$0 needs root (debootstrap, chroot, mounts)" >&2; exit 2; }
"$source_dir/tools/install-deps.sh" portable
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$("$source_dir/tools/source-date.sh")}
export SOURCE_DATE_EPOCH

# One build system for each work tree; what either architecture needs is
# added to it when first asked for.
home=/var/tmp/torvik-bare
mkdir -p "$home"
root="$home/bullseye-portable-$(printf '%s' "$source_dir" | md5sum | cut -c1-12)"
stamp="$root/etc/torvik-bare-packages"
exec {lock}>"$root.lock"
flock "$lock"
trap 'bare_release' EXIT


mapfile -t packages < <("$source_dir/tools/install-deps.sh" --list "$task")
if ! [ -f "$stamp" ] || [ -n "$(comm -13 <(sort "$stamp") <(printf '%s\n' "${packages[@]}" | sort))" ]; then
  started=$SECONDS
  bare_make_once bullseye "$root" || exit 1
  bare_install "$root" "$task" >&2
  sort -u <(cat "$stamp" 2>/dev/null) <(printf '%s\n' "${packages[@]}") >"$stamp.new"
  mv "$stamp.new" "$stamp"
  echo "bare bullseye: made ready in $(took "$started")" >&2
fi
! $prepare_only || exit 0

# The work tree as it is, over the last run's copy; the builds stay.
tree="$root/root/torvik"
mkdir -p "$tree"
find "$tree" -mindepth 1 -maxdepth 1 ! -name 'build*' -exec rm -rf {} +
tar -C "$source_dir" --exclude='./build*' --exclude=./.git --exclude='./tests/web/node_modules' \
  -cf - . | tar -C "$tree" -xf -

# A release build, stripped, with the build folders mapped out of it; the
# game and its desktop files installed into the archive's folder, the game at
# its top.
build=build-portable-$arch
stage=/root/torvik/$build/stage
maps="-ffile-prefix-map=/root/torvik=. -ffile-prefix-map=/root/torvik/$build=build"
bare_enter "$root"
bare_run "$root" /root/torvik "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH" "umask 022 && set -e
  cmake -S . -B $build ${cross[*]} -DCMAKE_BUILD_TYPE=Release -DTORVIK_PORTABLE=ON \
    -DTORVIK_BUILD_PACKAGE=ON -DTORVIK_INSTALL_GAMESDIR=. -DCMAKE_INSTALL_PREFIX=/opt/torvik \
    -DCMAKE_C_FLAGS='$maps' -DCMAKE_CXX_FLAGS='$maps' >$build.configure.log 2>&1 ||
    { cat $build.configure.log; exit 1; }
  cmake --build $build -j$(nproc) >$build/build.log 2>&1 || { tail -n 40 $build/build.log; exit 1; }
  rm -rf $stage
  cmake --install $build --prefix $stage/game --strip >/dev/null
  mkdir -p $stage/licences
  cp /usr/share/doc/libglu1-mesa-dev/copyright $stage/licences/GLU.txt
  cp /usr/share/doc/libstdc++6/copyright $stage/licences/C++-runtime.txt" >&2
bare_release

# The archive: one folder, sorted, owned by root, stamped with the commit's
# time, gzip without a name or time of its own.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/$build/CMakeCache.txt")
name=torvik-$version
out="$source_dir/build-portable"
pack="$out/$arch"
rm -rf "$pack"
mkdir -p "$pack/$name/licences"
cp -a "$tree/$build/stage/game/." "$pack/$name/"
rm -rf "$pack/$name/share/doc"
cp "$source_dir/packaging/copyright" "$pack/$name/licences/Torvik.txt"
cp "$source_dir/third_party/glfw-3.4/LICENSE.md" "$pack/$name/licences/GLFW.txt"
# GLFW's Wayland code is made from these protocols' descriptions.
for protocol in "$source_dir"/third_party/glfw-3.4/deps/wayland/*.xml; do
  echo "$(basename "$protocol" .xml):"
  sed -n '/<copyright>/,/<\/copyright>/{/copyright>/d;p}' "$protocol"
done >"$pack/$name/licences/Wayland-protocols.txt"
cp "$tree/$build/stage/licences/"* "$pack/$name/licences/"
cp "$source_dir/packaging/portable/install.sh" "$pack/$name/"
sed "s/@VERSION@/$version/g; s/@ARCH@/$arch/g" "$source_dir/packaging/portable/README.txt.in" \
  >"$pack/$name/README.txt"
chmod -R u=rwX,go=rX "$pack/$name"
chmod 755 "$pack/$name/torvik" "$pack/$name/install.sh"
archive="$out/$name-linux-$arch.tar.gz"
tar -C "$pack" --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$SOURCE_DATE_EPOCH" \
  --format=gnu -cf - "$name" | gzip -9n >"$archive"
# Its ticks, for the tests to compare with the native game's.
cp "$tree/$build/tick_log" "$out/tick_log-$arch"
echo "$archive"
