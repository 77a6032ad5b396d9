#!/usr/bin/env bash
# The portable game taken out of its archive and played where a player would
# unpack it: bare Debian 11, 12 and 13 systems holding only the C library,
# Mesa's GL and the window systems' client libraries (no GLFW, no GLU, no C++
# runtime of the game's). In each, under the tests' X display: its window
# opens, the cursor keys move the creature, a close request ends it with
# status 0, and its tick log is the native game's byte for byte. In Debian 13
# it is also a native Wayland client of a headless sway, under its app_id.
# As root (debootstrap, chroot, mounts).
#   runs.sh prepare                 makes the three systems, or keeps them
#   runs.sh ARCHIVE TICK_LOG        the same, then the game played in each
# The systems are kept in /var/tmp/torvik-bare/, one of each release for each
# work tree. The Wayland run borrows the sway of the trixie stage's system
# (tools/bare-test.sh), made here if it is not made yet.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
source "$source_dir/tools/bare-system.sh"
source "$source_dir/tools/common.sh"
[ "$(id -u)" -eq 0 ] || { echo "$0 needs root (debootstrap, chroot, mounts)" >&2; exit 2; }

home=/var/tmp/torvik-bare
tree_id=$(printf '%s' "$source_dir" | md5sum | cut -c1-12)
releases=(bullseye bookworm trixie)
mapfile -t packages < <("$source_dir/tools/install-deps.sh" --list portable-run)
trap 'bare_release' EXIT


# Makes the system of release $1, or keeps it when it holds what it should.
prepare() {
  local release=$1 root="$home/$1-portable-run-$tree_id" started=$SECONDS
  local stamp="$root/etc/torvik-bare-packages"
  exec {lock}>"$root.lock"
  flock "$lock"
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "${packages[*]}" ]; then
    exec {lock}>&-
    return 0
  fi
  # A system made but not finished (stopped while installing) is finished.
  bare_make_once "$release" "$root" || return 1
  bare_install "$root" portable-run >/dev/null
  echo "${packages[*]}" >"$stamp"
  echo "bare $release for the portable game: made in $(took "$started")"
  exec {lock}>&-
}

for release in "${releases[@]}"; do
  prepare "$release"
done
[ "${1:-}" != prepare ] || exit 0
"$source_dir/tools/bare-test.sh" prepare trixie

archive=$(realpath "$1") tick_log=$(realpath "$2")
: "${DISPLAY:?the tests' X display}" "${SEND_CLOSE:?path of send_close}"
: "${NATIVE_TICK_LOG:?the native build's tick_log}"
out=$(mktemp -d)
folder=$(basename "$archive")
folder=${folder%-linux-*}

# Runs the game (or another program) of system $ROOT, in the one process, so
# that the tests find its window by the process id they started: chroot and
# env each hand over to the next.
cat >"$out/in_system" <<'EOF'
#!/bin/sh
exec chroot "$ROOT" /usr/bin/env -i HOME=/root PATH=/usr/bin:/bin LANG=C.UTF-8 $GAME_ENV "$@"
EOF
chmod +x "$out/in_system"

for release in "${releases[@]}"; do
  root="$home/$release-portable-run-$tree_id"
  rm -rf "$root/opt/torvik"
  mkdir -p "$root/opt/torvik"
  tar -C "$root/opt/torvik" -xzf "$archive"
  cp "$tick_log" "$root/opt/torvik/tick_log"
  bare_enter "$root"
  echo "== $release: $(bare_run "$root" / 'ldd --version | head -n 1')"
  ROOT=$root GAME_ENV="" bash "$here/../ticks/same_ticks.sh" "$NATIVE_TICK_LOG" \
    "$out/in_system" /opt/torvik/tick_log
  ROOT=$root GAME_ENV="DISPLAY=$DISPLAY" TORVIK_BIN="/opt/torvik/$folder/torvik" \
    TORVIK_EMULATOR="$out/in_system" E2E_OUT="$out/$release" bash "$here/play_x11.sh"
  if [ "$release" = trixie ]; then
    ROOT=$root TORVIK_BIN="/opt/torvik/$folder/torvik" IN_SYSTEM="$out/in_system" \
      SWAY_ROOT="$home/trixie-$tree_id" E2E_OUT="$out/wayland" bash "$here/wayland.sh"
  fi
  bare_release
done
rm -rf "$out"
