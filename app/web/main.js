// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The page's entry: loads the module, connects it to the page, and opens the
// calculator with the decimal separator and the name of the browser's
// language.

import { page, connect, hand } from '../../ui/web/page.js';
import { windowImports } from '../../ui/web/window.js';
import { controlImports } from '../../ui/web/controls.js';
import { colourImports, watchColours } from '../../ui/web/colours.js';
import { textBoxImports } from '../../ui/web/text_box.js';
import { openWindowImports } from '../../ui/web/open_window.js';

const imports = {
  page: { ...windowImports, ...controlImports, ...colourImports, ...textBoxImports,
          ...openWindowImports },
};
// Compiled as it arrives where the host names its type (application/wasm),
// as most do; from the whole file where one does not.
const fetched = fetch(new URL('movla.wasm', import.meta.url));
const instantiated = WebAssembly.instantiateStreaming(fetched.then((r) => r.clone()), imports)
  .catch(async () => WebAssembly.instantiate(await (await fetched).arrayBuffer(), imports));

// What the browser's language writes between the whole and the fraction,
// asked while the module compiles: the first NumberFormat of a page loads
// the language's data, which takes a while.
const decimal = new Intl.NumberFormat(navigator.languages)
  .formatToParts(1.5).find((part) => part.type === 'decimal');

const { instance } = await instantiated;
connect(instance);
instance.exports._initialize();
watchColours();
hand(`${decimal ? decimal.value : '.'}\n${navigator.languages[0] ?? navigator.language ?? ''}`);
instance.exports.movla_start();
document.fonts.ready.then(() => { if (!page.ended) page.module.movla_measure(); });
