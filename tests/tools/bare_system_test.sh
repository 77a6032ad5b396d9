#!/usr/bin/env bash
# A bare system whose unmount fails is never removed through its mounts: a
# scratch folder, bound in where the host's /dev would be, keeps its files,
# and the script names the mount it left. Needs root, as the scripts do.
set -euo pipefail
source "$(dirname "$0")/../../tools/bare-system.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: binding folders needs root"
  exit 77
fi

scratch=$(mktemp -d /var/tmp/torvik-bare-test.XXXXXX)
tree=$scratch/system
host=$scratch/host-dev
tidy() {
  umount -R -l "$tree/dev" 2>/dev/null || true
  [ -n "$(bare_mounts_under "$scratch")" ] || rm -rf "$scratch"
}
trap tidy EXIT
mkdir -p "$tree/etc" "$host/pts"
echo kept >"$host/null"
echo kept >"$host/pts/0"

bare_bind "$host" "$tree/dev"
[ "$(bare_mounts_under "$tree")" = "$tree/dev" ] || fail "the bind is not seen: $(bare_mounts_under "$tree")"

# The unmount fails, as it does when something holds the mount busy.
umount() { return 32; }
if bare_release 2>"$scratch/release.err"; then fail "a failed unmount was reported as done"; fi
grep -qF "could not unmount $tree/dev" "$scratch/release.err" ||
  fail "the failed unmount was not named: $(cat "$scratch/release.err")"
if bare_remove "$tree" 2>"$scratch/remove.err"; then fail "a tree with a mount inside was removed"; fi
grep -qF "still mounted inside it" "$scratch/remove.err" && grep -qF "  $tree/dev" "$scratch/remove.err" ||
  fail "the mount left was not named: $(cat "$scratch/remove.err")"
[ -d "$tree/etc" ] || fail "the tree was partly removed"
for file in null pts/0; do
  [ "$(cat "$host/$file")" = kept ] || fail "the bound-in folder lost $file"
done

# Once the unmount works, the tree goes and the bound-in folder stays.
unset -f umount
BARE_MOUNTS=("$tree/dev")
bare_release || fail "the unmount failed for real"
bare_remove "$tree" || fail "an unmounted tree was not removed"
[ ! -e "$tree" ] || fail "the tree is still there"
[ "$(cat "$host/null")" = kept ] && [ "$(cat "$host/pts/0")" = kept ] || fail "the bound-in folder lost files"
echo "a failed unmount left the tree and the folder bound in whole, and said so; then the tree went"
