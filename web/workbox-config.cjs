// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The service worker precaches every file of the site; those named by
// their content need no revision of their own. It never skips waiting nor claims open pages: a new version
// installs whole beside the old one and is taken at the next start.
module.exports = {
  globDirectory: process.env.KAVRO_SITE,
  globPatterns: ['**/*'],
  globIgnores: ['sw.js', 'workbox-config.cjs', '**/*.gz', '**/*.br'],
  dontCacheBustURLsMatching: /\.[0-9a-f]{10}\./,
  swDest: `${process.env.KAVRO_SITE}/sw.js`,
  mode: 'production',
  inlineWorkboxRuntime: true,
  sourcemap: false,
  skipWaiting: false,
  clientsClaim: false,
  cleanupOutdatedCaches: true,
  navigateFallback: null,
  ignoreURLParametersMatching: [/.*/],
  maximumFileSizeToCacheInBytes: 8 * 1024 * 1024,
};
