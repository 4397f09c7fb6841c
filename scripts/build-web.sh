#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the calculator for the browser and node with Debian's emscripten:
# build-web/module/kavro-core.{js,wasm} (the page's module) and
# build-web/kavro-script.js (the scripted driver: node build-web/kavro-script.js).
# Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh emscripten node-acorn nodejs
# emscripten's optimiser needs Debian's acorn; a node that is not Debian's
# own does not look in Debian's module folder by itself.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
cmake --preset web >/dev/null
cmake --build --preset web -j"$(nproc)"
