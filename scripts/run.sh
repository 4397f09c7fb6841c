#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the calculator and opens its window.
# `scripts/run.sh web` builds the browser calculator instead and serves it
# with nginx, as a deployment does (packaging/nginx/kavro-site.conf), on
# 127.0.0.1 (port KAVRO_PORT, default 8080) until interrupted.
# `scripts/run.sh server` builds the firm's server and runs it on 127.0.0.1
# (port KAVRO_PORT, default 8090) with its data in KAVRO_DATA (default
# build/server-data); the first start makes a firm and its admin.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = server ]; then
  scripts/install-deps.sh
  cmake --preset default >/dev/null
  cmake --build --preset default -j"$(nproc)" --target kavro-server kavro-order
  port="${KAVRO_PORT:-8090}"
  data="${KAVRO_DATA:-build/server-data}"
  server=build/tools/kavro-server
  if [ ! -e "$data/server.db" ]; then
    mkdir -p "$data"
    # The first admin's password goes to a file only its owner reads, never
    # to the command line or the terminal's scroll-back.
    secret="$data/first-admin-password"
    (umask 077 && head -c 18 /dev/urandom | base64 | tr '+/' '-_' >"$secret")
    "$server" --data "$data" add-firm "Моя фирма"
    "$server" --data "$data" add-user "Моя фирма" admin --role admin <"$secret"
    echo "run.sh: the first admin is «admin»; the password is in $secret"
    echo "run.sh: change it with: $server --data $data passwd admin"
  fi
  echo "run.sh: kavro-server on http://127.0.0.1:${port}/ (Ctrl+C stops it); for instance"
  echo "  KAVRO_PASSWORD=\"\$(cat $data/first-admin-password)\" build/tools/kavro-order orders --server http://127.0.0.1:${port} --login admin"
  exec "$server" --listen "127.0.0.1:${port}" --data "$data"
fi

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
