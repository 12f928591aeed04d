#!/usr/bin/python3
"""Drives Pinwall-Builder through AT-SPI, as a screen reader or desktop test would, and asks the
window manager (wmctrl) which windows are really on the screen.

  new-page NAME      the new page dialog at first start: types NAME, presses "Übernehmen", finds the
                     editor with its menus and the generator button and sees the dialog gone; then
                     opens the start window from the editor's menu, cancels it and sees it gone
                     while the editor stays; then generates the page and checks that the
                     preview shows the page and where it appears, first and after the user moved and closed it, and that a
                     later preview comes to the front.
  cancel-start NAME  the start window at start-up lists NAME; "Abbrechen" takes it off the screen.

Run by tests/desktop/run-atspi-check under Xvfb, openbox and a private D-Bus session."""
import re
import subprocess
import sys
import time

import pyatspi

import atspi_support as atspi
from atspi_support import find, menu, named, need, on_screen, press, window

TITLE = "Kestrel Pinwall-Builder"
NEW_PAGE = "Neue Pinwall-Seite erstellen"
PREVIEW = "Browser-Vorschau"


def wait_for(predicate, what, timeout=15):
    return atspi.wait_for(predicate, what, timeout)


def window_id(title):
    return next(wid for wid, shown in atspi.windows_on_screen() if shown == title)


def placement(wid):
    """Where the window's inside lies on the screen, and where its frame (title bar included) begins."""
    info = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True, check=True).stdout
    value = {line.split(":")[0].strip(): int(line.split(":")[1]) for line in info.splitlines() if "upper-left" in line}
    inside = (value["Absolute upper-left X"], value["Absolute upper-left Y"])
    return inside, (inside[0] - value["Relative upper-left X"], inside[1] - value["Relative upper-left Y"])


def wait_on_screen(title, shown, timeout=15):
    if atspi.poll(lambda: (title in on_screen()) == shown, timeout, 0.1):
        return
    sys.exit('window "%s" %s: %s' % (title, "never came on the screen" if shown else "is still on the screen",
                                     on_screen()))


def new_page(page_name):
    dialog = wait_for(window(NEW_PAGE, showing=True), "new page dialog")
    wait_on_screen(NEW_PAGE, True)
    field = need(dialog, named(pyatspi.ROLE_TEXT, "Bezeichnung:"), "no name field")
    field.queryEditableText().setTextContents(page_name)
    press(find(dialog, named(pyatspi.ROLE_PUSH_BUTTON, "Übernehmen")), "Übernehmen")

    editor_title = TITLE + " - " + page_name
    editor = wait_for(window(editor_title, showing=True), "editor window")
    for caption in ("Kopfzeile", "Bannerzeile", "Fusszeile", "Hintergrund", "Startseite", "Pinwall"):
        need(editor, menu(caption), "no menu " + caption)
    need(editor, named(pyatspi.ROLE_PUSH_BUTTON, "Speichern / HTML erstellen"), "no generator button")
    for name in ("Eintrag hinzufügen...", "Vorschau"):
        need(editor, lambda a, n=name: a.name == n, "not reachable: " + name)
    wait_on_screen(editor_title, True)
    wait_on_screen(NEW_PAGE, False)
    print('AT-SPI: new page dialog, name field, Übernehmen, editor, menus and generator button reachable; '
          'the dialog is off the screen after "Übernehmen"')

    press(find(editor, named(pyatspi.ROLE_MENU_ITEM, "gespeicherte Link-Seite laden")),
          "menu entry gespeicherte Link-Seite laden")
    cancel_start(page_name)
    wait_on_screen(editor_title, True)
    print("the start window from the menu is off the screen after Abbrechen; the editor stays")

    # The preview first appears with its frame at the top left corner; closed by the user and
    # opened again, it comes back where the user had put it.
    save = find(editor, named(pyatspi.ROLE_PUSH_BUTTON, "Speichern / HTML erstellen"))
    press(save, "Speichern / HTML erstellen")
    wait_on_screen(PREVIEW, True, timeout=30)
    time.sleep(0.5)
    inside, frame = placement(window_id(PREVIEW))
    if frame != (0, 0):
        sys.exit("the preview's frame begins at %s, not at the top left corner" % (frame,))
    # The new page has no pictures: below its empty columns the page's grey shows.
    spot = (inside[0] + 100, inside[1] + 400)
    if not atspi.poll(lambda: screen_colour(*spot) == "#C0C0C0", 30, 0.3):
        sys.exit("the preview does not show the page: %s at %s" % (screen_colour(*spot), spot))
    print("the preview shows the generated page")
    subprocess.run(["wmctrl", "-r", PREVIEW, "-e", "0,300,200,-1,-1"], check=True)
    time.sleep(0.5)
    moved, _ = placement(window_id(PREVIEW))
    if moved == inside:
        sys.exit("the preview could not be moved")
    subprocess.run(["wmctrl", "-c", PREVIEW], check=True)
    wait_on_screen(PREVIEW, False)
    press(save, "Speichern / HTML erstellen")
    wait_on_screen(PREVIEW, True, timeout=30)
    time.sleep(0.5)
    again, _ = placement(window_id(PREVIEW))
    if again != moved:
        sys.exit("the preview was at %s when it was closed and opened again at %s" % (moved, again))
    print("the preview opens at the corner, and where the user left it after being closed")

    # Behind the editor, a later preview comes to the front.
    subprocess.run(["wmctrl", "-a", editor_title], check=True)
    wait_for_active(editor_title)
    press(save, "Speichern / HTML erstellen")
    wait_for_active(PREVIEW)
    print("a later preview comes to the front")


def screen_colour(x, y):
    pixel = subprocess.run(["import", "-window", "root", "-crop", "1x1+%d+%d" % (x, y), "-depth", "8", "txt:-"],
                           capture_output=True, text=True).stdout
    found = re.search(r"#[0-9A-F]{6}\b", pixel.splitlines()[-1] if pixel.strip() else "", re.IGNORECASE)
    return found.group(0).upper() if found else ""


def wait_for_active(title):
    def active():
        root = subprocess.run(["xprop", "-root", "_NET_ACTIVE_WINDOW"], capture_output=True, text=True).stdout
        wid = root.split()[-1] if root.strip() else ""
        return any(int(w, 16) == int(wid, 16) for w, shown in atspi.windows_on_screen() if shown == title and wid)
    if not atspi.poll(active, 15, 0.1):
        sys.exit('window "%s" is not the active window' % title)


def cancel_start(page_name):
    start = wait_for(window(TITLE, showing=True), "start window")
    wait_on_screen(TITLE, True)
    need(start, named(pyatspi.ROLE_LIST_ITEM, page_name), "the start window does not list " + page_name)
    press(find(start, named(pyatspi.ROLE_PUSH_BUTTON, "Abbrechen")), "Abbrechen")
    wait_on_screen(TITLE, False)
    print("the start window is off the screen after Abbrechen")


mode, name = sys.argv[1], sys.argv[2]
{"new-page": new_page, "cancel-start": cancel_start}[mode](name)
