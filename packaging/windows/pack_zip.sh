#!/usr/bin/env bash
# Packs the folder NAME in DIR into the .zip ZIP the same way on every
# machine: its files in sorted order, each stamped with SOURCE_DATE_EPOCH
# (tools/source-date.sh unless given) in UTC, with the modes install() gave
# them, and no owner, folder entries or other extra fields. NAME "." packs
# DIR's files at the .zip's root.
#   pack_zip.sh DIR NAME ZIP
set -euo pipefail
epoch=${SOURCE_DATE_EPOCH:-$(bash "$(dirname "$0")/../../tools/source-date.sh")}
zip=$(realpath -m "$3")
cd "$1"
find "$2" -type f -exec touch -d "@$epoch" {} +
rm -f "$zip"
find "$2" -type f | LC_ALL=C sort | TZ=UTC zip -X -D -q "$zip" -@
