#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Lets apt fetch Debian source packages (the web build compiles libcsv from
# its source package): when apt knows no deb-src entry, adds one for the
# Debian archive the machine's deb entries already use, and updates the
# lists. Does nothing when one is there. Run as root (install-deps.sh uses
# sudo for it otherwise).
set -euo pipefail

# APT_ETC: another apt folder (a root being made), /etc/apt by default.
etc=${APT_ETC:-/etc/apt}
lists=("$etc"/sources.list "$etc"/sources.list.d/*.list "$etc"/sources.list.d/*.sources)
existing=()
for f in "${lists[@]}"; do [ -f "$f" ] && existing+=("$f"); done

has_deb_src() {
  [ ${#existing[@]} -gt 0 ] || return 1
  grep -Eqs '^[[:space:]]*deb-src[[:space:]]|^[[:space:]]*Types:.*deb-src' "${existing[@]}"
}
has_deb_src && exit 0

# The machine's Debian archive: the URI of its "bookworm" suite, from a
# one-line entry or a deb822 stanza; its keyring when the stanza names one.
uri="" keyring=""
for f in "${existing[@]}"; do
  case $f in
  *.sources)
    read -r uri keyring < <(awk '
      BEGIN { RS = ""; FS = "\n" }
      {
        types = uris = suites = key = ""
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:/) types = $i
          if ($i ~ /^URIs:/) { uris = $i; sub(/^URIs:[ \t]*/, "", uris) }
          if ($i ~ /^Suites:/) suites = " " $i " "
          if ($i ~ /^Signed-By:/) { key = $i; sub(/^Signed-By:[ \t]*/, "", key) }
        }
        if (types ~ /[ \t]deb([ \t]|$)/ && suites ~ /[ \t]bookworm[ \t]/) {
          split(uris, u, /[ \t]+/); print u[1], key; exit
        }
      }' "$f") || true
    ;;
  *)
    uri=$(awk '$1 == "deb" { n = 2; if ($2 ~ /^\[/) while ($n !~ /\]$/) n++; if ($2 ~ /^\[/) n++;
               if ($(n + 1) == "bookworm") { print $n; exit } }' "$f")
    ;;
  esac
  [ -n "$uri" ] && break
done
if [ -z "$uri" ]; then
  echo "add-deb-src.sh: apt has no deb entry for Debian 12 (bookworm) to mirror" >&2
  exit 1
fi

target=$etc/sources.list.d/kavro-deb-src.sources
{
  echo "# Added by the KAVRO calculator's build: Debian's source packages."
  echo "Types: deb-src"
  echo "URIs: $uri"
  echo "Suites: bookworm"
  echo "Components: main"
  [ -z "$keyring" ] || echo "Signed-By: $keyring"
} >"$target"
echo "add-deb-src.sh: wrote $target"
[ -n "${APT_ETC:-}" ] || apt-get -o DPkg::Lock::Timeout=900 update -qq
