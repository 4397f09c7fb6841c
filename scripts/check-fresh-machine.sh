#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs CI as a new user's machine would: a clean clone of the committed
# HEAD inside a clean Debian 12 made by debootstrap, then `CI=true bash
# .ci/run` there as root. Nothing installed on this machine is in that root,
# so a command that no script installs fails here as it would on a fresh
# machine. The root has the machine's /proc, /dev and /sys, so that CI's own
# package check can make its nested Debian root and start an X server inside.
# Needs root and the Debian mirror that apt uses here; takes about ten
# minutes on an idle two-core machine, most of it building, and several
# times that on one busy with other builds.
#
# Usage: scripts/check-fresh-machine.sh [WORK_FOLDER]   (default build/fresh-machine)
# The log is WORK_FOLDER/ci.log; the root, WORK_FOLDER/root, is removed when
# CI passed there and kept for a look when it failed.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(realpath -m "${1:-build/fresh-machine}")
root="$work/root"
. scripts/lib/debian-root.sh

scripts/install-deps.sh debootstrap git
commit=$(git rev-parse HEAD)
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
  echo "note: uncommitted changes are not part of the check; it runs $commit"

passed=0
cleanup() {
  unmount_below "$root" || echo "could not unmount everything below $root" >&2
  [ "$passed" = 0 ] || rm -rf --one-file-system "$root"
}
trap cleanup EXIT

mkdir -p "$work"
make_debian_root "$root" "$work/debootstrap.log"

# A clean clone of what is committed, as a new user would get it.
git clone --quiet --no-checkout "$PWD" "$root/root/kavro"
git -C "$root/root/kavro" checkout --quiet --detach "$commit"

mount -t proc proc "$root/proc"
for fs in dev sys; do
  mount --rbind "/$fs" "$root/$fs"
  # Unmounting in the root later must not unmount the machine's own.
  mount --make-rslave "$root/$fs"
done

# This machine's network may reach https through a proxy with a certificate
# authority of its own: the root trusts what the machine trusts, as it uses
# the machine's resolver. Node keeps its own list, hence the variable.
machine_ca=${NODE_EXTRA_CA_CERTS:-/etc/ssl/certs/ca-certificates.crt}
ca_env=()
if [ -r "$machine_ca" ]; then
  cp "$machine_ca" "$root/etc/machine-ca.crt"
  ca_env=(NODE_EXTRA_CA_CERTS=/etc/machine-ca.crt)
fi

echo "running CI on $commit in $root; log in $work/ci.log"
start=$SECONDS
status=0
chroot "$root" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  HOME=/root LANG=C.UTF-8 CI=true "${ca_env[@]}" bash -c 'cd /root/kavro && bash .ci/run' </dev/null \
  >"$work/ci.log" 2>&1 || status=$?
elapsed=$((SECONDS - start))
grep -E '^== ' "$work/ci.log" || true
echo "CI in a fresh Debian 12: exit status $status after $((elapsed / 60)) min $((elapsed % 60)) s"
if [ "$status" -ne 0 ]; then
  tail -40 "$work/ci.log"
  exit 1
fi
passed=1
