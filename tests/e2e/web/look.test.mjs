// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the page where the description puts it, in every engine and every
// version of it: each control's box, and each table cell's box and text's base line,
// exactly where the description's pixels are, and the colours the page shows (read from a
// picture of each table) those the tables are drawn in. With KVARNEL_SCREEN_PICTURE naming
// a file, it leaves there the page with the calculator, the catalogue and the brass table
// open (scripts/screenshots --web).
import assert from "node:assert/strict";
import { writeFile } from "node:fs/promises";
import { after, before, describe, test } from "node:test";
import { PNG } from "pngjs";
import * as p from "./page.mjs";

// At 15 twips to a CSS pixel on a desktop; on a phone each window as wide as the screen
// leaves room for, by the page's one factor or a smaller one of its own. A box is where
// the description puts it, scaled so: to the pixel on a desktop, and on a phone within the
// pixel by which an engine rounds what it scales (WebKit draws a rule 1.6 pixels wide as
// one pixel, and the text below it stands that much higher).
const layouts = [
  { name: "on a desktop", width: 1600, height: 1200, tolerance: 0 },
  { name: "on a phone", width: 360, height: 740, tolerance: 1 },
];

let site, browser, page, layout;
// CSS pixels: the widest screen, a phone's held upright, on which the windows are scaled.
const narrow = 480;
before(async () => { site = await p.serve(); browser = await p.launch(); });
after(async () => { await browser.close(); await site.close(); });

// The factor of a window of that client width: 1, or on a narrow screen what fits the
// calculator to the room the screen leaves, unless that makes this window too wide.
async function factorOf(width) {
  const [screen, gap] = await page.evaluate(() => [document.documentElement.clientWidth,
    parseFloat(getComputedStyle(document.body).getPropertyValue("--gap"))]);
  if (screen > narrow)
    return 1;
  const room = screen - 2 * gap - 2;
  return Math.min(room / p.main.size[0], room / width);
}

// Within the layout's tolerance of the description's numbers, scaled.
function near(shown, described, k, what) {
  const expected = described.map((n) => n * k);
  const off = shown.some((n, i) => Math.abs(n - expected[i]) > layout.tolerance);
  assert.ok(!off, `${what}: shown ${JSON.stringify(shown)}, described ${JSON.stringify(expected)}`);
}

// Each element's box, [left, top, width, height], from its window's client area.
const boxes = (selectors) => page.evaluate((list) => list.map((selector) => {
  const element = document.querySelector(selector);
  const client = element.closest(".client").getBoundingClientRect();
  const box = element.getBoundingClientRect();
  return [box.left - client.left, box.top - client.top, box.width, box.height];
}), selectors);

// A caption or a button's text may not run out of its control in any engine, nor a result,
// long as it may be; each is shown in its font's size, scaled, or smaller only as far as it
// must: half a pixel larger it would run out.
const textsAmiss = (sizes) => page.evaluate((described) => Object.entries(described).map(([id, size]) => {
  const control = document.getElementById(id);
  const text = document.createRange();
  text.selectNodeContents(control);
  const outside = () => {
    const shown = text.getBoundingClientRect(), box = control.getBoundingClientRect();
    // Across, to the pixel, inside a button's frame; down, where an engine's line may
    // stand out by a fraction.
    const frame = control.offsetWidth - control.clientWidth ? 1 : 0;
    return shown.width && (shown.left < box.left + frame || shown.right > box.right - frame ||
      shown.top < box.top - 1 || shown.bottom > box.bottom + 1 ||
      box.right > control.closest(".client").getBoundingClientRect().right);
  };
  const shown = parseFloat(getComputedStyle(control).fontSize);
  const set = control.style.fontSize;
  control.style.fontSize = `${shown + 0.5}px`;
  const larger = outside();
  control.style.fontSize = set;
  if (outside())
    return `${id} runs out: ${control.textContent}`;
  if (shown > size + 0.01 || (shown < size - 0.01 && !larger))
    return `${id} is shown at ${shown} pixels, not ${size}: ${control.textContent}`;
  return null;
}).filter(Boolean), sizes);

// Every control of the calculator and the catalogue in its place, and its text inside it;
// on a phone, the calculator's text legible and every button large enough for a finger.
async function checkControls() {
  await p.enter(page, ["97.1", "3.7", "8829"]);
  await page.click(p.control("Command2"));
  await p.assertResults(page, ["1085.1212", "9.58053507479999"].map(p.shown));
  await page.click(p.control("Command1"));
  const shownWindows = [p.main, p.catalogue];
  const factors = [];
  for (const window of shownWindows)
    factors.push(await factorOf(window.size[0]));
  const sizes = {};
  for (const [at, window] of shownWindows.entries()) {
    for (const control of window.controls.filter((c) => c.kind !== "textbox"))
      sizes[`${window.name}-${control.name}`] = control.fontPixels * factors[at];
  }
  assert.deepEqual(await textsAmiss(sizes), []);
  for (const [at, window] of shownWindows.entries()) {
    const k = factors[at];
    near(await p.clientSize(page, window.name), window.size, k, window.name);
    const shown = await boxes(window.controls.map((c) => p.control(c.name, window.name)));
    for (const [index, control] of window.controls.entries()) {
      const [left, top, width, height] = control.rect;
      const box = shown[index];
      if (control.widens) { // to the right, as far as its text needs and the window allows
        assert.ok(box[2] >= width * k && box[0] + box[2] <= window.size[0] * k + layout.tolerance,
          `${control.name}: ${box}`);
        box[2] = width * k;
      }
      near(box, [left, top, width, height], k, `${window.name}-${control.name}`);
    }
  }
  const [font, buttons] = await page.evaluate((s) => [
    parseFloat(getComputedStyle(document.querySelector(`${s} .client`)).fontSize),
    [...document.querySelectorAll(".window.open button")].map((b) => [b.offsetWidth, b.offsetHeight])],
  p.window(p.main.name));
  if (layout.width <= narrow) {
    assert.ok(font >= 12, `the calculator's text is ${font} CSS pixels`);
    assert.deepEqual(buttons.filter(([w, h]) => w < 24 || h < 24), [], "buttons of at least 24 × 24");
  }
}

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

// The picture of a window's client area, and its colour at a point given in the
// description's pixels, at the middle of the picture's pixels that stand for that one.
async function picture(name, k) {
  const png = PNG.sync.read(await page.screenshot(`${p.window(name)} .client`));
  const grip = await page.evaluate((s) => {
    const g = document.querySelector(`${s} .grip`)?.getBoundingClientRect();
    const client = document.querySelector(`${s} .client`).getBoundingClientRect();
    return g && [g.left - client.left, g.top - client.top];
  }, p.window(name));
  const place = (n) => Math.floor((n + 0.5) * k);
  const shows = (x, y) => x >= 0 && y >= 0 && x < png.width && y < png.height &&
    !(grip && x >= grip[0] - 1 && y >= grip[1] - 1);
  const at = (x, y) => [...png.data.subarray(4 * (y * png.width + x), 4 * (y * png.width + x) + 3)];
  // Scaled, a rule a pixel wide may fall on either pixel beside the one it is nearest to.
  const reach = k === 1 ? 0 : 1;
  return {
    // Inside the client area and clear of a sizable window's corner.
    shows: (x, y) => shows(place(x), place(y)),
    // The colour at the point, or the one looked for where a pixel within reach has it.
    at(x, y, looked) {
      for (let dy = -reach; dy <= reach; ++dy) {
        for (let dx = -reach; dx <= reach; ++dx) {
          if (shows(place(x) + dx, place(y) + dy) &&
              String(at(place(x) + dx, place(y) + dy)) === String(looked))
            return looked;
        }
      }
      return at(place(x), place(y));
    },
    // The pixel in a box nearest to a colour, and how far it is.
    nearest([left, top, width, height], colour) {
      let best = Infinity;
      for (let y = Math.ceil(top * k); y < (top + height) * k; ++y) {
        for (let x = Math.ceil(left * k); x < (left + width) * k; ++x) {
          if (shows(x, y))
            best = Math.min(best, Math.max(...at(x, y).map((c, i) => Math.abs(c - colour[i]))));
        }
      }
      return best;
    },
  };
}

// Every cell, rule and text of a table in its place, and the colours of each; the window
// closed again, whatever is found.
async function checkTable(index, table) {
  await page.click(p.control(p.catalogue.controls[index].name, p.catalogue.name));
  try {
    await checkTableShown(table);
  } finally {
    await page.click(p.closeBox(table.name));
  }
}

async function checkTableShown(table) {
  const d = table.drawing;
  const k = await factorOf(table.size[0]);
  const within = p.window(table.name);
  near((await boxes([`${within} table`]))[0], [0, 0, ...d.size], k, "the table");
  const expected = expectedCells(d);
  const shownCells = await boxes(expected.map((_, i) => (i < 2
    ? `${within} thead > tr > :nth-child(${i + 1})`
    : `${within} tbody > tr:nth-child(${i / 2 | 0}) > :nth-child(${i % 2 + 1})`)));
  shownCells.forEach((cell, i) => near(cell, expected[i], k, `cell ${i}`));
  const merged = d.texts.find((t) => t.down);
  const texts = d.texts.filter((t) => !t.down);
  near(await baselines(table.name), texts.map((t) => t.baseline), k, "the base lines");
  const mergedBox = merged && [d.densityColumn[0], merged.down[0],
    d.densityColumn[1] - d.densityColumn[0], merged.down[1] - merged.down[0]];
  if (merged)
    near((await boxes([`${within} .merged`]))[0], mergedBox, k, "the merged density");

  const shown = await picture(table.name, k);
  const pixels = [];
  const expect = (x, y, colour, what) => shown.shows(x, y) && pixels.push([what, shown.at(x, y, colour), colour]);
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
    .map(([t, box]) => [t.text, shown.nearest(box, t.colour)])
    .filter(([, distance]) => distance > 24);
  assert.deepEqual(far, [], "texts in their colours");
}

for (const each of layouts) {
  describe(each.name, () => {
    before(async () => {
      layout = each;
      page = await p.open(browser, site, { width: layout.width, height: layout.height });
      await page.evaluate(() => document.fonts.ready.then(() => undefined));
      // MiniBrowser's own bars keep its window wider than a phone's screen, though narrow.
      const width = await page.evaluate(() => document.documentElement.clientWidth);
      assert.equal(width <= narrow, layout.width <= narrow, `a page ${width} pixels wide`);
    });
    after(() => page.close());
    test("the calculator and the catalogue: every control in its place", checkControls);
    for (const [index, table] of p.facts.tables.entries())
      test(`${table.caption}: every cell, rule, text and colour in its place`, () => checkTable(index, table));
  });
}

// Not a check: the picture of the page for the README, where one is asked for.
if (process.env.KVARNEL_SCREEN_PICTURE) {
  test("the page with the brass table beside the calculator", async () => {
    const shown = await p.open(browser, site, { width: 960, height: 640 });
    await shown.click(p.control("Command1"));
    await shown.click(p.control(p.catalogue.controls[3].name, p.catalogue.name));
    await writeFile(process.env.KVARNEL_SCREEN_PICTURE, await shown.driver.screenshot());
    await shown.close();
  });
}
