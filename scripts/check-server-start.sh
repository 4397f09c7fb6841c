#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the firm's server as a new user would, with `scripts/run.sh server`
# on a data folder of its own, and checks that kavro-order pushes an example
# order to it and pulls the same order back.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh curl python3
work=$(mktemp -d)
server=""
cleanup() {
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
KAVRO_DATA="$work/data" KAVRO_PORT="$port" scripts/run.sh server >"$work/run.log" 2>&1 &
server=$!
url="http://127.0.0.1:$port"
for _ in $(seq 600); do
  curl -fs -o /dev/null "$url/" && break
  kill -0 "$server" 2>/dev/null || { cat "$work/run.log"; echo "check-server-start.sh: the server did not start" >&2; exit 1; }
  sleep 0.5
done

order=build/tools/kavro-order
export KAVRO_PASSWORD
KAVRO_PASSWORD=$(cat "$work/data/first-admin-password")
id=$("$order" push examples/house.kavro --server "$url" --login admin)
"$order" pull "$id" --server "$url" --login admin -o "$work/back.kavro"
"$order" orders --server "$url" --login admin | grep -q "^$id"
# The same openings and results, read by the same program.
diff <("$order" check examples/house.kavro) <("$order" check "$work/back.kavro")
echo "check-server-start.sh: order $id pushed to $url and pulled back the same"
