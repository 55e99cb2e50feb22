// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The script's side of controls.cpp: one element per row of a window's
// table, at the place, in the size and font the module gives it.

import { page, read, control, element } from './page.js';

// ui::Kind, ui::Align and ui::Option as the module numbers them.
const BAND = 0, LINE = 1, LABEL = 2, TEXT_BOX = 3, BUTTON = 4, PICTURE = 5;
const ALIGN = ['left', 'center', 'right'];
const READ_ONLY = 1, WORD_WRAP = 2;

function made(kind, options, text, accessKey) {
  switch (kind) {
    case BAND:
    case LINE:
      return element('div', kind === BAND ? 'band' : 'line');
    case LABEL: {
      const label = element('div', 'label');
      label.movlaText = label.appendChild(element('span', 'text'));
      label.movlaText.textContent = text;
      if (options & WORD_WRAP) label.classList.add('wrap');
      return label;
    }
    case TEXT_BOX: {
      const box = element('input', 'box');
      box.type = 'text';
      box.readOnly = (options & READ_ONLY) !== 0;
      box.spellcheck = false;
      box.autocomplete = 'off';
      box.value = text;
      return box;
    }
    case BUTTON: {
      const button = element('button', 'button');
      button.type = 'button';
      const face = button.appendChild(element('span', 'text'));
      const characters = Array.from(text);
      if (accessKey >= 0 && accessKey < characters.length) {
        // The access key: underlined, and the browser's own accesskey.
        const key = element('u');
        key.textContent = characters[accessKey];
        face.append(characters.slice(0, accessKey).join(''), key,
                    characters.slice(accessKey + 1).join(''));
        button.accessKey = characters[accessKey].toLowerCase();
      } else {
        face.textContent = text;
      }
      button.movlaText = face;
      return button;
    }
    case PICTURE: {
      const picture = element('div', 'picture');
      const image = picture.appendChild(element('img'));
      image.src = text;
      image.alt = '';
      picture.setAttribute('aria-hidden', 'true');
      return picture;
    }
  }
  return element('div');
}

export const controlImports = {
  control_create(id, row, name, nameLength, kind, left, top, width, height, align, options,
                 text, textLength, accessKey) {
    const win = page.windows.get(id);
    const built = made(kind, options, read(text, textLength), accessKey);
    built.dataset.name = read(name, nameLength);
    built.movla = { window: win, row };
    built.movlaWidth = width;
    const style = built.style;
    style.left = `${left}px`;
    style.top = `${top}px`;
    style.width = `${width}px`;
    style.height = `${height}px`;
    style.textAlign = ALIGN[align];
    win.controls[row] = built;
    win.client.append(built);
  },
  control_font(id, row, css, length, stretch) {
    const target = control(id, row);
    target.style.font = read(css, length);
    if (stretch === 100) return;
    // Browsers draw no face narrower than it is: the text is condensed as
    // drawn, laid out in as much more room as it is condensed.
    const scale = `scaleX(${stretch / 100})`;
    if (target.movlaText) {
      target.movlaText.style.width = `calc(100% * ${100 / stretch})`;
      target.movlaText.style.transform = scale;
    } else {
      target.movlaWidth = target.movlaWidth * 100 / stretch;
      target.style.width = `${target.movlaWidth}px`;
      target.style.transform = scale;
    }
  },
};
