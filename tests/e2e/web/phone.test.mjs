// SPDX-License-Identifier: GPL-3.0-or-later
// The page on a phone: an Android browser 360 pixels wide, tapped, with text coming from an
// on-screen keyboard in every way one delivers it.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import * as p from "./page.mjs";

const phone = {
  viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true,
  userAgent: "Mozilla/5.0 (Linux; Android 14; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) " +
    "Chrome/156.0.0.0 Mobile Safari/537.36",
};

let site, browser;
before(async () => { site = await p.serve(); browser = await p.launch(); });
after(async () => { await browser.close(); await site.close(); });

// How a keyboard hands over "57": key by key; as a whole (a suggestion taken, voice or
// swipe typing); composed through an input method, then committed; as a word that replaces
// a slip (an autocorrection); pasted; and with slips taken back by Backspace and Delete.
const ways = {
  "key by key": (page, text) => page.keyboard.type(text),
  "whole": (page, text) => page.keyboard.insertText(text),
  "composed": async (page, text, ime) => {
    for (let length = 1; length <= text.length; ++length)
      await ime.send("Input.imeSetComposition",
        { text: text.slice(0, length), selectionStart: length, selectionEnd: length });
    await ime.send("Input.insertText", { text });
  },
  "replacing a slip": async (page, text, ime) => {
    await page.keyboard.type(`9${text.slice(1)}`);
    await ime.send("Input.imeSetComposition", { text, selectionStart: text.length,
      selectionEnd: text.length, replacementStart: 0, replacementEnd: text.length });
    await ime.send("Input.insertText", { text });
  },
  "pasted": async (page, text) => {
    await page.evaluate((copied) => navigator.clipboard.writeText(copied), text);
    await page.keyboard.press("Control+V");
  },
  "with deletions": async (page, text) => {
    await page.keyboard.insertText(`9${text}9`);
    await page.keyboard.press("Backspace");
    await page.keyboard.press("Home");
    await page.keyboard.press("Delete");
  },
};

const tap = async (page, locator) => {
  const box = await locator.boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
};

test("57, 3.5 and 8800 give 587,965 and 5,174092 however the keyboard types them", async () => {
  const page = await p.open(browser, site, { ...phone, permissions: ["clipboard-read", "clipboard-write"] });
  const ime = await page.context().newCDPSession(page);
  for (const [index] of p.boxes.entries()) {
    const attributes = await p.box(page, index).evaluate((box) =>
      [box.inputMode, box.autocomplete, box.spellcheck, box.getAttribute("autocorrect")]);
    assert.deepEqual(attributes, ["decimal", "off", false, "off"], "a decimal keyboard, no corrections");
  }
  for (const [way, type] of Object.entries(ways)) {
    await tap(page, p.button(page, p.text("Command3")));
    for (const [index, text] of ["57", "3.5", "8800"].entries()) {
      await tap(page, p.box(page, index));
      await type(page, text, ime);
    }
    await tap(page, p.button(page, p.text("Command2")));
    await p.assertCalculated(page, way);
  }
  await page.context().close();
});

test("every window can be reached whole and closed, the widest scaled down to fit", async () => {
  const page = await p.open(browser, site, phone);
  const { width } = phone.viewport;
  await tap(page, p.button(page, p.text("Command1")));
  for (const table of [{ caption: p.main }, { caption: p.catalogue }, ...p.facts.tables]) {
    if (table.button)
      await tap(page, p.button(page, table.button, p.catalogue));
    const window = p.window(page, table.caption);
    await window.waitFor();
    const frame = await window.boundingBox();
    assert.ok(frame.x >= 0 && frame.x + frame.width <= width + 0.5, `${table.caption}: ${JSON.stringify(frame)}`);
    if (table.button) {
      await tap(page, p.closeBox(window));
      await window.waitFor({ state: "hidden" });
    }
  }
  assert.ok(await p.window(page, p.catalogue).isVisible());
  await page.context().close();
});
