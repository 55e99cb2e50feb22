// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// A static server on 127.0.0.1 for the site and, beside it, the tests' and
// benchmarks' own files: what a static host does, and no more (a module
// script is refused from file://).

import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.jpg': 'image/jpeg',
};

/// Serves `roots`, URL prefix -> folder ('/' for the site); resolves to
/// { url, close }.
export function serve(roots) {
  const prefixes = Object.keys(roots).sort((a, b) => b.length - a.length);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    const prefix = prefixes.find((p) => path.startsWith(p));
    const relative = normalize(path.slice(prefix.length) || 'index.html');
    const file = join(roots[prefix], relative.endsWith('/') ? `${relative}index.html` : relative);
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'content-type': types[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => resolve({
      url: `http://127.0.0.1:${server.address().port}/`,
      close: () => new Promise((done) => server.close(done)),
    }));
  });
}
