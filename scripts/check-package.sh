#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages and installs the calculator's as an installer
# would, with apt-get, into a clean Debian 12 made by debootstrap: nothing of
# the build's packages is there, only what the package's dependencies bring
# in. Then starts the installed program under Xvfb and checks that it stays
# up and shows its window; then the server's package, kavro-server, in the
# same root (scripts/check-server-package.sh). Before that, Debian's own
# checker, lintian, must find nothing to warn of in either package. Needs
# root (debootstrap, chroot) and the Debian mirror that apt uses here.
#
# Usage: scripts/check-package.sh [WORK_FOLDER]   (default build/package-check)
# Leaves the package in build/, and a screenshot of the window as
# WORK_FOLDER/window.png (window.xwd where ImageMagick is missing); the
# Debian root in WORK_FOLDER/root is removed unless the check failed.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(realpath -m "${1:-build/package-check}")
root="$work/root"

step() { echo "== $*"; }
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

. scripts/lib/debian-root.sh

step "Building the package"
scripts/install-deps.sh # cmake, cpack and dpkg-deb come with the build's own packages
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)"
# The server's package serves the built page: built here when it is not.
[ -f build-web/site/index.html ] || scripts/build-site.sh
rm -f build/kavro_*.deb build/kavro-server_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(realpath build/kavro_*.deb)
server_deb=$(realpath build/kavro-server_*.deb)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb" | awk '{print $6}'
dpkg-deb --info "$server_deb"

step "Checking the packages with lintian"
scripts/install-deps.sh lintian
# Any error or warning fails; what lintian only informs of is shown. Not as
# root, which lintian advises against: as the user nobody, on a copy it may read.
lint=$(mktemp -d)
chmod 755 "$lint"
cp "$deb" "$server_deb" "$lint/"
# It must start in a folder it may enter, too (not the clone under /root).
(cd "$lint" && setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$lint" \
  lintian --display-info --fail-on error,warning "$(basename "$deb")" "$(basename "$server_deb")") ||
  fail "lintian: errors or warnings above"
rm -rf "$lint"

mounted=()
passed=0
xvfb=""
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  for m in "${mounted[@]}"; do umount "$m" 2>/dev/null || true; done
  # The root is kept for a look after a failure only.
  [ "$passed" = 0 ] || rm -rf --one-file-system "$root"
}
trap cleanup EXIT

step "Making a clean Debian 12"
scripts/install-deps.sh debootstrap
mkdir -p "$work"
make_debian_root "$root" "$work/debootstrap.log" || fail "debootstrap"
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
inside() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

step "Installing the package with apt-get"
cp "$deb" "$root/tmp/"
inside apt-get update -qq
# Without the recommended word processor, which starting needs no more than
# a user's machine without one does; everything the package depends on comes.
inside env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/tmp/$(basename "$deb")" >"$work/apt.log" 2>&1 || { tail -30 "$work/apt.log"; fail "apt-get install"; }
dev=$(inside dpkg-query -W -f '${Package}\n' | grep -E -- '-dev$|^cmake$|^g\+\+' || true)
[ -z "$dev" ] || fail "build packages were installed: $dev"
for binary in /usr/bin/kavro /usr/bin/kavro-script /usr/bin/kavro-order \
  /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so; do
  missing=$(inside ldd "$binary" | grep 'not found' || true)
  [ -z "$missing" ] || fail "$binary lacks libraries: $missing"
done
inside test -f /usr/share/kavro/KavroBlank.docx || fail "no example template installed"
# The installed programs answer for themselves with no display at all.
for program in kavro kavro-script kavro-order; do
  inside "/usr/bin/$program" --version | grep -q "^$program (KAVRO drive calculator) " ||
    fail "the installed $program does not answer --version"
done

step "Writing an order's report as PDF with no display"
# The printable report needs no word processor and no X server: Qt's
# offscreen platform, which the package must bring.
cp examples/house.kavro "$root/tmp/"
inside /usr/bin/kavro-order report /tmp/house.kavro -o /tmp/house.pdf ||
  fail "the installed kavro-order could not write the order's PDF"
head -c 5 "$root/tmp/house.pdf" | grep -qx '%PDF-' || fail "house.pdf is not a PDF"

step "Starting the installed program under Xvfb"
# xdpyinfo and xwininfo come in x11-utils, xwd in x11-apps.
scripts/install-deps.sh xvfb x11-utils x11-apps xdotool
# The X server's socket, for the program inside to show its window; bound
# only now, as installing X packages inside makes their own socket folder.
mkdir -p /tmp/.X11-unix "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
mounted=("$root/tmp/.X11-unix" "${mounted[@]}")
inside install -d -m 700 /tmp/runtime-root
# Xvfb takes a display that no other X server on the machine has, and
# writes its number only once it takes connections: the program is started
# on a display that is there, however long a busy machine makes that take.
# -noreset: by default the server resets when its last client leaves, and
# refuses the program if it comes during that reset, right after the check.
rm -f "$work/xvfb.display"
mkfifo "$work/xvfb.display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/xvfb.display" \
  >"$work/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 60 number <"$work/xvfb.display" ||
  { cat "$work/xvfb.log"; fail "Xvfb did not start in 60 s"; }
display=:$number
DISPLAY=$display xdpyinfo >/dev/null || fail "Xvfb on $display takes no connection"
# What the program said, and whether the X server it needed was still there.
program_failed() {
  cat "$work/kavro.log"
  kill -0 "$xvfb" 2>/dev/null && echo "Xvfb on $display is running" || echo "Xvfb has ended too"
  cat "$work/xvfb.log"
  ls -la "$root/tmp/.X11-unix"
  fail "$1"
}
# Starts the installed program and waits for its window; false when it ended
# or showed none in 30 s. Started by chroot itself, so that $! is the program.
start_program() {
  chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY="$display" \
    XDG_RUNTIME_DIR=/tmp/runtime-root /usr/bin/kavro >"$work/kavro.log" 2>&1 &
  program=$!
  window=""
  for _ in $(seq 60); do
    window=$(DISPLAY=$display xdotool search --onlyvisible --name '^KAVRO' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && return 0
    kill -0 "$program" 2>/dev/null || return 1
    sleep 0.5
  done
  return 1
}
# Once in a while a loaded machine's fresh Xvfb refuses the program's first
# connection; a program that cannot start fails the second time as well.
if ! start_program; then
  echo "the first start showed no window; what the program said:"
  cat "$work/kavro.log"
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  start_program || program_failed "no KAVRO window appeared, twice"
fi
sleep 5 # the window is laid out and stays up
kill -0 "$program" 2>/dev/null || program_failed "the program ended after showing its window"
title=$(DISPLAY=$display xdotool getwindowname "$window")
geometry=$(DISPLAY=$display xwininfo -id "$window" | awk '/Width:|Height:/ {printf "%s ", $2}')
# No window manager places it: bring it fully on screen for the picture.
DISPLAY=$display xdotool windowmove --sync "$window" 0 0 2>/dev/null || true
DISPLAY=$display xwd -id "$window" -silent >"$work/window.xwd"
if convert -version 2>/dev/null | grep -q ImageMagick; then
  convert "$work/window.xwd" "$work/window.png" && rm "$work/window.xwd"
fi
echo "window \"$title\" shown, size $geometry; screenshot in $work"
kill "$program"
wait "$program" 2>/dev/null || true
program=""

scripts/check-server-package.sh "$root" "$server_deb" "$work"
passed=1
echo "package check passed: $(basename "$deb") installs into a clean Debian 12 and starts"
