#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install of the calculator's component into an empty prefix lays
# out every file where the menu entry, the software centre and the program
# look for it. (The server's component installs into /etc and /lib as well;
# scripts/check-package.sh checks its package.)
# Usage: install_layout.sh BUILD_DIR PREFIX WINDOW   (WINDOW: 1 when the
# window was built, 0 when only the scripted driver was)
set -euo pipefail
build=$1 prefix=$2 window=$3
id=example.kavro.DriveCalculator

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" --component calculator >/dev/null

# Nothing but programs among the programs: the template goes with the data.
programs=$(cd "$prefix/bin" && ls)
expected_programs=$([ "$window" = 1 ] && echo kavro; echo kavro-order; echo kavro-script)
[ "$programs" = "$expected_programs" ] || fail "bin/ holds: $programs"

# Every program answers --help and --version without a display (the window
# before it starts Qt, which would abort on xcb with none), and has the
# manual page made from those answers.
for program in $programs; do
  answer() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/$program" "$1"; }
  help=$(answer --help) || fail "$program --help failed"
  usage=${help%%$'\n'*}
  [[ "$usage" == "Usage: $program" || "$usage" == "Usage: $program "* ]] ||
    fail "$program --help does not begin with its usage line: $usage"
  version=$(answer --version) || fail "$program --version failed"
  [[ "${version%%$'\n'*}" =~ ^"$program (KAVRO drive calculator) "[0-9]+\.[0-9]+ ]] ||
    fail "$program --version says: ${version%%$'\n'*}"
  page="$prefix/share/man/man1/$program.1.gz"
  [ -f "$page" ] || fail "no manual page for $program"
  gzip -dc "$page" | grep -q "^\.TH \"\?${program^^}\"\? \"1\"" ||
    fail "$page is not the section 1 page of $program"
done

# Debian's copyright file and changelog.
doc="$prefix/share/doc/kavro"
head -1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "no machine-readable copyright file in share/doc/kavro"
gzip -dc "$doc/changelog.Debian.gz" | head -1 | grep -q '^kavro (' ||
  fail "no changelog in share/doc/kavro"

# The installed driver finds the installed template: its report starts
# with the letterhead and goes on with the report.
report="$prefix/report.docx"
printf 'start\nreport %s\n' "$report" | "$prefix/bin/kavro-script" >/dev/null
[ -f "$report" ] || fail "the installed kavro-script wrote no report"
unpacked="$prefix/report"
mkdir "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$report")
for text in "НАЗВАНИЕ ОРГАНИЗАЦИИ" "Начальные данные"; do
  grep -qF "$text" "$unpacked/word/document.xml" || fail "the report lacks \"$text\""
done

# The installed order tool runs and reads the example order.
"$prefix/bin/kavro-order" check "$(dirname "$0")/../../examples/house.kavro" >/dev/null ||
  fail "the installed kavro-order does not check the example order"

[ "$window" = 1 ] || exit 0

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
[ -f "$desktop" ] || fail "no menu entry at share/applications/$id.desktop"
[ -f "$metainfo" ] || fail "no metainfo at share/metainfo/$id.metainfo.xml"

# The menu entry starts an installed program.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not an installed program"

# Its icon is there in every size, each picture as large as its folder says.
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  [ -f "$png" ] || fail "no ${size}x${size} icon named $icon"
  read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$width $height" = "$size $size" ] || fail "the ${size}x${size} icon is ${width}x${height}"
done

# The metainfo names the application id, the menu entry and the programs
# that are installed.
grep -qF "<id>$id</id>" "$metainfo" || fail "the metainfo is not for $id"
grep -qF "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $(basename "$desktop")"
for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo"); do
  [ -x "$prefix/bin/$binary" ] || fail "the metainfo provides $binary, which is not installed"
done

# Nothing else is installed.
unexpected=$(cd "$prefix" && find bin share -type f |
  grep -vxE "bin/kavro|bin/kavro-order|bin/kavro-script|share/kavro/KavroBlank.docx|share/man/man1/kavro(-[a-z]+)?\.1\.gz|share/doc/kavro/(copyright|changelog\.Debian\.gz)|share/applications/$id.desktop|share/metainfo/$id.metainfo.xml|share/mime/packages/$id.xml|share/icons/hicolor/[0-9]+x[0-9]+/apps/$icon.png" || true)
[ -z "$unexpected" ] || fail "unexpected files installed: $unexpected"
echo "installed layout is complete"
