#!/usr/bin/env bash
# Tries the README's commands as a newcomer would: on a bare Debian (debootstrap
# --variant=minbase, nothing else), with the repository cloned in, each command
# in a fresh copy of that bare system. A developer's tool, not part of the
# test command: it needs root, debootstrap and the Debian registry, and here
# Xvfb, xdotool and libx11-dev for the window play.sh opens.
#   tools/fresh-check.sh [RELEASE...] [-- COMMAND...]
#     RELEASE: bookworm (Debian 12), trixie (Debian 13); default both
#     COMMAND: play web package arm64 armhf windows portable release test;
#              default all
# Prints a line per command with its result and time; the logs stay in the
# folder it names. It checks what is committed (HEAD), not the work tree.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)

releases=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
  releases+=("$1")
  shift
done
[ "${1:-}" != -- ] || shift
commands=("$@")
[ ${#releases[@]} -gt 0 ] || releases=(bookworm trixie)
[ ${#commands[@]} -gt 0 ] || commands=(play web package arm64 armhf windows portable release test)
for release in "${releases[@]}"; do
  case "$release" in bookworm | trixie) ;; *) echo "unknown release: $release" >&2; exit 2 ;; esac
done
for command in "${commands[@]}"; do
  case "$command" in play | web | package | arm64 | armhf | windows | portable | release | test) ;;
    *) echo "unknown command: $command" >&2; exit 2 ;;
  esac
done
[ "$(id -u)" -eq 0 ] || { echo "fresh-check.sh needs root (debootstrap, chroot)" >&2; exit 2; }
for tool in debootstrap Xvfb xdotool g++ git; do
  command -v "$tool" >/dev/null || { echo "fresh-check.sh needs $tool here" >&2; exit 2; }
done

source "$source_dir/tools/bare-system.sh"
source "$source_dir/tools/common.sh"
work=$(mktemp -d /var/tmp/torvik-fresh.XXXXXX)
echo "fresh-check: logs in $work"
VIRTUAL_DISPLAY_PID=""
# The systems are large; the logs are what is kept. A system with anything
# still mounted inside is kept too, and named: removing it would reach
# through the mount into the host's own files.
cleanup() {
  local status=$? dir
  bare_release || status=1
  [ -z "$VIRTUAL_DISPLAY_PID" ] || kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
  for dir in "$work"/*/; do
    [ ! -d "$dir" ] || bare_remove "${dir%/}" || status=1
  done
  exit "$status"
}
trap cleanup EXIT

# The close request a window manager sends, for the game play.sh starts.
g++ -O1 -o "$work/send_close" "$source_dir/tests/e2e/send_close.cpp" -lX11

# A display on the host for play.sh's window; the bare system reaches it
# through the X socket folder bound in.
start_virtual_display 1024 768 "$work/display" || exit 1
host_display=$VIRTUAL_DISPLAY

# A fresh copy of the bare system with the repository in /root/torvik, ready
# for chroot.
prepare() {
  local base=$1 root=$2
  cp -a "$base" "$root"
  git clone --quiet --no-hardlinks "$source_dir" "$root/root/torvik"
  bare_enter "$root"
}

# Runs a shell command line as root inside, in the repository, with a clean
# environment and the variables of extra_env.
inside() {
  local root=$1
  shift
  bare_run "$root" /root/torvik "${extra_env[@]}" "$*"
}

manual_packages() { chroot "$1" apt-mark showmanual | sort; }

# play.sh builds the game and opens its window on the host's display; a
# close request must end it with status 0, and it must have installed the
# game's packages and nothing else.
check_play() {
  local root=$1 log=$2
  manual_packages "$root" >"$log.before"
  extra_env=("DISPLAY=$host_display")
  inside "$root" tools/play.sh >"$log" 2>&1 &
  local pid=$! window=""
  # Installing and building come first; the window is looked for as long as
  # the command runs.
  while kill -0 "$pid" 2>/dev/null; do
    window=$(DISPLAY=$host_display xdotool search --onlyvisible --name '^Torvik$' 2>/dev/null |
      head -n 1) || true
    [ -z "$window" ] || break
    sleep 1
  done
  extra_env=()
  if [ -z "$window" ]; then
    wait "$pid" || true
    echo "no window appeared" >>"$log"
    return 1
  fi
  DISPLAY=$host_display "$work/send_close" "$window"
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || { echo "the game ended with status $status" >>"$log"; return 1; }
  manual_packages "$root" >"$log.after"
  local added expected
  added=$(comm -13 "$log.before" "$log.after")
  expected=$(inside "$root" tools/install-deps.sh --list game | sort | comm -23 - "$log.before")
  if [ "$added" != "$expected" ]; then
    { echo "installed beyond the game's packages:"; diff <(echo "$expected") <(echo "$added"); } >>"$log"
    return 1
  fi
  echo "installed: $(echo "$added" | tr '\n' ' ')" >>"$log"
}

check_package() {
  local root=$1
  inside "$root" 'tools/package.sh && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    ./build-package/torvik_*.deb >/dev/null && test -x /usr/games/torvik &&
    test -f /usr/share/man/man6/torvik.6.gz && echo "installed: $(dpkg-query -W torvik)"'
}

extra_env=()
failed=0
for release in "${releases[@]}"; do
  base="$work/$release-bare"
  started=$SECONDS
  if ! bare_make "$release" "$base" "$work/$release-debootstrap.log"; then
    printf '%-9s %-24s FAILED  (%s)\n' "$release" debootstrap "$work/$release-debootstrap.log"
    failed=1
    continue
  fi
  printf '%-9s %-24s ok      %s\n' "$release" debootstrap "$(took "$started")"
  for command in "${commands[@]}"; do
    root="$work/$release-$command"
    log="$work/$release-$command.log"
    prepare "$base" "$root"
    started=$SECONDS
    status=0
    case "$command" in
      play) label="tools/play.sh"; check_play "$root" "$log" || status=$? ;;
      web) label="tools/web.sh build"; inside "$root" tools/web.sh build >"$log" 2>&1 || status=$? ;;
      package) label="tools/package.sh + apt"; check_package "$root" >"$log" 2>&1 || status=$? ;;
      arm64 | armhf)
        label="tools/package.sh $command"
        inside "$root" tools/package.sh "$command" >"$log" 2>&1 || status=$?
        ;;
      windows) label="tools/windows.sh"; inside "$root" tools/windows.sh >"$log" 2>&1 || status=$? ;;
      portable) label="tools/portable.sh"; inside "$root" tools/portable.sh >"$log" 2>&1 || status=$? ;;
      release) label="tools/release.sh"; inside "$root" tools/release.sh >"$log" 2>&1 || status=$? ;;
      test) label="tools/test.sh"; inside "$root" tools/test.sh >"$log" 2>&1 || status=$? ;;
    esac
    time_taken=$(took "$started")
    if [ "$status" -eq 0 ]; then
      printf '%-9s %-24s ok      %s\n' "$release" "$label" "$time_taken"
    else
      printf '%-9s %-24s FAILED  %s  (%s)\n' "$release" "$label" "$time_taken" "$log"
      failed=1
    fi
    bare_release || exit 1
    bare_remove "$root" || exit 1
  done
  bare_remove "$base" || exit 1
done
exit "$failed"
