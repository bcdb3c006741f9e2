// SPDX-License-Identifier: GPL-3.0-or-later
// The page on a phone: an Android browser 360 pixels wide, tapped, with text coming from an
// on-screen keyboard in every way one delivers it. Chromium alone emulates such a phone and
// its keyboard, through its own protocol.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import * as p from "./page.mjs";

const phone = {
  viewport: { width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
  userAgent: "Mozilla/5.0 (Linux; Android 14; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) " +
    "Chrome/156.0.0.0 Mobile Safari/537.36",
};

let site, browser;
before(async () => { site = await p.serve(); browser = await p.launch(); });
after(async () => { await browser.close(); await site.close(); });

const openPhone = () => p.open(browser, site, undefined, (page) => page.driver.emulate(phone));

// How a keyboard hands over "57": key by key; as a whole (a suggestion taken, voice or
// swipe typing); composed through an input method, then committed; as a word that replaces
// a slip (an autocorrection); pasted; and with slips taken back by Backspace and Delete.
const ways = {
  "key by key": (page, text) => page.type(text),
  "whole": (page, text, ime) => ime.send("Input.insertText", { text }),
  "composed": async (page, text, ime) => {
    for (let length = 1; length <= text.length; ++length)
      await ime.send("Input.imeSetComposition",
        { text: text.slice(0, length), selectionStart: length, selectionEnd: length });
    await ime.send("Input.insertText", { text });
  },
  "replacing a slip": async (page, text, ime) => {
    await page.type(`9${text.slice(1)}`);
    await ime.send("Input.imeSetComposition", { text, selectionStart: text.length,
      selectionEnd: text.length, replacementStart: 0, replacementEnd: text.length });
    await ime.send("Input.insertText", { text });
  },
  "pasted": async (page, text) => {
    await page.evaluate((copied) => navigator.clipboard.writeText(copied), text);
    await page.driver.keyboard.down("Control");
    await page.press("KeyV");
    await page.driver.keyboard.up("Control");
  },
  "with deletions": async (page, text, ime) => {
    await ime.send("Input.insertText", { text: `9${text}9` });
    await page.press("Backspace");
    await page.press("Home");
    await page.press("Delete");
  },
};

const tap = async (page, selector) => {
  const { x, y, width, height } = await (await page.driver.$(selector)).boundingBox();
  await page.driver.touchscreen.tap(x + width / 2, y + height / 2);
};

test("57, 3.5 and 8800 give 587,965 and 5,174092 however the keyboard types them", async () => {
  const page = await openPhone();
  await page.context.overridePermissions(new URL(site.url).origin,
    ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
  const ime = await page.driver.createCDPSession();
  for (const box of p.boxes) {
    const attributes = await page.evaluate((s) => {
      const b = document.querySelector(s);
      return [b.inputMode, b.autocomplete, b.spellcheck, b.getAttribute("autocorrect")];
    }, box);
    assert.deepEqual(attributes, ["decimal", "off", false, "off"], "a decimal keyboard, no corrections");
  }
  for (const [way, type] of Object.entries(ways)) {
    await tap(page, p.control("Command3"));
    for (const [index, text] of ["57", "3.5", "8800"].entries()) {
      await tap(page, p.boxes[index]);
      await type(page, text, ime);
    }
    await tap(page, p.control("Command2"));
    await p.assertCalculated(page, way);
  }
  await page.close();
});

test("every window can be reached whole and closed, the widest scaled down to fit", async () => {
  const page = await openPhone();
  const { width } = phone.viewport;
  await tap(page, p.control("Command1"));
  for (const [index, window] of p.windows.entries()) {
    if (index > 1)
      await tap(page, p.control(p.catalogue.controls[index - 2].name, p.catalogue.name));
    assert.ok(await p.isShown(page, p.window(window.name)), window.name);
    const frame = await (await page.driver.$(p.window(window.name))).boundingBox();
    assert.ok(frame.x >= 0 && frame.x + frame.width <= width + 0.5, `${window.name}: ${JSON.stringify(frame)}`);
    if (index > 1) {
      await tap(page, p.closeBox(window.name));
      assert.ok(!(await p.isShown(page, p.window(window.name))), `${window.name} closed`);
    }
  }
  assert.ok(await p.isShown(page, p.window(p.catalogue.name)));
  await page.close();
});
