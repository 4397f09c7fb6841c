#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The order file's type: the shared-mime-info package is well-formed XML,
# update-mime-database takes it without a remark and then knows *.kavro and
# the file's opening as application/x-kavro-order, and the menu entry takes
# files of that type.
# Usage: mime_type.sh MIME_XML DESKTOP_FILE WORK_DIR. Exits 77 (skipped)
# when a tool is missing.
set -uo pipefail
xml=$1 desktop=$2 work=$3
type=application/x-kavro-order

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

for tool in xmllint update-mime-database; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed; scripts/install-deps.sh installs it"
    exit 77
  fi
done

xmllint --noout "$xml" || fail "$xml is not well-formed"

rm -rf "$work"
mkdir -p "$work/mime/packages"
cp "$xml" "$work/mime/packages/"
# Run as the desktop would find it, so that it only speaks of the file.
remarks=$(XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>&1) || fail "update-mime-database: $remarks"
[ -z "$remarks" ] || fail "update-mime-database has remarks: $remarks"
grep -qxF "50:$type:*.kavro" "$work/mime/globs2" || fail "*.kavro is not $type"
[ -f "$work/mime/application/x-kavro-order.xml" ] || fail "$type is not in the database"
grep -qF "$type" "$work/mime/magic" || fail "the file's opening does not tell $type"

grep -qx 'Exec=kavro %f' "$desktop" || fail "the menu entry does not pass a file"
grep -qx "MimeType=$type;" "$desktop" || fail "the menu entry does not take $type"
echo "the order file type is registered"
