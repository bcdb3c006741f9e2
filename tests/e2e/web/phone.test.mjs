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

test("57, 3.5 and 8800 give 587,965 and 5,174092 however the keyboard types them", async () => {
  const page = await p.open(browser, site, { ...phone, permissions: ["clipboard-write"] });
  const ime = await page.context().newCDPSession(page);
  const frame = await p.window(page, p.main).boundingBox();
  assert.ok(frame.x >= 0 && frame.x + frame.width <= phone.viewport.width, "the calculator whole");
  for (const [way, type] of Object.entries(ways)) {
    await p.press(page, p.control(page, p.main, "button", p.text("Command3")), "tap");
    for (const [index, text] of ["57", "3.5", "8800"].entries()) {
      await p.press(page, p.control(page, p.main, "textbox", p.boxes[index]), "tap");
      // The box takes the keyboard's text, so the keyboard opens for it.
      assert.equal(await page.evaluate(() => document.activeElement.inputMode !== "none" &&
        document.activeElement.tagName), "INPUT", way);
      await type(page, text, ime);
    }
    await p.press(page, p.control(page, p.main, "button", p.text("Command2")), "tap");
    await p.assertCalculated(page, way);
  }
  await page.context().close();
});

// The widest table (362 pixels) needs a phone of 370: this one is 390 wide.
test("the catalogue and every table open on the page, over the others, and close", async () => {
  const wider = { ...phone, viewport: { width: 390, height: 844 } };
  const page = await p.open(browser, site, wider);
  const { width, height } = wider.viewport;
  await p.press(page, p.control(page, p.main, "button", p.text("Command1")), "tap");
  const catalogue = p.window(page, p.catalogue);
  for (const table of [{ caption: p.catalogue }, ...p.facts.tables]) {
    if (table.button)
      await p.press(page, p.control(page, p.catalogue, "button", table.button), "tap");
    const window = p.window(page, table.caption);
    await window.waitFor();
    const frame = await window.boundingBox();
    assert.ok(frame.x >= 0 && frame.x + frame.width <= width, table.caption);
    assert.ok(frame.y >= 0 && frame.y + frame.height <= height, table.caption);
    if (table.button) {
      const close = await window.locator(".title-bar .action-button:visible").last().boundingBox();
      await page.touchscreen.tap(close.x + close.width / 2, close.y + close.height / 2);
      await window.waitFor({ state: "detached" });
    }
  }
  assert.ok(await catalogue.isVisible());
  await page.context().close();
});
