#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A real word processor reads the order report: kavro-order writes the
# example order's report as a Word document and as our own PDF; LibreOffice
# turns the document into a PDF, and pdftotext takes the words out of both.
# Our PDF holds each line of the report once, in order (the printable
# report's tests see to that), so the same words in the same order from
# LibreOffice mean that it shows every line.
# With a firm's details both are headed by its letterhead, which must then
# be among the words, first.
# Usage: libreoffice_reads_the_order_report.sh KAVRO_ORDER ORDER WORK_FOLDER [FIRM]
# Exits 77 (skipped) when LibreOffice or pdftotext is not installed.
set -euo pipefail
program=$1 order=$2 work=$3 firm=${4:-}
if ! command -v soffice >/dev/null || ! command -v pdftotext >/dev/null; then
  echo "SKIPPED: needs LibreOffice (soffice) and pdftotext"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work/office"
# Never the details of whoever runs the test.
export XDG_CONFIG_HOME="$work/config"
firm_option=()
[ -z "$firm" ] || firm_option=(--firm "$firm")
"$program" report "$order" -o "$work/report.docx" "${firm_option[@]}"
"$program" report "$order" -o "$work/report.pdf" "${firm_option[@]}"
# A profile of its own, so that no running LibreOffice takes the conversion over.
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
  --outdir "$work/office" "$work/report.docx" >"$work/soffice.log" 2>&1 ||
  { cat "$work/soffice.log"; exit 1; }
words() { pdftotext -raw -enc UTF-8 "$1" - | tr -s ' \t\r\n\f' '\n' | sed '/^$/d'; }
words "$work/office/report.pdf" >"$work/office.words"
words "$work/report.pdf" >"$work/ours.words"
if ! diff "$work/ours.words" "$work/office.words" >"$work/words.diff"; then
  echo "LibreOffice shows other words than the report holds (ours < > LibreOffice's):"
  head -40 "$work/words.diff"
  exit 1
fi
if [ -n "$firm" ]; then
  # The firm's name and INN, as the details file has them, open the report.
  name=$(sed -n 's/^ *"name": "\(.*\)",$/\1/p' "$firm" | tr -s ' ' '\n' | head -1)
  inn=$(sed -n 's/^ *"inn": "\(.*\)",$/\1/p' "$firm")
  [ "$(head -1 "$work/ours.words")" = "$name" ] ||
    { echo "the report does not open with the firm's name «$name»"; exit 1; }
  grep -qx "$inn," "$work/ours.words" || grep -qx "$inn" "$work/ours.words" ||
    { echo "the letterhead lacks the INN $inn"; exit 1; }
fi
count=$(wc -l <"$work/ours.words")
echo "LibreOffice shows all $count words of the order report, in order"
[ "$count" -gt 500 ]
