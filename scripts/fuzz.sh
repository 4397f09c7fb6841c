#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (they live in the sanitizer build, so CI's
# sanitizer tests have built them already) and runs each for a bounded time
# from the committed seeds. Fails on any crash, leak, hang or sanitizer
# report; the input that caused it is kept in build-asan/artifacts/.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

# target, seeds under fuzz/corpus/, dictionary ("-" for none)
targets=(
  "logic_fuzzer logic logic.dict"
  "template_fuzzer template -"
  "order_file_fuzzer order order.dict"
  "openings_csv_fuzzer openings order.dict"
  "opening_fuzzer opening -"
  "xlsx_fuzzer xlsx xlsx.dict"
  "firm_file_fuzzer firm -"
  "api_request_fuzzer api -"
)

scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset asan >/dev/null
names=()
for t in "${targets[@]}"; do names+=("${t%% *}"); done
cmake --build --preset asan -j"$(nproc)" --target "${names[@]}"

# An input is a hang after 30 s: the largest seed, a workbook that unpacks
# to 73 MB, takes about 10 s under the sanitizers on a busy machine.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p build-asan/artifacts
options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1
         -artifact_prefix=build-asan/artifacts/)

# The targets run side by side, one a core; each one's output is shown
# whole when it ends.
run_target() {
  local name seeds dict
  read -r name seeds dict <<<"$1"
  local flags=("${options[@]}")
  [ "$dict" = - ] || flags+=(-dict="fuzz/$dict")
  local corpora=("$work/$name" "fuzz/corpus/$seeds")
  # The logic fuzzer also starts from the examples and the golden sessions.
  [ "$name" != logic_fuzzer ] || corpora+=(examples tests/scripts)
  mkdir -p "$work/$name"
  local status=0
  build-asan/fuzz/"$name" "${flags[@]}" "${corpora[@]}" >"$work/$name.log" 2>&1 || status=$?
  echo "== $name for ${seconds}s"
  cat "$work/$name.log"
  return $status
}

pids=()
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  run_target "$t" &
  pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit $failed
