// SPDX-License-Identifier: GPL-3.0-or-later
// Every case of the calculation's own tests typed into the page, which must write what the
// desktop program writes, in KVARNEL_LANGUAGE's way; an overflow empties both results and
// says so in an alert titled as the desktop's, after which the page goes on.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import * as p from "./page.mjs";

let site, browser, page;
before(async () => {
  site = await p.serve();
  browser = await p.launch();
  page = await p.open(browser, site);
});
after(async () => { await browser.close(); await site.close(); });

for (const { name, inputs, results } of p.facts.cases) {
  test(name, async () => {
    await p.enter(page, inputs);
    await p.button(page, p.text("Command2")).click();
    if (results)
      return p.assertResults(page, results.map(p.shown));
    const { title, message, button } = p.facts.mainWindow.overflow;
    const alert = page.getByRole("alertdialog", { name: title });
    await alert.waitFor();
    assert.ok(await alert.getByText(message, { exact: true }).isVisible());
    await p.assertResults(page, ["", ""]);
    assert.ok(await alert.getByRole("button", { name: button }).evaluate((ok) => ok === document.activeElement));
    await page.keyboard.press(name.includes("box") ? "Escape" : "Enter");
    await alert.waitFor({ state: "hidden" });
    assert.ok(await p.button(page, p.text("Command2")).evaluate((b) => b === document.activeElement),
      "the focus back on the button that calculated");
  });
}

test("nothing said on the console", () => assert.deepEqual(page.said, []));
