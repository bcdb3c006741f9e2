# SPDX-License-Identifier: GPL-3.0-or-later
"""What the accessibility tests ask over AT-SPI, as a screen reader asks it: the tree below
a node, a node by its role and name, its text and its caption, and its action pressed."""

import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

failures = []


def check(what, actual, expected):
    if actual != expected:
        failures.append(f"{what}: got {actual!r}, expected {expected!r}")
        print(f"FAIL  {what}: got {actual!r}, expected {expected!r}")
    else:
        print(f"PASS  {what}")


def wait_for(what, find, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass  # the events that have come in
        found = find()
        if found:
            return found
        time.sleep(0.05)
    raise SystemExit(f"FAIL  gave up waiting for {what}")


def children(node):
    try:
        return [c for c in (node.get_child_at_index(i) for i in range(node.get_child_count())) if c]
    except GLib.Error:
        return []  # gone meanwhile, such as a message box just closed


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def role_of(node):
    try:
        return node.get_role()
    except GLib.Error:
        return None  # gone meanwhile


def find(root, role, name=None):
    for node in descendants(root):
        try:
            if node.get_role() == role and (name is None or node.get_name() == name):
                return node
        except GLib.Error:
            pass  # gone meanwhile
    return None


def text_of(node):
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def caption(node):
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            return relation.get_target(0).get_name()
    return None


ACTIVATIONS = ("press", "click", "activate", "jump")


def press(node):
    """Does the node's action that presses it, found by its name, as a screen reader does.
    Some bridges (Firefox's) tell a node's actions only once a client has asked for them."""
    def activation():
        names = [Atspi.Action.get_action_name(node, i).lower()
                 for i in range(Atspi.Action.get_n_actions(node))]
        return next((i + 1 for i, name in enumerate(names) if name in ACTIVATIONS), None)
    Atspi.Action.do_action(node, wait_for(f"the action of «{node.get_name()}»", activation) - 1)


def verdict():
    """A run's exit status: 1 and how many checks failed, or 0 when all passed."""
    if failures:
        print(f"{len(failures)} failed")
        return 1
    print("all passed")
    return 0
