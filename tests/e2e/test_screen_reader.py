#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a screen reader meets it: over AT-SPI, through Qt's bridge.

Run on an X display inside a session D-Bus (the CTest entry gives both); the AT-SPI bus
and registry start on demand. KVARNEL_EXECUTABLE names the program, KVARNEL_FACTS the
windows' description (expected_facts writes it), by which it finds what it reads. Everything is read
and driven through AT-SPI alone, as Orca would: the names, the shown results, the events
that carry a new result, the overflow alert and the reference tables cell by cell. Then
every table and text call is made raw, with arguments no screen reader would send, as a
careless client might: each must be answered, and the program must live on.
"""

import itertools
import json
import os
import subprocess
import sys

from atspi_client import Atspi, GLib, caption, check, children, descendants, find, \
    press, text_of, verdict, wait_for
from gi.repository import Gio

Role = Atspi.Role
events = []

with open(os.environ["KVARNEL_FACTS"], encoding="utf-8") as facts_file:
    facts = json.load(facts_file)
MAIN = facts["mainWindow"]
TEXT = {control["name"]: control["text"] for control in MAIN["controls"]}
KIND = {control["name"]: control["kind"] for control in MAIN["controls"]}
# The captions of the boxes and of the results, in tab order.
BOXES, RESULTS = ([c["text"] for c in MAIN["controls"] if KIND.get(c.get("names")) == kind]
                  for kind in ("textbox", "result"))


def window(app, title):
    return next((w for w in children(app) if w.get_name() == title), None)


def on_event(event):
    try:
        source = event.source
        events.append((event.type, source.get_role(), source.get_name(), event.detail1))
    except GLib.Error:
        pass  # an object gone by now, such as the alert's once it has closed


def start_program():
    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:state-changed:showing", "object:state-changed:focused"):
        listener.register(kind)
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       LANG="ru_RU.UTF-8", LC_ALL="ru_RU.UTF-8")
    environment.pop("QT_QPA_PLATFORM", None)
    program = subprocess.Popen([os.environ["KVARNEL_EXECUTABLE"]], env=environment)
    return program, listener, wait_for("the program on the accessibility bus", lambda: next(
        (a for a in children(Atspi.get_desktop(0))
         if a.get_name() == "kvarnel" and window(a, MAIN["caption"])), None))


def check_calculator(app):
    main = window(app, MAIN["caption"])
    boxes = {name: find(main, Role.TEXT, name) for name in BOXES}
    check("the text boxes are named by their captions", None not in boxes.values(), True)
    for box, value in zip(boxes.values(), ("57", "3.5", "8800")):
        Atspi.EditableText.set_text_contents(box, value)
    calculate = find(main, Role.PUSH_BUTTON, TEXT["Command2"])
    spoken = ("object:state-changed:showing", Role.NOTIFICATION,
              f"{RESULTS[0]} 587,965, {RESULTS[1]} 5,174092", 1)
    for time in ("first", "second"):  # the same result is spoken again
        events.clear()
        press(calculate)
        wait_for(f"the result to be announced a {time} time", lambda: spoken in events)
    check("each result is announced by a notification that appears", True, True)
    # A result is a label named by the text it shows, labelled by its caption, so a line
    # reads as the window shows it: the caption, then the result.
    results = [find(main, Role.LABEL, value) for value in ("587,965", "5,174092")]
    check("both results are labels named as shown", None not in results, True)
    if None in results:
        raise SystemExit(1)
    check("the results read as shown", [text_of(n) for n in results], ["587,965", "5,174092"])
    check("the results are labelled by their captions", [caption(n) for n in results], RESULTS)

    Atspi.EditableText.set_text_contents(boxes[BOXES[0]], "1E160")
    press(calculate)
    alert = wait_for("the overflow alert", lambda: find(app, Role.ALERT))
    message = find(alert, Role.LABEL, MAIN["overflow"]["message"])
    check("the overflow box is an alert with its message", message is not None, True)
    press(find(alert, Role.PUSH_BUTTON))
    wait_for("the alert to close", lambda: find(app, Role.ALERT) is None)
    check("the results are emptied after an overflow", [text_of(n) for n in results], ["", ""])
    Atspi.EditableText.set_text_contents(boxes[BOXES[0]], "57")
    press(calculate)
    wait_for("a result after the overflow", lambda: text_of(results[0]) == "587,965")
    return results


def open_tables(app):
    """Opens every table from the catalogue; yields each table with its window's title."""
    main = window(app, MAIN["caption"])
    press(find(main, Role.PUSH_BUTTON, TEXT["Command1"]))
    catalogue = wait_for("the catalogue", lambda: window(app, facts["catalogue"]["caption"]))
    buttons = [n for n in descendants(catalogue) if n.get_role() == Role.PUSH_BUTTON]
    check("the catalogue has a button per table", len(buttons), len(facts["tables"]))
    opened = set()
    for button in buttons:
        events.clear()
        press(button)
        # The window opens with the focus on its table's first cell, the first grade.
        cell = wait_for(f"a table cell focused after «{button.get_name()}»", lambda: next(
            (e for e in events if e[0] == "object:state-changed:focused" and e[3] == 1
             and e[1] == Role.TABLE_CELL), None))
        top = wait_for(f"the window «{button.get_name()}» opens", lambda: next(
            (w for w in children(app) if w.get_name() not in opened and find(w, Role.TABLE)), None))
        title = top.get_name()
        opened.add(title)
        table = find(top, Role.TABLE)
        check(f"«{title}» opens on its first grade", cell[2],
              Atspi.Table.get_accessible_at(table, 0, 0).get_name())
        yield title, table


INT_MIN, INT_MAX = -2**31, 2**31 - 1


class RawClient:
    """Calls the program over the accessibility bus as it is, arguments unchecked."""

    def __init__(self, program):
        session = Gio.bus_get_sync(Gio.BusType.SESSION)
        address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                    None, None, Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                 | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        self.bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
        self.program = program
        self.unanswered = []

    def call(self, node, interface, method, signature="", *args):
        """The reply's values, or None for an error the program answered with."""
        if self.program.poll() is not None:
            return None
        try:
            return self.bus.call_sync(
                node.app.bus_name, node.path, "org.a11y.atspi." + interface, method,
                GLib.Variant(f"({signature})", args) if signature else None, None,
                Gio.DBusCallFlags.NONE, 10000, None).unpack()
        except GLib.Error as error:
            if "org.freedesktop.DBus.Error.UnknownMethod" in error.message \
                    or "org.freedesktop.DBus.Error.UnknownObject" in error.message:
                return None  # Qt's "nothing" where it has no answer
            self.unanswered.append(f"{node.path} {method}{args}: {error.message}")
            return None

    def hammer(self, what, node, calls, values, more=()):
        """Every call with every combination of the values for its int arguments."""
        for interface, method, signature in calls:
            for ints in itertools.product(values, repeat=signature.count("i")):
                it = iter(ints)
                args = [next(it) if kind == "i" else {"u": 0, "s": "", "b": True}[kind]
                        for kind in signature]
                self.call(node, interface, method, signature, *args)
        for call in more:
            self.call(node, *call)
        check(f"{what}: every call answered", self.unanswered[:3], [])
        check(f"{what}: the program lives on", self.program.poll(), None)
        self.unanswered.clear()


TABLE_CALLS = [("Table", m, "i") for m in (
    "GetRowAtIndex", "GetColumnAtIndex", "GetRowDescription", "GetColumnDescription",
    "GetRowHeader", "GetColumnHeader", "IsRowSelected", "IsColumnSelected", "AddRowSelection",
    "AddColumnSelection", "RemoveRowSelection", "RemoveColumnSelection",
    "GetRowColumnExtentsAtIndex")] + [("Table", m, "ii") for m in (
        "GetAccessibleAt", "GetIndexAt", "GetRowExtentAt", "GetColumnExtentAt", "IsSelected")] + [
    ("Table", "GetSelectedRows", ""), ("Table", "GetSelectedColumns", ""),
    ("Component", "Contains", "iiu"), ("Component", "GetAccessibleAtPoint", "iiu")]

TEXT_CALLS = [("Text", m, s) for m, s in (
    ("GetText", "ii"), ("SetCaretOffset", "i"), ("GetTextBeforeOffset", "iu"),
    ("GetTextAtOffset", "iu"), ("GetTextAfterOffset", "iu"), ("GetCharacterAtOffset", "i"),
    ("GetAttributeValue", "is"), ("GetAttributes", "i"), ("GetDefaultAttributes", ""),
    ("GetCharacterExtents", "iu"), ("GetOffsetAtPoint", "iiu"), ("GetNSelections", ""),
    ("GetSelection", "i"), ("AddSelection", "ii"), ("RemoveSelection", "i"),
    ("SetSelection", "iii"), ("GetAttributeRun", "ib"), ("GetDefaultAttributeSet", ""))]
# Left to Qt's bridge alone: it never answers GetBoundedRanges (it cannot send its own reply
# type), and for GetRangeExtents it walks every offset from start to end itself, never
# ending at INT_MAX. So only short spans, at the edges of the ints.
RANGES = [("Text", "GetRangeExtents", "iiu", start, end, 0) for start, end in (
    (INT_MIN, INT_MIN + 2), (-1, 2), (INT_MAX - 2, INT_MAX - 1), (INT_MAX, INT_MIN), (3, -1))]


def check_indices(client, title, table):
    """Child i is the cell at row i // 2, column i % 2, whichever call is asked; a cell of
    the density column spans one row, or all of them where the density is merged."""
    rows = Atspi.Table.get_n_rows(table)
    density_span = Atspi.Table.get_row_extent_at(table, 0, 1)
    check(f"«{title}» densities span one row or all", density_span in (1, rows), True)
    headers = [Atspi.Table.get_column_header(table, c) for c in (0, 1)]
    check(f"«{title}» column headers", [(h.get_role(), h.get_name() != "") for h in headers],
          [(Role.TABLE_COLUMN_HEADER, True)] * 2)
    disagree = []
    for i in range(Atspi.Accessible.get_child_count(table)):
        child = Atspi.Accessible.get_child_at_index(table, i)
        if child.get_role() != Role.TABLE_CELL:
            continue
        row, column = i // 2, i % 2
        story = (client.call(table, "Table", "GetRowAtIndex", "i", i)[0],
                 client.call(table, "Table", "GetColumnAtIndex", "i", i)[0],
                 client.call(table, "Table", "GetRowColumnExtentsAtIndex", "i", i)[:4],
                 client.call(table, "Table", "GetIndexAt", "ii", row, column)[0],
                 Atspi.Table.get_accessible_at(table, row, column).path, child.get_name() != "")
        span = density_span if column == 1 else 1
        if story != (row, column, (True, row, column, span), i, child.path, True):
            disagree.append((i, story))
    check(f"«{title}» {rows} rows: index and (row, column) agree", disagree, [])


def main():
    program, listener, app = start_program()
    try:
        results = check_calculator(app)
        client = RawClient(program)
        for title, table in open_tables(app):
            check_indices(client, title, table)
            rows = Atspi.Table.get_n_rows(table)
            client.hammer(f"«{title}»", table, TABLE_CALLS, (-1, 0, rows - 1, rows, INT_MAX))
        for result in results:
            client.hammer(f"result «{result.get_name()}»", result, TEXT_CALLS,
                          (INT_MIN, -1, 0, 3, INT_MAX), RANGES)
    finally:
        listener.deregister("object:state-changed:showing")
        program.terminate()
        program.wait(timeout=10)
    return verdict()


if __name__ == "__main__":
    sys.exit(main())
