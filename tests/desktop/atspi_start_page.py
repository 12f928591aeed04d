#!/usr/bin/python3
"""Drives Pinwall-Builder and the real Firefox: writes the page, makes it Firefox's start page
through the menu "Startseite", checks that Firefox opens it, that the switch is refused while
Firefox runs, and that the second click brings the old start page back.
Run by tests/desktop/run-startpage-firefox-check. Arguments: program folder, Firefox, profile, shot."""
import atexit
import os
import subprocess
import sys
import time

import pyatspi

import atspi_support as atspi
from atspi_support import find, menu, named, need, press, screenshot

program_folder, firefox, profile, shot = sys.argv[1:5]
PAGE = "Meine Links"
ITEM = "für Mozilla FireFox"
prefs = os.path.join(profile, "prefs.js")
old_page = "file://" + os.environ["HOME"] + "/old.html"
browsers = []
atexit.register(lambda: [b.kill() for b in browsers if b.poll() is None])


def fail_with_shot(text):
    if shot:
        screenshot(os.path.splitext(shot)[0] + "-failed.png")
    sys.exit(text)


def wait_for(predicate, what, timeout=20):
    return atspi.wait_for(predicate, what, timeout, fail_with_shot)


def homepage():
    with open(prefs, encoding="utf-8") as f:
        lines = [l for l in f.read().splitlines() if l.startswith('user_pref("browser.startup.homepage",')]
    return lines[-1][len('user_pref("browser.startup.homepage", "'):-3] if lines else ""


def click(accessible):
    """Clicks the middle of the control with the mouse, as the user does."""
    x, y = atspi.centre(accessible)
    atspi.xdo("mousemove", "--sync", x, y, "click", 1)


def choose_item():
    """Opens "Startseite" and chooses the Firefox item with the mouse; returns the item."""
    editor = wait_for(lambda a: a.getRole() == pyatspi.ROLE_FRAME and a.name == "Kestrel Pinwall-Builder - " + PAGE,
                      "editor window")
    # Firefox may cover the editor: bring it to the front first.
    subprocess.run(["xdotool", "search", "--name", "^Kestrel Pinwall-Builder - " + PAGE + "$", "windowraise"],
                   capture_output=True)
    time.sleep(0.3)
    click(need(editor, menu("Startseite"), "no menu Startseite"))
    item = wait_for(lambda a: a.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM) and a.name == ITEM
                    and a.getState().contains(pyatspi.STATE_SHOWING), ITEM)
    click(item)
    time.sleep(0.5)
    return item


def checked(item):
    return item.getState().contains(pyatspi.STATE_CHECKED)


def firefox_shows(title_part, shot_file):
    """Starts Firefox with the profile, waits until its window shows the page titled title_part,
    takes a screenshot and ends Firefox as a user would (it writes its preferences on the way)."""
    browser = subprocess.Popen([firefox, "--no-remote", "--profile", profile],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    browsers.append(browser)
    title = ""
    deadline = time.time() + 40
    while time.time() < deadline and title_part not in title:
        time.sleep(0.5)
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Mozilla Firefox", "getwindowname"],
                               capture_output=True, text=True).stdout.strip().splitlines()
        title = found[0] if found else ""
    time.sleep(1.5)  # let the page paint before the screenshot
    if shot_file:
        screenshot(shot_file)
    return browser, title


# The page must exist before it is installed.
save = wait_for(named(pyatspi.ROLE_PUSH_BUTTON, "Speichern / HTML erstellen"), "generator button")
press(save)
index = os.path.join(program_folder, "Pinwall", PAGE, "index.html")
if not atspi.poll(lambda: os.path.exists(index), 10):
    sys.exit("index.html was not written")
link = "file://" + index.replace(" ", "%20")

item = choose_item()
if not checked(item) or homepage() != link:
    sys.exit("after the first click: mark %s, prefs.js names %r" % (checked(item), homepage()))
print("first click: mark set, prefs.js names " + link)

base, ext = os.path.splitext(shot) if shot else ("", "")
browser, title = firefox_shows(PAGE, shot)
if PAGE not in title:
    sys.exit("Firefox did not open the link page, its window says %r" % title)
print("Firefox opened the link page: " + title)

# While Firefox runs it would write its start page back when it ends: the switch is refused.
item = choose_item()
message = wait_for(lambda a: "Bitte FireFox zuerst beenden" in (a.name or ""), "message about the running Firefox", 10)
if shot:
    screenshot(base + "-running" + ext)
dialog = message
while dialog is not None and dialog.getRole() not in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_FRAME):
    dialog = dialog.parent
press(find(dialog, named(pyatspi.ROLE_PUSH_BUTTON, "OK")), "OK")
time.sleep(0.5)
if not checked(item) or homepage() != link:
    sys.exit("the refused click changed something: mark %s, prefs.js names %r" % (checked(item), homepage()))
print("while Firefox runs: message shown, nothing changed")

browser.terminate()
browser.wait(30)

item = choose_item()
if checked(item) or homepage() != old_page:
    sys.exit("after the second click: mark %s, prefs.js names %r" % (checked(item), homepage()))
print("second click: mark cleared, prefs.js names the old start page again")

browser, title = firefox_shows("Alte Startseite", base + "-old" + ext if shot else "")
browser.terminate()
browser.wait(30)
if "Alte Startseite" not in title:
    sys.exit("Firefox did not open the old start page, its window says %r" % title)
print("Firefox opened the old start page again: " + title)
