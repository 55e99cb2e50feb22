// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The web page in a real browser, Debian's chromium or firefox-esr, driven
// by puppeteer-core (Firefox through WebDriver BiDi) over a server on
// 127.0.0.1. The browser starts once; each case gets a fresh page. What the
// page must show comes from expected.json (expected.cpp): the tables, the
// native core's passes, glibc's numbers.
//   node web_test.mjs chromium|firefox WEB_TREE expected.json

import { createRequire } from 'node:module';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from './server.mjs';

const [browserName, webTree, expectedFile] = process.argv.slice(2).map((a, i) => (i ? resolve(a) : a));
const expected = JSON.parse(readFileSync(expectedFile, 'utf8'));
const puppeteer = createRequire(join(webTree, 'node', 'package.json'))('puppeteer-core');
const firefox = browserName === 'firefox';
const [calculator, about] = expected.windows;

// State / Action / Expected, as the desktop suites write them; each case
// throws on the first thing that is not as expected.
function check(condition, what) {
  if (!condition) throw new Error(what);
}
function same(actual, wanted, what) {
  const [a, w] = [JSON.stringify(actual), JSON.stringify(wanted)];
  check(a === w, `${what}: ${a}, wanted ${w}`);
}
const settle = (ms = 50) => new Promise((done) => setTimeout(done, ms));

/// The native core's pass over the defaults with `inputs` changed.
function pass(separator, inputs = {}) {
  const found = expected.passes.find((p) => p.separator === separator &&
    JSON.stringify(p.inputs) === JSON.stringify(inputs));
  check(found, `no expected pass for ${separator} ${JSON.stringify(inputs)}`);
  return found.fields;
}
const fieldNames = Object.keys(pass('.'));

const user = mkdtempSync(join(tmpdir(), `movla-${browserName}-`));
const browser = await puppeteer.launch(firefox ? {
  browser: 'firefox',
  executablePath: '/usr/bin/firefox-esr',
  headless: true,
  userDataDir: user,
  // Firefox runs every case with a dark page, Chromium with a light one and
  // a dark one where a case asks (BiDi has no colour-scheme emulation).
  extraPrefsFirefox: { 'intl.accept_languages': 'en-US',
                       'layout.css.prefers-color-scheme.content-override': 0 },
} : {
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir: user,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--accept-lang=en-US'],
});
const here = dirname(fileURLToPath(import.meta.url));
const site = await serve({ '/': join(webTree, 'site'), '/tests/': join(webTree, 'tests', 'web'),
                           '/expected/': dirname(expectedFile), '/static/': here });

// A fresh page with the calculator loaded, in `language` ("de-DE" for a comma).
async function open({ language = 'en-US', width = 1024, height = 768, scale = 1, dark } = {}) {
  const page = await browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  if (language !== 'en-US') {
    if (firefox) {
      await browser.connection.send('emulation.setLocaleOverride',
        { locale: language, contexts: [page.mainFrame()._id] });
    } else {
      const session = await page.createCDPSession();
      await session.send('Emulation.setUserAgentOverride',
        { userAgent: await browser.userAgent(), acceptLanguage: language });
      await session.send('Emulation.setLocaleOverride', { locale: language });
    }
  }
  if (dark !== undefined && !firefox)
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: dark ? 'dark' : 'light' }]);
  await page.setViewport({ width, height, deviceScaleFactor: scale });
  // What the results read when the calculator first shows.
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((changes, observer) => {
      const frame = document.querySelector('[data-window]');
      if (!frame || frame.style.visibility === 'hidden') return;
      window.firstShown = [...frame.querySelectorAll('input')].map((box) => box.value);
      observer.disconnect();
    }).observe(document, { subtree: true, childList: true, attributes: true });
  });
  await page.goto(site.url);
  await page.waitForFunction(() => document.querySelector('[data-name=Freq_More]')?.value);
  return page;
}

const box = (name, window = calculator.name) => `[data-window=${window}] [data-name=${name}]`;
const value = (page, name) => page.$eval(box(name), (input) => input.value);
const focused = (page) => page.evaluate(() => document.activeElement?.dataset.name ?? null);
const selection = (page, name) =>
  page.$eval(box(name), (input) => [input.selectionStart, input.selectionEnd, input.value.length]);
async function fields(page) {
  const shown = {};
  for (const name of fieldNames) shown[name] = await value(page, name);
  return shown;
}
async function press(page, key, ...modifiers) {
  for (const modifier of modifiers) await page.keyboard.down(modifier);
  // Puppeteer sends a letter with Alt held as no character, which is how
  // Chromium sees the access keys.
  await page.keyboard.press(key, key.length === 1 && modifiers.includes('Alt') ? { text: key } : {});
  for (const modifier of modifiers.reverse()) await page.keyboard.up(modifier);
  await settle();
}
// The browser's own modifiers for an access key.
const accessKey = (page, letter) =>
  firefox ? press(page, letter, 'Alt', 'Shift') : press(page, letter, 'Alt');
async function clickAt(page, selector, dx = 0.5, dy = 0.5) {
  const rect = await page.$eval(selector, (e) => {
    const r = e.getBoundingClientRect();
    return [r.left, r.top, r.width, r.height];
  });
  await page.mouse.click(rect[0] + rect[2] * dx, rect[1] + rect[3] * dy);
  await settle();
}
const dialogOpen = (page, selector) =>
  page.evaluate((s) => !!document.querySelector(s)?.open, selector);

const cases = {
  async 'layout of both windows against the tables'(page) {
    const measure = (name) => page.evaluate((name) => {
      const frame = document.querySelector(`[data-window=${name}]`);
      const client = frame.querySelector('.client').getBoundingClientRect();
      const rects = {};
      for (const e of frame.querySelectorAll('[data-name]')) {
        const r = e.getBoundingClientRect();
        rects[e.dataset.name] = [r.left - client.left, r.top - client.top, r.width, r.height];
      }
      const f = frame.getBoundingClientRect();
      return { rects, client: [client.width, client.height], frame: [f.left, f.top, f.width, f.height],
               area: [document.documentElement.clientWidth, document.documentElement.clientHeight],
               caption: frame.querySelector('.caption')?.textContent ?? document.title };
    }, name);
    for (const window of expected.windows) {
      if (window.modal) await clickAt(page, box('bAbout'));
      const shown = await measure(window.name);
      same(shown.caption, window.caption, `${window.name}'s caption`);
      same(shown.client.map(Math.round), [window.width, window.height], `${window.name}'s client area`);
      // Centred in the page where it fits.
      for (const axis of [0, 1])
        check(Math.abs(shown.frame[axis] - (shown.area[axis] - shown.frame[axis + 2]) / 2) <= 1,
              `${window.name} is not centred: ${shown.frame} in ${shown.area}`);
      for (const control of window.controls) {
        const rect = shown.rects[control.name];
        check(rect, `${window.name} has no ${control.name}`);
        check(rect.every((v, i) => Math.abs(v - control.rect[i]) <= 0.5),
              `${window.name}.${control.name} at ${rect}, wanted ${control.rect}`);
      }
      // Every text, box and button shows above the bands, where it is.
      const hidden = await page.evaluate((name, names) => names.filter((n) => {
        const e = document.querySelector(`[data-window=${name}] [data-name=${n}]`);
        const r = e.getBoundingClientRect();
        const top = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
        return top?.closest('[data-name]') !== e;
      }), window.name, window.controls.filter((c) => c.kind >= 2).map((c) => c.name));
      same(hidden, [], `${window.name}'s controls covered by others`);
      const texts = await page.evaluate((name) => Object.fromEntries(
        [...document.querySelectorAll(`[data-window=${name}] [data-name]`)]
          .filter((e) => !(e instanceof HTMLInputElement)).map((e) => [e.dataset.name, e.textContent])),
      window.name);
      for (const control of window.controls.filter((c) => c.kind === 2 || c.kind === 4))
        if (control.text) same(texts[control.name], control.text.replace('&', ''), `${control.name}'s text`);
    }
    // Centred again in a page of another size.
    await page.setViewport({ width: 900, height: 700 });
    await settle(100);
    const again = await measure(calculator.name);
    for (const axis of [0, 1])
      check(Math.abs(again.frame[axis] - (again.area[axis] - again.frame[axis + 2]) / 2) <= 1,
            `the calculator is not centred after a resize: ${again.frame} in ${again.area}`);
    // The access keys are the letters the tables mark.
    for (const control of [...calculator.controls, ...about.controls].filter((c) => c.kind === 4)) {
      const window = calculator.controls.includes(control) ? calculator : about;
      const key = await page.$eval(box(control.name, window.name), (b) => [b.accessKey, b.querySelector('u')?.textContent]);
      const marked = control.text[control.text.indexOf('&') + 1];
      same(key, [marked.toLowerCase(), marked], `${control.name}'s access key`);
    }
  },

  async 'tab order, accessible names and descriptions'(page) {
    const stops = calculator.tab_stops;
    const from = stops.indexOf(calculator.first_focus);
    const visited = [];
    for (let i = 0; i < stops.length; ++i) {
      await press(page, 'Tab');
      visited.push(await focused(page));
    }
    same(visited, [...stops.slice(from + 1), ...stops.slice(0, from + 1)], 'Tab round the window');
    for (const control of calculator.controls.filter((c) => c.accessible_name)) {
      const shown = await page.$eval(box(control.name), (e) =>
        [e.getAttribute('aria-label'), e.getAttribute('aria-description'), e.getAttribute('title')]);
      same(shown, [control.accessible_name, control.description ?? null, control.description ?? null],
           `${control.name}'s name, description and tooltip`);
    }
  },

  async 'the first pass runs on load and the first input is selected'(page) {
    same(await fields(page), pass('.'), 'the fields after loading');
    same(await page.evaluate(() => window.firstShown),
         await page.$$eval(`[data-window=${calculator.name}] input`, (boxes) => boxes.map((b) => b.value)),
         'the boxes as first shown');
    same(await focused(page), calculator.first_focus, 'the focus after loading');
    const [start, end, length] = await selection(page, calculator.first_focus);
    same([start, end], [0, length], 'the first input\'s selection');
    same(page.errors, [], 'errors on the page');
  },

  async 'a pass on Tab and none while typing; Enter and Escape press nothing'(page) {
    await page.keyboard.type('50');
    for (const key of ['Enter', 'Escape']) await press(page, key);
    same(await fields(page), { ...pass('.'), Cents_Change: '50' }, 'the fields while typing');
    check(!(await page.$('dialog')), 'Enter or Escape opened a window');
    await press(page, 'Tab');
    same(await fields(page), pass('.', { Cents_Change: '50' }), 'the fields after Tab');
    same(await focused(page), 'Ref_Freq1', 'the focus after Tab');
    const [start, end, length] = await selection(page, 'Ref_Freq1');
    same([start, end], [0, length], 'Ref_Freq1 entered by Tab is selected');
    // A result, reached by Tab, is selected whole and cannot be typed into.
    await press(page, 'Tab');
    same(await focused(page), 'Freq_Less', 'the focus after two Tabs');
    const [s, e, l] = await selection(page, 'Freq_Less');
    same([s, e], [0, l], 'the result\'s selection');
    await page.keyboard.type('9');
    same(await value(page, 'Freq_Less'), pass('.', { Cents_Change: '50' }).Freq_Less, 'a result typed into');
  },

  async 'a pass on a click into another input, which is selected'(page) {
    await page.keyboard.type('50');
    await clickAt(page, box('New_Frequency'));
    same(await fields(page), pass('.', { Cents_Change: '50' }), 'the fields after the click');
    same(await focused(page), 'New_Frequency', 'the focus after the click');
    const [start, end, length] = await selection(page, 'New_Frequency');
    same([start, end], [0, length], 'the input clicked into is selected');
  },

  async 'a click on a band or a label leaves the focus where it was'(page) {
    await page.keyboard.type('50');
    await clickAt(page, box('Shape2'), 0.95, 0.5);
    await clickAt(page, box('Label8'));
    await clickAt(page, 'body', 0.01, 0.01);
    same(await focused(page), 'Cents_Change', 'the focus after clicks on a band, a label and the page');
    same(await fields(page), { ...pass('.'), Cents_Change: '50' }, 'the fields after those clicks');
  },

  async 'a reset reads "Error" until the next pass, and Ctrl+Z undoes it'(page) {
    await page.keyboard.type('abc');
    await press(page, 'Tab');
    same(await fields(page), pass('.', { Cents_Change: 'abc' }), 'the fields after the reset');
    await press(page, 'Tab', 'Shift');
    await press(page, 'z', 'Control');
    same(await value(page, 'Cents_Change'), 'abc', 'Cents_Change after Ctrl+Z');
    const [start, end, length] = await selection(page, 'Cents_Change');
    same([start, end, length], [0, 3, 3], 'the text Ctrl+Z brought back is selected');
    await press(page, 'z', 'Control', 'Shift');
    same(await value(page, 'Cents_Change'), pass('.').Cents_Change, 'Cents_Change after Ctrl+Shift+Z');
  },

  async 'the decimal separator follows the browser\'s language'(page) {
    await page.close();
    page = await open({ language: 'de-DE' });
    same(await fields(page), pass(','), 'the fields after loading with a comma');
    await clickAt(page, box('Ref_Freq1'));
    await page.keyboard.type('440,5');
    await press(page, 'Tab');
    same(await fields(page), pass(',', { Ref_Freq1: '440,5' }), 'the fields after 440,5');
    await clickAt(page, box('Ref_Freq1'));
    await page.keyboard.type('440.5');
    await press(page, 'Tab');
    same(await fields(page), pass(',', { Ref_Freq1: '440.5' }), 'the fields after 440.5');
    // A German B is B flat, and H is B.
    for (const [name, note] of [['New_Frequency', 'B4'], ['Ref_Freq2', 'H4']]) {
      await clickAt(page, box(name));
      await page.keyboard.type(note);
    }
    await press(page, 'Tab');
    same(await value(page, 'Cents_New'), '-100,00', 'B4 against H4 in German');
    return page;
  },

  async 'a paste keeps its first line that is not blank, as one undoable edit'(page) {
    if (!firefox) {
      await browser.defaultBrowserContext().overridePermissions(site.url,
        ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    }
    // Through the browser's own clipboard and paste key.
    const paste = async (text) => {
      await clickAt(page, box('New_Frequency'));
      await page.evaluate((text) => navigator.clipboard.writeText(text), text);
      await page.keyboard.down('Control');
      await page.keyboard.press('v', firefox ? {} : { commands: ['paste'] });
      await page.keyboard.up('Control');
      await settle();
    };
    await paste('432');
    same(await value(page, 'New_Frequency'), '432', 'New_Frequency after a paste of one line');
    await press(page, 'Tab', 'Shift');
    await paste('\n \t\n 12.5\r\n13\n'); // entered again by click: selected whole
    same(await value(page, 'New_Frequency'), ' 12.5', 'New_Frequency after a paste of lines');
    await press(page, 'z', 'Control');
    same(await value(page, 'New_Frequency'), '432', 'New_Frequency after Ctrl+Z');
    await press(page, 'z', 'Control', 'Shift');
    same(await value(page, 'New_Frequency'), ' 12.5', 'New_Frequency after Ctrl+Shift+Z');
    await press(page, 'Tab');
    await page.keyboard.type('0');
    await press(page, 'Tab');
    same(await fields(page), pass('.', { New_Frequency: ' 12.5', Ref_Freq2: '0' }), 'the fields after the paste');
  },

  async 'a long result shows its start and "…", and its whole value on hover'(page) {
    await clickAt(page, box('Ref_Freq1'));
    await page.keyboard.type('1e300');
    await press(page, 'Tab');
    const wanted = pass('.', { Ref_Freq1: '1e300' });
    same(await fields(page), wanted, 'the fields after 1e300');
    const shown = await page.$eval(box('Freq_More'), (input) => {
      const cover = input.nextElementSibling;
      return { cover: cover?.classList.contains('cover') ? cover.textContent : null,
               fits: cover && cover.scrollWidth <= cover.clientWidth,
               hover: input.title, colour: getComputedStyle(input).color };
    });
    check(shown.cover?.endsWith('\u2026'), `the long result shows ${shown.cover}`);
    check(wanted.Freq_More.startsWith(shown.cover.slice(0, -1)) && shown.cover.length > 3,
          `the long result shows ${shown.cover}, not the start of its value`);
    check(shown.fits, 'the shown start does not fit its box');
    same(shown.hover.replaceAll('\n', ''), wanted.Freq_More, 'the hover text');
    check(shown.hover.includes('\n'), 'the hover text has no lines');
    await clickAt(page, box('Ref_Freq1'));
    await page.keyboard.type('440');
    await press(page, 'Tab');
    const after = await page.$eval(box('Freq_More'), (input) =>
      [input.nextElementSibling?.classList.contains('cover') ?? false, input.hasAttribute('title')]);
    same(after, [false, false], 'a result that fits again keeps a cover or a hover text');
  },

  async 'switching to another tab and back runs no pass'(page) {
    await page.keyboard.type('50');
    const other = await browser.newPage();
    await other.bringToFront();
    await settle(200);
    same(await fields(page), { ...pass('.'), Cents_Change: '50' }, 'the fields while another tab is in front');
    await page.bringToFront();
    await settle(200);
    await other.close();
    same(await fields(page), { ...pass('.'), Cents_Change: '50' }, 'the fields back in the tab');
    same(await focused(page), 'Cents_Change', 'the focus back in the tab');
    await press(page, 'Tab');
    same(await fields(page), pass('.', { Cents_Change: '50' }), 'the fields after Tab');
  },

  async 'About is modal, Escape leaves it open, Done closes it'(page) {
    const aboutOpen = `dialog[data-window=${about.name}]`;
    await page.keyboard.type('50');
    await accessKey(page, calculator.controls.find((c) => c.name === 'bAbout').text.match(/&(.)/)[1].toLowerCase());
    check(await dialogOpen(page, aboutOpen), 'the access key opened no About');
    same(await fields(page), pass('.', { Cents_Change: '50' }), 'the fields once About opened');
    same(await focused(page), about.first_focus, 'the focus in About');
    same(await page.$eval(box('lbl_Disclaimer', about.name), (e) => e.textContent), expected.disclaimer, 'the disclaimer');
    same(await page.$eval(box('lbl_Version', about.name), (e) => e.textContent), expected.version, 'the version line');
    await clickAt(page, box('Freq_More'));
    await press(page, 'Tab');
    same(await focused(page), about.first_focus, 'the focus after a click on the calculator and Tab');
    for (let i = 0; i < 3; ++i) await press(page, 'Escape');
    check(await dialogOpen(page, aboutOpen), 'Escape closed About');
    await accessKey(page, 'd');
    check(!(await page.$(aboutOpen)), 'Done\'s access key left About');
    same(await focused(page), 'bAbout', 'the focus after Done');
    same(await fields(page), pass('.', { Cents_Change: '50' }), 'the fields after About');
    await clickAt(page, box('bAbout'));
    same(await page.$eval(box('lbl_Disclaimer', about.name), (e) => e.textContent), expected.disclaimer,
         'the disclaimer at the second opening');
    await clickAt(page, box('bDone', about.name));
    check(!(await page.$(aboutOpen)), 'a click on Done left About');
  },

  async 'Exit asks; Cancel and Escape go back, OK ends the page'(page) {
    const question = 'dialog[role=alertdialog]';
    await page.keyboard.type('50');
    await clickAt(page, box('bExit'));
    check(await dialogOpen(page, question), 'Exit asked nothing');
    same(await fields(page), pass('.', { Cents_Change: '50' }), 'the fields when asked');
    const asked = await page.$eval(question, (d) => ({
      title: d.querySelector('.caption').textContent, prompt: d.querySelector('p').textContent,
      icon: !!d.querySelector('img'), buttons: d.querySelectorAll('button').length,
      focused: document.activeElement === d.querySelector('button'),
    }));
    same(asked, { ...expected.question, icon: true, buttons: 2, focused: true }, 'the question');
    await clickAt(page, `${question} button:last-child`);
    check(!(await page.$(question)) && (await page.$(box('bExit'))), 'Cancel ended the page');
    same(await focused(page), 'bExit', 'the focus after Cancel');
    await press(page, 'Enter'); // on the focused button: pressed
    check(await dialogOpen(page, question), 'Enter on Exit asked nothing');
    await clickAt(page, `${question} button:last-child`);
    await accessKey(page, 'x');
    check(await dialogOpen(page, question), 'Exit\'s access key asked nothing');
    await press(page, 'Escape');
    check(!(await page.$(question)) && (await page.$(box('bExit'))), 'Escape ended the page');
    await clickAt(page, box('bExit'));
    same(page.errors, [], 'errors on the page');
    // The browser may let the page close its tab (Firefox does, for a tab
    // the test opened), or the page ends in it.
    const closed = new Promise((done) => page.once('close', () => done(true)));
    await press(page, 'Enter').catch(() => {});
    const ended = await Promise.race([closed, settle(500).then(() =>
      page.evaluate(() => document.body.children.length === 0).catch(() => page.isClosed()))]);
    check(ended, 'the page goes on after OK');
  },

  async 'every text stays readable in a dark colour scheme'(page) {
    // Chromium: light, then dark while the page runs; Firefox runs dark.
    await page.close();
    page = await open({ dark: false });
    for (const dark of firefox ? [true] : [false, true]) {
      if (!firefox) await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: dark ? 'dark' : 'light' }]);
      await settle(100);
      const low = await page.evaluate(() => {
        const rgb = (css) => css.match(/[\d.]+/g).map(Number);
        const luminance = (css) => {
          const linear = rgb(css).slice(0, 3).map((v) => v / 255)
            .map((c) => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4));
          return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2];
        };
        const opaque = (css) => rgb(css).length < 4 || rgb(css)[3] > 0;
        const found = [];
        for (const e of document.querySelectorAll('.label, .box')) {
          let under = e;
          while (under && !opaque(getComputedStyle(under).backgroundColor)) {
            const r = e.getBoundingClientRect();
            under = document.elementsFromPoint(r.left + 1, r.top + 1)
              .find((o) => o !== e && !e.contains(o) && opaque(getComputedStyle(o).backgroundColor));
          }
          const [a, b] = [luminance(getComputedStyle(e).color),
                          luminance(getComputedStyle(under ?? document.body).backgroundColor)];
          const ratio = (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
          if (ratio < 4.5) found.push(`${e.dataset.name} ${ratio.toFixed(2)}`);
        }
        return found;
      });
      same(low, [], `texts below 4.5:1 with a ${dark ? 'dark' : 'light'} scheme`);
    }
    return page;
  },

  async 'at 200 % zoom no control is lost'(page) {
    await page.close();
    page = await open({ width: 512, height: 384, scale: 2 });
    for (const window of expected.windows) {
      if (window.modal) await clickAt(page, box('bAbout'));
      // Bands and lines as wide as the window are no controls to reach.
      const lost = await page.evaluate((name) => [...document.querySelectorAll(
        `[data-window=${name}] :is(.label, .box, .button, .picture)`)].filter((e) => {
          e.scrollIntoView({ block: 'nearest', inline: 'nearest' });
          const r = e.getBoundingClientRect();
          return r.left < -0.5 || r.top < -0.5 || r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5;
        }).map((e) => e.dataset.name), window.name);
      same(lost, [], `${window.name}'s controls out of reach`);
    }
    return page;
  },

  async 'the core\'s conversions in the page give what glibc and the native core give'(page) {
    const wrong = await page.evaluate(async () => {
      const { conversions } = await (await fetch('/expected/expected.json')).json();
      const bytes = await (await fetch('/tests/conversions.wasm')).arrayBuffer();
      const { exports: core } = (await WebAssembly.instantiate(bytes, {})).instance;
      core._initialize();
      const encoder = new TextEncoder();
      const hand = (...texts) => {
        const bytes = encoder.encode(texts.join(''));
        new Uint8Array(core.memory.buffer, core.buffer(bytes.length), bytes.length).set(bytes);
        return encoder.encode(texts[0]).length;
      };
      const bits = (value) => {
        const view = new DataView(new ArrayBuffer(8));
        view.setFloat64(0, value);
        return view.getBigUint64(0).toString(16).padStart(16, '0');
      };
      const found = [];
      for (const [separator, text, wanted] of conversions.reads) {
        const read = core.read(hand(separator, text));
        const got = core.failed() ? null : bits(read);
        if (got !== wanted) found.push(`read ${JSON.stringify(text)} "${separator}": ${got}, wanted ${wanted}`);
      }
      for (const [separator, value, wanted] of conversions.writes) {
        hand(separator);
        const view = new DataView(new ArrayBuffer(8));
        view.setBigUint64(0, BigInt(`0x${value}`));
        const length = core.write(view.getFloat64(0));
        const got = new TextDecoder().decode(new Uint8Array(core.memory.buffer, core.buffer(length), length));
        if (got !== wanted) found.push(`write ${value} "${separator}": ${got}, wanted ${wanted}`);
      }
      return [found.slice(0, 5), conversions.reads.length + conversions.writes.length];
    });
    same(wrong[0], [], `conversions of ${wrong[1]} that differ`);
  },

  async 'the page stores nothing'(page) {
    await page.keyboard.type('50');
    await press(page, 'Tab');
    await clickAt(page, box('bAbout'));
    await clickAt(page, box('bDone', about.name));
    const stored = await page.evaluate(async () => ({
      cookies: document.cookie, local: localStorage.length, session: sessionStorage.length,
      workers: (await navigator.serviceWorker.getRegistrations()).length,
      caches: (await caches.keys()).length,
      databases: indexedDB.databases ? (await indexedDB.databases()).length : 0,
    }));
    same(stored, { cookies: '', local: 0, session: 0, workers: 0, caches: 0, databases: 0 }, 'what the page stored');
  },
};

const only = process.env.MOVLA_WEB_CASE;
let failures = 0, number = 0;
const started = Date.now();
for (const [name, run] of Object.entries(cases)) {
  if (only && !name.includes(only)) continue;
  ++number;
  let page = null;
  try {
    page = await open();
    page = (await run(page)) ?? page;
    console.log(`ok ${number} - ${browserName}: ${name}`);
  } catch (error) {
    ++failures;
    console.log(`not ok ${number} - ${browserName}: ${name}\n  # ${error.message.split('\n')[0]}`);
  } finally {
    await page?.close().catch(() => {});
  }
}
console.log(`1..${number}\n# ${browserName}: ${failures} failed of ${number}, ${((Date.now() - started) / 1000).toFixed(1)} s`);
await browser.close();
await site.close();
rmSync(user, { recursive: true, force: true });
process.exit(failures ? 1 : 0);
