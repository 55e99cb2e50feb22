// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The benchmark's static host, in a process of its own, as a real host is:
// served from the benchmark's own process, every request the page makes
// waits for the browser driver's work there, which the static page, with
// no request after its first, does not.
//   fork('serve_apart.mjs', [JSON.stringify(roots)]): sends the address back.

import { serve } from '../../tests/web/server.mjs';

const site = await serve(JSON.parse(process.argv[2]));
process.send(site.url);
process.on('disconnect', () => site.close().then(() => process.exit(0)));
