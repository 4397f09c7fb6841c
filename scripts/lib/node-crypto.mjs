// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Imported first by every node script that loads the browser's module:
// node 18 (Debian 12's) has no global crypto, from which the module draws
// its random ids; node 20 has it already.
import { webcrypto } from 'node:crypto';

globalThis.crypto ??= webcrypto;
