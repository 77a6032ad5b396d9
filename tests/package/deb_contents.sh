#!/usr/bin/env bash
# The package that tools/package.sh built: lintian accepts it, it holds the
# layout under /usr with its manual page readable by man, its dependencies
# resolve, and what a desktop reads from it is valid. ARCHITECTURE is the
# package's Debian architecture, this machine's unless given.
source "$(dirname "$0")/common.sh"
: "${PACKAGE_DIR:?where tools/package.sh built the package}"
: "${VERSION:?the project version}"
native=$(dpkg --print-architecture)
arch=${ARCHITECTURE:-$native}
debs=("$PACKAGE_DIR"/torvik_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in $PACKAGE_DIR"
deb=${debs[0]}
[ "$(basename "$deb")" = "torvik_${VERSION}_$arch.deb" ] || fail "the package is named $(basename "$deb")"
# apt names a package of another architecture with it.
apt_name=torvik
[ "$arch" = "$native" ] || apt_name=torvik:$arch
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# Errors and warnings fail. Lintian is not meant to run as root: under root
# it reads a copy of the package as nobody.
lintian_as_user() {
  if [ "$(id -u)" -ne 0 ]; then
    lintian "$@"
    return
  fi
  local copy
  copy=$(mktemp -d)
  cp "$deb" "$copy/"
  chmod -R a+rX "$copy"
  (cd / && setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/nonexistent \
    lintian "$@" "$copy/$(basename "$deb")") || { rm -rf "$copy"; return 1; }
  rm -rf "$copy"
}
lintian_out=$(lintian_as_user --fail-on error,warning 2>&1) || fail "lintian: $lintian_out"
[ -z "$lintian_out" ] || fail "lintian says: $lintian_out"

for field in Package:torvik Section:games "Version:$VERSION" "Architecture:$arch"; do
  [ "$(dpkg-deb -f "$deb" "${field%%:*}")" = "${field#*:}" ] || fail "control field ${field%%:*}"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libglfw3 libglu1-mesa libopengl0; do
  grep -q "$library" <<<"$depends" || fail "no dependency on $library: $depends"
done

recommends=$(dpkg-deb -f "$deb" Recommends)
for library in libpulse0 libasound2; do
  grep -q "$library" <<<"$recommends" || fail "no recommendation of $library, which the sound opens: $recommends"
done

dpkg-deb -x "$deb" "$root"
check_layout "$root/usr"
check_desktop_metadata "$root/usr"
page=$(MANWIDTH=80 man --warnings -M "$root/usr/share/man" 6 torvik 2>"$root/man.err") ||
  fail "man 6 torvik: $(cat "$root/man.err")"
[ ! -s "$root/man.err" ] || fail "man page warnings: $(cat "$root/man.err")"
grep -q "Cursor Left" <<<"$page" || fail "the manual page names no keys"
grep -qE "^ +M +Sound +off" <<<"$page" || fail "the manual page does not name the M key"
# One version throughout: the package, its changelog, the manual page, the release entry.
zcat "$root/usr/share/doc/torvik/changelog.gz" | head -n 1 | grep -qF "torvik ($VERSION) " ||
  fail "the changelog does not start with version $VERSION"
tail -n 1 <<<"$page" | grep -qF "Torvik $VERSION" || fail "the manual page is not of version $VERSION"
grep -qF "<release version=\"$VERSION\"" "$root/usr/share/metainfo/$APP_ID.metainfo.xml" ||
  fail "the metainfo has no release entry for version $VERSION"

# Every dependency is one the archive (or this machine) can satisfy.
apt-get install --simulate "$deb" >"$root/apt.out" 2>&1 || fail "apt-get: $(cat "$root/apt.out")"
grep -q "^Inst $apt_name (" "$root/apt.out" || fail "apt-get would not install $apt_name: $(cat "$root/apt.out")"
echo "$(basename "$deb"): lintian clean, laid out under /usr, dependencies resolve"
