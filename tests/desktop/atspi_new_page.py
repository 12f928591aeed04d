#!/usr/bin/python3
"""Drives Pinwall-Builder through AT-SPI, as a screen reader or desktop test would: finds the new
page dialog, types a page name, presses "Übernehmen" and finds the editor with its menus and the
generator button. Run by tests/desktop/run-atspi-check under Xvfb and a private D-Bus session."""
import sys
import time

import pyatspi


def find(root, predicate, depth=0):
    if root is None or depth > 40:
        return None
    try:
        if predicate(root):
            return root
        for i in range(root.childCount):
            hit = find(root.getChildAtIndex(i), predicate, depth + 1)
            if hit is not None:
                return hit
    except Exception:
        return None
    return None


def wait_for(predicate, what, timeout=15):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            hit = find(app, predicate)
            if hit is not None:
                return hit
        time.sleep(0.2)
    sys.exit("not found: " + what)


def named(role, name):
    return lambda a: a.getRole() == role and a.name == name


def press(accessible):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click"):
            action.doAction(i)
            return
    sys.exit("no press action on " + accessible.name)


page_name = sys.argv[1] if len(sys.argv) > 1 else "Reisen"

dialog = wait_for(lambda a: a.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW)
                  and a.name == "Neue Pinwall-Seite erstellen", "new page dialog")
field = find(dialog, named(pyatspi.ROLE_TEXT, "Bezeichnung:"))
if field is None:
    sys.exit("no name field")
field.queryEditableText().setTextContents(page_name)
press(find(dialog, named(pyatspi.ROLE_PUSH_BUTTON, "Übernehmen")))

editor = wait_for(lambda a: a.getRole() == pyatspi.ROLE_FRAME and a.name == "Kestrel Pinwall-Builder - " + page_name,
                  "editor window")
for menu in ("Kopfzeile", "Bannerzeile", "Fusszeile", "Hintergrund", "Startseite", "Pinwall"):
    if find(editor, lambda a, m=menu: a.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM) and a.name == m) is None:
        sys.exit("no menu " + menu)
save = find(editor, named(pyatspi.ROLE_PUSH_BUTTON, "Speichern / HTML erstellen"))
if save is None:
    sys.exit("no generator button")
for name in ("Eintrag hinzufügen...", "Vorschau"):
    if find(editor, lambda a, n=name: a.name == n) is None:
        sys.exit("not reachable: " + name)
print("AT-SPI: new page dialog, name field, Übernehmen, editor, menus and generator button reachable")
