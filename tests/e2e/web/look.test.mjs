// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the page compared pixel for pixel with the picture approved of it, one
// set for each Debian release (KVARNEL_PAGE_PICTURES/debian-12/ ...), taken with the
// Chromium major version its approved-with.txt names; elsewhere it skips. The main window
// is pictured after a calculation, as the desktop's is. With
// KVARNEL_TAKE_PICTURES=1 it takes this Chromium's set anew (look at them before committing);
// with KVARNEL_SCREEN_PICTURE naming a file, it leaves there the page with the calculator,
// the catalogue and the brass table open (scripts/screenshots --web).
import assert from "node:assert/strict";
import { mkdir, readFile, writeFile } from "node:fs/promises";
import { after, before, test } from "node:test";
import * as p from "./page.mjs";

let site, browser, page, folder, approved, chromium;
before(async () => {
  site = await p.serve();
  browser = await p.launch(["--font-render-hinting=none"]);
  page = await p.open(browser, site, { viewport: { width: 1600, height: 1200 } });
  await page.evaluate(() => document.fonts.ready);
  const release = Object.fromEntries((await readFile("/etc/os-release", "utf8")).split("\n")
    .map((line) => line.split("=")).map(([key, value]) => [key, value?.replace(/"/g, "")]));
  folder = `${process.env.KVARNEL_PAGE_PICTURES}/${release.ID}-${release.VERSION_ID}`;
  approved = await readFile(`${folder}/approved-with.txt`, "utf8").catch(() => "(none)\n");
  chromium = `Chromium ${browser.version().split(".")[0]}\n`;
});
after(async () => { await browser.close(); await site.close(); });

async function picture(t, name, window) {
  await window.waitFor();
  await page.evaluate(() => Promise.all([...document.fonts].map((face) => face.load())));
  const shown = await window.screenshot({ animations: "disabled", caret: "hide" });
  const file = `${folder}/${name}.png`;
  if (process.env.KVARNEL_TAKE_PICTURES) {
    await mkdir(folder, { recursive: true });
    await writeFile(`${folder}/approved-with.txt`, chromium);
    return writeFile(file, shown);
  }
  if (approved !== chromium)
    return t.skip(`${folder}: approved with ${approved.trim()}; here is ${chromium.trim()}`);
  if (!shown.equals(await readFile(file))) {
    await writeFile(`${name}-shown.png`, shown);
    assert.fail(`${name} differs from ${file}; see ${process.cwd()}/${name}-shown.png`);
  }
}

test("the main window after a calculation", async (t) => {
  await p.enter(page, ["57", "3.5", "8800"]);
  await p.button(page, p.text("Command2")).click();
  await p.assertCalculated(page);
  await p.box(page, 0).blur();
  await picture(t, p.facts.mainWindow.name, p.window(page, p.main));
});

test("the catalogue", async (t) => {
  await p.button(page, p.text("Command1")).click();
  await picture(t, p.facts.catalogue.name, p.window(page, p.catalogue));
});

for (const table of p.facts.tables) {
  test(table.caption, async (t) => {
    await p.button(page, table.button, p.catalogue).click();
    const window = p.window(page, table.caption);
    await picture(t, table.name, window);
    await p.closeBox(window).click();
  });
}

test("the page with the brass table beside the calculator", { skip: !process.env.KVARNEL_SCREEN_PICTURE }, async () => {
  const brass = p.facts.tables[3];
  await p.button(page, brass.button, p.catalogue).click();
  await p.window(page, brass.caption).waitFor();
  await page.setViewportSize({ width: 960, height: 640 });
  await page.screenshot({ path: process.env.KVARNEL_SCREEN_PICTURE });
});
