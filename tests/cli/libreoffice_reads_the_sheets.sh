#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A real spreadsheet program and kavro-order understand each other's
# tables. LibreOffice Calc saves the example openings table as a workbook,
# as Windows-1251 CSV and as UTF-16 text with tabs (Excel's "Текст Юникод"),
# and each imports into the same order as the table itself. Calc then opens
# the workbook kavro-order exports: every cell of a number column is a
# number there (Calc's CSV quotes texts only), and the workbook Calc saves
# from it imports into the same order as ours.
# Usage: libreoffice_reads_the_sheets.sh KAVRO_ORDER SOURCE_DIR WORK_FOLDER
# Exits 77 (skipped) when LibreOffice Calc is not installed.
set -euo pipefail
program=$1 source=$2 work=$3
if ! command -v soffice >/dev/null || ! ls /usr/lib/libreoffice/program/libsclo.so >/dev/null 2>&1; then
  echo "SKIPPED: needs LibreOffice Calc (soffice)"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"
cd "$work"
# A profile of its own, so that no running LibreOffice takes the conversion over.
calc() {
  soffice -env:UserInstallation="file://$work/profile" --headless "$@" >>soffice.log 2>&1 ||
    { cat soffice.log; exit 1; }
}
import() { "$program" import "$1" -o "$2" --title "Дом"; }

cp "$source/examples/house.csv" table.csv
import table.csv expected.kavro
calc --infilter='CSV:59,34,76' --convert-to xlsx --outdir calc table.csv
calc --infilter='CSV:59,34,76' --convert-to 'csv:Text - txt - csv (StarCalc):59,34,34' \
  --outdir calc-1251 table.csv
calc --infilter='CSV:59,34,76' --convert-to 'txt:Text - txt - csv (StarCalc):9,34,65535' \
  --outdir calc-utf16 table.csv
# The files are what they are meant to be, or the imports would prove nothing.
! iconv -f UTF-8 -t UTF-8 calc-1251/table.csv >/dev/null 2>&1 ||
  { echo "Calc's Windows-1251 CSV is valid UTF-8"; exit 1; }
[ "$(head -c 2 calc-utf16/table.txt | od -An -tx1 | tr -d ' ')" = fffe ] ||
  { echo "Calc's Unicode text has no UTF-16LE mark"; exit 1; }
for table in calc/table.xlsx calc-1251/table.csv calc-utf16/table.txt; do
  import "$table" read.kavro
  cmp read.kavro expected.kavro || { echo "$table imports into another order"; exit 1; }
done

"$program" export "$source/examples/house.kavro" -o ours.xlsx
"$program" export "$source/examples/house.kavro" -o ours.csv
import ours.csv from-csv.kavro
import ours.xlsx from-xlsx.kavro
cmp from-xlsx.kavro from-csv.kavro
# Tabs between the cells: a location may hold a semicolon.
calc --convert-to 'csv:Text - txt - csv (StarCalc):9,34,76,1,,0,true' --outdir shown ours.xlsx
calc --convert-to xlsx --outdir resaved ours.xlsx
import resaved/ours.xlsx resaved.kavro
cmp resaved.kavro from-csv.kavro || { echo "Calc's copy of the workbook imports differently"; exit 1; }
# The count, the shutter's six numbers, mass, torque, turns, diameter, speed.
awk -F'\t' -v numbers="2 5 6 7 8 9 10 17 18 19 20 22" '
  BEGIN { split(numbers, list, " "); for (i in list) number[list[i]] = 1 }
  NR > 1 {
    for (i = 1; i <= NF; ++i) {
      if ($i == "") continue
      quoted = substr($i, 1, 1) == "\""
      if (quoted == (i in number)) { print "row " NR ", column " i ": " $i; bad = 1 }
      if (!quoted) checked++
    }
  }
  END { if (bad || checked < 50) { print checked " numbers"; exit 1 }; print checked " numbers" }
' shown/ours.csv
echo "Calc and kavro-order read each other's tables as the same openings"
