#!/usr/bin/python3
"""Reads one window of a running program through the accessibility bus, as a screen reader does.

    accessible_tree.py unnamed PID TITLE   the focusable controls that have no name, one a line
    accessible_tree.py menus PID TITLE     the titles of the window's menu bar, one a line
    accessible_tree.py press PID TITLE BUTTON   presses the window's button of that name

TITLE is a regular expression for the window's name. The program and its window may still be
coming up: both are waited for, polling with a deadline. Exit status 0 when the window was read,
1 when it never showed up, or showed no focusable control (or no menu bar, or no such button).
"""

import re
import sys
import time

import pyatspi

PATIENCE_SECONDS = 30

# A combo box names itself by the item it shows; what it is for comes from the label that
# labels it (Qt gives a buddy label that relation), or from its edit box's own name.
NAMED_BY_LABEL = {pyatspi.ROLE_COMBO_BOX}
# Their children are data, named by what they hold.
DATA_VIEWS = {pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE}


def labels_of(node, roles=None):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            target = relation.getTarget(i)
            if roles is None or target.getRole() in roles:
                names.append(target.name)
    return names


def name_of(node):
    """What a screen reader announces the control as; empty when nothing says what it is for."""
    if node.getRole() in NAMED_BY_LABEL:
        edits = [child for child in node if child is not None and child.getRole() == pyatspi.ROLE_TEXT]
        names = labels_of(node, {pyatspi.ROLE_LABEL}) + [edit.name for edit in edits]
        return " ".join(n for n in names if n.strip())
    # Qt names a box without a label of its own after the group around it: that says nothing
    # about which box of the group it is.
    groups = labels_of(node, {pyatspi.ROLE_PANEL})
    return "" if node.name in groups else node.name.strip()


def focusable(node, path=()):
    """The shown controls that take the focus, each with the roles of the nodes down to it."""
    state = node.getState()
    if not state.contains(pyatspi.STATE_SHOWING):
        return
    here = path + (node.getRoleName(),)
    if state.contains(pyatspi.STATE_FOCUSABLE):
        yield node, here
    if node.getRole() in DATA_VIEWS:
        return
    for child in node:
        if child is not None:
            yield from focusable(child, here)


def unnamed(window):
    """None when the window shows no focusable control at all: there was nothing to check."""
    controls = list(focusable(window))
    if not controls:
        return None
    return [" > ".join(path) + (f" ({node.description})" if node.description else "")
            for node, path in controls if not name_of(node)]


def menu_titles(window):
    """None until the window shows a menu bar with titles."""
    for node in window:
        if node is not None and node.getRole() == pyatspi.ROLE_MENU_BAR:
            return [item.name for item in node if item is not None] or None
    return None


def press(window, button):
    """Presses the button as a screen reader's user does; None until it shows."""
    for node, _ in focusable(window):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == button:
            node.queryAction().doAction(0)
            return []
    return None


def find_window(pid, title):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is None or app.get_process_id() != pid:
                continue
            for window in app:
                if window is not None and re.search(title, window.name):
                    return window
        except Exception:  # an application leaving the bus while it is read
            continue
    return None


def main():
    mode, pid, title = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    read = {"unnamed": unnamed, "menus": menu_titles,
            "press": lambda window: press(window, sys.argv[4])}[mode]
    deadline = time.monotonic() + PATIENCE_SECONDS
    while True:
        # A window's controls and menu bar can show up a moment after the window.
        window = find_window(pid, title)
        lines = read(window) if window is not None else None
        if lines is not None:
            break
        if time.monotonic() > deadline:
            what = "no window" if window is None else f"nothing to {mode} in the window"
            print(f"{what} named {title!r} of process {pid} on the accessibility bus",
                  file=sys.stderr)
            return 1
        time.sleep(0.05)
    for line in lines:
        print(line)
    return 0


if __name__ == "__main__":
    sys.exit(main())
