// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a wide screen the window's layout is drawn larger so that it fills
// the screen's width, up to half again its own size. Where the order's
// panel stands beside it, the form takes what the panel leaves, and may
// shrink a little for it rather than push the panel off the screen.

const MAX_SCALE = 1.5;
const MIN_SCALE_BESIDE = 0.85;

export function fitWindow(root, panel = null) {
  const width = parseFloat(getComputedStyle(root).getPropertyValue('--window-w')) || 900;
  const fit = () => {
    const beside = panel && getComputedStyle(panel).getPropertyValue('--beside').trim() === '1';
    const reserved = beside ? parseFloat(getComputedStyle(panel).getPropertyValue('--panel-w')) + 12 : 0;
    const least = beside ? MIN_SCALE_BESIDE : 1;
    const scale = Math.min(MAX_SCALE, Math.max(least, (window.innerWidth - 24 - reserved) / width));
    root.style.setProperty('--scale', String(Math.floor(scale * 100) / 100));
  };
  fit();
  window.addEventListener('resize', fit);
}
