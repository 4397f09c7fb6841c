// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a wide screen the window's layout is drawn larger so that it fills
// the screen's width, up to half again its own size.

const MAX_SCALE = 1.5;

export function fitWindow(root) {
  const width = parseFloat(getComputedStyle(root).getPropertyValue('--window-w')) || 900;
  const fit = () => {
    const scale = Math.min(MAX_SCALE, Math.max(1, (window.innerWidth - 24) / width));
    root.style.setProperty('--scale', String(Math.floor(scale * 100) / 100));
  };
  fit();
  window.addEventListener('resize', fit);
}
