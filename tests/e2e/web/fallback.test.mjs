// SPDX-License-Identifier: GPL-3.0-or-later
// What a browser makes of the page beyond a visit: it can install it as an app, and where
// JavaScript or WebAssembly is missing the windows still show and the page says why it
// cannot calculate. Chromium alone answers these through its own protocol.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import * as p from "./page.mjs";

let site, browser;
before(async () => { site = await p.serve(); browser = await p.launch(); });
after(async () => { await browser.close(); await site.close(); });

test("can be installed", async () => {
  const page = await p.open(browser, site);
  const cdp = await page.driver.createCDPSession();
  // Chromium's own verdict, but for the test's private window, where nothing installs.
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors.filter((error) => error.errorId !== "in-incognito"), []);
  await page.close();
});

test("without JavaScript every window shows, and the page says why it cannot calculate", async () => {
  const page = await browser.open();
  await page.driver.setJavaScriptEnabled(false);
  await page.goto(site.url);
  for (const window of p.windows)
    assert.ok(await page.driver.$eval(p.window(window.name), (w) => w.checkVisibility()), window.name);
  assert.match(await page.driver.$eval("noscript", (n) => n.textContent), /JavaScript/);
  await page.close();
});

test("without WebAssembly the buttons still open the windows, and the page says why", async () => {
  const page = await browser.open();
  await page.driver.evaluateOnNewDocument(() => { delete window.WebAssembly; });
  await page.goto(site.url);
  await p.until(page, () => document.querySelector("#unable").checkVisibility(), true, "the reason shown");
  await page.click(p.control("Command1"));
  assert.ok(await p.isShown(page, p.window(p.catalogue.name)));
  await page.close();
});
