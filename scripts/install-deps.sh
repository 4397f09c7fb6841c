#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, running and testing the
# calculator need; does nothing for packages already present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format ccache
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libzip-dev libpugixml-dev libcsv-dev
  qt6-base-dev libjpeg62-turbo-dev fonts-liberation2
  desktop-file-utils appstream help2man shared-mime-info libxml2-utils
  dpkg-dev file # cpack -G DEB: dpkg-shlibdeps finds the dependencies, file the programs
  # The printed report's tests read its PDF back and check it.
  poppler-utils qpdf
  # Excel workbooks: libxlsxwriter is compiled from its source package on zlib.
  zlib1g-dev
  # The firm's server and kavro-order's talk with it: HTTP (POCO), the
  # database (SQLite, or PostgreSQL through libpq), Argon2id and random
  # tokens (libsodium); the server's tests start a PostgreSQL 15 cluster of
  # their own.
  libpoco-dev libsqlite3-dev libsodium-dev sqlite3 libpq-dev postgresql-15
  # The HTTPS test makes its self-signed certificates.
  openssl
)
# Extra packages named on the command line (CI adds the fuzzing and report checks).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# Another install under way (CI runs some steps side by side; a fresh
# machine may be updating itself) is waited for rather than failed on.
lock=(-o DPkg::Lock::Timeout=900)
$sudo apt-get "${lock[@]}" update -qq
$sudo apt-get "${lock[@]}" install -y -qq --no-install-recommends "${missing[@]}"
