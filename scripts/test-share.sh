#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints how many lines of C++ and JavaScript the tests hold against the
# code they test, and their share in percent (tests ÷ code).
#
# Counted: every line of the .cpp and .h files under src/ and tools/ and of
# the .js and .mjs files under web/ (code), and of the .cpp, .h, .js and
# .mjs files under tests/ (tests), except
#   - blank lines (nothing but spaces and tabs);
#   - lines that hold only a comment: those that begin with // after any
#     indentation, and every line from one that begins with /* up to the
#     one holding its */ (a block opened after code on the same line starts
#     on the next line; text after the closing */ makes that line count).
# Code followed by a comment on the same line counts as code. Test data
# (golden files, sessions), node_modules/ and build output are not counted.
#
# Usage: scripts/test-share.sh [--max PERCENT]
#   --max PERCENT   exit 1 when the share is above PERCENT (e.g. --max 40)
set -euo pipefail
cd "$(dirname "$0")/.."

max=""
while (($#)); do
    case "$1" in
    --max)
        max="${2:?--max needs a percentage}"
        shift 2
        ;;
    -h | --help)
        sed -n '4,19p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *)
        echo "test-share.sh: unknown argument '$1'" >&2
        exit 2
        ;;
    esac
done

# Counts the non-blank, non-comment lines of the C++ and JavaScript files
# under the given folders (both comment alike).
count_lines() {
    find "$@" -name node_modules -prune -o -type f \
        \( -name '*.cpp' -o -name '*.h' -o -name '*.js' -o -name '*.mjs' \) -print0 |
        xargs -0 -r cat -- |
        awk '
            function code_remains(text) { return text ~ /[^ \t\r]/ }
            {
                line = $0
                if (in_block) {
                    end = index(line, "*/")
                    if (end == 0) next
                    in_block = 0
                    if (code_remains(substr(line, end + 2))) count++
                    next
                }
                sub(/^[ \t\r]+/, "", line)
                if (line == "" || line ~ /^\/\//) next
                if (line ~ /^\/\*/) {
                    end = index(substr(line, 3), "*/")
                    if (end == 0) { in_block = 1; next }
                    if (code_remains(substr(line, end + 4))) count++
                    next
                }
                count++
                # A block comment opened after code: drop string literals
                # first so that "/*" inside quotes is not taken for one.
                bare = line
                gsub(/"([^"\\]|\\.)*"/, "\"\"", bare)
                sub(/\/\/.*/, "", bare)
                start = index(bare, "/*")
                if (start > 0 && index(substr(bare, start + 2), "*/") == 0) in_block = 1
            }
            END { print count + 0 }'
}

code=$(count_lines src tools web)
tests=$(count_lines tests)
# Share in tenths of a percent, rounded half up, in integer arithmetic.
tenths=$(((tests * 2000 / code + 1) / 2))
printf 'code  (src/, tools/, web/): %6d lines\n' "$code"
printf 'tests (tests/):             %6d lines\n' "$tests"
printf 'share: %d.%d %%\n' $((tenths / 10)) $((tenths % 10))

if [[ -n "$max" ]] && ((tests * 100 > max * code)); then
    echo "test-share.sh: tests are above ${max} % of the code" >&2
    exit 1
fi
