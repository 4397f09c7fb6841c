# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that check the project on a clean Debian 12: makes
# one with debootstrap from the mirror that apt uses on this machine, so
# that nothing installed here by hand is there. Needs root and debootstrap
# (the sourcing script installs it).

# The Debian 12 mirror that apt uses on this machine.
debian_mirror() {
  apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 2>/dev/null |
    awk '$2 == "bookworm" {print $1; exit}'
}

# make_debian_root ROOT LOG: a minimal Debian 12 in ROOT (anything there
# before is removed), able to reach the mirror; debootstrap's output in LOG.
make_debian_root() {
  local root=$1 log=$2 mirror
  mirror=$(debian_mirror)
  [ -n "$mirror" ] || { echo "apt has no Debian 12 (bookworm) mirror configured" >&2; return 1; }
  echo "making a clean Debian 12 in $root from $mirror"
  # A run stopped half-way may have left its mounts: never delete through them.
  unmount_below "$root"
  rm -rf --one-file-system "$root"
  mkdir -p "$(dirname "$root")"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$log" 2>&1 ||
    { tail -20 "$log" >&2; return 1; }
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

# unmount_below FOLDER: unmounts everything mounted at or below FOLDER,
# deepest first, so that removing it never reaches into the machine's own
# /dev, /proc or /sys.
unmount_below() {
  local folder mounts m
  folder=$(realpath -m "$1")
  mounts=$(awk -v f="$folder" '$2 == f || index($2, f "/") == 1 {print $2}' /proc/self/mounts | sort -r)
  for m in $mounts; do umount -l "$m" 2>/dev/null || true; done
  ! awk -v f="$folder" '$2 == f || index($2, f "/") == 1 {found = 1} END {exit !found}' /proc/self/mounts
}
