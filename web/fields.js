// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which kind of control each field of the window state is. The state
// itself decides everything else; the page only needs to know what
// element to build for a name.

export const EDITS = ['Tolwina', 'Visota', 'Wirina', 'Massa', 'NizhniyProfil'];
export const RESULTS = ['FullMassa', 'Moment', 'MaxDiametr', 'Oboroti', 'Vremya', 'Speed'];
export const PICKS = ['Profil', 'TipProfilya'];
export const RADIOS = ['Montazh', 'Upravlenie', 'Kreplenie'];
export const GRIDS = ['Spisok', 'SpisokAcc'];
export const LINKS = ['Label30', 'Label31'];

// Every field the page shows, in the order it is drawn on start.
export const ALL_FIELDS = [
  ...PICKS, 'Diametr', ...RADIOS, 'NHK', ...EDITS, ...RESULTS,
  'Label27', 'TabControl1', ...GRIDS, 'Button1', ...LINKS,
];

export function kindOf(name) {
  if (EDITS.includes(name) || RESULTS.includes(name)) return 'edit';
  if (PICKS.includes(name)) return 'pick';
  if (RADIOS.includes(name)) return 'radio';
  if (GRIDS.includes(name)) return 'grid';
  if (LINKS.includes(name)) return 'link';
  switch (name) {
    case 'Diametr': return 'combo';
    case 'NHK': return 'check';
    case 'Label27': return 'label';
    case 'TabControl1': return 'tabs';
    case 'Button1': return 'button';
    default: return null;
  }
}

// Fields whose text the user edits, with a caret and a selection.
export function hasCaret(name) {
  return EDITS.includes(name) || name === 'Diametr';
}
