// SPDX-License-Identifier: GPL-3.0-or-later
// The page in a browser, served locally: how much it downloads, raw, gzipped and in
// Brotli, and the time from navigation to its first window painted, each time in a browser
// context of its own (nothing cached), by the page's own timeline: the frame after the
// program has shown the window. Other sites (the smallest Qt window's page first) are
// timed in alternate rounds as yardsticks. Targets: at most 3 MB gzipped, and painted no
// later than the first yardstick.
//   node bench/web/first-paint.mjs ROUNDS SITE [YARDSTICK-SITE...]   (bench/web/run does it)
import { readdir, readFile } from "node:fs/promises";
import { join } from "node:path";
import { brotliCompressSync, constants, gzipSync } from "node:zlib";
import { launch, serve } from "../../tests/e2e/web/page.mjs";

const [rounds, ...folders] = process.argv.slice(2);
const pad = (text, width) => String(text).padStart(width);

let gzipped = 0;
for (const file of (await readdir(folders[0])).filter((name) => !name.endsWith(".txt"))) {
  const bytes = await readFile(join(folders[0], file));
  const gz = gzipSync(bytes, { level: 9 }).length;
  const br = brotliCompressSync(bytes, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
  gzipped += gz;
  console.log(`${file.padEnd(20)} ${pad(bytes.length, 9)} bytes ${pad(gz, 9)} gzipped ${pad(br, 9)} in Brotli`);
}
console.log(`${"download".padEnd(20)} ${pad(gzipped, 25)} gzipped (target: at most 3,000,000)`);

const browser = await launch();
const sites = await Promise.all(folders.map((folder) => serve(folder)));
const painted = folders.map(() => []);
for (let round = 0; round < Number(rounds); ++round) {
  for (const [i, site] of sites.entries()) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(site.url);
    // Waited for with one question: asking again and again would slow the page down.
    painted[i].push(await page.evaluate(() => new Promise((resolve) => new PerformanceObserver(
      (list) => resolve(list.getEntries()[0].startTime)).observe({ type: "mark", buffered: true }))));
    await context.close();
  }
}
await browser.close();
await Promise.all(sites.map((site) => site.close()));
const medians = painted.map((times) => {
  times.sort((a, b) => a - b);
  return times[Math.floor(times.length / 2)];
});
for (const [i, times] of painted.entries())
  console.log(`${folders[i].padEnd(40)} painted ${pad(medians[i].toFixed(0), 5)} ms after navigation (median), ${times[0].toFixed(0)} to ${times.at(-1).toFixed(0)}`);
console.log("target: painted no later than the first yardstick");
process.exitCode = gzipped <= 3_000_000 && (medians.length < 2 || medians[0] <= medians[1]) ? 0 : 1;
