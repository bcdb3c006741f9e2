// SPDX-License-Identifier: GPL-3.0-or-later
// The page as a screen reader meets it, through the accessibility tree the page offers: no
// mouse, only the keyboard, and nothing to turn on first.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import * as p from "./page.mjs";

let site, browser;
before(async () => { site = await p.serve(); browser = await p.launch(); });
after(async () => { await browser.close(); await site.close(); });

// Whether the focus is on that element of the mirror or in it, or comes there soon.
const focused = (locator) =>
  p.until(() => locator.evaluate((element) => element.contains(document.activeElement)), true);

test("the calculator: its boxes, buttons and results, and each result spoken once", async () => {
  const page = await p.open(browser, site, { viewport: { width: 1280, height: 1024 } });
  assert.ok(await focused(p.control(page, p.main, "button", p.text("Command1"))),
    "the focus starts where the desktop program puts it");
  for (const caption of p.boxes)
    assert.equal(await p.control(page, p.main, "textbox", caption).count(), 1, caption);
  assert.equal(await page.getByRole("textbox").count(), p.boxes.length, "no other entry is read");
  // A paste into a box is the box's, wherever the program's focus is.
  assert.equal(await p.control(page, p.main, "textbox", p.boxes[0]).evaluate((box) => {
    const paste = new ClipboardEvent("paste", { bubbles: true, cancelable: true });
    box.dispatchEvent(paste);
    return paste.defaultPrevented;
  }), false);
  for (const name of ["Command1", "Command2", "Command3", "Command4"].map(p.text))
    assert.equal(await p.control(page, p.main, "button", name).count(), 1, name);
  const live = page.locator("#reader > [role=status]");
  await live.evaluate((region) => {
    window.spoken = [];
    new MutationObserver(() => window.spoken.push(region.textContent))
      .observe(region, { childList: true, subtree: true, characterData: true });
  });

  await p.control(page, p.main, "textbox", p.boxes[0]).focus();
  for (const text of ["57", "3.5", "8800"]) {
    await page.keyboard.type(text);
    await page.keyboard.press("Tab");
  }
  await page.keyboard.press("Enter"); // on the calculate button (Command2), the next in the tab order
  await p.assertCalculated(page);
  const area = p.shown("587.965"), mass = p.shown("5.174092");
  await page.waitForTimeout(300);
  assert.deepEqual(await page.evaluate(() => window.spoken),
    [`${p.results[0]} ${area}, ${p.results[1]} ${mass}`]);
  await page.context().close();
});

test("the catalogue and every table, row by row, in the window with the focus", async () => {
  const page = await p.open(browser, site, { viewport: { width: 1280, height: 1024 } });
  await p.control(page, p.main, "button", p.text("Command1")).focus();
  await page.keyboard.press("Enter");
  await p.dialog(page, p.catalogue).waitFor();
  assert.ok(await focused(p.control(page, p.catalogue, "button", p.facts.tables[0].button)));
  assert.deepEqual(await p.dialog(page, p.catalogue).getByRole("button").allTextContents(),
    p.facts.tables.map((table) => table.button));
  for (const table of p.facts.tables) {
    await p.control(page, p.catalogue, "button", table.button).focus();
    await page.keyboard.press("Enter");
    const dialog = p.dialog(page, table.caption);
    const grid = dialog.getByRole("table", { name: table.caption });
    assert.ok(await focused(grid.locator("caption")), table.name);
    assert.deepEqual(await grid.getByRole("columnheader").allTextContents(), table.headers);
    const rows = [];
    for (const row of await grid.getByRole("row").all())
      rows.push(await row.getByRole("cell").allTextContents());
    assert.deepEqual(rows.slice(1), table.grades.map((grade, i) => [grade, table.densities[i]]),
      table.name);
    // Closed from its title bar, it leaves the tree.
    await p.window(page, table.caption).locator(".title-bar .action-button:visible").last().click();
    await dialog.waitFor({ state: "detached" });
  }
  await page.context().close();
});
