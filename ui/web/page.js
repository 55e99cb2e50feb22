// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The script's side of page.h: the module it serves, texts in and out of the
// module's memory, and the windows it has built, by number. Every other
// file of this folder builds on these.

export const page = {
  module: null, // the module's exports, once connected
  windows: new Map(), // number -> {id, element, client, controls: [], ...}
  ended: false, // the program has ended: nothing more is reported
};

const encoder = new TextEncoder();
const decoder = new TextDecoder();

export function connect(instance) {
  page.module = instance.exports;
}

/// The UTF-8 text at `pointer` in the module's memory.
export function read(pointer, length) {
  const bytes = new Uint8Array(page.module.memory.buffer, pointer, length);
  // Most texts are short and ASCII (names, numbers, CSS), for which a
  // TextDecoder call costs more than the text.
  if (length <= 64 && bytes.every((byte) => byte < 0x80)) return String.fromCharCode(...bytes);
  return decoder.decode(bytes);
}

/// Hands `text` to the module, into the buffer its next call reads.
export function hand(text) {
  const bytes = encoder.encode(text);
  const pointer = page.module.movla_buffer(bytes.length);
  new Uint8Array(page.module.memory.buffer, pointer, bytes.length).set(bytes);
}

/// Copies `bytes` to `pointer` in the module's memory.
export function write(pointer, bytes) {
  new Uint8Array(page.module.memory.buffer, pointer, bytes.length).set(bytes);
}

export function encode(text) {
  return encoder.encode(text);
}

/// The element of `row` in window `id`.
export function control(id, row) {
  return page.windows.get(id).controls[row];
}

/// The window and row of the control that holds `node`, or null.
export function whose(node) {
  const found = node instanceof Element ? node.closest('[data-name]') : null;
  return found?.movla ?? null;
}

/// An element of `tag`, of the page's class `kind`.
export function element(tag, kind) {
  const made = document.createElement(tag);
  if (kind) made.className = kind;
  return made;
}
