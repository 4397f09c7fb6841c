#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Unpacks a Debian source package into DEST, for the libraries the build
# compiles itself (libcsv, zlib, libzip and pugixml for the browser;
# libxlsxwriter everywhere, with the number writer Debian's binary lacks):
# fetched with apt-get source, unpacked with dpkg-source, Debian's patches
# applied. Does nothing when DEST already holds it.
# Usage: fetch-deb-source.sh PACKAGE DEST
set -euo pipefail
package=${1:?usage: fetch-deb-source.sh PACKAGE DEST}
dest=$(realpath -m "${2:?usage: fetch-deb-source.sh PACKAGE DEST}")
cd "$(dirname "$0")/.."
[ -f "$dest/.kavro-unpacked" ] && exit 0

scripts/install-deps.sh dpkg-dev
known() { apt-cache showsrc "$package" 2>/dev/null | grep -q "^Package: $package\$"; }
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
(cd "$work" && apt-get source --download-only -qq "$package")
dsc=$(ls "$work"/"${package}"_*.dsc)
# apt checked the files against the archive's signed index already.
dpkg-source --no-check -x "$dsc" "$work/unpacked" >/dev/null
# Marks a whole unpacking: one cut short is fetched again.
basename "$dsc" >"$work/unpacked/.kavro-unpacked"
mkdir -p "$(dirname "$dest")"
rm -rf "$dest"
mv "$work/unpacked" "$dest"
echo "$package source: $(basename "$dsc") in $dest"
