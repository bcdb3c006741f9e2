// SPDX-License-Identifier: GPL-3.0-or-later
// The page against the floor, a page of one line of HTML served the same way, in one run
// of alternating rounds, each visit in a browser context of its own (nothing cached):
//   - what a first visit downloads, every file counted as gzip -9 makes it (at most 100 KB);
//   - its first contentful paint (at most 1.5 times the floor's);
//   - the first calculation's result shown, from navigation, the calculate button pressed
//     as soon as it is there (within 2 times the floor's first paint).
// Other folders given after the page are measured the same way, for comparison, with the
// time their "kvarnel-shown" mark is set, where they set one (the Qt page did, once its
// calculator was painted).
//   node bench/web/measure.mjs ROUNDS PAGE [OTHER...]   (bench/web/run does it)
import { readdir, readFile } from "node:fs/promises";
import { mkdtemp, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { gzipSync } from "node:zlib";
import { launch } from "../../tests/e2e/web/engines.mjs";
import { serve } from "../../tests/e2e/web/site.mjs";

const [rounds, page, ...others] = process.argv.slice(2);
const floor = await mkdtemp(join(tmpdir(), "floor-"));
await writeFile(join(floor, "index.html"),
  "<!doctype html><html lang=\"ru\"><meta charset=\"utf-8\"><title>Кварнель</title><p>Кварнель</p>\n");

// A first visit takes the page and, through its service worker, every file it keeps.
let total = 0;
const kept = (await readFile(join(page, "service-worker.js"), "utf8")).match(/const files = \[(.*)\]/)[1];
const files = ["index.html", "service-worker.js",
  ...JSON.parse(`[${kept}]`).filter((file) => file !== "./")];
for (const file of files) {
  const size = gzipSync(await readFile(join(page, file)), { level: 9 }).length;
  total += size;
  console.log(`${file.padEnd(32)} ${String(size).padStart(7)} bytes gzipped`);
}
console.log(`${"first visit".padEnd(32)} ${String(total).padStart(7)} bytes gzipped (at most 100,000)`);

const browser = await launch("chromium");
const sites = await Promise.all([floor, page, ...others].map((folder) => serve(folder)));
// When the page's timeline has the entry of that type and name, from navigation; null if it
// has none within 30 s (a page that sets no such mark).
const timeOf = (visit, type, name) => visit.evaluate(([type, name]) => new Promise((resolve) => {
  new PerformanceObserver((list, observer) => {
    const entry = list.getEntriesByName(name)[0];
    if (entry) {
      observer.disconnect();
      resolve(entry.startTime);
    }
  }).observe({ type, buffered: true });
  setTimeout(() => resolve(null), 30000);
}), [type, name]);

const paint = sites.map(() => []);
const result = sites.map(() => []);
for (let round = 0; round < Number(rounds); ++round) {
  for (const [i, site] of sites.entries()) {
    const visit = await browser.open();
    if (i === 1) {
      // The calculate button pressed as soon as the page has read it, by the page itself.
      await visit.driver.evaluateOnNewDocument(() => addEventListener("DOMContentLoaded", () => {
        const area = document.querySelector("[data-result=area]");
        new MutationObserver(() => area.textContent && performance.mark("first-result"))
          .observe(area, { childList: true, characterData: true, subtree: true });
        document.querySelector("[data-action=calculate]").click();
      }));
    }
    await visit.driver.goto(site.url, { waitUntil: "domcontentloaded" });
    const [painted, answered] = await Promise.all([timeOf(visit, "paint", "first-contentful-paint"),
      i > 0 ? timeOf(visit, "mark", i === 1 ? "first-result" : "kvarnel-shown") : null]);
    paint[i].push(painted);
    if (answered !== null)
      result[i].push(answered);
    await visit.close();
  }
}
await browser.close();
await Promise.all(sites.map((site) => site.close()));
const median = (times) => times.sort((a, b) => a - b)[Math.floor(times.length / 2)];
const names = ["floor", page, ...others];
for (const [i, name] of names.entries())
  console.log(`${name.padEnd(40)} first paint ${median(paint[i]).toFixed(0).padStart(5)} ms (median)` +
    (result[i].length ? `, ${i === 1 ? "first result" : "shown"} ${median(result[i]).toFixed(0).padStart(5)} ms` : ""));
const floorPaint = median(paint[0]);
const met = total <= 100_000 && median(paint[1]) <= 1.5 * floorPaint && median(result[1]) <= 2 * floorPaint;
console.log(`targets: first paint at most ${(1.5 * floorPaint).toFixed(0)} ms, first result at most ${(2 * floorPaint).toFixed(0)} ms: ${met ? "met" : "NOT met"}`);
process.exitCode = met ? 0 : 1;
