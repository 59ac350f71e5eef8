#!/usr/bin/env bash
# Proves the README's two commands on a minimal Debian 12, as a new user
# would meet them: makes a bare bookworm tree with debootstrap (minbase, plus
# git, sudo and ca-certificates), clones the current commit into it, runs the
# test command there (.ci/run) and then starts the run command (tools/run.sh)
# headless under Xvfb, checking that the main window appears and that the
# practice TNC answers. Needs root (debootstrap, chroot, mounts) and takes
# about half an hour on two cores; run it before resolving an issue that adds
# a dependency.
#
#   tools/check-fresh.sh [FOLDER]   the tree goes into FOLDER (default: a new
#                                   folder under /tmp), removed at the end
#                                   unless KEEP_TREE=1
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tree="${1:-$(mktemp -d /tmp/vellicor-fresh.XXXXXX)}"
commit="$(git -C "$root" rev-parse HEAD)"
started=$SECONDS

if [ "$(id -u)" -ne 0 ]; then
  echo "check-fresh: needs root (debootstrap, chroot and mounts)" >&2
  exit 2
fi

# The Debian mirror this machine's own apt uses, from either source format.
debian_mirror() {
  local uri
  uri="$(grep -hsE '^\s*URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null \
    | awk '{print $2}' | grep -E '/debian/?$' | head -n 1 || true)"
  if [ -z "$uri" ]; then
    uri="$(grep -hsE '^\s*deb\s' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
      | grep -vE 'security|\[' | awk '{print $2}' | grep -E '/debian/?$' | head -n 1 || true)"
  fi
  echo "${uri:-http://deb.debian.org/debian}"
}

mounted=()
cleanup() {
  local i
  for (( i=${#mounted[@]}-1; i>=0; i-- )); do
    umount -l "${mounted[$i]}" 2>/dev/null || true
  done
  if [ "${KEEP_TREE:-0}" != 1 ]; then
    rm -rf --one-file-system "$tree"
  fi
}
trap cleanup EXIT

mount_in_tree() {
  local target="$tree$1"; shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounted+=("$target")
}

in_tree() {
  chroot "$tree" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 CI=true /bin/bash -c "$1"
}

if ! command -v debootstrap >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
fi

mirror="$(debian_mirror)"
echo "== Minimal Debian 12 from $mirror into $tree"
debootstrap --variant=minbase --include=git,sudo,ca-certificates bookworm "$tree" "$mirror" \
  > "$tree.debootstrap.log" 2>&1 || { tail -n 30 "$tree.debootstrap.log" >&2; exit 1; }
rm -f "$tree.debootstrap.log"
cp /etc/resolv.conf "$tree/etc/resolv.conf"
mount_in_tree /proc -t proc proc
mount_in_tree /sys -t sysfs sys
mount_in_tree /dev --bind /dev
mount_in_tree /dev/pts --bind /dev/pts
mount_in_tree /dev/shm -t tmpfs shm

echo "== Cloning $commit"
git clone -q --no-local "$root" "$tree/root/vellicor"
git -C "$tree/root/vellicor" checkout -q "$commit"

echo "== The README's test command: bash .ci/run"
in_tree 'cd /root/vellicor && bash .ci/run < /dev/null'
echo "== Test command passed after $(( (SECONDS - started) / 60 )) min"

echo "== The README's run command, headless under Xvfb"
in_tree 'cd /root/vellicor && bash tools/check-run-headless.sh'
echo "== check-fresh passed on $commit in $(( (SECONDS - started) / 60 )) min"
