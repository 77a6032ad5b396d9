#!/usr/bin/env bash
# The portable archive as a player unpacks it: one folder holding the files of
# layout.txt, owned by root and all stamped with one time; its game, for the
# CPU its name says, needs only the C library and libGL (dynamic section), no
# C library newer than 2.31 (version needs) and no runtime path; its
# install.sh puts the desktop's files in place and takes them away.
#   contents.sh ARCHIVE
set -euo pipefail
archive=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
[[ "$(basename "$archive")" =~ ^(torvik-[0-9.]+)-linux-(x86_64|aarch64)\.tar\.gz$ ]] ||
  fail "not a portable archive's name: $archive"
folder=${BASH_REMATCH[1]} arch=${BASH_REMATCH[2]}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

diff <(tar -tzf "$archive" | sort) \
  <({ echo "$folder/"; sed "s|^|$folder/|" "$(dirname "$0")/layout.txt"; } | sort) ||
  fail "the archive's files differ from layout.txt (above: < the archive's, > the list's)"
tar -tvzf "$archive" --numeric-owner --full-time >"$out/listing"
owners=$(awk '{ print $2 }' "$out/listing" | sort -u)
[ "$owners" = 0/0 ] || fail "owned by $owners, not root"
times=$(awk '{ print $4, $5 }' "$out/listing" | sort -u)
[ "$(wc -l <<<"$times")" -eq 1 ] || fail "stamped with more than one time: $times"

tar -C "$out" -xzf "$archive"
game=$out/$folder/torvik
machine=$(readelf -h "$game" | sed -n 's/^ *Machine: *//p')
case "$arch" in
  x86_64) [ "$machine" = "Advanced Micro Devices X86-64" ] || fail "a game for $machine" ;;
  aarch64) [ "$machine" = AArch64 ] || fail "a game for $machine" ;;
esac
# glibc 2.31 keeps libdl, libpthread and the loader's own symbols apart from
# libc; all are its.
needed=$(readelf -d "$game" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' | sort)
others=$(grep -vxE 'lib(c|m|dl|pthread|rt)\.so\.[0-9]+|ld-linux-(x86-64|aarch64)\.so\.[12]|libGL\.so\.1|libOpenGL\.so\.0' <<<"$needed" || true)
[ -z "$others" ] || fail "the game needs $(echo $others) beside the C library and libGL"
grep -qxE 'libGL\.so\.1|libOpenGL\.so\.0' <<<"$needed" || fail "the game does not name libGL"
! readelf -d "$game" | grep -qE '\((RPATH|RUNPATH)\)' || fail "the game has a runtime path"
versions=$(readelf -V "$game" | sed -n 's/.*Name: \(GLIBC_[0-9.]*\).*/\1/p' | sort -uV)
newest=$(tail -n 1 <<<"$versions")
[ "$(printf '%s\n' "$newest" GLIBC_2.31 | sort -V | tail -n 1)" = GLIBC_2.31 ] ||
  fail "the game needs $newest"
! readelf -V "$game" | grep -qE 'Name: (GLIBCXX|CXXABI|GCC)_' || fail "the game needs a C++ runtime"
# install.sh puts the desktop's files in the user's data folder, the menu
# entry starting the game where it is (a folder name with a space quoted),
# and takes them away again.
mkdir "$out/a folder"
mv "$out/$folder" "$out/a folder/"
installed=$out/data
XDG_DATA_HOME=$installed sh "$out/a folder/$folder/install.sh" >/dev/null
# (The menu's own cache, mimeinfo.cache, is the desktop's.)
ours() { find "$installed" -type f ! -name mimeinfo.cache; }
[ "$(ours | wc -l)" -eq 9 ] || fail "install.sh put $(ours)"
entry=$installed/applications/org.torvik.torvik.desktop
grep -qxF "Exec=\"$out/a folder/$folder/torvik\"" "$entry" || fail "the menu entry: $(grep Exec "$entry")"
! command -v desktop-file-validate >/dev/null || desktop-file-validate "$entry" ||
  fail "the installed menu entry is not valid"
XDG_DATA_HOME=$installed sh "$out/a folder/$folder/install.sh" remove
[ -z "$(ours)" ] || fail "install.sh remove left $(ours)"
# A folder whose path a menu entry cannot carry plainly is refused, untouched.
mv "$out/a folder" "$out/a \$folder"
! XDG_DATA_HOME=$installed sh "$out/a \$folder/$folder/install.sh" 2>/dev/null ||
  fail "install.sh took a folder with a \$ in its path"
[ -z "$(ours)" ] || fail "install.sh, refusing, still put $(ours)"

echo "$folder for $arch: $(wc -l <"$out/listing") entries as listed, owned by root, one time;" \
  "needs $(echo $needed), $newest at most; $(du -k "$archive" | cut -f1) KB"
