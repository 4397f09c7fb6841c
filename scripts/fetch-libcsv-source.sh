#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Unpacks Debian's libcsv source package into DEST (for the web build, which
# compiles its one C file with emscripten): fetched with apt-get source,
# unpacked with dpkg-source. Does nothing when DEST already holds it.
set -euo pipefail
dest=${1:?usage: fetch-libcsv-source.sh DEST}
cd "$(dirname "$0")/.."
[ -f "$dest/libcsv.c" ] && exit 0

scripts/install-deps.sh dpkg-dev
if ! apt-cache showsrc libcsv 2>/dev/null | grep -q '^Package: libcsv'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo scripts/add-deb-src.sh
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
