#!/usr/bin/env bash
# A download built a second time from this source tree, copied to another
# folder and built there under another umask and time zone, is byte for byte
# the first: whoever builds one commit, wherever, gets the same file.
#   reproducible.sh deb FIRST   (tools/package.sh)
#   reproducible.sh zip FIRST   (tools/windows.sh)
# FIRST is the first build's file, or the folder holding it. Both builds take
# SOURCE_DATE_EPOCH from tools/source-date.sh of this tree unless it is given.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
kind=$1
first=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
if [ -d "$first" ]; then
  found=("$first"/torvik[_-]*."$kind")
  [ ${#found[@]} -eq 1 ] || fail "expected one .$kind in $first"
  first=${found[0]}
fi
[ -f "$first" ] || fail "no first build at $first"
first=$(realpath "$first")
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$("$source_dir/tools/source-date.sh")}
export SOURCE_DATE_EPOCH

# Deeper than the first and of another length, so that a path of either
# build left in the download shows.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy=$work/elsewhere/torvik-source
mkdir -p "$copy"
tar -C "$source_dir" --exclude=./.git --exclude='./build*' --exclude=node_modules -cf - . |
  tar -C "$copy" -xf -

# A user's umask that keeps everything private, and a time zone 13:45 hours
# east of UTC (given as a rule, so no zone files are needed).
case "$kind" in
  deb) second=$(umask 077 && TZ=XST-13:45 "$copy/tools/package.sh" "$work/second" | tail -n 1) ;;
  zip) second=$(umask 077 && TZ=XST-13:45 "$copy/tools/windows.sh" | tail -n 1) ;;
  *) fail "usage: $0 deb|zip FIRST" ;;
esac
[ "$(basename "$second")" = "$(basename "$first")" ] || fail "the second build is $second"

if ! cmp "$first" "$second"; then
  # Where they differ: the members' listings, then the files inside.
  mkdir "$work/a" "$work/b"
  if [ "$kind" = deb ]; then
    diff <(dpkg-deb -c "$first") <(dpkg-deb -c "$second") >&2 || true
    dpkg-deb -x "$first" "$work/a" && dpkg-deb -x "$second" "$work/b"
  else
    diff <(cmake -E tar tvf "$first") <(cmake -E tar tvf "$second") >&2 || true
    (cd "$work/a" && cmake -E tar xf "$first") && (cd "$work/b" && cmake -E tar xf "$second")
  fi
  diff -rq "$work/a" "$work/b" >&2 || true
  fail "$(basename "$first") built again in $copy differs from the first"
fi
echo "$(basename "$first"): built again elsewhere, the same $(wc -c <"$first") bytes"
