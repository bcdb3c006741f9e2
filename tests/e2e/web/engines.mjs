// SPDX-License-Identifier: GPL-3.0-or-later
// The three engines the page is tested in, each from Debian's own packages and driven by a
// well-kept driver from the npm registry, behind the one small interface every test uses:
// puppeteer-core speaks the DevTools protocol to Chromium and WebDriver BiDi to Firefox
// ESR; selenium-webdriver speaks WebDriver to WebKitWebDriver, which drives WebKitGTK's
// MiniBrowser on an X display. What differs between the engines is here and nowhere else.
//   const browser = await launch(engine, { language: "ru" });
//   const page = await browser.open({ width: 1280, height: 1024 });
//   await page.goto(url); await page.click("#Form1-Command2"); ...
import { spawn } from "node:child_process";
import { createServer } from "node:net";
import { PNG } from "pngjs";
import puppeteer from "puppeteer-core";
import { Builder, By, Key, Origin } from "selenium-webdriver";

export const engines = ["chromium", "firefox", "webkit"];
// The engine a test run is for, and where Debian installs it (CMake finds each).
export const engine = process.env.KVARNEL_ENGINE || "chromium";
const binary = (name) => process.env[`KVARNEL_${name.toUpperCase()}`] || {
  chromium: "/usr/bin/chromium", firefox: "/usr/bin/firefox-esr",
}[name];

// Chromium as root, without the network calls this machine has no network for, and with
// no offer to translate the page.
const chromiumFlags = ["--no-sandbox", "--disable-background-networking", "--disable-component-update",
  "--disable-sync", "--disable-quic", "--no-first-run", "--disable-features=Translate"];

// Opens the engine with the visitor's language; `accessible` shows it on the display with
// its accessibility bridge on, for a client of the desktop's accessibility bus.
export function launch(name = engine, { language = "ru", accessible = false } = {}) {
  if (!engines.includes(name))
    throw new Error(`no engine ${name}: one of ${engines}`);
  return name === "webkit" ? WebKit.launch(language) : Puppeteer.launch(name, language, accessible);
}

// The keys a test presses, by the names puppeteer gives them.
const webDriverKeys = { Enter: Key.ENTER, Escape: Key.ESCAPE, Tab: Key.TAB, Backspace: Key.BACK_SPACE,
  Delete: Key.DELETE, Home: Key.HOME };

class Puppeteer {
  static async launch(name, language, accessible) {
    const browser = await puppeteer.launch({
      browser: name === "chromium" ? "chrome" : "firefox",
      executablePath: binary(name),
      headless: !accessible,
      args: name === "chromium"
        ? [...chromiumFlags, `--lang=${language}`, `--accept-lang=${language}`,
            ...(accessible ? ["--force-renderer-accessibility"] : [])]
        : [],
      extraPrefsFirefox: { "intl.accept_languages": language },
    });
    return new Puppeteer(browser, name);
  }

  constructor(browser, name) {
    this.browser = browser;
    this.name = name;
  }

  async version() {
    return (await this.browser.version()).replace(/^(\w+)\//, "$1 ");
  }

  // A page in a browser context of its own: nothing kept from another.
  async open({ width = 1280, height = 1024 } = {}) {
    const context = await this.browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width, height });
    return new PuppeteerPage(page, context);
  }

  close() {
    return this.browser.close();
  }
}

class PuppeteerPage {
  constructor(page, context) {
    this.driver = page; // for what only Chromium's own protocol asks (a phone's keyboard)
    this.context = context;
    this.said = [];
    page.on("console", (message) => this.said.push(`${message.type()}: ${message.text()}`));
    page.on("pageerror", (error) => this.said.push(`error: ${error.message}`));
  }

  goto(url) { return this.driver.goto(url); }
  reload() { return this.driver.reload(); }
  evaluate(fn, ...args) { return this.driver.evaluate(fn, ...args); }
  click(selector) { return this.driver.click(selector); }
  type(text) { return this.driver.keyboard.type(text); }
  press(key) { return this.driver.keyboard.press(key); }

  // From a point of the viewport, by an offset, the mouse button held down.
  async drag({ x, y }, { dx, dy }) {
    const mouse = this.driver.mouse;
    await mouse.move(x, y);
    await mouse.down();
    await mouse.move(x + dx, y + dy, { steps: 4 });
    await mouse.up();
  }

  async screenshot(selector) {
    return Buffer.from(await (await this.driver.$(selector)).screenshot());
  }

  close() { return this.context.close(); }
}

// A port no one listens on yet, for a WebDriver server.
const freePort = () => new Promise((resolve) => {
  const probe = createServer().listen(0, "127.0.0.1", () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

class WebKit {
  // WebKitGTK takes the visitor's language from the process's own.
  static async launch(language) {
    if (!process.env.DISPLAY)
      throw new Error("WebKitGTK's MiniBrowser needs an X display: run this under xvfb-run");
    const port = await freePort();
    const locale = language === "ru" ? "ru_RU.UTF-8" : "en_US.UTF-8";
    const server = spawn(process.env.KVARNEL_WEBKITWEBDRIVER || "WebKitWebDriver", [`--port=${port}`],
      { stdio: "ignore", env: { ...process.env, LANG: locale, LC_ALL: locale } });
    const url = `http://127.0.0.1:${port}`;
    for (let tries = 0; ; ++tries) {
      try {
        if ((await fetch(`${url}/status`)).ok)
          break;
      } catch (error) {
        if (tries > 100)
          throw new Error(`WebKitWebDriver does not answer on ${url}: ${error.message}`);
      }
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
    return new WebKit(server, url);
  }

  constructor(server, url) {
    this.server = server;
    this.url = url;
    this.name = "webkit";
  }

  // As its first page's session tells it.
  async version() {
    if (!this.browserVersion)
      await (await this.open()).close();
    return `WebKitGTK ${this.browserVersion}`;
  }

  // A browser of its own for every page, at that viewport: the window is made larger by
  // what MiniBrowser's own bars take. WebKitWebDriver keeps one at a time, so a page a
  // failed test left open is closed first.
  async open({ width = 1280, height = 1024 } = {}) {
    await this.page?.close().catch(() => {});
    const session = await new Builder().usingServer(this.url).withCapabilities({
      browserName: "MiniBrowser",
      "webkitgtk:browserOptions": { binary: process.env.KVARNEL_WEBKIT, args: ["--automation"] },
    }).build();
    const window = session.manage().window();
    await window.setRect({ width, height });
    const [innerWidth, innerHeight] = await session.executeScript(() => [innerWidth, innerHeight]);
    await window.setRect({ width: 2 * width - innerWidth, height: 2 * height - innerHeight });
    this.browserVersion ??= (await session.getCapabilities()).get("browserVersion");
    this.page = new WebKitPage(session);
    return this.page;
  }

  async close() {
    await this.page?.close().catch(() => {});
    this.server.kill();
  }
}

class WebKitPage {
  constructor(session) {
    this.session = session;
    this.said = []; // WebDriver hears nothing of the console
  }

  goto(url) { return this.session.get(url); }
  reload() { return this.session.navigate().refresh(); }
  evaluate(fn, ...args) { return this.session.executeScript(fn, ...args); }
  async click(selector) { await (await this.session.findElement(By.css(selector))).click(); }
  type(text) { return this.session.actions().sendKeys(text).perform(); }
  press(key) { return this.session.actions().sendKeys(webDriverKeys[key]).perform(); }

  drag({ x, y }, { dx, dy }) {
    return this.session.actions()
      .move({ origin: Origin.VIEWPORT, x: Math.round(x), y: Math.round(y) })
      .press()
      .move({ origin: Origin.POINTER, x: dx, y: dy, duration: 100 })
      .release()
      .perform();
  }

  // WebKitWebDriver pictures an element black, and the viewport as it was last painted:
  // the element is cut from the viewport's picture once a frame has been painted since.
  async screenshot(selector) {
    const [x, y, width, height] = (await this.evaluate((s) => new Promise((resolve) => {
      requestAnimationFrame(() => requestAnimationFrame(() => {
        const box = document.querySelector(s).getBoundingClientRect();
        resolve([box.left, box.top, box.width, box.height]);
      }));
    }), selector)).map(Math.round);
    const whole = PNG.sync.read(Buffer.from(await this.session.takeScreenshot(), "base64"));
    const part = new PNG({ width, height });
    PNG.bitblt(whole, part, x, y, width, height, 0, 0);
    return PNG.sync.write(part);
  }

  // Once: a session that has quit cannot be asked to again.
  async close() {
    if (!this.closed) {
      this.closed = true;
      await this.session.quit();
    }
  }
}
