#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the calculator and opens its window.
# `scripts/run.sh web` builds the browser calculator instead and serves it
# with nginx, as a deployment does (packaging/nginx/kavro-site.conf), on
# 127.0.0.1 (port KAVRO_PORT, default 8080) until interrupted.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = web ]; then
  scripts/build-site.sh
  port="${KAVRO_PORT:-8080}"
  echo "run.sh: the calculator is at http://127.0.0.1:${port}/ (Ctrl+C stops it)"
  exec scripts/serve-site.sh build-web/site "$port"
fi

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target kavro
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)" >&2
  exit 1
fi
exec ./build/src/window/kavro
