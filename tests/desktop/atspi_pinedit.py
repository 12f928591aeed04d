#!/usr/bin/python3
"""Drives PinEdit through AT-SPI, as a screen reader or desktop test would: finds the editor window
with its list, labelled text boxes and buttons, selects an entry, stores a changed address, opens
the check window and runs the check of entry against file names. Run by run-atspi-pinedit-check."""
import sys
import time

import pyatspi

EDITOR = "Marl's .web Library Editor"


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


def wait_for(predicate, what, timeout=10):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            hit = find(desktop.getChildAtIndex(i), predicate)
            if hit is not None:
                return hit
        time.sleep(0.2)
    sys.exit("not found: " + what)


def named(role, name):
    return lambda a: a.getRole() == role and a.name == name


def need(root, role, name):
    hit = find(root, named(role, name))
    if hit is None:
        sys.exit("not reachable: " + name)
    return hit


def press(accessible):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click"):
            action.doAction(i)
            return
    sys.exit("no press action on " + accessible.name)


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def items(listbox):
    return [listbox.getChildAtIndex(i).name for i in range(listbox.childCount)]


def select(listbox, name):
    names = items(listbox)
    if name not in names:
        sys.exit("no list item " + name + " in " + repr(names))
    # Qt's list offers its rows through the table interface.
    if not listbox.queryTable().addRowSelection(names.index(name)):
        sys.exit("could not select " + name)


def settle(condition, what, timeout=5):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if condition():
            return
        time.sleep(0.1)
    sys.exit("did not happen: " + what)


editor = wait_for(named(pyatspi.ROLE_FRAME, EDITOR), "editor window")
files = find(editor, lambda a: a.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX) and a.name == "File2")
if files is None:
    sys.exit("no file list")
boxes = {label: need(editor, pyatspi.ROLE_TEXT, label) for label in ("Eintrag:", "Link:", "Info (optional):", "Image:")}
for caption in (".web File aktualisieren", "Image + .web File LÖSCHEN !", "prüfen..."):
    need(editor, pyatspi.ROLE_PUSH_BUTTON, caption)
if items(files) != ["google.web", "mueller_s_shop.web", "Web_Seite.web"]:
    sys.exit("unexpected list " + repr(items(files)))

select(files, "mueller_s_shop.web")
settle(lambda: "muellers_shop.web" in items(files), "rename to muellers_shop.web")
settle(lambda: text_of(boxes["Image:"]) == "muellers_shop.jpg", "logo name muellers_shop.jpg")
if text_of(boxes["Eintrag:"]) != "Müller's Shop":
    sys.exit("name box shows " + repr(text_of(boxes["Eintrag:"])))
boxes["Link:"].queryEditableText().setTextContents("http://www.mueller-shop.de/neu")
press(need(editor, pyatspi.ROLE_PUSH_BUTTON, ".web File aktualisieren"))

press(need(editor, pyatspi.ROLE_PUSH_BUTTON, "prüfen..."))
check = wait_for(lambda a: a.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME) and a.name == "prüfen", "check window")
for caption in ("Eintrag = web.name", "Eintrag = pic.name", "Links prüfen..."):
    need(check, pyatspi.ROLE_PUSH_BUTTON, caption)
log = find(check, lambda a: a.getRole() == pyatspi.ROLE_TEXT and a.name == "Text1")
if log is None:
    sys.exit("no log box")
press(need(check, pyatspi.ROLE_PUSH_BUTTON, "Eintrag = web.name"))
settle(lambda: text_of(log).rstrip().endswith(" - Web_Seite.web"), "log ending with the failing entry")
settle(lambda: "web_seite.web" in items(files), "repair of Web_Seite.web")
print("AT-SPI: editor, list, labelled boxes, buttons and check window reachable; rename, store and check done")
