// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The web layer takes every name, text and place from the tables in ui/: no
// string of its code holds a control's name or a text of the tables, and no
// number of its code is a twips value of theirs. Comments may name controls.
// The tables' own folder, checked the same way, must be found to hold them.
//   node check_sources.mjs expected.json TABLES_FOLDER FOLDER...

import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';

const [expectedFile, tables, ...folders] = process.argv.slice(2);
const words = JSON.parse(readFileSync(expectedFile, 'utf8')).table_words;

// Numbers below 100 (0, 75, the 2-pixel line) are any code's; so are texts of
// one character ("+", "-").
const numbers = new Set(words.filter((w) => /^-?\d+$/.test(w) && Math.abs(w) >= 100));
const texts = new Set();
for (const word of words.filter((w) => !/^-?\d+$/.test(w) && w.length > 1)) {
  texts.add(word);
  if (word.includes('&')) texts.add(word.replace('&', '')); // as a button shows it
}

function withoutComments(source) {
  return source
    .replace(/<!--[\s\S]*?-->/g, '')
    .replace(/\/\*[\s\S]*?\*\//g, '')
    .replace(/(^|[^:"'\\])\/\/.*$/gm, '$1')
    .replace(/^\s*#.*$/gm, ''); // preprocessor lines: the headers' names
}

function stringsOf(code, html) {
  if (html) return [code.replace(/<[^>]*>/g, ' ')];
  return [...code.matchAll(/"(?:[^"\\\n]|\\.)*"|'(?:[^'\\\n]|\\.)*'|`(?:[^`\\]|\\.)*`/g)]
    .map((m) => m[0].slice(1, -1));
}

const escape = (text) => text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');

function check(folder) {
  const found = [];
  for (const name of readdirSync(folder)) {
    if (!/\.(cpp|h|js|html|svg|in|cmake)$/.test(name)) continue;
    const code = withoutComments(readFileSync(join(folder, name), 'utf8'));
    for (const string of stringsOf(code, /\.(html|svg)$/.test(name))) {
      for (const text of texts)
        if (new RegExp(`(^|\\W)${escape(text)}(\\W|$)`).test(string))
          found.push(`${name}: "${string}" holds "${text}"`);
    }
    for (const [number] of code.replace(/"(?:[^"\\\n]|\\.)*"/g, '').matchAll(/(?<![\w.])\d+(?![\w.])/g))
      if (numbers.has(number)) found.push(`${name}: ${number} is a twips value of the tables`);
  }
  return found;
}

const inTables = check(tables).length;
let failed = inTables < texts.size / 2;
if (failed) console.log(`${tables}: only ${inTables} finds of the tables' ${texts.size} texts`);
for (const folder of folders) {
  for (const line of check(folder)) {
    console.log(`${folder}/${line}`);
    failed = true;
  }
}
process.exit(failed ? 1 : 0);
