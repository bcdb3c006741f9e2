// SPDX-License-Identifier: GPL-3.0-or-later
// Holds the page open in KVARNEL_ENGINE on the display, with the engine's accessibility
// bridge on, for a client of the accessibility bus (test_page_access.py) to read and
// press. It prints "ready" once the page has started; then each line it reads is a
// JavaScript expression, whose value in the page it prints as a line of JSON. It closes
// the engine when its input ends.
//   node open.mjs
import { createInterface } from "node:readline";
import * as p from "./page.mjs";

const site = await p.serve();
const browser = await p.launch({ accessible: true });
const page = await p.open(browser, site);
console.log("ready");
for await (const line of createInterface({ input: process.stdin })) {
  try {
    console.log(JSON.stringify(await page.evaluate(new Function(`return (${line});`)) ?? null));
  } catch (error) {
    console.log(JSON.stringify({ error: error.message }));
  }
}
await page.close();
await browser.close();
await site.close();
