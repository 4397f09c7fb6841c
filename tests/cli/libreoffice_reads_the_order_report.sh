#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A real word processor reads the order report: kavro-order writes the
# example order's report as a Word document and as our own PDF; LibreOffice
# turns the document into a PDF, and pdftotext takes the words out of both.
# Our PDF holds each line of the report once, in order (the printable
# report's tests see to that), so the same words in the same order from
# LibreOffice mean that it shows every line.
# Usage: libreoffice_reads_the_order_report.sh KAVRO_ORDER ORDER WORK_FOLDER
# Exits 77 (skipped) when LibreOffice or pdftotext is not installed.
set -euo pipefail
program=$1 order=$2 work=$3
if ! command -v soffice >/dev/null || ! command -v pdftotext >/dev/null; then
  echo "SKIPPED: needs LibreOffice (soffice) and pdftotext"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work/office"
"$program" report "$order" -o "$work/report.docx"
"$program" report "$order" -o "$work/report.pdf"
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
count=$(wc -l <"$work/ours.words")
echo "LibreOffice shows all $count words of the order report, in order"
[ "$count" -gt 500 ]
