// SPDX-License-Identifier: GPL-3.0-or-later
// A folder served on 127.0.0.1 and Debian's Chromium driven by Playwright, for the page's
// tests and its benchmark.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import { chromium } from "playwright-core";

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
  ".css": "text/css", ".svg": "image/svg+xml", ".woff2": "font/woff2",
  ".webmanifest": "application/manifest+json", ".txt": "text/plain; charset=utf-8",
};

// The page's folder on a port of its own; `offline` turns it away, as a lost network does.
export async function serve(folder = process.env.KVARNEL_PAGE) {
  const site = { offline: false };
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
    if (site.offline)
      return request.socket.destroy();
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
  site.close = () => new Promise((resolve) => server.close(resolve));
  return site;
}

export function launch(args = []) {
  return chromium.launch({
    executablePath: process.env.KVARNEL_CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-background-networking", "--disable-component-update",
           "--disable-sync", "--disable-quic", "--no-first-run", ...args],
  });
}

