// SPDX-License-Identifier: GPL-3.0-or-later
// The page as its visitors meet it: a build of it (KVARNEL_PAGE, scripts/web's build-web)
// served on 127.0.0.1 and opened in Debian's Chromium, driven by Playwright. Windows are
// found as Qt makes them, elements of the page; controls by what the page tells screen
// readers about them, which also says where each one is.
import assert from "node:assert/strict";
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import { chromium } from "playwright-core";

// The program's description of its windows, by which the tests find what they drive
// (expected_facts writes it).
export const facts = process.env.KVARNEL_FACTS
  ? JSON.parse(await readFile(process.env.KVARNEL_FACTS, "utf8")) : {};
// The text of a control of the main window, by its name: text("Command2").
export const text = (name) => facts.mainWindow?.controls.find((c) => c.name === name).text;
export const language = process.env.KVARNEL_LANGUAGE || "ru";
// The decimal separator the program writes in that language.
export const shown = (number) => (language === "ru" ? number.replace(".", ",") : number);

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
  ".svg": "image/svg+xml", ".webmanifest": "application/manifest+json",
  ".txt": "text/plain; charset=utf-8",
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

export function launch() {
  return chromium.launch({
    executablePath: process.env.KVARNEL_CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-background-networking", "--disable-component-update",
           "--disable-sync", "--disable-quic", "--no-first-run", "--enable-unsafe-swiftshader"],
  });
}

// Everything the page says on its console, so that a test can ask for none of it.
export async function open(browser, site, options = {}) {
  const context = await browser.newContext({ locale: language, ...options });
  const page = await context.newPage();
  page.said = [];
  page.on("console", (message) => page.said.push(`${message.type()}: ${message.text()}`));
  page.on("pageerror", (error) => page.said.push(`error: ${error.message}`));
  await page.goto(site.url);
  await page.locator("#loading").waitFor({ state: "hidden", timeout: 60000 });
  return page;
}

// The window of that caption, as Qt makes it: `.qt-window`, its client area and title bar.
export function window(page, caption) {
  return page.locator(".qt-window:visible")
    .filter({ has: page.locator(".window-name", { hasText: new RegExp(`^${caption}$`) }) });
}

export async function clientSize(window) {
  const box = await window.locator(".qt-window-contents").boundingBox();
  return [Math.round(box.width), Math.round(box.height)];
}

// Whether the window's title bar offers no maximise box: a close box alone.
export async function hasFixedSize(window) {
  return (await window.locator(".title-bar .action-button:visible").count()) === 1;
}

// Brought to the front, as a click on its title does.
export async function raise(page, window) {
  const { x, y } = await centre(window.locator(".window-name"));
  await page.mouse.click(x, y);
}

// The mirror of a window that screen readers read, and a control in it by role and name.
export const dialog = (page, caption) =>
  page.locator("#reader").getByRole("dialog", { name: caption, exact: true });
export const control = (page, caption, role, name) =>
  dialog(page, caption).getByRole(role, { name, exact: true });

// Where a control is on the screen: its mirror is laid over it.
export async function centre(locator) {
  const box = await locator.boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

// A click, or a tap, on the control itself, as a user makes it: the mirror lets it through
// to the window beneath.
export async function press(page, locator, how = "click") {
  const { x, y } = await centre(locator);
  await (how === "tap" ? page.touchscreen.tap(x, y) : page.mouse.click(x, y));
}

export const main = facts.mainWindow?.caption;
export const catalogue = facts.catalogue?.caption;
// The captions of the boxes and of the results, in tab order.
const captionsOf = (kind) => (facts.mainWindow?.controls ?? [])
  .filter((c) => facts.mainWindow.controls.find((named) => named.name === c.names)?.kind === kind)
  .map((c) => c.text);
export const boxes = captionsOf("textbox");
export const results = captionsOf("result");

// What `read` answers, once it answers `expected` (or the time is up).
export async function until(read, expected, timeout = 5000) {
  let answer;
  for (const end = Date.now() + timeout; Date.now() < end; await new Promise((r) => setTimeout(r, 50))) {
    answer = await read();
    if (answer === expected)
      break;
  }
  return answer;
}

// What the control shows, once it shows `expected`.
export const settled = (locator, expected) =>
  until(async () => (await locator.textContent()).trim(), expected);

export const result = (page, index) => control(page, main, "status", results[index]);

// Whether the page shows the pipe of 57, 3.5 and 8800: 587.965 mm² and 5.174092 kg/m.
export async function assertCalculated(page, message) {
  for (const [index, number] of ["587.965", "5.174092"].entries())
    assert.equal(await settled(result(page, index), shown(number)), shown(number), message);
}
