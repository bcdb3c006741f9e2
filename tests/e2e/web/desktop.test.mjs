// SPDX-License-Identifier: GPL-3.0-or-later
// The page on a desktop, with a mouse and a keyboard, under KVARNEL_LANGUAGE's settings.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import * as p from "./page.mjs";

let site, browser;
before(async () => { site = await p.serve(); browser = await p.launch(); });
after(async () => { await browser.close(); await site.close(); });

const open = () => p.open(browser, site, { viewport: { width: 1280, height: 1024 } });

// Into the three boxes in order: clicked, all of it selected and typed over.
async function enter(page, texts) {
  for (const [index, text] of texts.entries()) {
    await p.press(page, p.control(page, p.main, "textbox", p.boxes[index]));
    await page.keyboard.press("Control+A");
    await page.keyboard.type(text);
  }
}

const calculate = (page) => p.press(page, p.control(page, p.main, "button", p.text("Command2")));

test("calculates with the regional separator, and goes on after an overflow", async () => {
  const page = await open();
  const main = p.window(page, p.main);
  assert.deepEqual(await p.clientSize(main), p.facts.mainWindow.size);
  assert.ok(await p.hasFixedSize(main));

  await enter(page, ["57", "3.5", "8800"]);
  await calculate(page);
  await p.assertCalculated(page);

  await enter(page, ["1E160"]);
  await calculate(page);
  await main.nth(1).waitFor(); // the report, under the program's caption
  assert.equal(await p.result(page, 0).textContent(), "");
  await page.keyboard.press("Enter"); // its one button has the focus
  await main.nth(1).waitFor({ state: "detached" });
  await enter(page, ["57"]);
  await calculate(page);
  assert.equal(await p.settled(p.result(page, 0), p.shown("587.965")), p.shown("587.965"));
  assert.deepEqual(page.said.filter((line) => line.startsWith("error")), []);
  if (process.env.KVARNEL_PICTURES) { // the page with the brass table beside (scripts/screenshots)
    await p.press(page, p.control(page, p.main, "button", p.text("Command1")));
    await p.press(page, p.control(page, p.catalogue, "button", p.facts.tables[3].button));
    await p.window(page, p.facts.tables[3].caption).waitFor();
    await page.waitForTimeout(300); // until it is drawn
    await page.screenshot({ path: `${process.env.KVARNEL_PICTURES}/screen.png` });
  }
  await page.context().close();
});

test("every window opens at its size, and the page ends with the last and starts again",
  async () => {
    const page = await open();
    await p.press(page, p.control(page, p.main, "button", p.text("Command1")));
    const catalogue = p.window(page, p.catalogue);
    await catalogue.waitFor();
    assert.deepEqual(await p.clientSize(catalogue), p.facts.catalogue.size);
    const windows = [p.window(page, p.main), catalogue];
    for (const table of p.facts.tables) {
      await p.raise(page, catalogue);
      await p.press(page, p.control(page, p.catalogue, "button", table.button));
      const window = p.window(page, table.caption);
      await window.waitFor();
      assert.deepEqual(await p.clientSize(window), table.size, table.name);
      assert.equal(await p.hasFixedSize(window), !table.sizable, table.name);
      windows.push(window);
    }
    for (const window of windows) {
      assert.ok(await page.locator("#ended").isHidden());
      await window.locator(".title-bar .action-button:visible").last().click();
      await window.waitFor({ state: "detached" });
    }
    await page.locator("#ended").waitFor();

    await page.getByRole("button", { name: "Запустить снова" }).click();
    await page.locator("#loading").waitFor({ state: "hidden", timeout: 60000 });
    await p.press(page, p.control(page, p.main, "button", p.text("Command4")));
    await page.locator("#ended").waitFor();
    await page.context().close();
  });

test("can be installed, and opens without a network once visited", async () => {
  const page = await open();
  const cdp = await page.context().newCDPSession(page);
  // Chromium's own verdict, but for the test's private window, where nothing installs.
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors.filter((error) => error.errorId !== "in-incognito"), []);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    const kept = await caches.open("kvarnel");
    while ((await kept.keys()).length < 6)
      await new Promise((resolve) => setTimeout(resolve, 100));
  });
  site.offline = true;
  try {
    await page.reload();
    await page.locator("#loading").waitFor({ state: "hidden", timeout: 60000 });
    await p.window(page, p.main).waitFor();
  } finally {
    site.offline = false;
  }
  await page.context().close();
});
