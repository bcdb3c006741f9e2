#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a screen reader meets it: over AT-SPI, through Qt's bridge.

Run on an X display inside a session D-Bus (the CTest entry gives both); the AT-SPI bus
and registry start on demand. KVARNEL_EXECUTABLE names the program. Everything is read
and driven through AT-SPI alone, as Orca would: the names, the shown results, the events
that carry a new result, the overflow alert and the reference tables cell by cell.
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

Role = Atspi.Role
failures = []
events = []


def check(what, actual, expected):
    if actual != expected:
        failures.append(f"{what}: got {actual!r}, expected {expected!r}")
        print(f"FAIL  {what}: got {actual!r}, expected {expected!r}")
    else:
        print(f"PASS  {what}")


def pump(seconds=0.0):
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= deadline:
            return
        time.sleep(0.01)


def wait_for(what, find, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        pump()
        found = find()
        if found:
            return found
        time.sleep(0.05)
    raise SystemExit(f"FAIL  gave up waiting for {what}")


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


def find(root, role, name=None):
    for node in descendants(root):
        if node.get_role() == role and (name is None or node.get_name() == name):
            return node
    return None


def window(app, title):
    for i in range(app.get_child_count()):
        top = app.get_child_at_index(i)
        if top is not None and top.get_name() == title:
            return top
    return None


def text_of(node):
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def caption(node):
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            return relation.get_target(0).get_name()
    return None


def press(node):
    Atspi.Action.do_action(node, 0)  # "press", the first action of a Qt button


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
    desktop = Atspi.get_desktop(0)

    def application():
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "kvarnel" and window(app, "Кварнель"):
                return app
        return None

    return program, listener, wait_for("the program on the accessibility bus", application)


def check_calculator(app):
    main = window(app, "Кварнель")
    boxes = {name: find(main, Role.TEXT, name) for name in (
        "Наружный диаметр трубы (мм)", "Толщина стенки трубы (мм)",
        "Плотность материала (кг/м3)")}
    for name, box in boxes.items():
        check(f"a text box is named «{name}»", box is not None, True)
    for box, value in zip(boxes.values(), ("57", "3.5", "8800")):
        Atspi.EditableText.set_text_contents(box, value)
    calculate = find(main, Role.PUSH_BUTTON, "РАСЧЕТ")
    events.clear()
    press(calculate)

    spoken = "Сечение трубы (мм2) = 587,965, Масса  трубы  (кг/м) = 5,174092"
    wait_for("the result to be announced", lambda: any(
        e == ("object:state-changed:showing", Role.NOTIFICATION, spoken, 1) for e in events))
    check("a new result is announced by a notification that appears", True, True)
    # A result is a label named by the text it shows, labelled by its caption, so a line
    # reads "Сечение трубы (мм2) = 587,965".
    results = [find(main, Role.LABEL, value) for value in ("587,965", "5,174092")]
    check("both results are labels named as shown", None not in results, True)
    if None in results:
        raise SystemExit(1)
    check("the results read as shown", [text_of(n) for n in results], ["587,965", "5,174092"])
    check("the results are labelled by their captions", [caption(n) for n in results],
          ["Сечение трубы (мм2) =", "Масса  трубы  (кг/м) ="])

    Atspi.EditableText.set_text_contents(boxes["Наружный диаметр трубы (мм)"], "1E160")
    press(calculate)
    alert = wait_for("the overflow alert", lambda: find(app, Role.ALERT))
    message = find(alert, Role.LABEL,
                   "Переполнение: введённые значения слишком велики для расчёта.")
    check("the overflow box is an alert with its message", message is not None, True)
    press(find(alert, Role.PUSH_BUTTON))
    wait_for("the alert to close", lambda: find(app, Role.ALERT) is None)
    check("the results are emptied after an overflow", [text_of(n) for n in results], ["", ""])


def open_table(app, button):
    main = window(app, "Кварнель")
    if window(app, "Плотность материалов") is None:
        press(find(main, Role.PUSH_BUTTON, "ПЛОТНОСТЬ МАТЕРИАЛОВ"))
    catalogue = wait_for("the catalogue", lambda: window(app, "Плотность материалов"))
    press(find(catalogue, Role.PUSH_BUTTON, button))


def check_table(app, title, rows, second_row, density_span):
    events.clear()
    open_table(app, f"{title} {'ГОСТ 15527-70' if title == 'Латунь' else 'ГОСТ 859-2001'}")
    focused = wait_for(f"the {title} table to take the focus", lambda: next(
        (e for e in events if e[0] == "object:state-changed:focused" and e[3] == 1
         and e[1] == Role.TABLE), None))
    check(f"«{title}» opens with the focus on its table", focused[2], title)
    table = find(window(app, title), Role.TABLE, title)
    check(f"«{title}» has a row per grade", Atspi.Table.get_n_rows(table), rows)
    check(f"«{title}» has two columns", Atspi.Table.get_n_columns(table), 2)
    headers = [Atspi.Table.get_column_header(table, c).get_name() for c in (0, 1)]
    check(f"«{title}» column headers", headers, ["МАРКА", "ПЛОТНОСТЬ"])
    cells = [Atspi.Table.get_accessible_at(table, 1, c) for c in (0, 1)]
    check(f"«{title}» second row", [c.get_name() for c in cells], second_row)
    check(f"«{title}» cells are table cells", [c.get_role() for c in cells], [Role.TABLE_CELL] * 2)
    check(f"«{title}» density spans", Atspi.Table.get_row_extent_at(table, 1, 1), density_span)


def main():
    program, listener, app = start_program()
    try:
        check_calculator(app)
        check_table(app, "Латунь", 12, ["Л63", "8800 кг/м3"], 1)
        check_table(app, "Медь", 5, ["М1", "8940 кг/м3"], 5)
    finally:
        listener.deregister("object:state-changed:showing")
        program.terminate()
        program.wait(timeout=10)
    if failures:
        print(f"{len(failures)} failed")
        return 1
    print("all passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
