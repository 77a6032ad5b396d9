#!/usr/bin/env bash
# Every download of one commit into dist/VERSION/, with their checksums, and
# prints the folder last:
#   torvik-VERSION-web.zip           the site, index.html at its root: a game
#                                    portal's upload, or any static host's
#   torvik_VERSION_ARCH.deb          amd64, arm64 and armhf (tools/package.sh)
#   torvik-VERSION-windows-x64.zip   (tools/windows.sh)
#   the portable Linux archives      (tools/portable.sh, where it exists)
#   SHA256SUMS                       over all of them
#   RELEASE.md                       the release's notes, from packaging/changelog
# Everything is stamped with the commit's time, so two runs from two clones
# of one commit give the same SHA256SUMS. The builds go two at a time, each
# into the folder its own command uses; each step's time and log are shown.
#   tools/release.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# A release is of one commit: changes not committed would be in the files but
# not in the commit they are named after.
if git rev-parse --git-dir >/dev/null 2>&1 && [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "The work tree has changes not committed; a release is built from a commit alone." >&2
  exit 1
fi
version=$(sed -n '1s/^torvik (\([^)]*\)).*/\1/p' packaging/changelog)
project=$(sed -n 's/^project(Torvik VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
if [ -z "$version" ] || [ "$version" != "$project" ]; then
  echo "packaging/changelog's top entry (${version:-none}) is not the project's version ($project)." >&2
  exit 1
fi
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(tools/source-date.sh)}
export SOURCE_DATE_EPOCH
dist=$root/dist/$version
logs=$root/build-release
rm -rf "$dist" "$logs"
mkdir -p "$dist" "$logs"

source tools/common.sh
started=$SECONDS

# Everything the builds need, installed at once: the two lanes' installs
# would otherwise wait on each other's apt.
echo "== Packages"
tools/install-deps.sh web package package-arm64 package-armhf windows portable

# Runs one build, its output in build-release/NAME.log, and copies into the
# release the file whose path the command prints last.
step() {
  local name=$1 begun=$SECONDS file
  shift
  if ! "$@" >"$logs/$name.log" 2>&1; then
    echo "$name: failed after $(took "$begun"); its log: $logs/$name.log" >&2
    return 1
  fi
  file=$(tail -n 1 "$logs/$name.log")
  if ! [ -f "$file" ]; then
    echo "$name: no file where it said, \"$file\"; its log: $logs/$name.log" >&2
    return 1
  fi
  # Readable by all, as a web server that publishes them must read them,
  # whatever the builder's umask.
  install -m 644 "$file" "$dist/"
  echo "$name: $(basename "$file"), $(took "$begun")"
}

web() {
  tools/web.sh build
  cmake --build --preset web --target torvik_web_zip >/dev/null
  echo "$root/build-web/torvik-$version-web.zip"
}

# Two lanes side by side, one build at a time in each: the machine may have
# only two cores, and each build uses them all.
lane_one() {
  step web web && step windows tools/windows.sh || return 1
  if [ -x tools/portable.sh ]; then
    step portable-x86_64 tools/portable.sh x86_64 && step portable-aarch64 tools/portable.sh aarch64
  fi
}
lane_two() {
  step deb-amd64 tools/package.sh && step deb-arm64 tools/package.sh arm64 &&
    step deb-armhf tools/package.sh armhf
}
echo "== Builds, two at a time (logs in $logs)"
[ -x tools/portable.sh ] ||
  echo "portable Linux archives: left out, as this tree has no tools/portable.sh"
lane_one &
one=$!
lane_two &
two=$!
status=0
wait "$one" || status=1
wait "$two" || status=1
[ "$status" -eq 0 ] || { echo "The release is not complete: see the failed steps above." >&2; exit 1; }

# The checksums, and the notes from the changelog's top entry: its lines up
# to the maintainer's, its date, and what each file is for.
cd "$dist"
mapfile -t files < <(find . -maxdepth 1 -type f -printf '%P\n' | LC_ALL=C sort)
sha256sum -- "${files[@]}" >SHA256SUMS
about() {
  case "$1" in
    *-web.zip) echo "the game in the browser: a game portal's upload, or unpacked onto any static host" ;;
    *_amd64.deb) echo "Debian 12 and 13 on a PC: \`sudo apt install ./$1\`" ;;
    *_arm64.deb) echo "Raspberry Pi OS, 64-bit (Pi 3, 4, 5, Zero 2 W)" ;;
    *_armhf.deb) echo "Raspberry Pi OS, 32-bit (Pi 2 or later)" ;;
    *-windows-x64.zip) echo "64-bit Windows 7 or later: unpacked anywhere, \`torvik.exe\` runs" ;;
    *x86_64*) echo "any Linux on a PC, unpacked anywhere" ;;
    *aarch64*) echo "any 64-bit ARM Linux, unpacked anywhere" ;;
    *) echo "" ;;
  esac
}
{
  echo "# Torvik $version"
  echo
  released=$(sed -n 's/^ -- .*>  //p' "$root/packaging/changelog" | head -n 1 | cut -d' ' -f1-4)
  commit=$(git -C "$root" rev-parse --short=12 HEAD 2>/dev/null || true)
  echo "Released $released${commit:+, from commit $commit}."
  echo
  sed -n '3,/^ -- /p' "$root/packaging/changelog" | sed '/^ -- /d; /^$/d; s/^  //'
  echo
  echo "| File | For | Bytes |"
  echo "|---|---|---|"
  for file in "${files[@]}"; do
    echo "| \`$file\` | $(about "$file") | $(stat -c %s "$file") |"
  done
  echo
  echo "Each is built reproducibly from the release's commit. To check a download, in its folder:"
  echo "\`sha256sum --check --ignore-missing SHA256SUMS\`."
} >RELEASE.md
chmod 644 SHA256SUMS RELEASE.md

echo "== The release, in $(took "$started"): ${#files[@]} files, SHA256SUMS and RELEASE.md"
echo "$dist"
