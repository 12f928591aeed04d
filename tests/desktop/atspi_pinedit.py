#!/usr/bin/python3
"""Drives PinEdit through AT-SPI, as a screen reader or desktop test would: finds the editor window
with its list, labelled text boxes and buttons, selects an entry, stores a changed address, opens
the check window and runs the check of entry against file names. Run by run-atspi-pinedit-check."""
import sys

import pyatspi

import atspi_support as atspi
from atspi_support import named, need, press, text_of

EDITOR = "Marl's .web Library Editor"


def wait_for(predicate, what, timeout=10):
    return atspi.wait_for(predicate, what, timeout)


def control(root, role, name):
    return need(root, named(role, name), "not reachable: " + name)


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
    if not atspi.poll(condition, timeout, 0.1):
        sys.exit("did not happen: " + what)


editor = wait_for(named(pyatspi.ROLE_FRAME, EDITOR), "editor window")
files = need(editor, lambda a: a.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX) and a.name == "File2", "no file list")
boxes = {label: control(editor, pyatspi.ROLE_TEXT, label) for label in ("Eintrag:", "Link:", "Info (optional):", "Image:")}
for caption in (".web File aktualisieren", "Image + .web File LÖSCHEN !", "prüfen..."):
    control(editor, pyatspi.ROLE_PUSH_BUTTON, caption)
if items(files) != ["google.web", "mueller_s_shop.web", "Web_Seite.web"]:
    sys.exit("unexpected list " + repr(items(files)))

select(files, "mueller_s_shop.web")
settle(lambda: "muellers_shop.web" in items(files), "rename to muellers_shop.web")
settle(lambda: text_of(boxes["Image:"]) == "muellers_shop.jpg", "logo name muellers_shop.jpg")
if text_of(boxes["Eintrag:"]) != "Müller's Shop":
    sys.exit("name box shows " + repr(text_of(boxes["Eintrag:"])))
boxes["Link:"].queryEditableText().setTextContents("http://www.mueller-shop.de/neu")
press(control(editor, pyatspi.ROLE_PUSH_BUTTON, ".web File aktualisieren"))

press(control(editor, pyatspi.ROLE_PUSH_BUTTON, "prüfen..."))
check = wait_for(lambda a: a.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME) and a.name == "prüfen", "check window")
for caption in ("Eintrag = web.name", "Eintrag = pic.name", "Links prüfen..."):
    control(check, pyatspi.ROLE_PUSH_BUTTON, caption)
log = need(check, named(pyatspi.ROLE_TEXT, "Text1"), "no log box")
press(control(check, pyatspi.ROLE_PUSH_BUTTON, "Eintrag = web.name"))
settle(lambda: text_of(log).rstrip().endswith(" - Web_Seite.web"), "log ending with the failing entry")
settle(lambda: "web_seite.web" in items(files), "repair of Web_Seite.web")
print("AT-SPI: editor, list, labelled boxes, buttons and check window reachable; rename, store and check done")
