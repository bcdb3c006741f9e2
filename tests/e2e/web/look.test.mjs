// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the page where the description puts it, in every engine and every
// version of it: each control's box, and each table cell's box and text's base line,
// exactly where the description's pixels are, and the colours the page shows (read from a
// picture of each table) those the tables are drawn in. With KVARNEL_SCREEN_PICTURE naming
// a file, it leaves there the page with the calculator, the catalogue and the brass table
// open (scripts/screenshots --web).
import assert from "node:assert/strict";
import { writeFile } from "node:fs/promises";
import { after, before, test } from "node:test";
import { PNG } from "pngjs";
import * as p from "./page.mjs";

let site, browser, page;
before(async () => {
  site = await p.serve();
  browser = await p.launch();
  page = await p.open(browser, site, { width: 1600, height: 1200 });
  await page.evaluate(() => document.fonts.ready.then(() => undefined));
});
after(async () => { await page.close(); await browser.close(); await site.close(); });

// Each element's box, [left, top, width, height], from its window's client area.
const boxes = (selectors) => page.evaluate((list) => list.map((selector) => {
  const element = document.querySelector(selector);
  const client = element.closest(".client").getBoundingClientRect();
  const box = element.getBoundingClientRect();
  return [box.left - client.left, box.top - client.top, box.width, box.height];
}), selectors);

test("the calculator and the catalogue: every control in its place", async () => {
  await page.click(p.control("Command1"));
  for (const window of [p.main, p.catalogue]) {
    const shown = await boxes(window.controls.map((c) => p.control(c.name, window.name)));
    for (const [index, control] of window.controls.entries()) {
      const [left, top, width, height] = control.rect;
      const box = shown[index];
      if (control.widens) { // to the right, as far as its text needs and the window allows
        assert.ok(box[2] >= width && left + box[2] <= window.size[0], `${control.name}: ${box}`);
        box[2] = width;
      }
      assert.deepEqual(box, [left, top, width, height], `${window.name}-${control.name}`);
    }
  }
});

// The cells of a table, row by row, with their rows' tops and bottoms as drawn: the header,
// then each row from the end of the one above, the band between them included.
function expectedCells(d) {
  const density = [d.gradeColumn[1], d.size[0] - d.gradeColumn[1]];
  return [d.header, ...d.rows.map((row, i) => [i ? d.rows[i - 1][1] : d.header[1], row[1]])]
    .flatMap(([top, bottom]) => [[0, top, d.gradeColumn[1], bottom - top], [density[0], top, density[1], bottom - top]]);
}

// Where each cell's text stands: the foot of a probe of no height set after it.
const baselines = (name) => page.evaluate((s) => [...document.querySelectorAll(`${s} th, ${s} td:not([data-merged])`)]
  .map((cell) => {
    const probe = document.createElement("span");
    probe.style.cssText = "display:inline-block;width:0;height:0";
    cell.append(probe);
    const foot = probe.getBoundingClientRect().bottom - cell.closest(".client").getBoundingClientRect().top;
    probe.remove();
    return foot;
  }), p.window(name));

// The picture of a window's client area, and its colour at a pixel.
async function picture(name) {
  const png = PNG.sync.read(await page.screenshot(`${p.window(name)} .client`));
  const grip = await page.evaluate((s) => {
    const g = document.querySelector(`${s} .grip`)?.getBoundingClientRect();
    const client = document.querySelector(`${s} .client`).getBoundingClientRect();
    return g && [g.left - client.left, g.top - client.top];
  }, p.window(name));
  return {
    width: png.width,
    height: png.height,
    // Inside the client area and clear of a sizable window's corner.
    shows: (x, y) => x < png.width && y < png.height && !(grip && x >= grip[0] && y >= grip[1]),
    at: (x, y) => [...png.data.subarray(4 * (y * png.width + x), 4 * (y * png.width + x) + 3)],
  };
}

// The pixel of a box nearest to a colour, and how far it is.
function nearest(shown, [left, top, width, height], colour) {
  let best = Infinity;
  for (let y = top; y < top + height; ++y) {
    for (let x = left; x < left + width; ++x) {
      if (shown.shows(x, y))
        best = Math.min(best, Math.max(...shown.at(x, y).map((c, i) => Math.abs(c - colour[i]))));
    }
  }
  return best;
}

for (const [index, table] of p.facts.tables.entries()) {
  test(`${table.caption}: every cell, rule, text and colour in its place`, async () => {
    await page.click(p.control(p.catalogue.controls[index].name, p.catalogue.name));
    const d = table.drawing;
    const within = p.window(table.name);
    assert.deepEqual((await boxes([`${within} table`]))[0], [0, 0, ...d.size], "the table");
    const expected = expectedCells(d);
    const shownCells = await boxes(expected.map((_, i) => (i < 2
      ? `${within} thead > tr > :nth-child(${i + 1})`
      : `${within} tbody > tr:nth-child(${i / 2 | 0}) > :nth-child(${i % 2 + 1})`)));
    assert.deepEqual(shownCells, expected, "the cells");
    const merged = d.texts.find((t) => t.down);
    const texts = d.texts.filter((t) => !t.down);
    assert.deepEqual(await baselines(table.name), texts.map((t) => t.baseline), "the base lines");
    const mergedBox = merged && [d.densityColumn[0], merged.down[0],
      d.densityColumn[1] - d.densityColumn[0], merged.down[1] - merged.down[0]];
    if (merged)
      assert.deepEqual((await boxes([`${within} .merged`]))[0], mergedBox, "the merged density");

    const shown = await picture(table.name);
    const pixels = [];
    const expect = (x, y, colour, what) => shown.shows(x, y) && pixels.push([what, shown.at(x, y), colour]);
    const gradeMargin = 2, densityMargin = d.densityColumn[0] + 2;
    for (const [i, [, top, , height]] of expected.entries()) {
      if (i % 2)
        continue;
      const middle = top + Math.floor(height / 2);
      expect(gradeMargin, middle, d.cell, `a cell at ${middle}`);
      expect(densityMargin, middle, d.cell, `a density cell at ${middle}`);
      expect(d.greyRule[0], middle, d.greyColour, `the rule between the columns at ${middle}`);
      expect(d.whiteRule[0], middle, d.whiteColour, `the rule at the right edge at ${middle}`);
    }
    for (const band of d.bands) {
      expect(gradeMargin, band.rule[0], band.colour, `the band at ${band.rule[0]}`);
      expect(densityMargin, band.rule[0], band.crossesDensity ? band.colour : d.cell,
        `the band at ${band.rule[0]} beside the densities`);
    }
    assert.deepEqual(pixels.map(([what, at]) => [what, at]), pixels.map(([what, , colour]) => [what, colour]));
    // Every text in its colour: a pixel of it at most a shade off, where the glyphs' edges
    // blend into the cell.
    const textCells = expected.filter((_, i) => !merged || i < 2 || i % 2 === 0);
    const far = [...texts.map((t, i) => [t, textCells[i]]), ...(merged ? [[merged, mergedBox]] : [])]
      .map(([t, box]) => [t.text, nearest(shown, box, t.colour)])
      .filter(([, distance]) => distance > 24);
    assert.deepEqual(far, [], "texts in their colours");
    await page.click(p.closeBox(table.name));
  });
}

// Not a check: the picture of the page for the README, where one is asked for.
if (process.env.KVARNEL_SCREEN_PICTURE) {
  test("the page with the brass table beside the calculator", async () => {
    await page.click(p.control(p.catalogue.controls[3].name, p.catalogue.name));
    await page.driver.setViewport({ width: 960, height: 640 });
    await writeFile(process.env.KVARNEL_SCREEN_PICTURE, await page.driver.screenshot());
  });
}
