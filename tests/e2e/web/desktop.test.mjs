// SPDX-License-Identifier: GPL-3.0-or-later
// The page on a desktop, with a mouse and a keyboard, under KVARNEL_LANGUAGE's settings:
// the windows behave as the desktop program's do.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import * as p from "./page.mjs";

let site, browser;
before(async () => { site = await p.serve(); browser = await p.launch(); });
after(async () => { await browser.close(); await site.close(); });

const open = () => p.open(browser, site, { viewport: { width: 1280, height: 1024 } });
const focused = (locator) => locator.evaluate((element) => element === document.activeElement);

test("calculates, and Enter and Esc in a box do nothing, as on the desktop", async () => {
  const page = await open();
  assert.deepEqual(await p.clientSize(p.window(page, p.main)), p.facts.mainWindow.size);
  assert.ok(await focused(p.button(page, p.text("Command1"))), "the focus starts on Command1");
  await p.enter(page, ["57", "3.5", "8800"]);
  for (const key of ["Enter", "Escape"])
    await page.keyboard.press(key);
  assert.equal(await p.result(page, 0).textContent(), "");
  await p.button(page, p.text("Command2")).click();
  await p.assertCalculated(page);
  // A result wider than its label is shown whole, in a smaller size.
  await p.enter(page, ["97.1", "3.7", "8829"]);
  await p.button(page, p.text("Command2")).click();
  await p.assertResults(page, ["1085.1212", "9.58053507479999"].map(p.shown));
  assert.ok(await p.result(page, 1).evaluate((mass) => mass.scrollWidth <= mass.clientWidth &&
    parseFloat(getComputedStyle(mass).fontSize) < 21));
  await p.button(page, p.text("Command3")).click();
  for (const index of [0, 1, 2])
    assert.equal(await p.box(page, index).inputValue(), "");
  await p.assertResults(page, ["", ""]);
  assert.ok(await focused(p.button(page, p.text("Command3"))), "the focus stays on Command3");
  // A reload brings no typed value back.
  await p.enter(page, ["57"]);
  await page.reload();
  assert.equal(await p.box(page, 0).inputValue(), "");
  assert.deepEqual(page.said.filter((line) => !line.startsWith("log")), []);
  await page.context().close();
});

test("Tab follows the desktop's order, then goes on to the next open window", async () => {
  const page = await open();
  await p.button(page, p.text("Command1")).click();
  const first = p.facts.catalogue.controls[0].text;
  assert.ok(await focused(p.button(page, first, p.catalogue)), "the catalogue opens on its first button");
  await p.button(page, p.text("Command1")).focus();
  const order = [...p.boxes, ...["Command2", "Command3", "Command4"].map(p.text)];
  for (const name of order) {
    await page.keyboard.press("Tab");
    assert.equal(await page.evaluate(() => document.activeElement.labels?.[0]?.textContent ??
      document.activeElement.textContent), name);
  }
  await page.keyboard.press("Tab");
  assert.ok(await focused(p.button(page, first, p.catalogue)));
  assert.equal(await page.locator("[tabindex]:not([tabindex='-1']):not([tabindex='0'])").count(), 0);
  await page.context().close();
});

test("every window opens once, at its size, beside the others, and closing the last ends the program",
  async () => {
    const page = await open();
    await p.button(page, p.text("Command1")).click();
    await p.button(page, p.text("Command1")).click();
    const catalogue = p.window(page, p.catalogue);
    assert.equal(await catalogue.count(), 1);
    assert.deepEqual(await p.clientSize(catalogue), p.facts.catalogue.size);
    const windows = [p.window(page, p.main), catalogue];
    for (const table of p.facts.tables) {
      await p.button(page, table.button, p.catalogue).click();
      await p.button(page, table.button, p.catalogue).click();
      const window = p.window(page, table.caption);
      assert.equal(await window.count(), 1, table.name);
      assert.deepEqual(await p.clientSize(window), table.size, table.name);
      assert.ok(await focused(window.locator("caption")), `${table.name} opens on its table`);
      const resize = await window.locator(".client").evaluate((client) => getComputedStyle(client).resize);
      assert.equal(resize === "both", table.sizable, table.name);
      windows.push(window);
    }
    // Side by side: no two windows' title bars on one spot.
    const places = new Set();
    for (const window of windows)
      places.add(JSON.stringify(await window.locator(".title").boundingBox()));
    assert.equal(places.size, windows.length);

    // Closing a window puts the focus in the window used last.
    await p.button(page, p.text("Command2")).focus();
    await p.closeBox(p.window(page, p.facts.tables[7].caption)).click();
    assert.ok(await focused(p.button(page, p.text("Command2"))));
    for (const window of windows.filter((w, i) => i !== 9)) {
      assert.ok(await page.locator("#ended").isHidden());
      await p.closeBox(window).click();
      await window.waitFor({ state: "hidden" });
    }
    await page.locator("#ended").waitFor();
    await page.getByRole("button", { name: "Запустить снова" }).click();
    await p.window(page, p.main).waitFor();
    await p.button(page, p.text("Command4")).click();
    await page.locator("#ended").waitFor();
    assert.ok(await p.window(page, p.main).isHidden());
    await page.context().close();
  });

test("a calculation asked for before the numbers are there is answered when they are", async () => {
  const context = await browser.newContext({ locale: p.language });
  const page = await context.newPage();
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  await page.route("**/*.wasm", async (route) => { await held; await route.continue(); });
  await page.goto(site.url);
  await p.enter(page, ["57", "3.5", "8800"]);
  await p.button(page, p.text("Command2")).click();
  assert.equal(await p.result(page, 0).textContent(), "");
  release();
  await p.assertCalculated(page);
  await context.close();
});

test("can be installed, and opens without a network once visited", async () => {
  const page = await open();
  const cdp = await page.context().newCDPSession(page);
  // Chromium's own verdict, but for the test's private window, where nothing installs.
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors.filter((error) => error.errorId !== "in-incognito"), []);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null || location.reload());
  site.offline = true;
  try {
    await page.reload();
    await p.enter(page, ["57", "3.5", "8800"]);
    await p.button(page, p.text("Command2")).click();
    await p.assertCalculated(page, "offline");
    await p.button(page, p.text("Command1")).click();
    await p.button(page, p.facts.tables[3].button, p.catalogue).click();
    await p.window(page, p.facts.tables[3].caption).waitFor();
  } finally {
    site.offline = false;
  }
  await page.context().close();
});

test("without JavaScript, or without WebAssembly, the windows show and the page says why", async () => {
  const still = await browser.newContext({ locale: p.language, javaScriptEnabled: false });
  const page = await still.newPage();
  await page.goto(site.url);
  for (const caption of [p.main, p.catalogue, ...p.facts.tables.map((table) => table.caption)])
    assert.ok(await p.window(page, caption).isVisible(), caption);
  assert.match(await page.locator("noscript").textContent(), /JavaScript/);
  await still.close();

  const old = await browser.newContext({ locale: p.language });
  const older = await old.newPage();
  await older.addInitScript(() => { delete window.WebAssembly; });
  await older.goto(site.url);
  await older.locator("#unable").waitFor();
  await p.button(older, p.text("Command1")).click();
  await p.window(older, p.catalogue).waitFor();
  await old.close();
});
