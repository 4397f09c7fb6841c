#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the calculator with its tests, and runs
# every test. Usage: scripts/test.sh [PRESET]   (default, asan)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

# The sanitizer build is clang's, with the fuzz targets in it.
extra=()
[ "$preset" != asan ] || extra=(clang libclang-rt-14-dev)
scripts/install-deps.sh "${extra[@]}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"

# The browser calculator: the site is built, then the page is tested in
# headless Chromium against the node driver (once, with the default build).
if [ "$preset" = default ]; then
  scripts/build-site.sh
  node --test tests/web/*.test.mjs
fi
