// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns what the user does in the page into the calculator's actions. The
// browser never edits a field itself: every keystroke is cancelled and
// sent to the core, which filters it, and the state view shows the result.

import { toCodePoints } from './text-positions.js';

// A phone or a tablet, whose keyboard is the one on its screen.
function coarsePointer() {
  return window.matchMedia?.('(pointer: coarse)').matches ?? false;
}

function fieldOf(el) {
  return el?.closest?.('[data-field]')?.dataset.field ?? null;
}

export class ActionRouter {
  constructor(calc, form, view, dialog) {
    this.calc = calc;
    this.form = form;
    this.view = view;
    this.dialog = dialog;
    this.moving = false; // focus moved by the page itself, not the user
    this.pointerDown = false;
    // A field the keyboard or the page just focused: the browser then puts
    // its own caret or selection there, which the state did not choose.
    this.fresh = null;
    this.onAnswer = null; // sees every answer after the form has shown it
    this.fromKeypad = false; // the last key came from a screen keypad
    // Takes the report an answer brings: (answer, print) with print true
    // when «Печать» asked for it, false for the report button's Word.
    this.onReport = null;
    this.printing = false;
  }

  // Shows the state's caret again once the browser has placed its own.
  restoreAfterFocus(field) {
    if (!this.form.hasCaret(field)) return;
    this.fresh = field;
    setTimeout(() => {
      if (this.fresh !== field) return;
      this.fresh = null;
      if (this.view.focus === field) this.view.showCaret(field);
    }, 0);
  }

  act(method, ...args) {
    return this.present(JSON.parse(this.calc[method](...args)));
  }

  // «Печать»: the report button's own report, as a printable page; the
  // focus stays where the user has it.
  printReport() {
    this.printing = true;
    try {
      return this.present(JSON.parse(this.calc.report()), { follow: false });
    } finally {
      this.printing = false;
    }
  }

  // The window's start. It focuses the drive list, which a phone shows
  // far down: the page is not scrolled to it. The core's work, the
  // showing of its answer and the focus (which lays the page out) are
  // each about as long as the browser should be held at once: PAUSE lets
  // it paint and take input between them. The focus goes where the state
  // has it then, should the user have chosen a field in the meantime.
  async start(pause = async () => {}) {
    const answer = JSON.parse(this.calc.start());
    await pause();
    // A refusal's message box gives the focus back itself once closed.
    const failed = answer.result === 'failed';
    this.present(answer, { follow: failed, scroll: false });
    if (failed) return answer;
    await pause();
    this.followFocus(false, false);
    return answer;
  }

  // Shows an answer. FOLLOW: the DOM focus goes where the state has it;
  // an action from outside the form leaves it where the user put it.
  // SCROLL: the page may scroll to show the focused field.
  present(answer, { follow = true, scroll = true } = {}) {
    this.view.apply(answer);
    this.onAnswer?.(answer);
    if (answer.clipboard !== undefined)
      navigator.clipboard?.writeText(answer.clipboard).catch(() => {});
    if (answer.open) window.open(answer.open, '_blank', 'noopener');
    if (answer.report) this.onReport?.(answer, this.printing);
    if (answer.result === 'failed') this.dialog.show(answer.error, () => follow && this.followFocus(true));
    else if (follow) this.followFocus(false, scroll);
    return answer;
  }

  // Puts the DOM focus where the state has it. After the message box the
  // browser hands the focus back to the field without its text selection,
  // where keys would insert nothing: the field is focused anew.
  followFocus(anew = false, scroll = true) {
    if (this.dialog.open) return;
    const el = this.view.focusElement(this.view.focus);
    if (!el || (document.activeElement === el && !anew)) return;
    this.moving = true;
    try {
      if (anew) el.blur();
      el.focus({ preventScroll: !scroll });
    } finally {
      this.moving = false;
    }
    if (this.form.hasCaret(this.view.focus)) this.view.showCaret(this.view.focus);
    this.restoreAfterFocus(this.view.focus);
  }

  wire(root) {
    root.addEventListener('focusin', (e) => this.onFocus(e));
    root.addEventListener('beforeinput', (e) => this.onBeforeInput(e));
    root.addEventListener('keydown', (e) => this.onKey(e));
    root.addEventListener('change', (e) => this.onChange(e));
    root.addEventListener('click', (e) => this.onClick(e));
    root.addEventListener('mousedown', (e) => this.onMouseDown(e));
    for (const type of ['keyup', 'mouseup', 'select'])
      root.addEventListener(type, (e) => this.syncSelection(e.target));
    // Drops would edit the field behind the core's back.
    root.addEventListener('drop', (e) => e.preventDefault());
  }

  onFocus(e) {
    if (this.moving || this.dialog.open) return;
    const field = fieldOf(e.target);
    if (!field || !this.form.kindOf(field) || field === this.view.focus) return;
    if (e.target.classList?.contains('combo-list')) return; // its pick moves the focus
    if (this.form.kindOf(field) === 'link' || this.form.kindOf(field) === 'label') return;
    this.act('focus', field);
    // A click places the caret where it points (synced on mouseup);
    // Tab leaves it where the state has it.
    if (!this.pointerDown) this.restoreAfterFocus(field);
  }

  // The browser moved the caret or the selection (mouse, arrows, Home):
  // the state learns it before the next keystroke counts from it.
  syncSelection(el) {
    const field = fieldOf(el);
    if (!field || !this.form.hasCaret(field) || el !== this.form.elements[field]) return;
    if (field !== this.view.focus || el.disabled) return;
    if (this.fresh === field) {
      this.fresh = null;
      this.view.showCaret(field);
      return;
    }
    const state = this.view.control(field);
    if (el.value !== state.text) return;
    const start = toCodePoints(el.value, el.selectionStart);
    const end = toCodePoints(el.value, el.selectionEnd);
    const [s, l] = state.selection ?? [state.caret, 0];
    if (start === s && end - start === l && (l > 0 || state.caret === start)) return;
    if (start === end) this.calc.caret(field, start);
    else this.calc.select(field, start, end - start);
  }

  onBeforeInput(e) {
    const el = e.target;
    const field = fieldOf(el);
    if (!field || !this.form.hasCaret(field) || el !== this.form.elements[field]) return;
    e.preventDefault();
    this.syncSelection(el);
    const type = e.inputType;
    if (type === 'insertText' || type === 'insertCompositionText') {
      if (e.data === '.' && this.fromKeypad) this.act('typeDecimalSeparator', field);
      else if (e.data) this.act('type', field, e.data);
    } else if (type === 'insertFromPaste' || type === 'insertReplacementText') {
      const text = e.dataTransfer?.getData('text/plain') ?? e.data ?? '';
      this.act('paste', field, text);
    } else if (type.startsWith('deleteContentBackward') || type.endsWith('Backward')) {
      this.act('backspace', field, 1);
    } else if (type === 'deleteContentForward' || type.endsWith('Forward')) {
      this.act('deleteForward', field);
    } else if (type === 'deleteByCut') {
      const text = el.value.slice(el.selectionStart, el.selectionEnd);
      if (text) {
        navigator.clipboard?.writeText(text).catch(() => {});
        this.act('backspace', field, 1);
      }
    }
  }

  onKey(e) {
    // A phone's keypad tells no key (or only that one is being composed),
    // and offers «.» alone where the user's language writes a decimal
    // point; a real keyboard's «.» stays a character the key filter takes
    // or drops, as in the window.
    this.fromKeypad = e.key === 'Unidentified' || e.key === 'Process' || e.keyCode === 229 || coarsePointer();
    const field = fieldOf(e.target);
    if (!field) return;
    if (e.key === 'Enter' && coarsePointer() && !e.isComposing && e.target.enterKeyHint === 'next') {
      e.preventDefault();
      this.act('focusNext', field);
      return;
    }
    const accel = e.ctrlKey || e.metaKey;
    if (this.form.hasCaret(field) && accel && !e.altKey && e.key.toLowerCase() === 'a') {
      e.preventDefault();
      this.act('selectAll', field);
      return;
    }
    if (this.form.kindOf(field) === 'tabs' && (e.key === 'ArrowLeft' || e.key === 'ArrowRight')) {
      e.preventDefault();
      const count = this.form.tabList.children.length;
      const index = Number(e.target.dataset.index ?? 0) + (e.key === 'ArrowRight' ? 1 : -1);
      if (index >= 0 && index < count) this.act('tab', index);
    }
  }

  onChange(e) {
    const el = e.target;
    const field = fieldOf(el);
    if (!field) return;
    if (this.form.kindOf(field) === 'pick' || el.classList.contains('combo-list'))
      this.act('pick', field, el.selectedIndex);
  }

  onClick(e) {
    const el = e.target;
    const field = fieldOf(el);
    if (!field) return;
    const kind = this.form.kindOf(field);
    if (kind === 'radio' && el.type === 'radio') {
      this.act('click', field, Number(el.value));
      this.view.show(field); // a refused click leaves the old choice shown
    } else if (kind === 'check' && el.type === 'checkbox') {
      this.act('check', field);
      this.view.show(field);
    } else if (kind === 'tabs' && el.dataset.index !== undefined) {
      this.act('tab', Number(el.dataset.index));
    } else if (kind === 'button') {
      this.act('report');
    } else if (kind === 'link') {
      e.preventDefault();
      this.act('link', field);
    }
  }

  onMouseDown(e) {
    this.pointerDown = true;
    document.addEventListener('mouseup', () => (this.pointerDown = false), { once: true, capture: true });
    const table = e.target.closest?.('table.grid');
    if (!table || table.id !== 'Spisok' || e.button !== 0) return;
    const cell = e.target.closest('td, th');
    const row = cell?.parentElement;
    if (cell && row) this.act('cell', 'Spisok', cell.cellIndex, row.sectionRowIndex);
    else this.act('cell', 'Spisok', -1, -1);
  }
}
