#!/usr/bin/python3
"""Opens every window of both programs once in the sway session that entry_road.py left behind,
sees each come on the screen in front of the program's other windows, takes a grim screenshot of it
and closes it as the compositor's close does. Controls in windows are found through AT-SPI and
clicked with the mouse or run as a screen reader runs them.

Usage: wayland_tour.py PROGRAM_FOLDER SCREENSHOT_FOLDER (run by run-wayland-check)."""
import os
import re
import subprocess
import sys
import time

import pyatspi

import atspi_support as atspi
from atspi_support import find_all, menu, named, press, screenshot, window, xdo

home, shots = sys.argv[1], sys.argv[2]
EDITOR = "Kestrel Pinwall-Builder - Reisen"
NEW_ENTRY = "Pinwall - Neuen Eintrag erstellen"


def fail(text):
    screenshot(os.path.join(shots, "tour-failure.png"))
    print("on the screen:", atspi.windows_on_screen())
    sys.exit("Wayland tour: " + text)


def wait_for(predicate, what):
    return atspi.wait_for(predicate, what, 20, fail)


def leftmost(root, role, name):
    """The leftmost visible control of this role and name: the one of column 1."""
    hits = [h for h in find_all(root, named(role, name)) if h.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width > 0]
    if not hits:
        fail("no " + name)
    return min(hits, key=lambda h: h.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x)


def click(accessible):
    xdo("mousemove", *atspi.centre(accessible))
    xdo("click", 1)


def front_view(title):
    """sway's view of the window with this title once it shows and has the focus, else None."""
    return next((v for v in atspi.sway_views() if v.get("name") == title and v.get("visible") and v.get("focused")), None)


def visit(number, title, open_window, close=True):
    """Opens the window, waits until it is in front, screenshots it and, with close, closes it."""
    open_window()
    if not atspi.poll(lambda: front_view(title), 30):
        fail('"%s" did not come to the front' % title)
    time.sleep(1)
    screenshot(os.path.join(shots, "tour-%02d.png" % number), check=True)
    view = front_view(title)
    print('Wayland: "%s" in front, %dx%d at %d,%d' % (title, view["rect"]["width"], view["rect"]["height"],
                                                     view["rect"]["x"], view["rect"]["y"]))
    if close:
        subprocess.run(["swaymsg", '[title="^%s$"] kill' % re.escape(title)], check=True, capture_output=True)
        if not atspi.poll(lambda: title not in atspi.on_screen(), 10):
            fail('"%s" stayed after it was closed' % title)


def menu_of(editor, caption):
    return lambda: press(atspi.need(editor, menu(caption), "no menu " + caption, fail))


# The page of the road opens at start-up once it is the last page edited.
settings = os.path.join(home, "Pinwall-Builder.ini")
text = open(settings, "rb").read() if os.path.exists(settings) else b""
open(settings, "wb").write(b"[PinwallEdit]\r\nLastEdit=Reisen\r\n" + text.replace(b"[PinwallEdit]\r\n", b""))
builder = subprocess.Popen([os.path.join(home, "Pinwall-Builder")])
pinedit = None
try:
    editor = wait_for(window(EDITOR), "editor")
    visit(1, EDITOR, lambda: None, close=False)
    for number, (caption, title) in enumerate([("Kopfzeile", "Kopfzeile - Direkt-Eingabe Formen"),
                                               ("Bannerzeile", "Bannerzeile"), ("Fusszeile", "Fusszeile"),
                                               ("Hintergrund", "Hintergrund"),
                                               ("gespeicherte Link-Seite laden", "Kestrel Pinwall-Builder")], 2):
        visit(number, title, menu_of(editor, caption))

    # The link dialog opens on a click into the link box of an entry chosen in its column.
    def open_link_dialog():
        click(leftmost(editor, pyatspi.ROLE_LIST_ITEM, "Wetter Online"))
        click(leftmost(editor, pyatspi.ROLE_TEXT, "Link / Adresse:"))
    visit(7, " ", open_link_dialog)

    visit(8, NEW_ENTRY, lambda: click(leftmost(editor, pyatspi.ROLE_PUSH_BUTTON, "Eintrag hinzufügen...")), close=False)
    dialog = wait_for(window(NEW_ENTRY), "new entry dialog")
    visit(9, "Link-Sammlung", lambda: press(atspi.need(dialog, named(pyatspi.ROLE_PUSH_BUTTON, "Link aus Preset-Liste auswählen..."),
                                                      "no library button", fail)))
    subprocess.run(["swaymsg", '[title="^%s$"] kill' % NEW_ENTRY], check=True, capture_output=True)

    def open_preview():
        shown = atspi.need(editor, named(pyatspi.ROLE_CHECK_BOX, "Vorschau"), "no Vorschau", fail)
        if not shown.getState().contains(pyatspi.STATE_CHECKED):
            press(shown, names=("press", "click", "toggle"), fail=fail)
        press(atspi.need(editor, named(pyatspi.ROLE_PUSH_BUTTON, "Speichern / HTML erstellen"), "no save", fail))
    visit(10, "Browser-Vorschau", open_preview)

    builder.terminate()  # sway keeps the editor, a floating window, above PinEdit's
    builder.wait(10)
    pinedit = subprocess.Popen([os.path.join(home, "Library", "PinEdit")])
    library = wait_for(window("Marl's .web Library Editor"), "PinEdit")
    visit(11, "Marl's .web Library Editor", lambda: None, close=False)
    visit(12, "prüfen", lambda: press(atspi.need(library, named(pyatspi.ROLE_PUSH_BUTTON, "prüfen..."), "no prüfen...", fail)))
finally:
    for program in (builder, pinedit):
        if program is not None:
            program.terminate()
            program.wait(10)
print("Wayland: every window came to the front and closed again")
