#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the calculator and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target kavro
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)" >&2
  exit 1
fi
exec ./build/src/window/kavro
