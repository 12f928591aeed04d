#!/usr/bin/python3
"""Opens every window of both programs once in the sway session that entry_road.py left behind:
each must come to the front (sway gives it the focus); a grim screenshot of each is taken; then the
compositor closes it, as its close button does.

Usage: wayland_tour.py PROGRAM_FOLDER SCREENSHOT_FOLDER (run by run-wayland-check)."""
import os
import re
import subprocess
import sys
import time

import pyatspi

import atspi_support as atspi
from atspi_support import menu, named, need, press, screenshot, window

home, shots = sys.argv[1], sys.argv[2]
EDITOR, NEW_ENTRY, PINEDIT = "Kestrel Pinwall-Builder - Reisen", "Pinwall - Neuen Eintrag erstellen", "Marl's .web Library Editor"


def fail(text):
    screenshot(os.path.join(shots, "tour-failure.png"))
    sys.exit("Wayland tour: %s; on the screen: %s" % (text, atspi.windows_on_screen()))


def control(root, role, name):
    return atspi.leftmost(root, role, name, fail)


def click(root, role, name):
    atspi.click(control(root, role, name))


def in_front(title):
    return any(v.get("name") == title and v.get("visible") and v.get("focused") for v in atspi.sway_views())


def close(title):
    subprocess.run(["swaymsg", '[title="^%s$"] kill' % re.escape(title)], check=True, capture_output=True)
    if not atspi.poll(lambda: title not in atspi.on_screen(), 10):
        fail('"%s" stayed after it was closed' % title)


def start(program, title):
    return subprocess.Popen([program]), atspi.wait_for(window(title), title, 20, fail)


def open_preview():
    shown = need(editor, named(pyatspi.ROLE_CHECK_BOX, "Vorschau"), "no Vorschau", fail)
    if not shown.getState().contains(pyatspi.STATE_CHECKED):
        press(shown, names=("press", "click", "toggle"), fail=fail)
    press(control(editor, pyatspi.ROLE_PUSH_BUTTON, "Speichern / HTML erstellen"))


def start_pinedit():
    """sway keeps the editor, a floating window, above PinEdit's: it ends first."""
    global pinedit, library
    builder.terminate()
    builder.wait(10)
    pinedit, library = start(os.path.join(home, "Library", "PinEdit"), PINEDIT)


# The page of the road opens at start-up once it is the last page edited.
settings = os.path.join(home, "Pinwall-Builder.ini")
text = open(settings, "rb").read() if os.path.exists(settings) else b""
open(settings, "wb").write(b"[PinwallEdit]\r\nLastEdit=Reisen\r\n" + text.replace(b"[PinwallEdit]\r\n", b""))
builder, editor = start(os.path.join(home, "Pinwall-Builder"), EDITOR)
pinedit = library = None
# (window, what opens it, closed afterwards)
tour = [(EDITOR, lambda: None, False)]
tour += [(title, lambda c=caption: press(need(editor, menu(c), "no menu " + c, fail)), True)
         for caption, title in [("Kopfzeile", "Kopfzeile - Direkt-Eingabe Formen"), ("Bannerzeile", "Bannerzeile"),
                                ("Fusszeile", "Fusszeile"), ("Hintergrund", "Hintergrund"),
                                ("gespeicherte Link-Seite laden", "Kestrel Pinwall-Builder")]]
# The link dialog opens on a click into the link box of an entry chosen in its column.
tour += [(" ", lambda: (click(editor, pyatspi.ROLE_LIST_ITEM, "Wetter Online"),
                        click(editor, pyatspi.ROLE_TEXT, "Link / Adresse:")), True),
         (NEW_ENTRY, lambda: click(editor, pyatspi.ROLE_PUSH_BUTTON, "Eintrag hinzufügen..."), False),
         ("Link-Sammlung", lambda: press(control(atspi.find_on_desktop(window(NEW_ENTRY)), pyatspi.ROLE_PUSH_BUTTON,
                                                 "Link aus Preset-Liste auswählen...")), True),
         ("Browser-Vorschau", lambda: (close(NEW_ENTRY), open_preview()), True),
         (PINEDIT, start_pinedit, False),
         ("prüfen", lambda: press(control(library, pyatspi.ROLE_PUSH_BUTTON, "prüfen...")), True)]
try:
    for number, (title, open_window, closed) in enumerate(tour, 1):
        open_window()
        if not atspi.poll(lambda: in_front(title), 30):
            fail('"%s" did not come to the front' % title)
        time.sleep(1)
        screenshot(os.path.join(shots, "tour-%02d.png" % number), check=True)
        print('Wayland: "%s" came to the front' % title)
        if closed:
            close(title)
finally:
    for program in (builder, pinedit):
        if program is not None:
            program.terminate()
            program.wait(10)
print("Wayland: every window came to the front and closed again")
