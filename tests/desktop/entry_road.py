#!/usr/bin/python3
"""Walks the road of a new entry as a user does, with keyboard and mouse: a new page, "Eintrag
hinzufügen...", a typed name, an address copied by another program, a logo cut out of the screen
with the mouse, "Übernehmen", "Speichern / HTML erstellen". Then checks the library, the page and
the logo the page shows against what was drawn on the screen. AT-SPI only finds where things are;
every input goes through the X server (xdotool, xclip).

Usage: entry_road.py PROGRAM_FOLDER SCREENSHOT_FOLDER (run by run-entry-road-check under Xvfb)."""
import os
import subprocess
import sys
import time

import pyatspi

import atspi_support as atspi
from atspi_support import find, named, on_screen, read_ppm, screenshot, text_of, window, xdo

home, shots = sys.argv[1], sys.argv[2]
PAGE = "Reisen"
ENTRY = "Wetter Online"
STEM = "wetter_online"
ADDRESS = "https://www.wetter.example/heute"
NEW_ENTRY_CAPTION = "Pinwall - Neuen Eintrag erstellen"

# The logo another program shows: four coloured stripes over a two-tone base, so that a cut-out
# shifted by a pixel or scaled no longer matches. Its place on the screen is found once it shows.
LOGO_X, LOGO_Y, LOGO_W, LOGO_H = 880, 600, 160, 80
STRIPES = [(220, 30, 30), (30, 60, 210), (240, 200, 20), (20, 160, 60)]


def logo_pixel(x, y):
    """Colour of screen pixel (x, y) inside the logo."""
    stripe = STRIPES[((x - LOGO_X) // 40) % 4]
    if (y - LOGO_Y) >= LOGO_H // 2:
        return tuple(c // 2 for c in stripe)
    return stripe


def fail(text):
    screenshot(os.path.join(shots, "failure.png"))
    print("on the screen:", atspi.windows_on_screen())
    sys.exit("entry road: " + text)


def shot(name):
    screenshot(os.path.join(shots, name), check=True)


def show_logo():
    """Shows the logo in another program (a window on X11, the background on Wayland) and returns where its top-left pixel lies on
    the screen, found in a screenshot, whatever the window manager made of the placement."""
    ppm = os.path.join(home, "drawn-logo.ppm")
    # On Wayland no window chooses its place: sway's background program shows a whole screen with
    # the logo at its place, centred on the 1280x1024 output.
    left, top, width, height = (0, 0, 1280, 1024) if atspi.WAYLAND else (LOGO_X, LOGO_Y, LOGO_W, LOGO_H)
    with open(ppm, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height))
        for y in range(top, top + height):
            f.write(b"".join(bytes(logo_pixel(x, y) if LOGO_X <= x < LOGO_X + LOGO_W and LOGO_Y <= y < LOGO_Y + LOGO_H
                                   else (48, 48, 48)) for x in range(left, left + width)))
    if atspi.WAYLAND:
        viewer = subprocess.Popen(["swaybg", "-o", "*", "-m", "center", "-i", ppm])
    else:
        viewer = subprocess.Popen(["display", "-title", "Logo", "-geometry", "+%d+%d" % (LOGO_X, LOGO_Y), ppm])
    screen = os.path.join(home, "screen.ppm")
    first = bytes(STRIPES[0])
    deadline = time.time() + 15
    while time.time() < deadline:
        time.sleep(0.5)
        screenshot(screen, check=True)
        width, _, pixels = read_ppm(screen)
        at = pixels.find(first + first)
        if at >= 0 and at % 3 == 0:
            return viewer, (at // 3) % width, (at // 3) // width
    fail("the logo did not appear on the screen")


def wait_for(predicate, what, timeout=20):
    return atspi.wait_for(predicate, what, timeout, fail)


def click(accessible):
    """A left click with the mouse in the middle of the control."""
    xdo("mousemove", *atspi.centre(accessible))
    time.sleep(0.2)
    xdo("click", 1)


def dialog_shown():
    return any(NEW_ENTRY_CAPTION in title for title in on_screen())


def wait_until(condition, what, timeout=15):
    if not atspi.poll(condition, timeout):
        fail(what)


viewer, LOGO_X, LOGO_Y = show_logo()
CUT = (LOGO_X + 10, LOGO_Y + 10, LOGO_X + 130, LOGO_Y + 60)  # left, top, right, bottom of the drag
program = subprocess.Popen([os.path.join(home, "Pinwall-Builder")])
try:
    # A new page, typed into the dialog that opens in an empty program folder.
    wait_for(window("Neue Pinwall-Seite erstellen"), "new page dialog")
    time.sleep(0.5)
    xdo("key", "ctrl+a")
    xdo("type", "--delay", "30", PAGE)
    xdo("key", "Return")
    editor = wait_for(lambda a: a.getRole() == pyatspi.ROLE_FRAME and a.name.endswith(" - " + PAGE), "editor")

    click(atspi.leftmost(editor, pyatspi.ROLE_PUSH_BUTTON, "Eintrag hinzufügen...", fail))
    dialog = wait_for(window(NEW_ENTRY_CAPTION), "new entry dialog")
    time.sleep(0.5)

    xdo("type", "--delay", "40", ENTRY)
    # The address is copied in another program; the dialog's watcher takes it from the clipboard.
    copy = ["wl-copy"] if atspi.WAYLAND else ["xclip", "-selection", "clipboard"]
    subprocess.run(copy, input=ADDRESS.encode(), check=True)
    link = atspi.need(dialog, named(pyatspi.ROLE_TEXT, "Link / Adresse:"), "no link box", fail)
    wait_until(lambda: text_of(link) == ADDRESS, "the copied address did not reach the link box")
    shot("new-entry-dialog.png")

    # The capture: the dialog and editor step aside, the frozen screen comes up, the user drags.
    click(find(dialog, named(pyatspi.ROLE_PUSH_BUTTON, "<--  Logo 'einfangen'")))
    wait_until(lambda: not dialog_shown(), "the dialog did not step aside for the capture")
    time.sleep(1.5)
    left, top, right, bottom = CUT
    xdo("mousemove", left, top)
    xdo("mousedown", 1)
    for step in range(1, 11):
        xdo("mousemove", left + (right - left) * step // 10, top + (bottom - top) * step // 10)
        time.sleep(0.03)
    shot("capture-rubber-band.png")
    xdo("mouseup", 1)
    wait_until(dialog_shown, "the dialog did not come back after the capture")
    # The watcher empties the clipboard after taking the address (Wayland allows it only after an
    # input newer than the copy, here the click on the capture button).
    paste = ["wl-paste", "-n"] if atspi.WAYLAND else ["xclip", "-selection", "clipboard", "-o"]
    wait_until(lambda: subprocess.run(paste, capture_output=True).stdout == b"",
               "the clipboard still holds the address the link box took")
    time.sleep(0.5)
    shot("new-entry-with-logo.png")

    dialog = wait_for(window(NEW_ENTRY_CAPTION), "new entry dialog after the capture")
    click(find(dialog, named(pyatspi.ROLE_PUSH_BUTTON, "Übernehmen")))
    wait_until(lambda: not dialog_shown(), "the dialog stayed after Übernehmen")
    editor = wait_for(lambda a: a.getRole() == pyatspi.ROLE_FRAME and a.name.endswith(" - " + PAGE), "editor again")
    wait_for(named(pyatspi.ROLE_LIST_ITEM, ENTRY), "the entry in the column")

    # Without the preview, so the check does not need the embedded browser.
    preview = find(editor, named(pyatspi.ROLE_CHECK_BOX, "Vorschau"))
    if preview is not None and preview.getState().contains(pyatspi.STATE_CHECKED):
        click(preview)
    click(find(editor, named(pyatspi.ROLE_PUSH_BUTTON, "Speichern / HTML erstellen")))
    index = os.path.join(home, "Pinwall", PAGE, "index.html")
    wait_until(lambda: os.path.exists(index), "no index.html")
    time.sleep(0.5)
    shot("editor-after-save.png")
finally:
    program.terminate()
    program.wait(10)
    viewer.terminate()

entry_file = open(os.path.join(home, "Library", STEM + ".web"), encoding="cp1252").read()
if "Link=" + ADDRESS not in entry_file:
    fail("entry file without the address:\n" + entry_file)
html = open(index, encoding="cp1252").read()
if ADDRESS not in html or "images/" + STEM + ".jpg" not in html:
    fail("the page shows neither the link nor the logo")
logo = os.path.join(home, "Pinwall", PAGE, "images", STEM + ".jpg")
decoded = os.path.join(home, "logo.ppm")
with open(decoded, "wb") as out:
    subprocess.run(["djpeg", "-pnm", logo], stdout=out, check=True)
width, height, pixels = read_ppm(decoded)
if (width, height) != (right - left, bottom - top):
    fail("logo is %dx%d, the rectangle was %dx%d" % (width, height, right - left, bottom - top))
error = 0
for y in range(height):
    for x in range(width):
        expected = logo_pixel(left + x, top + y)
        got = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
        error += sum(abs(e - g) for e, g in zip(expected, got))
mean = error / (width * height * 3)
if mean > 6:
    fail("the page's logo is not what was on the screen (mean difference %.1f)" % mean)
print("entry road: page, entry file and a %dx%d logo matching the screen (mean difference %.2f)" % (width, height, mean))
