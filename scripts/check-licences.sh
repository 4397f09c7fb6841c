#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the repository says under which licence it is: an SPDX
# header where the file can carry one, .reuse/dep5 for data that cannot.
# Fails, listing the files, when one says nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

# reuse asks git which files are the project's: without it, the build
# folders, which .gitignore leaves out, would be checked too.
scripts/install-deps.sh reuse git
reuse lint
