// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The script's side of colours.cpp: what a CSS system colour shows in the
// page's colour scheme now, and each control's colours as the module
// decides them; the module decides again when the scheme changes.

import { page, read, control, element } from './page.js';

let probe = null;
// What each system colour shows in the scheme now: reading one works out
// the page's style, which the first reading does before the windows fill it.
const shown = new Map();

export function watchColours() {
  matchMedia('(prefers-color-scheme: dark)').addEventListener('change', () => {
    shown.clear();
    if (!page.ended) page.module.movla_repaint();
  });
}

export const colourImports = {
  system_colour(css, length) {
    const name = read(css, length);
    if (!shown.has(name)) {
      if (!probe) {
        probe = element('span');
        probe.hidden = true;
        document.body.append(probe);
      }
      probe.style.color = name;
      const [red, green, blue] = getComputedStyle(probe).color.match(/\d+/g).map(Number);
      shown.set(name, (red << 16) | (green << 8) | blue);
    }
    return shown.get(name);
  },
  control_colours(id, row, text, textLength, fill, fillLength) {
    const target = control(id, row);
    const colour = read(text, textLength);
    target.style.backgroundColor = read(fill, fillLength) || 'transparent';
    target.style.color = colour;
    target.movlaColour = colour;
    // A cut result draws its text on the box's cover (text_box.js).
    if (target.movlaCover) {
      target.movlaCover.style.color = colour;
      target.style.color = 'transparent';
    }
  },
};
