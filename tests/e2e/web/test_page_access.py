#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page as a screen reader meets it in KVARNEL_ENGINE: over AT-SPI, through the
engine's own bridge.

Run on an X display inside a session D-Bus (the CTest entry gives both). open.mjs holds the
page open in the engine and answers questions about it in the page itself; everything else
is read and pressed through AT-SPI alone, as Orca would: the windows, named by their
captions; the boxes and buttons, named by their captions and texts; the results, read as
shown; the overflow alert; each table row by row. Each button is pressed once, in the
window in front and in a window behind it, which the press raises.
"""

import json
import os
import subprocess
import sys

from atspi_client import Atspi, check, descendants, find, press, role_of, text_of, \
    verdict, wait_for
from gi.repository import Gio, GLib

Role = Atspi.Role

with open(os.environ["KVARNEL_FACTS"], encoding="utf-8") as facts_file:
    facts = json.load(facts_file)
MAIN, CATALOGUE, TABLES = facts["mainWindow"], facts["catalogue"], facts["tables"]
TEXT = {control["name"]: control["text"] for control in MAIN["controls"]}
KIND = {control["name"]: control["kind"] for control in MAIN["controls"]}
BOXES, RESULTS = ([c["text"] for c in MAIN["controls"] if KIND.get(c.get("names")) == kind]
                  for kind in ("textbox", "result"))
HERE = os.path.dirname(os.path.abspath(__file__))


class Page:
    """The page held open by open.mjs, with a screen reader's presence announced first, as
    Orca announces it, so that every engine's bridge is on."""

    def __init__(self):
        session = Gio.bus_get_sync(Gio.BusType.SESSION)
        for name in ("IsEnabled", "ScreenReaderEnabled"):
            session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties",
                              "Set", GLib.Variant("(ssv)", ("org.a11y.Status", name,
                                                            GLib.Variant("b", True))),
                              None, Gio.DBusCallFlags.NONE, 5000, None)
        self.holder = subprocess.Popen(["node", os.path.join(HERE, "open.mjs")], text=True,
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        if self.holder.stdout.readline().strip() != "ready":
            raise SystemExit("FAIL  the page did not open")

    def ask(self, expression):
        """The value of a JavaScript expression in the page."""
        self.holder.stdin.write(expression + "\n")
        self.holder.stdin.flush()
        return json.loads(self.holder.stdout.readline())

    def front(self):
        return self.ask("document.querySelector('.window.active').id")

    def close(self):
        self.holder.stdin.close()
        self.holder.wait(timeout=30)


def applications():
    desktop = Atspi.get_desktop(0)
    return [app for app in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
            if app]


def dialog(name, holding=None):
    """The page's window of that caption, holding a button of that name where given, in
    whichever application shows it: found afresh each time, as an engine may make a
    window's node anew (Chromium does, behind a modal alert)."""
    for node in (node for app in applications() for node in descendants(app)):
        if role_of(node) == Role.DIALOG and node.get_name() == name and (
                holding is None or find(node, Role.PUSH_BUTTON, holding)):
            return node
    return None


def calculator():
    return dialog(MAIN["caption"], TEXT["Command2"])


def alert():
    """The overflow alert, an alert or a dialog described by its message."""
    for node in (node for app in applications() for node in descendants(app)):
        if role_of(node) in (Role.ALERT, Role.DIALOG) and \
                node.get_description() == MAIN["overflow"]["message"]:
            return node
    return None


def spoken(text):
    """A text as an accessible name gives it: its runs of blanks as one."""
    return " ".join(text.split())


def button(window, name):
    def found():
        return next((node for node in descendants(window) if role_of(node) == Role.PUSH_BUTTON
                     and spoken(node.get_name()) == spoken(name)), None)
    return wait_for(f"the button «{name}»", found)


def result(caption):
    """A result, named by its caption, as it reads: nothing where it shows nothing."""
    node = find(calculator(), Role.STATUS_BAR, spoken(caption))
    return text_of(node) if node else ""


def results():
    return [result(caption) for caption in RESULTS]


def check_calculator(page):
    main = calculator()
    boxes = [find(main, Role.ENTRY, name) for name in BOXES]
    check("the boxes are entries named by their captions", None not in boxes, True)
    for control in (c for c in MAIN["controls"] if c["kind"] == "button"):
        button(main, control["text"])
    for name, value in zip((c["name"] for c in MAIN["controls"] if c["kind"] == "textbox"),
                           ("57", "3.5", "8800")):
        page.ask(f"document.getElementById('{MAIN['name']}-{name}').value = '{value}'")
    press(button(main, TEXT["Command2"]))
    check("a first press calculates; the results read as shown, named by their captions",
          wait_for("the results", lambda: results() == ["587,965", "5,174092"]), True)

    page.ask(f"document.getElementById('{MAIN['name']}-Text1').value = '1E160'")
    press(button(main, TEXT["Command2"]))
    overflow = wait_for("the overflow alert, described by its message", alert)
    check("the overflow alert is named as the desktop's", overflow.get_name(),
          MAIN["overflow"]["title"])
    press(button(overflow, MAIN["overflow"]["button"]))
    wait_for("the alert to close", lambda: alert() is None)
    check("an overflow empties both results", results(), ["", ""])


def check_catalogue(page):
    press(button(calculator(), TEXT["Command1"]))
    wait_for("the catalogue", lambda: dialog(CATALOGUE["caption"]))
    check("the catalogue opens in front", page.front(), CATALOGUE["name"])
    page.ask(f"document.getElementById('{MAIN['name']}-Text1').value = '57'")
    press(button(calculator(), TEXT["Command2"]))
    check("a press in the window behind is answered, and raises it",
          (wait_for("the results", lambda: results() == ["587,965", "5,174092"]), page.front()),
          (True, MAIN["name"]))


def cell_text(cell):
    try:
        return spoken(text_of(cell))
    except GLib.Error:
        return cell.get_name()  # a cell without text of its own


def check_tables():
    for table in TABLES:
        press(button(dialog(CATALOGUE["caption"]), table["button"]))
        window = wait_for(f"the window «{table['caption']}»", lambda: dialog(table["caption"]))
        grid = wait_for(f"the table of «{table['caption']}»", lambda: find(window, Role.TABLE))
        rows = [[cell_text(Atspi.Table.get_accessible_at(grid, row, column)) for column in (0, 1)]
                for row in range(Atspi.Table.get_n_rows(grid))]
        check(f"«{table['caption']}» row by row, the merged density in every row", rows,
              [[spoken(text) for text in row] for row in
               [table["headers"], *zip(table["grades"], table["densities"])]])
        press(button(window, f"Закрыть «{table['caption']}»"))
        wait_for(f"«{table['caption']}» closed", lambda: dialog(table["caption"]) is None)


def main():
    page = Page()
    try:
        wait_for("the calculator on the accessibility bus", calculator, timeout=30)
        check_calculator(page)
        check_catalogue(page)
        check_tables()
    finally:
        page.close()
    return verdict()


if __name__ == "__main__":
    sys.exit(main())
