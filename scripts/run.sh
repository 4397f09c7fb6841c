#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target kavro-script
# The calculator's logic on a typical shutter, driven by its scripted driver.
./build/tools/kavro-script examples/alutech-60mm.txt
