#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a validator: TOOL ARGS... It passes only when the tool finds nothing
# to say beyond success: a warning, or an information such as appstreamcli's
# "content-rating-missing" (which leaves its exit status 0), fails as an
# error does. Exits 77 (skipped) when the tool is not installed.
set -uo pipefail
tool=$1
if ! command -v "$tool" >/dev/null; then
  echo "SKIPPED: $tool is not installed; scripts/install-deps.sh installs it"
  exit 77
fi
out=$("$@" 2>&1)
status=$?
echo "$out"
if [ $status -ne 0 ]; then
  exit 1
fi
# desktop-file-validate is silent on a clean file; appstreamcli says
# "Validation was successful" and, for our id under the reserved "example"
# domain, that it may not be reverse-DNS, which is meant.
remarks=$(grep -v -e '^$' -e 'Validation was successful' -e ': cid-maybe-not-rdns ' <<<"$out" || true)
if [ -n "$remarks" ]; then
  echo "FAILED: $tool has remarks"
  exit 1
fi
