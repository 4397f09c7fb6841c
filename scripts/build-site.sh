#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser calculator and assembles the static site in
# build-web/site/: the page (web/), the core's module and its art, the
# papers' module, the icons, each named by its content; a service worker that precaches all of
# it; and a gzip and a brotli copy of every file that compresses.
set -euo pipefail
cd "$(dirname "$0")/.."

# node and npm from Debian where they are missing; a node installed some
# other way (it may bring its own npm) is used as it is.
extra=(chromium python3)
command -v node >/dev/null || extra+=(nodejs)
command -v npm >/dev/null || extra+=(npm)
scripts/install-deps.sh "${extra[@]}"
[ -d node_modules/workbox-build ] && [ -d node_modules/playwright-core ] && [ -d node_modules/axe-core ] ||
  npm ci --no-audit --no-fund
scripts/build-web.sh

site=build-web/site
module=build-web/module
rm -rf "$site"
mkdir -p "$site"
cp web/*.html web/*.js web/*.css web/manifest.webmanifest "$site"/
cp "$module"/kavro-core.js "$module"/kavro-core.wasm "$site"/
cp "$module"/kavro-papers.js "$module"/kavro-papers.wasm "$site"/
for art in "$module"/*.png; do
  [ -e "$art" ] && cp "$art" "$site"/
done
# Made from the window's art when the module's build brings none.
if [ ! -e "$site/icon-192.png" ] || [ ! -e "$site/icon-512.png" ] || [ ! -e "$site/logo.png" ]; then
  node scripts/make-web-icons.mjs src/window/art/icon-256.png src/window/art/logo.jpg "$site"
fi
node scripts/prerender-form.mjs "$site"
node scripts/hash-site.mjs "$site" build-web/site-names.json
KAVRO_SITE="$site" node -e '
  const { generateSW } = require("workbox-build");
  generateSW(require("./web/workbox-config.cjs")).then(({ count, size, warnings }) => {
    for (const w of warnings) console.warn("build-site.sh:", w);
    console.log(`build-site.sh: ${count} files precached, ${size} bytes`);
  }).catch((e) => { console.error(e); process.exit(1); });'
node scripts/compress-site.mjs "$site"
