// SPDX-License-Identifier: GPL-3.0-or-later
// The page as a screen reader meets it: its accessibility tree, driven by the keyboard alone.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import * as p from "./page.mjs";

let site, browser;
before(async () => { site = await p.serve(); browser = await p.launch(); });
after(async () => { await browser.close(); await site.close(); });

test("the calculator: labelled boxes, buttons, results read with their captions, spoken once", async () => {
  const page = await p.open(browser, site);
  const dialog = p.window(page, p.main);
  assert.equal(await page.getByRole("textbox").count(), p.boxes.length, "no other entry is read");
  assert.deepEqual(await dialog.locator(".client").getByRole("button").allTextContents(),
    p.facts.mainWindow.controls.filter((c) => c.kind === "button").map((c) => c.text));
  const live = page.getByRole("status").filter({ hasNot: page.locator("output") }).and(page.locator("#said"));
  await live.evaluate((region) => {
    window.spoken = [];
    new MutationObserver(() => region.textContent && window.spoken.push(region.textContent))
      .observe(region, { childList: true, subtree: true, characterData: true });
  });
  // The results announce nothing themselves: the one message does.
  for (const index of [0, 1])
    assert.equal(await p.result(page, index).getAttribute("aria-live"), "off");

  await p.box(page, 0).focus();
  for (const text of ["57", "3.5", "8800"]) {
    await page.keyboard.type(text);
    await page.keyboard.press("Tab");
  }
  const area = p.shown("587.965"), mass = p.shown("5.174092");
  const message = `${p.results[0]} ${area}, ${p.results[1]} ${mass}`;
  for (const time of [1, 2]) { // the same results are spoken again
    await page.keyboard.press("Enter"); // on Command2, the next in the tab order
    await p.assertCalculated(page);
    await page.waitForFunction((count) => window.spoken.length === count, time);
  }
  assert.deepEqual(await page.evaluate(() => window.spoken), [message, message]);
  await page.context().close();
});

test("the catalogue and every table, row by row, with the merged density in every row", async () => {
  const page = await p.open(browser, site);
  await page.keyboard.press("Enter"); // the focus starts on Command1
  const catalogue = p.window(page, p.catalogue);
  assert.deepEqual(await catalogue.locator(".client").getByRole("button").allTextContents(),
    p.facts.tables.map((table) => table.button));
  for (const table of p.facts.tables) {
    await p.button(page, table.button, p.catalogue).focus();
    await page.keyboard.press("Enter");
    const grid = p.window(page, table.caption).getByRole("table", { name: table.caption });
    assert.ok(await grid.locator("caption").evaluate((c) => c === document.activeElement), table.name);
    assert.deepEqual(await grid.getByRole("columnheader").allTextContents(), table.headers);
    const rows = [];
    for (const row of (await grid.getByRole("row").all()).slice(1))
      rows.push(await row.getByRole("cell").allTextContents());
    assert.deepEqual(rows, table.grades.map((grade, i) => [grade, table.densities[i]]), table.name);
  }
  await page.context().close();
});
