// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the form from the core's description of the window: every text
// the window shows comes from there, so the page holds no second copy.
// Rectangles go into CSS variables; the desktop style places each element
// by them, the phone style ignores them and stacks the rows in order.

// What a phone keeps in view above the fields while the user types: the
// curtain's mass, the torque and the narrow-construction warning; the
// chosen drive is added to them.
const SUMMARY = ['FullMassa', 'Moment', 'Label27'];

function make(tag, props = {}) {
  const el = document.createElement(tag);
  for (const [key, value] of Object.entries(props)) {
    if (key === 'text') el.textContent = value;
    else if (key in el && typeof value !== 'string') el[key] = value;
    else el.setAttribute(key, value);
  }
  return el;
}

// Places an element at its window rectangle, relative to its parent's.
function place(el, rect, origin = [0, 0], align = undefined) {
  if (!Array.isArray(rect) || rect.length !== 4) return;
  // Right-aligned texts: only the right edge is exact, the width is room.
  if (align === 'right') el.classList.add('align-right');
  const [x, y, w, h] = rect.map(Number);
  el.classList.add('placed');
  el.style.setProperty('--x', `${x - origin[0]}px`);
  el.style.setProperty('--y', `${y - origin[1]}px`);
  el.style.setProperty('--w', `${w}px`);
  el.style.setProperty('--h', `${h}px`);
}

// A number's text: the phone brings its numeric keypad, whose next key
// goes on to the next field.
function numberInput(name) {
  const input = make('input', { id: name, type: 'text', autocomplete: 'off', spellcheck: 'false' });
  input.setAttribute('inputmode', 'decimal');
  input.setAttribute('enterkeyhint', 'next');
  return input;
}

function editControl(name, result) {
  const input = numberInput(name);
  if (result) {
    input.readOnly = true;
    input.classList.add('result');
  }
  return input;
}

function comboControl(name) {
  const box = make('span', { class: 'combo' });
  const input = numberInput(name);
  const list = make('select', { id: `${name}-list`, class: 'combo-list' });
  list.dataset.field = name;
  box.append(input, list);
  return { box, input, list };
}

function tableControl(name) {
  const table = make('table', { id: name, class: 'grid', tabindex: '0' });
  table.append(make('tbody'));
  return table;
}

export class FormBuilder {
  constructor(root) {
    this.root = root;
    this.elements = {}; // field name -> main element
    this.radios = {}; // group name -> [input...]
    this.rows = {}; // field name -> row wrapper
    this.groups = {}; // group name -> {box, rect}
    this.lists = {}; // 'Diametr' -> its pick list
    this.captions = {}; // field name -> caption text
    this.kinds = {}; // field name -> the kind of control the page shows it in
    this.results = new Set(); // fields that only show a result
    this.fields = []; // every field of the layout, in its order
  }

  // The kind of control a layout item is; null for what is no field.
  static kindOfItem(item) {
    switch (item.kind) {
      case 'field': return item.control === 'result' ? 'edit' : item.control;
      case 'group': return 'radio';
      case 'check': case 'label': case 'tabs': case 'grid': case 'button': case 'link': return item.kind;
      default: return null;
    }
  }

  kindOf(field) {
    return this.kinds[field] ?? null;
  }

  // Fields whose text the user edits, with a caret and a selection.
  hasCaret(field) {
    const kind = this.kinds[field];
    return kind === 'edit' || kind === 'combo';
  }

  learnKinds(items) {
    for (const item of items) {
      const kind = FormBuilder.kindOfItem(item);
      if (!kind || !item.name || this.kinds[item.name]) continue;
      this.kinds[item.name] = kind;
      this.fields.push(item.name);
      if (item.control === 'result') this.results.add(item.name);
    }
  }

  build(layout) {
    const title = layout.window?.title;
    if (title) document.title = title;
    // The page's one heading names the program, whichever screen shows.
    const heading = document.getElementById('page-title');
    if (title && heading) heading.textContent = title;
    // Kept for the layout's tests and tools: what the window looks like.
    this.root.dataset.layout = JSON.stringify(layout);
    this.root.style.setProperty('--window-w', `${layout.window?.width ?? 900}px`);
    this.root.style.setProperty('--window-h', `${layout.window?.height ?? 570}px`);
    const items = layout.items ?? [];
    this.learnKinds(items);
    // A row for each field (its caption, control and unit) and for each
    // other item, in the layout's order: the phone's column.
    items.forEach((item, i) => this.row(this.rowKey(item) ?? `#${i}`));
    this.slots = new Map(items.map((item, i) => [item, this.rowKey(item) ?? `#${i}`]));
    // Groups first, so that their radios find them whatever the order.
    // Groups and the tab control first, so that radios and grids find
    // their box whatever the order.
    for (const item of items) if (item.kind === 'group') this.group(item);
    const tabs = items.find((item) => item.name === 'TabControl1');
    if (tabs) this.item(tabs);
    for (const item of items) if (item !== tabs) this.item(item);
    this.labelUnlabelled();
    for (const row of Object.values(this.rows)) if (!row.childElementCount) row.remove();
    this.gather('maker', Object.values(this.rows).filter((row) => row.querySelector('.text, .link, .logo')));
    this.summary();
    return this;
  }

  // Takes over the form that the site's build made with build() and wrote
  // into the page, so that the browser keeps what it has painted: the
  // same elements, found by what build() named them, and the layout they
  // were made from.
  adopt() {
    const layout = JSON.parse(this.root.dataset.layout);
    this.learnKinds(layout.items ?? []);
    for (const item of layout.items ?? []) if (item.kind === 'caption') this.captions[item.for] = item.text;
    for (const row of this.root.querySelectorAll('[data-row]')) this.rows[row.dataset.row] = row;
    for (const field of this.fields) {
      if (this.kindOf(field) === 'radio') {
        for (const input of this.root.querySelectorAll(`input[type="radio"][name="${field}"]`))
          (this.radios[field] ??= [])[Number(input.value)] = input;
        continue;
      }
      const el = document.getElementById(field);
      if (el) this.elements[field] = el;
      if (this.kindOf(field) === 'combo') this.lists[field] = document.getElementById(`${field}-list`);
    }
    this.tabList = this.root.querySelector('.tab-list');
    this.driveLine = this.root.querySelector('.summary-drive');
    for (const img of this.root.querySelectorAll('img.logo')) {
      if (img.complete && !img.naturalWidth) img.remove();
      else img.addEventListener('error', () => img.remove());
    }
    return this;
  }

  // Puts ROWS in one box of class NAME where the first of them stood. The
  // window's layout looks through the box (its rows are placed on the form);
  // a phone lays it out as one block.
  gather(name, rows) {
    const box = make('div', { class: name });
    rows[0]?.before(box);
    box.append(...rows);
    return box;
  }

  summary() {
    const rows = SUMMARY.map((field) => this.rows[field]).filter(Boolean);
    const box = this.gather('summary', rows);
    this.driveLine = make('p', { class: 'summary-drive' });
    box.insertBefore(this.driveLine, this.rows.Label27 ?? null);
  }

  row(field) {
    if (!this.rows[field]) {
      const row = make('div', { class: 'row' });
      row.dataset.row = field;
      this.rows[field] = row;
      this.root.append(row);
    }
    return this.rows[field];
  }

  rowKey(item) {
    switch (item.kind) {
      case 'radio': return item.group;
      case 'caption': case 'unit': return item.for;
      default: return this.kindOf(item.name) ? item.name : null;
    }
  }

  group(item) {
    const field = item.name;
    const box = make('fieldset', { class: 'group', role: 'radiogroup' });
    box.dataset.field = field;
    box.id = `${field}-group`;
    if (item.text) box.append(make('legend', { text: item.text }));
    place(box, item.rect);
    this.groups[field] = { box, rect: item.rect ?? [0, 0, 0, 0] };
    this.row(field).append(box);
  }

  item(item) {
    switch (item.kind) {
      case 'group': return;
      case 'radio': return this.radio(item);
      case 'logo': return this.logo(item);
      case 'caption': case 'unit': return this.label(item);
      case 'text': return this.text(item);
      default: return this.control(item.name, item);
    }
  }

  control(field, item) {
    const kind = this.kindOf(field);
    const row = this.row(field);
    let el;
    if (kind === 'edit') el = editControl(field, this.results.has(field));
    else if (kind === 'pick') el = make('select', { id: field });
    else if (kind === 'combo') {
      const combo = comboControl(field);
      this.lists[field] = combo.list;
      el = combo.input;
      place(combo.box, item.rect);
      row.append(combo.box);
      this.elements[field] = el;
      el.dataset.field = field;
      return;
    } else if (kind === 'check') {
      const box = make('input', { id: field, type: 'checkbox' });
      const label = make('label', { for: field, class: 'check' });
      label.append(box, document.createTextNode(item.text ?? ''));
      place(label, item.rect);
      row.append(label);
      this.elements[field] = box;
      box.dataset.field = field;
      return;
    } else if (kind === 'label') el = make('span', { id: field, class: 'note', text: item.text ?? '' });
    else if (kind === 'tabs') el = this.tabs(field, item);
    else if (kind === 'grid') el = tableControl(field);
    else if (kind === 'button') el = make('button', { id: field, type: 'button', text: item.text ?? '' });
    else if (kind === 'link') el = make('a', { id: field, href: '#', class: 'link', text: item.text ?? '' });
    else return;
    el.dataset.field = field;
    this.elements[field] = el;
    if (kind === 'link') return this.link(el, item);
    const tabs = this.elements.TabControl1;
    if (kind === 'grid' && tabs) {
      // The grids lie on the tab control, as in the window; the core
      // gives their place on it already when it says so.
      place(el, item.rect, item.in === 'TabControl1' ? [0, 0] : this.tabsRect);
      tabs.append(el);
      return;
    }
    place(el, item.rect);
    row.append(el);
  }

  // The maker's two links share one right-aligned line: the last ends at
  // the rectangle's right edge and each stands `gap` px after the one
  // before, whatever width the font gives their texts.
  link(el, item) {
    if (!this.linkLine) {
      this.linkLine = make('div', { class: 'link-line' });
      place(this.linkLine, item.rect);
      this.row(this.slots.get(item) ?? item.name).append(this.linkLine);
    }
    if (item.gap !== undefined) this.linkLine.style.setProperty('--gap', `${item.gap}px`);
    this.linkLine.append(el);
  }

  tabs(field, item) {
    const box = make('div', { id: field, class: 'tabs' });
    const list = make('div', { class: 'tab-list', role: 'tablist' });
    box.append(list);
    this.tabsRect = item.rect;
    this.tabList = list;
    return box;
  }

  radio(item) {
    const field = item.group;
    const group = this.groups[field];
    const id = `${field}-${item.index}`;
    const input = make('input', { id, type: 'radio', name: field, value: String(item.index) });
    input.dataset.field = field;
    const label = make('label', { for: id, class: 'radio' });
    label.append(input, document.createTextNode(item.text ?? ''));
    place(label, item.rect, group.rect);
    group.box.append(label);
    (this.radios[field] ??= [])[item.index] = input;
  }

  label(item) {
    const tag = item.kind === 'caption' ? 'label' : 'span';
    const el = make(tag, { class: item.kind, text: item.text ?? '' });
    if (item.name) el.dataset.name = item.name;
    if (tag === 'label' && this.kindOf(item.for) !== 'radio') el.setAttribute('for', item.for);
    if (item.kind === 'caption') this.captions[item.for] = item.text;
    place(el, item.rect);
    this.row(item.for).append(el);
  }

  text(item) {
    const el = make('span', { class: 'text', text: item.text });
    if (item.name) el.dataset.name = item.name;
    place(el, item.rect, [0, 0], item.align);
    this.row(this.slots.get(item)).append(el);
  }

  logo(item) {
    const img = make('img', { class: 'logo', src: 'logo.png', alt: '' });
    img.addEventListener('error', () => img.remove());
    place(img, item.rect);
    this.row(this.slots.get(item)).append(img);
  }

  // Controls with no caption of their own (results read by their caption
  // too; the Diametr list; grids) still get an accessible name.
  labelUnlabelled() {
    for (const [field, el] of Object.entries(this.elements)) {
      const caption = this.captions[field];
      if (caption && !el.labels?.length) el.setAttribute('aria-label', caption);
      if (!caption && !el.textContent && !el.labels?.length) el.setAttribute('aria-label', field);
    }
    for (const [field, list] of Object.entries(this.lists))
      list.setAttribute('aria-label', this.captions[field] ?? field);
    for (const name of this.fields.filter((f) => this.kindOf(f) === 'edit')) {
      const el = this.elements[name];
      const unit = this.rows[name]?.querySelector('.unit');
      if (el && unit) el.setAttribute('aria-describedby', (unit.id ||= `${name}-unit`));
    }
  }
}
