#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Unpacks Debian's libcsv source package into DEST (for the web build, which
# compiles its one C file with emscripten): fetched with apt-get source,
# unpacked with dpkg-source. Does nothing when DEST already holds it.
set -euo pipefail
dest=$(realpath -m "${1:?usage: fetch-libcsv-source.sh DEST}")
cd "$(dirname "$0")/.."
[ -f "$dest/libcsv.c" ] && exit 0

scripts/install-deps.sh dpkg-dev
known() { apt-cache showsrc libcsv 2>/dev/null | grep -q '^Package: libcsv'; }
if ! known; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo scripts/add-deb-src.sh
  # A deb-src entry that was there already may not have its lists yet.
  known || $sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
fi

work=$(mktemp -d)
# apt fetches as its own user, which must be able to write there.
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source --download-only -qq libcsv)
dsc=$(ls "$work"/libcsv_*.dsc)
# apt checked the files against the archive's signed index already.
dpkg-source --no-check -x "$dsc" "$work/unpacked" >/dev/null
mkdir -p "$(dirname "$dest")"
rm -rf "$dest"
mv "$work/unpacked" "$dest"
echo "libcsv source: $(basename "$dsc") in $dest"
