// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows the window state in the DOM: after every action, each field the
// state reported changed is read back from the core and its element
// updated; the focused edit field then shows the state's caret and
// selection. The page never decides a value itself.

import { toUtf16 } from './text-positions.js';

function sameItems(select, items) {
  if (select.options.length !== items.length) return false;
  return items.every((text, i) => select.options[i].text === text);
}

function showItems(select, items, index, text) {
  if (!sameItems(select, items) || select.dataset.free !== undefined) {
    select.replaceChildren(...items.map((item, i) => new Option(item, String(i))));
    delete select.dataset.free;
  }
  if (index < 0 && text) {
    // A text that names no item is shown all the same, as the window does.
    const free = new Option(text, '-1');
    free.hidden = true;
    select.append(free);
    select.dataset.free = '';
    select.selectedIndex = items.length;
  } else {
    select.selectedIndex = index;
  }
}

function showRows(table, rows, current) {
  const body = table.tBodies[0];
  const wanted = rows.length;
  while (body.rows.length > wanted) body.deleteRow(-1);
  rows.forEach((cells, r) => {
    const row = body.rows[r] ?? body.insertRow();
    while (row.cells.length > cells.length) row.deleteCell(-1);
    cells.forEach((text, c) => {
      let cell = row.cells[c];
      const tag = r === 0 ? 'TH' : 'TD';
      if (!cell || cell.tagName !== tag) {
        const fresh = document.createElement(tag);
        if (r === 0) fresh.scope = 'col';
        if (cell) cell.replaceWith(fresh);
        else row.append(fresh);
        cell = fresh;
      }
      if (cell.textContent !== text) cell.textContent = text;
      const isCurrent = !!current && current[0] === c && current[1] === r;
      cell.classList.toggle('current', isCurrent);
    });
    row.setAttribute('aria-selected', String(!!current && current[1] === r && r > 0));
  });
}

export class StateView {
  constructor(calc, form) {
    this.calc = calc;
    this.form = form;
    this.focus = 'Profil';
  }

  control(field) {
    return JSON.parse(this.calc.control(field));
  }

  showAll(fields = this.form.fields) {
    for (const field of fields) this.show(field);
  }

  // Applies the answer of one action.
  apply(answer) {
    for (const field of answer.changed ?? []) this.show(field);
    if (answer.focus) this.focus = answer.focus;
    if (this.form.hasCaret(this.focus)) this.showCaret(this.focus);
  }

  show(field) {
    const kind = this.form.kindOf(field);
    // Buttons and links show only their caption, which never changes.
    if (!kind || kind === 'button' || kind === 'link') return;
    const state = this.control(field);
    const el = this.form.elements[field];
    switch (kind) {
      case 'edit':
        if (el.value !== state.text) el.value = state.text;
        el.disabled = !state.enabled;
        break;
      case 'pick':
        showItems(el, state.items, state.index, state.text);
        el.disabled = !state.enabled;
        break;
      case 'combo': {
        if (el.value !== state.text) el.value = state.text;
        const list = this.form.lists[field];
        showItems(list, state.items, state.index, '');
        el.disabled = list.disabled = !state.enabled;
        break;
      }
      case 'radio':
        (this.form.radios[field] ?? []).forEach((input, i) => {
          if (!input) return;
          input.checked = i === state.index;
          input.disabled = !state.enabled[i];
        });
        break;
      case 'check':
        el.checked = state.checked;
        el.disabled = !state.enabled;
        break;
      case 'label':
        el.hidden = !state.visible;
        break;
      case 'tabs':
        this.showTabs(state);
        break;
      case 'grid':
        showRows(el, state.rows, state.current);
        el.hidden = !state.visible;
        if (field === 'Spisok') this.showDrive(state);
        break;
      default:
        break;
    }
  }

  // The drive of the list's current row, named and with its article, for
  // the summary a phone keeps in view.
  showDrive(state) {
    const line = this.form.driveLine;
    if (!line) return;
    // The list keeps an empty row when no drive fits.
    const row = state.current?.[1] > 0 ? state.rows[state.current[1]] : null;
    const text = row?.[1] ? `Привод: ${row[1]} (${row[0]})` : 'Привод не подобран';
    if (line.textContent !== text) line.textContent = text;
  }

  showTabs(state) {
    const list = this.form.tabList;
    if (!list) return;
    state.tabs.forEach((text, i) => {
      let tab = list.children[i];
      if (!tab) {
        tab = document.createElement('button');
        tab.type = 'button';
        tab.setAttribute('role', 'tab');
        tab.dataset.field = 'TabControl1';
        tab.dataset.index = String(i);
        tab.id = `TabControl1-${i}`;
        list.append(tab);
      }
      if (tab.textContent !== text) tab.textContent = text;
      tab.setAttribute('aria-selected', String(i === state.index));
      tab.tabIndex = i === state.index ? 0 : -1;
    });
  }

  showCaret(field) {
    const el = this.form.elements[field];
    if (!el || el.disabled) return;
    const state = this.control(field);
    if (el.value !== state.text) return;
    const [start, length] = state.selection ?? [state.caret, 0];
    const from = toUtf16(el.value, start);
    const to = toUtf16(el.value, start + length);
    const backward = length > 0 && state.caret === start;
    if (el.selectionStart !== from || el.selectionEnd !== to)
      el.setSelectionRange(from, to, backward ? 'backward' : 'forward');
  }

  // The element that holds the focus when the state has it on FIELD.
  focusElement(field) {
    const kind = this.form.kindOf(field);
    if (kind === 'radio') {
      const radios = (this.form.radios[field] ?? []).filter(Boolean);
      return radios.find((r) => r.checked) ?? radios.find((r) => !r.disabled) ?? null;
    }
    if (kind === 'tabs')
      return this.form.tabList?.querySelector('[aria-selected="true"]') ?? null;
    return this.form.elements[field] ?? null;
  }
}
