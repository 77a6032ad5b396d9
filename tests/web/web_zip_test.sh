#!/usr/bin/env bash
# The site's .zip as a game portal takes it: every file of the site at its
# root, index.html among them, and every file the page names there by a
# relative path; packed a second time under another umask and time zone,
# the same bytes.
#   web_zip_test.sh SITE
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
site=$1
pack=$(dirname "$0")/../../web/pack_site.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1700000000

bash "$pack" "$site" "$work/first.zip"
(umask 077 && TZ=XST-13:45 bash "$pack" "$site" "$work/second.zip")
cmp "$work/first.zip" "$work/second.zip" || fail "packed twice, the .zip differs"

diff <(cd "$site" && find . -type f -printf '%P\n' | LC_ALL=C sort) \
  <(unzip -Z1 "$work/first.zip") || fail "the .zip does not hold the site's files at its root"
mkdir "$work/unpacked"
(cd "$work/unpacked" && unzip -q "$work/first.zip")
# What the page and its manifest ask for, all found beside index.html; nothing
# from the host's root or another site.
named=$(grep -ohE '(href|src)="[^"#]*"' "$work/unpacked/index.html" | sed 's/^[a-z]*="//; s/"$//'
  grep -ohE '"(src|start_url|scope)": *"[^"]*"' "$work/unpacked/manifest.webmanifest" | sed 's/.*: *"//; s/"$//')
for name in $named; do
  case "$name" in
    /* | *://*) fail "index.html or the manifest names $name, not a relative path" ;;
    ./) ;;
    *) [ -f "$work/unpacked/$name" ] || fail "the page names $name, which the .zip lacks" ;;
  esac
done
echo "ok: $(unzip -Z1 "$work/first.zip" | wc -l) files at the root, each named relatively, the same packed twice"
