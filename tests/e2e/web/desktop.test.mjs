// SPDX-License-Identifier: GPL-3.0-or-later
// The page on a desktop, with a mouse and a keyboard: the windows behave as the desktop
// program's do, in every engine.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import * as p from "./page.mjs";

let site, browser;
before(async () => { site = await p.serve(); browser = await p.launch(); });
after(async () => { await browser.close(); await site.close(); });

const open = () => p.open(browser, site);
const tables = p.facts.tables;
const said = (page) => page.said.filter((line) => !line.startsWith("log") && !line.startsWith("debug"));

test("calculates, speaks both results once, and Enter and Esc in a box do nothing", async () => {
  const page = await open();
  assert.deepEqual(await p.clientSize(page, p.main.name), p.main.size);
  await p.until(page, (s) => document.activeElement === document.querySelector(s), true,
    "the focus starts on Command1", { args: [p.control("Command1")] });
  await page.evaluate(() => {
    window.spoken = [];
    const region = document.querySelector("[role=status][aria-live=polite]");
    new MutationObserver(() => region.textContent && window.spoken.push(region.textContent))
      .observe(region, { childList: true, subtree: true, characterData: true });
  });
  await p.enter(page, ["57", "3.5", "8800"]);
  for (const key of ["Enter", "Escape"])
    await page.press(key);
  assert.equal(await p.textOf(page, p.results[0]), "");
  for (const time of [1, 2]) { // the same results are spoken again
    await page.click(p.control("Command2"));
    await p.assertCalculated(page);
    await p.until(page, () => window.spoken.length, time, `the results spoken ${time} times`);
  }
  const captions = p.main.controls.filter((c) => p.main.controls.find((r) => r.name === c.names)?.kind === "result");
  const message = `${captions[0].text} ${p.shown("587.965")}, ${captions[1].text} ${p.shown("5.174092")}`;
  assert.deepEqual(await page.evaluate(() => window.spoken), [message, message]);

  await page.click(p.control("Command3"));
  for (const box of p.boxes)
    assert.equal(await p.textOf(page, box), "");
  await p.assertResults(page, ["", ""]);
  assert.ok(await p.isFocused(page, p.control("Command3")), "the focus stays on Command3");
  // A reload brings no typed value back.
  await p.enter(page, ["57"]);
  await p.reload(page);
  await p.until(page, (box) => document.querySelector(box).value, "", "an empty box after a reload",
    { args: [p.boxes[0]] });
  assert.deepEqual(said(page), []);
  await page.close();
});

test("Tab follows the desktop's order, then goes on to the next open window", async () => {
  const page = await open();
  await page.click(p.control("Command1"));
  const first = p.control(p.catalogue.controls[0].name, p.catalogue.name);
  assert.ok(await p.isFocused(page, first), "the catalogue opens on its first button");
  await page.evaluate((s) => document.querySelector(s).focus(), p.control("Command1"));
  const order = p.main.controls.filter((c) => ["textbox", "button"].includes(c.kind)).map((c) => p.control(c.name));
  for (const next of [...order.slice(1), first]) {
    await page.press("Tab");
    assert.ok(await p.isFocused(page, next), `Tab to ${next}`);
  }
  await page.close();
});

test("every window opens once, in front, at its size, beside the others; closing the last ends the program",
  async () => {
    const page = await open();
    await page.click(p.control("Command1"));
    await page.click(p.control("Command1"));
    assert.equal(await page.evaluate(() => document.querySelectorAll(".window.open").length), 2);
    assert.deepEqual(await p.clientSize(page, p.catalogue.name), p.catalogue.size);
    for (const [index, table] of tables.entries()) {
      const button = p.control(p.catalogue.controls[index].name, p.catalogue.name);
      await page.click(button);
      await page.click(button);
      assert.deepEqual(await p.clientSize(page, table.name), table.size, table.name);
      assert.ok(await p.isFocused(page, `${p.window(table.name)} caption`), `${table.name} opens on its table`);
      assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll(".window.active")].map((w) => w.id)),
        [table.name], "in front");
    }
    assert.equal(await page.evaluate(() => document.querySelectorAll(".window.open").length), p.windows.length);
    // Side by side: no two windows' title bars on one spot.
    const places = await page.evaluate(() => [...document.querySelectorAll(".window.open .title")]
      .map((title) => JSON.stringify(title.getBoundingClientRect())));
    assert.equal(new Set(places).size, p.windows.length);

    // A press in a window behind raises it; closing a window puts the focus in the one
    // used last.
    await page.click(p.control("Command2"));
    assert.deepEqual(await page.evaluate(() => document.querySelector(".window.active").id), p.main.name);
    await page.click(p.closeBox(tables[7].name));
    assert.ok(await p.isFocused(page, p.control("Command2")));
    for (const window of p.windows.filter((w) => w !== tables[7])) {
      assert.ok(!(await p.isShown(page, "#ended")));
      await page.click(p.closeBox(window.name));
      assert.ok(!(await p.isShown(page, p.window(window.name))), window.name);
    }
    assert.ok(await p.isShown(page, "#ended"), "the program has ended");
    await page.click("#ended button");
    await p.until(page, (s) => document.querySelector(s)?.classList.contains("active"), true,
      "the program started again", { args: [p.window(p.main.name)] });
    await page.click(p.control("Command4"));
    assert.ok(await p.isShown(page, "#ended"), "«ВЫХОД» ends the program");
    assert.ok(!(await p.isShown(page, p.window(p.main.name))));
    assert.deepEqual(said(page), []);
    await page.close();
  });

test("a sizable window grows by its corner; a fixed one has none", async () => {
  const page = await open();
  await page.click(p.control("Command1"));
  for (const [index, table] of tables.entries()) {
    await page.click(p.control(p.catalogue.controls[index].name, p.catalogue.name));
    const corner = await page.evaluate((s) => {
      const grip = document.querySelector(`${s} .grip`)?.getBoundingClientRect();
      return grip && { x: grip.x + grip.width / 2, y: grip.y + grip.height / 2 };
    }, p.window(table.name));
    assert.equal(!!corner, table.sizable, table.name);
    if (corner) {
      await page.drag(corner, { dx: 60, dy: 40 });
      assert.deepEqual(await p.clientSize(page, table.name), [table.size[0] + 60, table.size[1] + 40], table.name);
    }
    await page.click(p.closeBox(table.name));
  }
  await page.close();
});

test("a calculation asked for before the numbers are there is answered when they are; they come once",
  async () => {
    const release = site.hold(".wasm");
    const page = await open();
    await p.enter(page, ["57", "3.5", "8800"]);
    await page.click(p.control("Command2"));
    assert.equal(await p.textOf(page, p.results[0]), "");
    release();
    await p.assertCalculated(page);
    assert.equal(await page.evaluate(() => performance.getEntriesByType("resource")
      .filter((entry) => entry.name.endsWith(".wasm")).length), 1, "the module downloaded once");
    await page.close();
  });

test("opens without a network once visited", async () => {
  const page = await open();
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => undefined));
  await p.until(page, () => navigator.serviceWorker.controller !== null, true,
    "the page kept by its service worker", { timeout: 10000 });
  site.offline = true;
  try {
    await p.reload(page);
    await p.enter(page, ["57", "3.5", "8800"]);
    await page.click(p.control("Command2"));
    await p.assertCalculated(page, "offline");
    await page.click(p.control("Command1"));
    await page.click(p.control(p.catalogue.controls[3].name, p.catalogue.name));
    assert.ok(await p.isShown(page, p.window(tables[3].name)));
  } finally {
    site.offline = false;
  }
  await page.close();
});
