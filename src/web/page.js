// SPDX-License-Identifier: GPL-3.0-or-later
// What the page does beyond what its HTML and CSS show: opening, raising and closing the
// windows as the desktop program does, the calculation through the program's own numbers
// (a WebAssembly module), the overflow alert, the announcement of the results, and fitting
// a long result into its label. The page names what each control is for (data-input,
// data-result, data-action, data-opens); every text and place comes from the page itself.
// A module: strict, and nothing of it global.
const byId = (id) => document.getElementById(id);
const desktop = byId("desktop");
const windows = [...desktop.querySelectorAll(".window")];
const marked = (attribute, name) => desktop.querySelector(`[${attribute}="${name}"]`);
// In the order the module reads and writes them.
const boxes = ["diameter", "wall", "density"].map((name) => marked("data-input", name));
const results = ["area", "mass"].map((name) => marked("data-result", name));
const said = byId("said");
const alert = byId("alert");
const isOpen = (window) => window.classList.contains("open");
const windowOf = (element) => element.closest(".window");
let front = 0;
const used = []; // the open windows, the one used last at the end
const lastFocused = new Map(); // each window's control that had the focus last

// The decimal separator of the browser's language, as the desktop takes the system's.
const separator = () => new Intl.NumberFormat(navigator.language).formatToParts(1.5)
  .find((part) => part.type === "decimal")?.value ?? ".";

function forget(window) {
  const at = used.indexOf(window);
  if (at >= 0)
    used.splice(at, 1);
}

// In front, unless it is there already: a style that does not change is not set again.
function raise(window) {
  if (Number(window.style.zIndex) !== front)
    window.style.zIndex = ++front;
  for (const other of windows)
    other.classList.toggle("active", other === window);
  forget(window);
  used.push(window);
}

// Right of the rightmost of the windows placed, or where that leaves no room, cascading
// down from the top right; on a phone, whose screen a window fills, over the others.
function place(window, others = windows.filter((other) => other !== window && isOpen(other))) {
  const gap = parseFloat(getComputedStyle(document.body).getPropertyValue("--gap"));
  const room = document.documentElement.clientWidth;
  const width = window.offsetWidth;
  let x = Math.max(0, ...others.map((other) => other.getBoundingClientRect().right + scrollX)) + gap;
  let y = gap;
  if (x + width > room) {
    x = room - width - gap;
    y = gap + 24 * others.length;
  }
  window.style.left = `${Math.max(0, Math.min(x, room - width))}px`;
  window.style.top = `${y}px`;
}

// A screen turned, or a browser window made so narrow or so wide that the windows' scale
// changes: the open windows laid out again, at their new scale, in the order they were
// used. Where the scale stays, as it does on a desktop, they stay where they were moved.
const narrow = Number(desktop.dataset.narrow); // CSS pixels: the widest screen they are scaled on
let width = document.documentElement.clientWidth;
addEventListener("resize", () => {
  const was = width;
  width = document.documentElement.clientWidth;
  if (width === was || (width > narrow && was > narrow))
    return;
  const placed = [];
  for (const window of used) {
    window.style.left = window.style.top = "";
    place(window, placed);
    placed.push(window);
  }
});

// Where the desktop puts the focus in a window: its first button, or its table.
function focusIn(window) {
  window.querySelector("caption, .client button").focus();
}

function open(window) {
  if (!isOpen(window)) {
    window.classList.add("open");
    fitTexts(window);
    place(window);
  }
  raise(window);
  focusIn(window);
}

// Empties a window's boxes and results.
function clear(window) {
  for (const box of window.querySelectorAll("input"))
    box.value = "";
  for (const output of window.querySelectorAll("output"))
    show(output, "");
}

// Closed, a window is made afresh the next time: no value or size of this time stays.
function close(window) {
  window.classList.remove("open");
  window.removeAttribute("style");
  window.querySelector(".client").removeAttribute("style");
  clear(window);
  forget(window);
  const last = used.at(-1);
  if (!last)
    return end();
  raise(last);
  lastFocused.get(last)?.focus();
  if (!last.contains(document.activeElement))
    focusIn(last);
}

function end() {
  for (const window of windows)
    window.classList.remove("open");
  used.length = 0;
  byId("ended").hidden = false;
  byId("ended").querySelector("button").focus();
}

// A text is shown whole: one wider than its control in a smaller size of its face. A result
// may be long; a caption or a button's text only where a browser lays the face out wider
// than it was designed for (WebKitGTK with whole-pixel glyph advances, say).
function fit(element) {
  element.style.fontSize = "";
  const style = getComputedStyle(element);
  const text = document.createRange();
  text.selectNodeContents(element);
  // The width inside its frame, to the fraction of a pixel (clientWidth rounds it).
  const room = () => element.getBoundingClientRect().width - parseFloat(style.borderLeftWidth) -
    parseFloat(style.borderRightWidth) - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  for (let size = parseFloat(style.fontSize); size > 1 && text.getBoundingClientRect().width > room(); size -= 0.5)
    element.style.fontSize = `${size - 0.5}px`;
}

function fitTexts(window) {
  for (const element of window.querySelectorAll(".client label, .client button"))
    fit(element);
}

function show(output, text) {
  output.textContent = text;
  fit(output);
}

// The numbers' module, which the page's head began to fetch (`numbers`); a calculation
// asked for before it is there is answered when it is.
let core = null;
let waiting = null;
// Compiled as it arrives where the server calls it WebAssembly, else once it is whole; a
// browser without WebAssembly's exceptions is told why it cannot calculate.
const imports = {
  env: { emscripten_notify_memory_growth() {} },
  wasi_snapshot_preview1: { proc_exit(status) { throw new Error(`exit ${status}`); } },
};
const loading = numbers
  .then((response) => (response.headers.get("content-type") === "application/wasm"
    ? WebAssembly.instantiateStreaming(response, imports)
    : response.arrayBuffer().then((module) => WebAssembly.instantiate(module, imports))))
  .then(({ instance }) => {
    core = instance.exports;
    core._initialize();
    if (waiting)
      calculate(waiting);
  }, () => {
    byId("unable").hidden = false;
    desktop.before(byId("unable"));
  });

// The diameter, the wall and the density as typed, and the separator, each ended by a
// zero byte; back come the area and the mass, each ended so, or nothing on an overflow.
function calculate(button) {
  if (!core) {
    waiting = button;
    return;
  }
  waiting = null;
  const input = new TextEncoder().encode([...boxes.map((box) => box.value), separator(), ""].join("\0"));
  const at = core.kvarnel_input(input.length);
  new Uint8Array(core.memory.buffer, at, input.length).set(input);
  const length = core.kvarnel_calculate();
  const texts = length
    ? new TextDecoder().decode(new Uint8Array(core.memory.buffer, core.kvarnel_output(), length)).split("\0")
    : ["", ""];
  results.forEach((output, i) => show(output, texts[i]));
  if (!length)
    return report(button);
  // Both results at once, each after its caption, as a line of the window reads; said
  // again after every calculation, the same results too.
  said.textContent = "";
  setTimeout(() => {
    said.textContent = results.map((output) => `${output.labels[0].textContent} ${output.value}`).join(", ");
  }, 100);
}

// The alert's own button closes it, and the focus goes back to the button that calculated:
// the browser puts it back itself, and only where one does not is it put there, never
// taken from where the visitor has moved it meanwhile.
function report(button) {
  alert.showModal();
  alert.addEventListener("close", () => {
    if (!document.activeElement || document.activeElement === document.body)
      button.focus();
  }, { once: true });
}

// What each button does, by the action the page names on it.
const actions = {
  open: (button) => open(byId(button.dataset.opens)),
  calculate,
  clear: (button) => clear(windowOf(button)),
  end,
  close: (button) => close(windowOf(button)),
  again: () => location.reload(),
};
// Every action named in the page has its handler here, and every handler its button.
const named = new Set([...document.querySelectorAll("[data-action]")].map((button) => button.dataset.action));
const unbound = [...named].filter((name) => !(name in actions));
const unused = Object.keys(actions).filter((name) => !named.has(name));
if (unbound.length || unused.length || [...boxes, ...results].includes(null))
  throw new Error(`the page and its script disagree: no handler for [${unbound}], no button for ` +
    `[${unused}], ${boxes.filter(Boolean).length} of 3 boxes, ${results.filter(Boolean).length} of 2 results`);
document.addEventListener("click", (event) => {
  const button = event.target.closest("[data-action]");
  if (button)
    actions[button.dataset.action](button);
});

for (const window of windows) {
  window.addEventListener("focusin", (event) => {
    lastFocused.set(window, event.target);
    if (!window.classList.contains("active"))
      raise(window);
  });
  window.addEventListener("pointerdown", () => raise(window));
  // Moved by its title bar, and a sizable one resized by its corner.
  const title = window.querySelector(".title");
  drags(title, (event) => {
    if (event.target.closest(".close"))
      return null;
    const start = { x: event.clientX - window.offsetLeft, y: event.clientY - window.offsetTop };
    return (moved) => {
      window.style.left = `${Math.max(0, moved.clientX - start.x)}px`;
      window.style.top = `${Math.max(0, moved.clientY - start.y)}px`;
    };
  });
  const grip = window.querySelector(".grip");
  const client = window.querySelector(".client");
  drags(grip, (event) => {
    const start = { x: event.clientX - client.offsetWidth, y: event.clientY - client.offsetHeight };
    return (moved) => {
      client.style.width = `${Math.max(100, moved.clientX - start.x)}px`;
      client.style.height = `${Math.max(20, moved.clientY - start.y)}px`;
    };
  });
}

// While the pointer pressed on `handle` moves, what `start` made of the press follows it.
function drags(handle, start) {
  handle?.addEventListener("pointerdown", (event) => {
    const move = start(event);
    if (!move)
      return;
    handle.setPointerCapture(event.pointerId);
    handle.addEventListener("pointermove", move);
    handle.addEventListener("pointerup", () => handle.removeEventListener("pointermove", move), { once: true });
  });
}

// The calculator, where the page's style puts it, at the top left, with the focus where
// the desktop's starts.
const first = windows.find(isOpen);
raise(first);
focusIn(first);
// Once the page is there: the tables' faces, so that a table opens in them, and the
// worker that keeps the page for visits without a network.
addEventListener("load", () => {
  document.fonts.forEach((face) => face.load());
  document.fonts.ready.then(() => windows.filter(isOpen).forEach(fitTexts));
  navigator.serviceWorker?.register("service-worker.js");
});
loading.then(() => performance.mark("kvarnel-ready"));
