#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# LibreOffice opens the example report template and shows its letterhead.
# Usage: letterhead_in_libreoffice.sh KavroBlank.docx WORK_FOLDER
# Exits 77 (skipped) when LibreOffice is not installed.
set -euo pipefail
docx=$1 work=$2
if ! command -v soffice >/dev/null; then
  echo "SKIPPED: needs LibreOffice (soffice); install libreoffice-writer-nogui"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"
# A profile of its own, so that no running LibreOffice takes the conversion over.
soffice -env:UserInstallation="file://$work/profile" --headless \
  --convert-to "txt:Text (encoded):UTF8" --outdir "$work" "$docx" >"$work/soffice.log" 2>&1 ||
  { cat "$work/soffice.log"; exit 1; }
text="$work/$(basename "${docx%.*}").txt"
for line in "НАЗВАНИЕ ОРГАНИЗАЦИИ" "Адрес · телефон · электронная почта · сайт"; do
  grep -qF "$line" "$text" || { echo "FAILED: LibreOffice does not show \"$line\""; cat "$text"; exit 1; }
done
