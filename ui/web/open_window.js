// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The script's side of open_window.cpp and of the question a window asks: a
// modal dialog of the page's own, with its title, a question-mark icon, the
// prompt, and OK (the default, focused) and Cancel; Escape is Cancel. The
// answer goes to the module once the dialog has closed and the focus is back.

import {element, page, read} from './page.js';

export const openWindowImports = {
  ask(id, title, titleLength, prompt, promptLength, ok, okLength, cancel, cancelLength) {
    const dialog = element('dialog', 'question');
    dialog.setAttribute('role', 'alertdialog');
    const bar = dialog.appendChild(element('div', 'caption'));
    bar.textContent = read(title, titleLength);
    bar.id = `question-${id}`;
    dialog.setAttribute('aria-labelledby', bar.id);
    const body = dialog.appendChild(element('div', 'prompt'));
    const icon = body.appendChild(element('img'));
    icon.src = 'question.svg';
    icon.alt = '';
    const text = body.appendChild(element('p'));
    text.textContent = read(prompt, promptLength);
    text.id = `prompt-${id}`;
    dialog.setAttribute('aria-describedby', text.id);
    const buttons = dialog.appendChild(element('div', 'answers'));
    const answer = (yes) => {
      if (!dialog.open)
        return;
      dialog.close();
      dialog.remove();
      if (!page.ended)
        page.module.movla_answer(id, yes);
    };
    for (const [label, length, yes] of [[ ok, okLength, true ], [ cancel, cancelLength, false ]]) {
      const button = buttons.appendChild(element('button', 'button'));
      button.type = 'button';
      button.textContent = read(label, length);
      button.autofocus = yes;
      button.addEventListener('click', () => answer(yes));
    }
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      answer(false);
    });
    dialog.addEventListener('keydown', (event) => {
      if (event.key !== 'Escape')
        return;
      event.preventDefault();
      answer(false);
    });
    document.body.append(dialog);
    dialog.showModal();
  },
};
