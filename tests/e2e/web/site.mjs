// SPDX-License-Identifier: GPL-3.0-or-later
// A folder served on 127.0.0.1 as a static web server serves it, for the page's tests and
// its benchmark. It can turn every visitor away, as a lost network does, and hold back
// the files of a kind until it is told to let them go, as a slow network does.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
  ".css": "text/css", ".svg": "image/svg+xml", ".woff2": "font/woff2",
  ".webmanifest": "application/manifest+json", ".txt": "text/plain; charset=utf-8",
};

export async function serve(folder = process.env.KVARNEL_PAGE) {
  const site = { offline: false, asked: [] };
  const held = new Map(); // a file ending, and what lets its requests go
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
    if (site.offline)
      return request.socket.destroy();
    site.asked.push(path);
    for (const [ending, { released }] of held) {
      if (path.endsWith(ending))
        await released;
    }
    try {
      const body = await readFile(join(folder, path.endsWith("/") ? `${path}index.html` : path));
      response.writeHead(200, { "content-type": types[extname(path)] ?? "text/html" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  site.url = `http://127.0.0.1:${server.address().port}/`;
  // Holds back every file with this ending; the function it returns lets them go.
  site.hold = (ending) => {
    let release;
    held.set(ending, { released: new Promise((resolve) => { release = resolve; }) });
    return () => { held.delete(ending); release(); };
  };
  site.close = () => new Promise((resolve) => {
    server.closeAllConnections?.();
    server.close(resolve);
  });
  return site;
}
