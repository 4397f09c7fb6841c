#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets and runs each for a bounded time from the
# committed seeds. Fails on any crash, leak, hang or sanitizer report; the
# input that caused it is kept in build-fuzz/artifacts/.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" --target logic_fuzzer template_fuzzer \
  order_file_fuzzer openings_csv_fuzzer opening_fuzzer xlsx_fuzzer

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p build-fuzz/artifacts "$work/logic" "$work/template" "$work/order" "$work/openings" \
  "$work/opening" "$work/xlsx"
options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
         -artifact_prefix=build-fuzz/artifacts/)

echo "== logic_fuzzer for ${seconds}s"
build-fuzz/fuzz/logic_fuzzer "${options[@]}" -dict=fuzz/logic.dict \
  "$work/logic" fuzz/corpus/logic examples tests/scripts

echo "== template_fuzzer for ${seconds}s"
build-fuzz/fuzz/template_fuzzer "${options[@]}" "$work/template" fuzz/corpus/template

echo "== order_file_fuzzer for ${seconds}s"
build-fuzz/fuzz/order_file_fuzzer "${options[@]}" -dict=fuzz/order.dict \
  "$work/order" fuzz/corpus/order

echo "== openings_csv_fuzzer for ${seconds}s"
build-fuzz/fuzz/openings_csv_fuzzer "${options[@]}" -dict=fuzz/order.dict \
  "$work/openings" fuzz/corpus/openings

echo "== opening_fuzzer for ${seconds}s"
build-fuzz/fuzz/opening_fuzzer "${options[@]}" "$work/opening" fuzz/corpus/opening

echo "== xlsx_fuzzer for ${seconds}s"
build-fuzz/fuzz/xlsx_fuzzer "${options[@]}" -dict=fuzz/xlsx.dict "$work/xlsx" fuzz/corpus/xlsx

echo "== firm_file_fuzzer for ${seconds}s"
cmake --build --preset fuzz -j"$(nproc)" --target firm_file_fuzzer
mkdir -p "$work/firm"
build-fuzz/fuzz/firm_file_fuzzer "${options[@]}" "$work/firm" fuzz/corpus/firm
