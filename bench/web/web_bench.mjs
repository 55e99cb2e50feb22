// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The web page's figures, in headless Chromium:
// - what the page transfers: index.html (which holds the script) and the
//   module, gzipped (and movla.js, where an older build has it apart);
// - load to results shown (first contentful paint: the calculator is
//   hidden until its first pass is done) beside a static page with the same
//   elements at the same places and no script, each load in a fresh
//   context, interleaved; and beside that static page with only the call
//   that learns the browser's decimal separator, which the first
//   NumberFormat of a page makes costly;
// - a pass compiled to WebAssembly and run in the page, against the same
//   source built natively (pass_bench.cpp);
// - a LostFocus handler with its DOM reads and writes, in batches, as
//   performance.now is coarse.
//   node web_bench.mjs WEB_TREE [NATIVE_PASS_BENCH]

import { createRequire } from 'node:module';
import { execFileSync, fork } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const [webTree, nativeBench] = process.argv.slice(2).map((a) => resolve(a));
const runs = Number(process.env.MOVLA_BENCH_RUNS ?? 21);
const puppeteer = createRequire(join(webTree, 'node', 'package.json'))('puppeteer-core');
const siteDir = join(webTree, 'site');
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

let total = 0;
for (const name of ['index.html', 'movla.js', 'movla.wasm']) {
  if (!existsSync(join(siteDir, name))) continue;
  const bytes = readFileSync(join(siteDir, name));
  const zipped = gzipSync(bytes, { level: 9 }).length;
  total += zipped;
  console.log(`${name}: ${bytes.length} bytes, ${zipped} gzipped`);
}
console.log(`transfer: ${(total / 1024).toFixed(1)} KiB gzipped (goal 48)`);

const user = mkdtempSync(join(tmpdir(), 'movla-bench-'));
const staticDir = mkdtempSync(join(tmpdir(), 'movla-static-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, userDataDir: user,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const host = fork(join(dirname(fileURLToPath(import.meta.url)), 'serve_apart.mjs'),
                 [JSON.stringify({ '/': siteDir, '/static/': staticDir, '/bench/': join(webTree, 'bench', 'web') })]);
const site = { url: await new Promise((done) => host.once('message', done)) };

// The static twin: the page as the calculator left it, without its script.
{
  const page = await browser.newPage();
  await page.goto(site.url);
  await page.waitForFunction(() => document.querySelector('[data-name=Freq_More]')?.value);
  const html = await page.evaluate(() => {
    for (const box of document.querySelectorAll('input')) box.setAttribute('value', box.value);
    const copy = document.documentElement.cloneNode(true);
    copy.querySelectorAll('script, link[rel=preload], link[rel=manifest]').forEach((e) => e.remove());
    return `<!doctype html>\n${copy.outerHTML}`;
  });
  writeFileSync(join(staticDir, 'index.html'), html);
  // The floor of a page that follows the browser's language: the static
  // page with the one call the calculator's page makes to learn it.
  mkdirSync(join(staticDir, 'language'));
  writeFileSync(join(staticDir, 'language', 'index.html'), html.replace('</body>',
    '<script type="module">window.decimal = new Intl.NumberFormat(navigator.languages)' +
    ".formatToParts(1.5).find((part) => part.type === 'decimal');</script></body>"));
  await page.close();
}

async function firstPaint(url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.goto(url, { waitUntil: 'load' });
  const painted = await page.evaluate(() => new Promise((done) => {
    const found = () => performance.getEntriesByName('first-contentful-paint')[0];
    if (found()) return done(found().startTime);
    new PerformanceObserver(() => found() && done(found().startTime)).observe({ type: 'paint', buffered: true });
  }));
  await context.close();
  return painted;
}
// The three pages in turn, after a first round of each that warms the
// server and the browser.
const pages = { app: site.url, bare: `${site.url}static/`, language: `${site.url}static/language/` };
const painted = { app: [], bare: [], language: [] };
for (let i = 0; i < runs + 1; ++i) {
  const order = Object.keys(pages);
  if (i % 2) order.reverse();
  for (const name of order) {
    const at = await firstPaint(pages[name]);
    if (i > 0) painted[name].push(at);
  }
}
const [app, bare, language] = [painted.app, painted.bare, painted.language].map(median);
console.log(`load to results: ${app.toFixed(1)} ms, the static page ${bare.toFixed(1)} ms: ` +
            `${(app / bare).toFixed(2)}x (goal 1.2x), median of ${runs}`);
console.log(`  the static page with the page's one Intl.NumberFormat: ${language.toFixed(1)} ms, ` +
            `${(language / bare).toFixed(2)}x`);

const page = await browser.newPage();
// The page keeps its module to itself: catch it as it is made.
await page.evaluateOnNewDocument(() => {
  for (const name of ['instantiate', 'instantiateStreaming']) {
    const instantiate = WebAssembly[name];
    WebAssembly[name] = async (...args) => {
      const made = await instantiate(...args);
      window.movlaModule ??= made.instance.exports;
      return made;
    };
  }
});
await page.goto(site.url);
await page.waitForFunction(() => document.querySelector('[data-name=Freq_More]')?.value);
// The pass in the page and natively, in turn, so that both meet the same
// load of the machine: the median of the rounds' medians of 3 batches each.
await page.evaluate(async () => {
  const bytes = await (await fetch('/bench/pass_bench.wasm')).arrayBuffer();
  window.passBench = (await WebAssembly.instantiate(bytes, {})).instance.exports;
  passBench._initialize();
  passBench.passes(10000);
});
const pageRounds = [], nativeRounds = [];
for (let round = 0; round < runs; ++round) {
  pageRounds.push(await page.evaluate(() => {
    const batches = [];
    for (let i = 0; i < 3; ++i) {
      const start = performance.now();
      passBench.passes(100000);
      batches.push((performance.now() - start) * 1e6 / 100000);
    }
    return batches.sort((a, b) => a - b)[1];
  }));
  if (nativeBench) nativeRounds.push(Number(execFileSync(nativeBench, ['3'], { encoding: 'utf8' })));
}
// The calculator's own: LostFocus of Cents_Change, with the value it reads
// changed each time so that the pass writes the results again.
const handler = await page.evaluate((runs) => {
  const box = document.querySelector('[data-name=Cents_Change]');
  const { window: { id }, row } = box.movla;
  const batches = [];
  for (let i = 0; i < runs; ++i) {
    const start = performance.now();
    for (let j = 0; j < 1000; ++j) {
      box.value = j % 2 ? '50' : '100';
      window.movlaModule.movla_left(id, row, true);
    }
    batches.push((performance.now() - start) / 1000);
  }
  return batches.sort((a, b) => a - b)[Math.floor(runs / 2)];
}, runs);
const pass = median(pageRounds);
if (nativeBench) {
  const native = median(nativeRounds);
  console.log(`a pass: ${pass.toFixed(0)} ns in the page, ${native.toFixed(0)} ns natively: ` +
              `${(pass / native).toFixed(2)}x (goal 2x), median of ${runs} rounds in turn`);
} else {
  console.log(`a pass: ${pass.toFixed(0)} ns in the page`);
}
console.log(`LostFocus with its DOM reads and writes: ${(handler * 1000).toFixed(1)} µs (goal 200), median of ${runs} batches of 1000`);

await browser.close();
host.disconnect();
rmSync(user, { recursive: true, force: true });
rmSync(staticDir, { recursive: true, force: true });
