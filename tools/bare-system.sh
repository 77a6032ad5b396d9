# Bare Debian systems, for trying the project as a newcomer would: made by
# debootstrap, entered by chroot with the host's /proc, /sys, /dev and X
# sockets bound in. Sourced, never run, by the scripts that make them.
#
# The binds reach the host's own files, and these scripts run as root, so a
# tree is removed only when nothing at all is mounted at or inside it: a
# mount that would not come off leaves the tree where it is, and the mounts
# still in it are named.

BARE_MOUNTS=()

# Binds SOURCE (with everything mounted below it) at TARGET inside a tree.
# What is unmounted inside TARGET later stays mounted at SOURCE.
bare_bind() {
  mkdir -p "$2"
  mount --rbind "$1" "$2"
  mount --make-rslave "$2"
  BARE_MOUNTS+=("$2")
}

# Unmounts what bare_bind mounted, the last first. Returns 1, naming it, for
# any that would not come off.
bare_release() {
  local i status=0
  for ((i = ${#BARE_MOUNTS[@]} - 1; i >= 0; --i)); do
    if ! umount -R "${BARE_MOUNTS[i]}" 2>/dev/null && ! umount -R -l "${BARE_MOUNTS[i]}" 2>/dev/null; then
      echo "could not unmount ${BARE_MOUNTS[i]}" >&2
      status=1
    fi
  done
  BARE_MOUNTS=()
  return "$status"
}

# The mount points at DIR or inside it, one a line, from the kernel's own
# table rather than from what this script remembers mounting.
bare_mounts_under() {
  local dir
  dir=$(realpath -m "$1")
  awk -v dir="$dir" '$5 == dir || index($5, dir "/") == 1 { print $5 }' /proc/self/mountinfo
}

# Removes DIR, but only when nothing is mounted at it or inside it;
# otherwise leaves it whole, says what is still mounted, and returns 1.
bare_remove() {
  [ -e "$1" ] || return 0
  local still
  still=$(bare_mounts_under "$1")
  if [ -n "$still" ]; then
    {
      echo "not removing $1: still mounted inside it:"
      sed 's/^/  /' <<<"$still"
    } >&2
    return 1
  fi
  rm -rf --one-file-system "$1"
}

# Makes a bare system of RELEASE (bookworm, trixie) in DIR, as
# debootstrap --variant=minbase makes it; its log goes to LOG.
bare_make() {
  local release=$1 dir=$2 log=$3
  debootstrap --variant=minbase "$release" "$dir" http://deb.debian.org/debian >"$log" 2>&1
}

# The certificate authorities the host's tools trust, carried in so that npm
# inside reaches the registry as it does here. They go to a place of their
# own: installing Debian's ca-certificates inside rewrites /etc/ssl/certs.
BARE_CA_DIR=/usr/local/share/bare-system-ca
BARE_ENV=()

# Makes ROOT ready for chroot: the host's name servers and certificate
# authorities copied in, /proc, /sys, /dev and the X sockets bound in.
bare_enter() {
  local root=$1 variable
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mkdir -p "$root$BARE_CA_DIR"
  BARE_ENV=()
  for variable in SSL_CERT_FILE NODE_EXTRA_CA_CERTS; do
    if [ -n "${!variable:-}" ] && [ -f "${!variable}" ]; then
      cp "${!variable}" "$root$BARE_CA_DIR/$variable.pem"
      BARE_ENV+=("$variable=$BARE_CA_DIR/$variable.pem")
    fi
  done
  bare_bind /proc "$root/proc"
  bare_bind /sys "$root/sys"
  bare_bind /dev "$root/dev"
  mkdir -p /tmp/.X11-unix
  bare_bind /tmp/.X11-unix "$root/tmp/.X11-unix"
}

# Runs a shell command line as root inside ROOT, in DIR, with a clean
# environment and any NAME=VALUE given before the command line.
#   bare_run ROOT DIR [NAME=VALUE...] COMMAND_LINE
bare_run() {
  local root=$1 dir=$2
  shift 2
  local extra=()
  while [ $# -gt 1 ]; do
    extra+=("$1")
    shift
  done
  chroot "$root" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb "${BARE_ENV[@]}" "${extra[@]}" bash -c "cd '$dir' && $1"
}

# Makes a bare system of RELEASE at ROOT unless one was made there already; one
# left unfinished (stopped while being made) is made afresh.
bare_make_once() {
  local release=$1 root=$2
  [ -f "$root.made" ] && [ -f "$root/etc/debian_version" ] && return 0
  bare_remove "$root"
  bare_make "$release" "$root" "$root.debootstrap.log" ||
    { echo "debootstrap failed: $root.debootstrap.log" >&2; return 1; }
  # A system to throw away: dpkg need not wait for each file to reach the disk.
  echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/torvik-unsafe-io"
  touch "$root.made"
}

# Installs inside ROOT what `tools/install-deps.sh TASK...` names, and leaves
# no downloads behind.
bare_install() {
  local root=$1
  shift
  mkdir -p "$root/root/tools"
  cp "$(dirname "${BASH_SOURCE[0]}")/install-deps.sh" "$root/root/tools/"
  bare_enter "$root"
  bare_run "$root" /root "tools/install-deps.sh $*"
  bare_release
  rm -rf "$root/root/tools" "$root"/var/cache/apt/archives/*.deb
}
