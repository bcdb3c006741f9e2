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
after(async () => { await page.close(); await browser.close(); await site.close(); });



for (const { name, inputs, results } of p.facts.cases) {
  test(name, async () => {
    await p.enter(page, inputs);
    await page.click(p.control("Command2"));
    if (results)
      return p.assertResults(page, results.map(p.shown));
    await p.until(page, () => document.querySelector("[role=alertdialog]").open, true, "the overflow alert");
    const { title, message, button } = p.main.overflow;
    assert.deepEqual(await page.evaluate(() => {
      const alert = document.querySelector("[role=alertdialog]");
      const [heading, text] = ["aria-labelledby", "aria-describedby"]
        .map((relation) => document.getElementById(alert.getAttribute(relation)).textContent);
      return [heading, text, document.activeElement.textContent, alert.contains(document.activeElement)];
    }), [title, message, button, true], "titled and worded as the desktop's, its button focused");
    await p.assertResults(page, ["", ""]);
    await page.press(name.includes("box") ? "Escape" : "Enter");
    await p.until(page, () => document.querySelector("[role=alertdialog]").open, false, "the alert closed");
    assert.ok(await p.isFocused(page, p.control("Command2")), "the focus back on the button that calculated");
  });
}

test("nothing said on the console", () => assert.deepEqual(page.said, []));
