#!/usr/bin/env bash
# Prints the time that every file in a package or the .zip is stamped with
# (SOURCE_DATE_EPOCH), so that two builds of one source are byte for byte the
# same: the last commit's time in a git work tree of the game; in a tree
# without one (unpacked from an archive), the date of the top entry of
# packaging/changelog, which each release adds.
set -euo pipefail
cd "$(dirname "$0")/.."
# Under sudo (tools/portable.sh) the work tree is another user's, which git
# otherwise refuses to read, and the time would silently be the changelog's.
git=(git -c safe.directory="$(pwd -P)")
if [ "$("${git[@]}" rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
  "${git[@]}" log -1 --format=%ct
else
  date -d "$(sed -n 's/^ -- .*>  //p' packaging/changelog | head -n 1)" +%s
fi
