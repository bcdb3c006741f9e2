// SPDX-License-Identifier: GPL-3.0-or-later
// The page as its visitors meet it: a build of it (KVARNEL_PAGE) served on 127.0.0.1 and
// opened in KVARNEL_ENGINE under KVARNEL_LANGUAGE's settings. Windows and controls are
// found by the names of the program's own description (KVARNEL_FACTS, which
// expected_facts writes), which the page gives them as ids, as the desktop gives them as
// object names.
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";

import { engine, launch as launchEngine } from "./engines.mjs";

export { engine };
export { serve } from "./site.mjs";

export const facts = JSON.parse(await readFile(process.env.KVARNEL_FACTS, "utf8"));
export const language = process.env.KVARNEL_LANGUAGE || "ru";
// A number as the program writes it in that language.
export const shown = (number) => (language === "ru" ? number.replace(".", ",") : number);
export const main = facts.mainWindow;
export const catalogue = facts.catalogue;
export const windows = [main, catalogue, ...facts.tables];

// The engine under test, in the visitor's language.
export const launch = (options) => launchEngine(engine, { language, ...options });

// A window, and a control of it, by their names: control("Command2").
export const window = (name) => `#${name}`;
export const control = (name, of = main.name) => `#${of}-${name}`;
export const closeBox = (name) => `#${name} .close`;
// The main window's boxes and results, in tab order, which is the calculation's order.
const controlsOf = (kind) => main.controls.filter((c) => c.kind === kind).map((c) => control(c.name));
export const boxes = controlsOf("textbox");
export const results = controlsOf("result");

// Polls `read` in the page until it answers `expected`, or fails saying what it waited for.
// A page that is loading again has no script to ask for a moment: the poll asks again.
export async function until(page, read, expected, what, { args = [], timeout = 5000 } = {}) {
  let answer;
  for (const end = Date.now() + timeout; ; await new Promise((r) => setTimeout(r, 50))) {
    answer = await page.evaluate(read, ...args).catch((error) => `no answer: ${error.message}`);
    if (JSON.stringify(answer) === JSON.stringify(expected) || Date.now() > end)
      break;
  }
  assert.deepEqual(answer, expected, `${what}${page.said.length ? `; the page said ${page.said}` : ""}`);
}

// The page opened, once its script has made a window the active one; `prepare` readies
// the browser's page before that.
export async function open(browser, site, size, prepare = async () => {}) {
  const page = await browser.open(size);
  await prepare(page);
  await page.goto(site.url);
  await until(page, () => document.querySelector(".window.active") !== null, true, "the page's script to start");
  return page;
}

// The page loaded again, once the new page's script has started: an engine may answer the
// reload before the page it leaves is gone.
export async function reload(page) {
  await page.evaluate(() => { window.left = true; });
  await page.reload();
  await until(page, () => !window.left && document.querySelector(".window.active") !== null, true,
    "the page's script to start again");
}

export const textOf = (page, selector) =>
  page.evaluate((s) => { const e = document.querySelector(s); return e.value ?? e.textContent; }, selector);
export const isFocused = (page, selector) =>
  page.evaluate((s) => document.activeElement === document.querySelector(s), selector);
export const isShown = (page, selector) =>
  page.evaluate((s) => { const e = document.querySelector(s); return !!e && e.checkVisibility(); }, selector);

// Into the three boxes in order, each emptied, then typed into key by key.
export async function enter(page, texts) {
  for (const [index, typed] of texts.entries()) {
    await page.evaluate((s) => { const box = document.querySelector(s); box.value = ""; box.focus(); }, boxes[index]);
    await page.type(typed);
  }
}

// What the page shows in both results, once it shows it.
export const assertResults = (page, expected, what = "the results") =>
  until(page, (ids) => ids.map((id) => document.querySelector(id).textContent), expected, what,
    { args: [results] });

// Whether the page shows the pipe of 57, 3.5 and 8800: 587.965 mm² and 5.174092 kg/m.
export const assertCalculated = (page, what) =>
  assertResults(page, [shown("587.965"), shown("5.174092")], what);

// A window's client area, in CSS pixels.
export const clientSize = (page, name) => page.evaluate((s) => {
  const { width, height } = document.querySelector(`${s} .client`).getBoundingClientRect();
  return [width, height];
}, window(name));
