#!/usr/bin/env bash
# The game's own tests inside a bare Debian of another release, made here by
# debootstrap --variant=minbase: the test command's trixie stage, which puts
# Debian 13 (GLFW 3.4, the game a native Wayland client) in every test run on
# a Debian 12 machine. As root (debootstrap, chroot, mounts).
#   tools/bare-test.sh prepare RELEASE   makes the system and installs what the
#                                        tests use, unless it is made already
#   tools/bare-test.sh run RELEASE       the same, then the work tree copied in
#                                        and `tools/test.sh game` run inside
# The system is kept between runs on this machine, one for each work tree, in
# /var/tmp/torvik-bare/, with the builds inside it; packages the tests come to
# use are added to it, and one they no longer use has it made afresh.
# `prepare` says how long making and installing took.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$source_dir/tools/bare-system.sh"
source "$source_dir/tools/common.sh"

usage() { echo "usage: $0 prepare|run bookworm|trixie" >&2; exit 2; }
[ $# -eq 2 ] || usage
action=$1 release=$2
case "$action" in prepare | run) ;; *) usage ;; esac
case "$release" in bookworm | trixie) ;; *) usage ;; esac
[ "$(id -u)" -eq 0 ] || { echo "$0 needs root (debootstrap, chroot, mounts)" >&2; exit 2; }

# What the game stage inside installs: the game's, its tests', and on Debian
# 13, whose GLFW makes the game a Wayland client, the Wayland tests'.
tasks=(game game-tests)
[ "$release" = bookworm ] || tasks+=(wayland-tests)
mapfile -t packages < <("$source_dir/tools/install-deps.sh" --list "${tasks[@]}")
home=/var/tmp/torvik-bare
mkdir -p "$home"
root="$home/$release-$(printf '%s' "$source_dir" | md5sum | cut -c1-12)"
stamp="$root/etc/torvik-bare-packages"
wanted="$release ${packages[*]}"

# One prepare or run at a time for each system; a second waits.
exec {lock}>"$root.lock"
flock "$lock"

# Stopped part of the way (the test command ending early), it stops the
# step it is in, whole, and unmounts what it bound; a system left unfinished
# has no stamp, and is made afresh. Each long step runs as a job of its own,
# so that the stop is not put off until the step ends.
set -m
step_pid=""
step() {
  "$@" </dev/null &
  step_pid=$!
  local status=0
  wait "$step_pid" || status=$?
  step_pid=""
  return "$status"
}
trap 'bare_release' EXIT
trap '[ -z "$step_pid" ] || kill -TERM -- "-$step_pid" 2>/dev/null; exit 143' TERM INT

# Installs what the tests use inside, and says how long it took.
install_inside() {
  local started=$SECONDS
  mkdir -p "$root/root/tools"
  cp "$source_dir/tools/install-deps.sh" "$root/root/tools/"
  bare_enter "$root"
  step bare_run "$root" /root "tools/install-deps.sh ${tasks[*]}"
  bare_release
  echo "bare $release: installs $(took "$started"), $(du -sh "$root/var/cache/apt/archives" |
    cut -f1) downloaded"
  rm -rf "$root/root/tools" "$root"/var/cache/apt/archives/*.deb
  echo "$wanted" >"$stamp"
}

prepare() {
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
    echo "bare $release: kept from an earlier run ($root)"
    return 0
  fi
  # Packages added since: installed beside the others. Any taken away: the
  # system is made afresh, so nothing the tests no longer ask for stays.
  local dropped=none
  [ ! -f "$stamp" ] ||
    dropped=$(comm -23 <(tr ' ' '\n' <"$stamp" | sort) <(tr ' ' '\n' <<<"$wanted" | sort))
  if [ -z "$dropped" ]; then
    echo "bare $release: kept from an earlier run ($root), packages added"
    install_inside
    return 0
  fi
  bare_remove "$root"
  local started=$SECONDS
  step bare_make "$release" "$root" "$root.debootstrap.log" ||
    { echo "debootstrap failed: $root.debootstrap.log" >&2; return 1; }
  echo "bare $release: debootstrap $(took "$started")"
  # A system to throw away: dpkg need not wait for each file to reach the disk.
  echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/torvik-unsafe-io"
  install_inside
}

prepare
[ "$action" = run ] || exit 0

# The work tree as it is, committed or not, over the last run's copy; the
# builds of the last run stay.
tree="$root/root/torvik"
mkdir -p "$tree"
find "$tree" -mindepth 1 -maxdepth 1 ! -name 'build*' -exec rm -rf {} +
tar -C "$source_dir" --exclude='./build*' --exclude=./.git --exclude='./tests/web/node_modules' \
  -cf - . | tar -C "$tree" -xf -
bare_enter "$root"
# The stage's displays are its own: an X socket folder of its own over the
# host's, so that an X server starting on the host, which cannot see the
# lock files of one inside, never takes its socket away.
mkdir -p "$root.x11"
chmod 1777 "$root.x11"
bare_bind "$root.x11" "$root/tmp/.X11-unix"
step bare_run "$root" /root/torvik "tools/test.sh game"
