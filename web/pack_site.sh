#!/usr/bin/env bash
# Packs the built site into ZIP with index.html at its root, as a game portal
# takes it and any static host serves it unpacked: a copy of the site, its
# files readable by all whatever the builder's umask, packed the same way as
# the Windows .zip, so that one commit always gives the same bytes.
#   pack_site.sh SITE ZIP
set -euo pipefail
zip=$(realpath -m "$2")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp -R "$1"/. "$stage"
find "$stage" -type f -exec chmod 644 {} +
bash "$(dirname "$0")/../packaging/windows/pack_zip.sh" "$stage" . "$zip"
