// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command lines under node see the process's environment, as they do
// natively (SOURCE_DATE_EPOCH, XDG_CONFIG_HOME, TZ): emscripten otherwise
// gives a program a fixed environment of its own.
Module['preRun'] = [].concat(Module['preRun'] || [], () => Object.assign(ENV, process.env));
