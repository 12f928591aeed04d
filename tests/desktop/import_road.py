#!/usr/bin/python3
"""Imports bookmarks through the window "Lesezeichen importieren" as a user does: the menu, a
bookmarks file picked in the file dialog, one folder ticked, column 2 chosen, "Importieren", then
"Speichern / HTML erstellen". Checks the summary, the library, the page and the logos it shows
(their plate in the colour of the icon the file held). AT-SPI finds where things are; every input
goes through the X server (xdotool).

Usage: import_road.py HOME SCREENSHOT_FOLDER (run by run-import-check under Xvfb)."""
import base64
import configparser
import json
import os
import shutil
import struct
import subprocess
import sys
import time
import zlib

import pyatspi

import atspi_support as atspi
from atspi_support import find, named, read_ppm, screenshot, window, xdo

home, shots = sys.argv[1], sys.argv[2]
program_folder = os.path.join(home, "program")
PAGE = "Import"
CAPTION = "Lesezeichen importieren"
FOLDER = "Reisen"
# The bookmarks of the folder to tick: name, address, the border colour of its icon.
TICKED = [("Bahn", "https://www.bahn.example/", (200, 30, 30)),
          ("Wetter", "https://wetter.example/heute", (30, 60, 200)),
          ("Karten", "https://karten.example/", (20, 150, 60))]
OTHER = [("Nachrichten", "https://news.example/"), ("Post", "mailto:a@b.example")]
SUMMARY = "3 neu übernommen, 0 schon in der Bibliothek, 0 doppelt, 1 übersprungen.  "


def fail(text):
    screenshot(os.path.join(shots, "failure.png"))
    subprocess.run(["wmctrl", "-l"])
    sys.exit("import road: " + text)


def shot(name):
    screenshot(os.path.join(shots, name), check=True)


def wait_for(predicate, what, timeout=20):
    return atspi.wait_for(predicate, what, timeout, fail)


def wait_until(condition, what, timeout=15):
    if not atspi.poll(condition, timeout):
        fail(what)


def click(accessible, what):
    if accessible is None:
        fail("not found: " + what)
    xdo("mousemove", *atspi.centre(accessible))
    time.sleep(0.2)
    xdo("click", 1)


def png_icon(border):
    """A 16 x 16 PNG: a border of two pixels in the colour, white inside."""
    rows = b""
    for y in range(16):
        rows += b"\0" + b"".join(bytes(border if x < 2 or x > 13 or y < 2 or y > 13 else (255, 255, 255))
                                 for x in range(16))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 16, 16, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def write_sources():
    """The bookmarks file the user picks, and a Chromium profile the window lists first."""
    lines = ['<!DOCTYPE NETSCAPE-Bookmark-file-1>',
             '<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">', "<DL><p>",
             "<DT><H3>%s</H3>" % FOLDER, "<DL><p>"]
    for name, address, colour in TICKED:
        icon = "data:image/png;base64," + base64.b64encode(png_icon(colour)).decode()
        lines.append('<DT><A HREF="%s" ICON="%s">%s</A>' % (address, icon, name))
    lines += ["</DL><p>", "<DT><H3>Sonstiges</H3>", "<DL><p>"]
    lines += ['<DT><A HREF="%s">%s</A>' % (address, name) for name, address in OTHER]
    lines += ["</DL><p>", "</DL><p>"]
    path = os.path.join(home, "bookmarks.html")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    chromium = os.path.join(os.environ["XDG_CONFIG_HOME"], "chromium")
    os.makedirs(os.path.join(chromium, "Default"))
    with open(os.path.join(chromium, "Local State"), "w") as f:
        json.dump({"profile": {"info_cache": {"Default": {"name": "Person 1"}}}}, f)
    with open(os.path.join(chromium, "Default", "Preferences"), "w") as f:
        f.write("{}")
    with open(os.path.join(chromium, "Default", "Bookmarks"), "w") as f:
        json.dump({"version": 1, "roots": {
            "bookmark_bar": {"type": "folder", "name": "Lesezeichenleiste", "children": [
                {"type": "url", "name": "Debian", "url": "https://www.debian.org/"}]},
            "other": {"type": "folder", "name": "Weitere Lesezeichen", "children": []}}}, f)
    return path


def cell(root, name):
    """The tree's cell that shows this text."""
    return find(root, lambda a: a.name == name and a.getRole() in (
        pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TREE_ITEM, pyatspi.ROLE_LIST_ITEM))


bookmarks = write_sources()
program = subprocess.Popen([os.path.join(program_folder, "Pinwall-Builder")])
try:
    wait_for(window("Neue Pinwall-Seite erstellen"), "new page dialog")
    time.sleep(0.5)
    xdo("key", "ctrl+a")
    xdo("type", "--delay", "30", PAGE)
    xdo("key", "Return")
    editor = wait_for(lambda a: a.getRole() == pyatspi.ROLE_FRAME and a.name.endswith(" - " + PAGE), "editor")
    time.sleep(0.5)

    click(find(editor, atspi.menu("Pinwall")), "menu Pinwall")
    click(wait_for(lambda a: atspi.menu("Lesezeichen importieren...")(a)
                   and a.getState().contains(pyatspi.STATE_SHOWING), "menu item"), "menu item")
    dialog = wait_for(window(CAPTION), "import window")
    time.sleep(1)
    wait_for(lambda a: cell(a, "Debian") is not None, "the Chromium profile's bookmark")
    for role, label in ((pyatspi.ROLE_LIST, "Quelle:"), (pyatspi.ROLE_TREE, "Lesezeichen:")):
        atspi.need(dialog, named(role, label), "no control named " + label, fail)
    shot("import-window-profile.png")

    click(find(dialog, named(pyatspi.ROLE_PUSH_BUTTON, "Lesezeichen-Datei...")), "Lesezeichen-Datei...")
    wait_for(window("Lesezeichen-Datei öffnen"), "file dialog")
    time.sleep(1)
    xdo("type", "--delay", "20", bookmarks)
    xdo("key", "Return")
    dialog = wait_for(window(CAPTION), "import window after the file dialog")
    wait_for(lambda a: cell(a, TICKED[0][0]) is not None, "the file's bookmarks")
    time.sleep(0.5)
    if cell(dialog, "Debian") is not None:
        fail("the profile's bookmarks are still shown")

    # The folder's box: its row picked with the mouse, ticked with the space bar.
    click(cell(dialog, FOLDER), "folder row")
    xdo("key", "space")
    time.sleep(0.3)
    click(find(dialog, named(pyatspi.ROLE_RADIO_BUTTON, "in Spalte")), "in Spalte")
    # On Linux a combo box is named by what it shows.
    combo = find(dialog, lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX)
    click(combo, "column choice")
    time.sleep(0.5)
    xdo("key", "Down")
    xdo("key", "Return")
    wait_until(lambda: combo.name == "2", "column 2 was not chosen")
    time.sleep(0.5)
    ticked = find(dialog, lambda a: a.getRole() == pyatspi.ROLE_LABEL and "neuen ausgewählt" in a.name)
    if ticked is None or not ticked.name.startswith("3 von 4"):
        fail("the folder did not tick its three bookmarks: %s" % (ticked.name if ticked else None))
    shot("import-window-ticked.png")

    click(find(dialog, named(pyatspi.ROLE_PUSH_BUTTON, "Importieren")), "Importieren")
    message = wait_for(lambda a: a.getRole() == pyatspi.ROLE_LABEL and "neu übernommen" in a.name, "summary")
    if message.name != SUMMARY:
        fail("summary %r" % message.name)
    if atspi.poll(lambda: atspi.find_on_desktop(window(CAPTION, showing=True)), 1):
        fail("the import window stayed open")
    shot("summary.png")
    xdo("key", "Return")
    time.sleep(0.5)

    editor = wait_for(lambda a: a.getRole() == pyatspi.ROLE_FRAME and a.name.endswith(" - " + PAGE), "editor again")
    preview = find(editor, named(pyatspi.ROLE_CHECK_BOX, "Vorschau"))
    if preview is not None and preview.getState().contains(pyatspi.STATE_CHECKED):
        click(preview, "Vorschau")
    click(find(editor, named(pyatspi.ROLE_PUSH_BUTTON, "Speichern / HTML erstellen")), "Speichern")
    index = os.path.join(program_folder, "Pinwall", PAGE, "index.html")
    wait_until(lambda: os.path.exists(index), "no index.html")
    time.sleep(0.5)
    shot("editor-after-save.png")
finally:
    program.terminate()
    program.wait(10)

page = os.path.join(program_folder, "Pinwall", PAGE)
shutil.copytree(page, os.path.join(shots, "page"), dirs_exist_ok=True)
html = open(index, encoding="cp1252").read()
for name, address, colour in TICKED:
    stem = name.lower()
    if address not in html or "images/%s.jpg" % stem not in html:
        fail("the page lacks %s or its logo" % name)
    decoded = os.path.join(home, stem + ".ppm")
    with open(decoded, "wb") as out:
        subprocess.run(["djpeg", "-pnm", os.path.join(page, "images", stem + ".jpg")], stdout=out, check=True)
    width, height, pixels = read_ppm(decoded)
    if (width, height) != (200, 50):
        fail("%s's logo is %dx%d" % (name, width, height))
    for x, y in ((2, 2), (197, 47)):
        got = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
        if sum(abs(a - b) for a, b in zip(got, colour)) > 30:
            fail("%s's logo plate is %s, its icon's border %s" % (name, tuple(got), colour))
for name, address in OTHER:
    if address in html or os.path.exists(os.path.join(program_folder, "Library", name.lower() + ".web")):
        fail("%s was not ticked but was imported" % name)
pnw = configparser.ConfigParser(interpolation=None)
pnw.optionxform = str
pnw.read(os.path.join(program_folder, "PnwFiles", PAGE + ".pnw"), encoding="cp1252")
column = [pnw.get("Spalte2", "Eintrag%d" % i, fallback="") for i in (1, 2, 3)]
if pnw.get("Spalte2", "Count", fallback="") != "3" or column != [name for name, _, _ in TICKED]:
    fail("column 2 of the page file holds %s" % dict(pnw["Spalte2"]) if pnw.has_section("Spalte2") else "nothing")
print("import road: three bookmarks of one folder in column 2 of the page, each with its logo")
