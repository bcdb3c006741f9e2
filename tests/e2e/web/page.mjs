// SPDX-License-Identifier: GPL-3.0-or-later
// The page as its visitors meet it: a build of it (KVARNEL_PAGE, build/page) served on
// 127.0.0.1 and opened in Debian's Chromium, driven by Playwright. Windows and controls are
// found as the page tells screen readers about them, by the captions and texts of the
// program's own description (KVARNEL_FACTS, which expected_facts writes).
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";

export { launch, serve } from "./browser.mjs";

export const facts = JSON.parse(await readFile(process.env.KVARNEL_FACTS, "utf8"));
export const language = process.env.KVARNEL_LANGUAGE || "ru";
// A number as the program writes it in that language.
export const shown = (number) => (language === "ru" ? number.replace(".", ",") : number);
// The text of a control of the main window, by its name: text("Command2").
export const text = (name) => facts.mainWindow.controls.find((c) => c.name === name).text;
export const main = facts.mainWindow.caption;
export const catalogue = facts.catalogue.caption;
// The captions of the boxes and of the results, in tab order.
const captionsOf = (kind) => facts.mainWindow.controls
  .filter((c) => facts.mainWindow.controls.find((named) => named.name === c.names)?.kind === kind)
  .map((c) => c.text);
export const boxes = captionsOf("textbox");
export const results = captionsOf("result");

// Everything the page says on its console is kept, so that a test can ask for none of it.
export async function open(browser, site, options = {}) {
  const context = await browser.newContext({ locale: language, ...options });
  const page = await context.newPage();
  page.said = [];
  page.on("console", (message) => page.said.push(`${message.type()}: ${message.text()}`));
  page.on("pageerror", (error) => page.said.push(`error: ${error.message}`));
  await page.goto(site.url);
  return page;
}

// A window is a dialog named by its caption; a control in it by its role and name.
export const window = (page, caption) => page.getByRole("dialog", { name: caption, exact: true });
export const control = (page, caption, role, name) =>
  window(page, caption).getByRole(role, { name, exact: true });
export const button = (page, name, caption = main) => control(page, caption, "button", name);
export const box = (page, index) => control(page, main, "textbox", boxes[index]);
export const result = (page, index) => control(page, main, "status", results[index]);

export async function clientSize(dialog) {
  const client = await dialog.locator(".client").boundingBox();
  return [Math.round(client.width), Math.round(client.height)];
}

// Closed by its close box, as a user closes it.
export const closeBox = (dialog) => dialog.locator(".title .close");

// Into the three boxes in order, each filled anew as a user types.
export async function enter(page, texts) {
  for (const [index, typed] of texts.entries()) {
    await box(page, index).fill("");
    await box(page, index).pressSequentially(typed);
  }
}

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

// What the page shows in both results, once it shows it.
export async function assertResults(page, expected, message = "") {
  for (const [index, value] of expected.entries())
    assert.equal(await until(() => result(page, index).textContent(), value), value,
      `${message} ${results[index]}`);
}

// Whether the page shows the pipe of 57, 3.5 and 8800: 587.965 mm² and 5.174092 kg/m.
export const assertCalculated = (page, message) =>
  assertResults(page, [shown("587.965"), shown("5.174092")], message);
