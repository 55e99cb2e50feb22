// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The script's side of window.cpp: a window's element in the page, and what
// the user does in it, reported to the module as the desktop front-ends
// report it to the window's rules: each focus move with how it came (by key,
// by click, by the program, or back from outside the page), each release of
// a click, each press of a button, and Enter and Escape.

import { page, read, encode, write, control, whose, element } from './page.js';
import { listenToBoxes } from './text_box.js';

// How the focus came into a control, as ui::Entry numbers them.
const KEY = 0, CLICK = 1, OTHER = 2, OUTSIDE = 3;
// The keys the rules answer for, as movla_key numbers them.
const ENTER = 0, ESCAPE = 1;

// How the focus move under way came, while the event that makes it runs.
let entry = null;
function coming(how) {
  entry = how;
  // Reset once the event and its default action, the focus move, are done.
  setTimeout(() => { entry = null; });
}

/// Runs `action`, which moves the focus, as a move that came `how`.
export function moving(how, action) {
  const before = entry;
  entry = how;
  try {
    action();
  } finally {
    entry = before;
  }
}

function inWindow(win, node) {
  return node instanceof Node && win.element.contains(node);
}

function listen(win) {
  const { element: frame, id } = win;
  frame.addEventListener('focusin', (event) => {
    const found = whose(event.target);
    if (page.ended || found?.window !== win) return;
    const how = entry ?? (inWindow(win, event.relatedTarget) ? OTHER : OUTSIDE);
    page.module.movla_entered(id, found.row, how);
  });
  frame.addEventListener('focusout', (event) => {
    const found = whose(event.target);
    if (page.ended || found?.window !== win) return;
    page.module.movla_left(id, found.row, inWindow(win, event.relatedTarget));
  });
  frame.addEventListener('mouseup', (event) => {
    const found = whose(event.target);
    if (page.ended || found?.window !== win || !(event.target instanceof HTMLInputElement)) return;
    const box = event.target;
    page.module.movla_released(id, found.row, box.selectionStart !== box.selectionEnd);
  });
  frame.addEventListener('click', (event) => {
    const found = whose(event.target);
    if (page.ended || found?.window !== win) return;
    const button = win.controls[found.row];
    if (!(button instanceof HTMLButtonElement)) return;
    page.module.movla_pressed(id, found.row, document.activeElement === button);
  });
  frame.addEventListener('keydown', (event) => {
    if (page.ended) return;
    coming(KEY);
    const found = whose(document.activeElement);
    const row = found?.window === win ? found.row : -1;
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    if (event.key === 'Tab' && plain) {
      // Tab goes round the window, as on the desktop, not on to the browser's own bar.
      event.preventDefault();
      const next = page.module.movla_tab(id, row, event.shiftKey);
      if (next >= 0) moving(KEY, () => win.controls[next].focus());
    } else if ((event.key === 'Enter' || event.key === 'Escape') && plain && !event.shiftKey) {
      if (page.module.movla_key(id, row, event.key === 'Enter' ? ENTER : ESCAPE)) {
        event.preventDefault();
        event.stopPropagation();
      }
    }
  });
  listenToBoxes(frame);
  if (frame instanceof HTMLDialogElement) {
    // Escape's close request: the rules have answered for Escape already.
    frame.addEventListener('cancel', (event) => event.preventDefault());
  }
}

// The page's own events, for every window.
let listening = false;
function listenToPage() {
  if (listening) return;
  listening = true;
  document.addEventListener('mousedown', (event) => {
    if (page.ended) return;
    // A click on a band, a label or the page itself leaves the focus where
    // it was, as a click on a desktop window's label does; one on the
    // page's scroll bars (which the root element gets) scrolls.
    if (event.target === document.documentElement) return;
    if (!(event.target instanceof Element) || !event.target.closest('input, button')) {
      event.preventDefault();
      return;
    }
    coming(CLICK);
  }, true);
  window.addEventListener('resize', () => { if (!page.ended) page.module.movla_place(); });
}

// The text control_text() read, for take_text() to copy.
let taken = null;

export const windowImports = {
  window_open(id, name, nameLength, modal, caption, captionLength, width, height, back,
              backLength) {
    listenToPage();
    const title = read(caption, captionLength);
    const frame = element(modal ? 'dialog' : 'div', 'window');
    const client = element('div', 'client');
    client.style.width = `${width}px`;
    client.style.height = `${height}px`;
    client.style.backgroundColor = read(back, backLength);
    if (modal) {
      const bar = element('div', 'caption');
      bar.textContent = title;
      bar.id = `caption-${id}`;
      frame.setAttribute('aria-labelledby', bar.id);
      frame.append(bar);
    } else {
      // The calculator's caption is the page's title; the browser's window is its frame.
      document.title = title;
      frame.setAttribute('role', 'main');
      frame.setAttribute('aria-label', title);
      frame.style.visibility = 'hidden';
    }
    frame.dataset.window = read(name, nameLength);
    frame.append(client);
    document.body.append(frame);
    const win = { id, element: frame, client, controls: [] };
    page.windows.set(id, win);
    listen(win);
  },
  window_frame(id) {
    const { element: frame, client } = page.windows.get(id);
    // The browser's window is the calculator's frame: its size is the
    // client area's, which needs no layout to know.
    if (!(frame instanceof HTMLDialogElement))
      return (parseInt(client.style.width) << 16) | parseInt(client.style.height);
    // A dialog not yet shown takes no room: measure it shown, unseen.
    const closed = !frame.open;
    if (closed) frame.style.cssText += ';display:block;visibility:hidden';
    const packed = (frame.offsetWidth << 16) | frame.offsetHeight;
    if (closed) frame.style.removeProperty('display'), frame.style.removeProperty('visibility');
    return packed;
  },
  window_area() {
    // The browser's window (innerWidth needs no layout, unlike clientWidth).
    return (innerWidth << 16) | innerHeight;
  },
  window_show(id, left, top) {
    const { element: frame } = page.windows.get(id);
    // A window stands in the page, which scrolls where it does not fit; a
    // dialog opens in the part of the page in view.
    const modal = frame instanceof HTMLDialogElement;
    frame.style.left = `${left + (modal ? scrollX : 0)}px`;
    frame.style.top = `${top + (modal ? scrollY : 0)}px`;
    if (modal) {
      // The module moves the focus to the window's first control itself.
      if (!frame.open) moving(OTHER, () => frame.showModal());
    } else {
      frame.style.removeProperty('visibility');
    }
  },
  window_close(id) {
    const win = page.windows.get(id);
    page.windows.delete(id);
    if (win.element instanceof HTMLDialogElement) win.element.close();
    win.element.remove();
  },
  page_end() {
    // Closes the window where the browser lets a page do so (an installed
    // app, a window a page opened); otherwise the page ends in its place.
    page.ended = true;
    for (const win of page.windows.values()) win.element.remove();
    page.windows.clear();
    document.body.replaceChildren();
    page.module = null;
    window.close();
  },
  control_text(id, row) {
    const target = control(id, row);
    taken = encode(target instanceof HTMLInputElement ? target.value : target.movlaText.textContent);
    return taken.length;
  },
  take_text(into) {
    write(into, taken);
  },
  control_set_text(id, row, text, length) {
    const target = control(id, row);
    const value = read(text, length);
    if (target instanceof HTMLInputElement) target.value = value;
    else target.movlaText.textContent = value;
  },
  control_select(id, row, caretAtStart) {
    const box = control(id, row);
    box.setSelectionRange(0, box.value.length, caretAtStart ? 'backward' : 'forward');
    if (caretAtStart) box.scrollLeft = 0;
  },
  control_focus(id, row) {
    moving(OTHER, () => control(id, row).focus());
  },
  control_attribute(id, row, name, nameLength, value, valueLength) {
    const target = control(id, row);
    const text = read(value, valueLength);
    if (text) target.setAttribute(read(name, nameLength), text);
    else target.removeAttribute(read(name, nameLength));
  },
};
