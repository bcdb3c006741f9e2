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

// Where a window stands in the page, and how far the page reaches.
const frameOf = (page, name) => page.evaluate((s) => {
  const box = document.querySelector(s).getBoundingClientRect();
  return { left: box.left + scrollX, top: box.top + scrollY, right: box.right + scrollX, bottom: box.bottom + scrollY,
    width: document.documentElement.clientWidth, height: document.documentElement.scrollHeight };
}, p.window(name));

const screens = [[360, 740], [390, 844], [430, 932]].flatMap(([width, height]) =>
  [{ width, height, held: "upright" }, { width: height, height: width, held: "sideways" }]);

for (const screen of screens) {
  test(`every window can be reached whole and closed, ${screen.width} × ${screen.height}, held ${screen.held}`,
    async () => {
      const page = await p.open(browser, site, undefined, (opened) => opened.driver.emulate(
        { ...phone, viewport: { ...phone.viewport, width: screen.width, height: screen.height } }));
      await tap(page, p.control("Command1"));
      for (const [index, window] of p.windows.entries()) {
        if (index > 1)
          await tap(page, p.control(p.catalogue.controls[index - 2].name, p.catalogue.name));
        const frame = await frameOf(page, window.name);
        assert.ok(frame.left >= 0 && frame.right <= frame.width && frame.top >= 0 && frame.bottom <= frame.height,
          `${window.name} within the page: ${JSON.stringify(frame)}`);
        if (index > 1) {
          await page.evaluate((s) => document.querySelector(s).scrollIntoView(), p.closeBox(window.name));
          await tap(page, p.closeBox(window.name));
          assert.ok(!(await p.isShown(page, p.window(window.name))), `${window.name} closed`);
        }
      }
      await page.close();
    });
}

test("turning the phone lays the open windows out again, at their new scale", async () => {
  const [upright, sideways] = screens;
  const page = await p.open(browser, site, undefined, (opened) => opened.driver.emulate(phone));
  await tap(page, p.control("Command1"));
  // Turned, once the page has had a frame to hear of it: a resize is told before a frame.
  const turn = async (screen) => {
    await page.driver.setViewport({ ...phone.viewport, width: screen.width, height: screen.height });
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  };
  const frames = async () => [await frameOf(page, p.main.name), await frameOf(page, p.catalogue.name)];
  const [main, catalogue] = await frames();
  assert.ok(catalogue.left === main.left && catalogue.right === main.right, "one over the other, as wide as the screen");
  await turn(sideways);
  const [wide, beside] = await frames();
  assert.equal(wide.right - wide.left, p.main.size[0] + 2, "the desktop's size on a wide screen");
  assert.ok(beside.left >= wide.right && beside.right <= beside.width, "beside each other");
  await turn(upright);
  assert.deepEqual(await frames(), [main, catalogue], "as they were");
  await page.close();
});
