#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A real word processor reads the report: kavro-script writes the report of
# a 60 mm shaft with the Fastlink strap and the crank (the longest accessory
# list, with descriptions long enough to wrap in their cells), LibreOffice
# converts it to PDF, pdftotext takes the text back out, and every line
# typed and every cell written, as the golden calls of that report list
# them, must be there in order. Runs of white space count as one space.
# Usage: libreoffice_reads_the_report.sh KAVRO_SCRIPT CALLS_FILE WORK_FOLDER
# Exits 77 (skipped) when LibreOffice or pdftotext is not installed.
set -euo pipefail
driver=$1 calls=$2 work=$3
if ! command -v soffice >/dev/null || ! command -v pdftotext >/dev/null; then
  echo "SKIPPED: needs LibreOffice (soffice) and pdftotext; install" \
    "libreoffice-writer-nogui and poppler-utils to run this check"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"
printf '%s\n' start "pick Diametr 1" "click Kreplenie 2" "check NHK" \
  "report $work/report.docx" >"$work/session.txt"
"$driver" "$work/session.txt" >"$work/driver.log"
if grep -q '"error"' "$work/driver.log"; then
  cat "$work/driver.log"
  exit 1
fi
# A profile of its own, so that no running LibreOffice takes the conversion over.
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
  --outdir "$work" "$work/report.docx" >"$work/soffice.log" 2>&1 ||
  { cat "$work/soffice.log"; exit 1; }
pdftotext -raw -enc UTF-8 "$work/report.pdf" "$work/report.txt"

squeeze() { tr -s ' \t\r\n' '    ' | sed 's/^ //; s/ $//'; }
# The texts of typeText and setCellText, without their line breaks (\r\n
# in the golden file) and the table, row and column numbers.
sed -n -e 's/^typeText: //p' -e 's/^setCellText: [0-9]* [0-9]* [0-9]* //p' "$calls" |
  sed 's/\\r\\n/ /g' | while IFS= read -r line; do squeeze <<<"$line"; echo; done |
  grep -v '^$' >"$work/expected.txt"
squeeze <"$work/report.txt" >"$work/shown.txt"

# The rendering goes through the environment, which awk takes as it stands.
SHOWN="$(cat "$work/shown.txt")" awk '
  BEGIN { shown = ENVIRON["SHOWN"] }
  { found = index(substr(shown, at + 1), $0)
    if (found == 0) { print "not found in order: " $0; missing++; next }
    at += found + length($0) - 1 }
  END { printf "%d of %d lines found in order in LibreOffice'\''s rendering\n", NR - missing, NR
        exit (missing == 0 && NR > 40) ? 0 : 1 }' "$work/expected.txt"
