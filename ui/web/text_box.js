// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The script's side of text_box.cpp: what the page's input elements need
// beyond their own.
// - A paste or a drop goes in as the one line the module keeps of it
//   (ui::pasted_line), as an edit the user can undo.
// - A reset by the pass can be undone: a script's write to an input is no
//   step of the browser's undo, so Ctrl+Z (Cmd+Z) brings back the text the
//   reset replaced, selected, and Ctrl+Shift+Z or Ctrl+Y the reset again.
// - A result the module cuts shows its start and the mark on a cover over
//   the box; the box keeps its whole text for copying and screen readers.

import { page, read, hand, control, element } from './page.js';

const measuring = element('canvas').getContext('2d');
let sides = null;

function isBox(target) {
  return target instanceof HTMLInputElement && !target.readOnly && target.movla;
}

function replaceWithLine(event, text, box) {
  hand(text);
  const length = page.module.movla_paste();
  if (length < 0) return; // one line: the browser's own paste
  event.preventDefault();
  const line = read(page.module.movla_buffer(length), length);
  if (document.activeElement !== box) box.focus();
  // insertText is the one script edit that joins the input's undo steps.
  document.execCommand('insertText', false, line);
}

// Ctrl+Z and Ctrl+Shift+Z on a box the pass has reset: true when done.
function undoReset(box, redo) {
  const reset = box.movlaReset;
  if (!reset || reset.undone !== redo || box.value !== (redo ? reset.before : reset.after)) return false;
  box.value = redo ? reset.after : reset.before;
  reset.undone = !redo;
  box.select();
  return true;
}

export function listenToBoxes(frame) {
  frame.addEventListener('paste', (event) => {
    if (!page.ended && isBox(event.target))
      replaceWithLine(event, event.clipboardData.getData('text/plain'), event.target);
  });
  frame.addEventListener('drop', (event) => {
    if (!page.ended && isBox(event.target))
      replaceWithLine(event, event.dataTransfer.getData('text/plain'), event.target);
  });
  frame.addEventListener('keydown', (event) => {
    const command = event.ctrlKey || event.metaKey;
    if (page.ended || !command || event.altKey || !isBox(event.target)) return;
    const key = event.key.toLowerCase();
    const redo = (key === 'z' && event.shiftKey) || (key === 'y' && !event.shiftKey);
    if ((key === 'z' || redo) && undoReset(event.target, redo)) event.preventDefault();
  });
  frame.addEventListener('beforeinput', (event) => {
    // The context menu's Undo and Redo.
    const redo = event.inputType === 'historyRedo';
    if (redo || event.inputType === 'historyUndo')
      if (isBox(event.target) && undoReset(event.target, redo)) event.preventDefault();
  });
  frame.addEventListener('input', (event) => {
    if (isBox(event.target)) event.target.movlaReset = null;
  });
}

export const textBoxImports = {
  control_replace_text(id, row, text, length) {
    const box = control(id, row);
    const after = read(text, length);
    box.movlaReset = { before: box.value, after, undone: false };
    box.value = after;
  },
  text_room(id, row) {
    const box = control(id, row);
    // Every box has the same borders and padding: read once.
    if (sides === null) {
      const style = getComputedStyle(box);
      sides = ['Left', 'Right'].reduce((sum, side) =>
        sum + parseFloat(style[`padding${side}`]) + parseFloat(style[`border${side}Width`]), 0);
    }
    return box.movlaWidth - sides;
  },
  // The text's width in the box's font, drawn uncondensed as laid out;
  // with `ends`, where each of its characters ends, too.
  text_measure(id, row, text, length, ends) {
    const context = measuring;
    context.font = control(id, row).style.font;
    const characters = read(text, length);
    if (!ends) return context.measureText(characters).width;
    const into = new Float64Array(page.module.memory.buffer, ends, Array.from(characters).length);
    let prefix = '';
    Array.from(characters).forEach((character, i) => {
      prefix += character;
      into[i] = context.measureText(prefix).width;
    });
    return into[into.length - 1] ?? 0;
  },
  text_cut(id, row, shown, shownLength, hover, hoverLength) {
    const box = control(id, row);
    const start = read(shown, shownLength);
    if (!start) {
      if (!box.movlaCover) return;
      box.movlaCover.remove();
      box.movlaCover = null;
      box.removeAttribute('title');
      box.style.color = box.movlaColour ?? '';
      return;
    }
    if (!box.movlaCover) {
      box.movlaCover = element('div', 'cover');
      box.movlaCover.setAttribute('aria-hidden', 'true');
      box.after(box.movlaCover);
    }
    const cover = box.movlaCover;
    const style = getComputedStyle(box);
    for (const property of ['left', 'top', 'width', 'height', 'font', 'transform',
                            'paddingLeft', 'paddingRight', 'borderLeftWidth', 'borderRightWidth',
                            'borderTopWidth', 'borderBottomWidth'])
      cover.style[property] = box.style[property] || style[property];
    cover.style.color = box.movlaColour ?? '';
    box.style.color = 'transparent';
    cover.textContent = start;
    box.title = read(hover, hoverLength);
  },
  screen_width() {
    return screen.width;
  },
};
