#!/usr/bin/python3
"""Drives Pinwall-Builder and the real Firefox: makes the page, never written before, the start
page of two profiles through the menu "Startseite", checks that Firefox opens it, that the switch
is refused while Firefox runs, and that the second click gives each profile its own settings back.
Run by tests/desktop/run-startpage-firefox-check.
Arguments: program folder, Firefox, profile (XDG root, no start page, restores the session),
second profile (a start page of its own), shot."""
import atexit
import os
import subprocess
import sys
import time

import pyatspi

import atspi_support as atspi
from atspi_support import click, find, menu, named, need, press, screenshot

program_folder, firefox, profile, second, shot = sys.argv[1:6]
PAGE = "Meine Links"
ITEM = "für Mozilla FireFox"
old_page = "file://" + os.environ["HOME"] + "/old.html"
browsers = []
atexit.register(lambda: [b.kill() for b in browsers if b.poll() is None])


def fail_with_shot(text):
    if shot:
        screenshot(os.path.splitext(shot)[0] + "-failed.png")
    sys.exit(text)


def wait_for(predicate, what, timeout=20):
    return atspi.wait_for(predicate, what, timeout, fail_with_shot)


def pref(folder, name):
    """The value the last line of the profile's prefs.js gives the preference, as it is spelt
    (a string without its quotes); None without such a line."""
    prefix = 'user_pref("%s", ' % name
    with open(os.path.join(folder, "prefs.js"), encoding="utf-8") as f:
        lines = [l for l in f.read().splitlines() if l.startswith(prefix)]
    return lines[-1][len(prefix):-2].strip('"') if lines else None


def settings():
    return [(pref(p, "browser.startup.homepage"), pref(p, "browser.startup.page")) for p in (profile, second)]


def choose_item():
    return atspi.choose_start_page_item(PAGE, ITEM, wait_for)


def checked(item):
    return item.getState().contains(pyatspi.STATE_CHECKED)


def firefox_shows(folder, title_part, shot_file):
    """Starts Firefox with the profile, waits until its window shows the page titled title_part,
    takes a screenshot and ends Firefox as a user would (it writes its preferences on the way)."""
    browser = subprocess.Popen([firefox, "--no-remote", "--profile", folder],
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


# The page was never written: choosing the item writes it first.
index = os.path.join(program_folder, "Pinwall", PAGE, "index.html")
link = "file://" + index.replace(" ", "%20")
if os.path.exists(index):
    sys.exit("index.html exists before the first click")

item = choose_item()
if not checked(item) or not os.path.exists(index):
    sys.exit("after the first click: mark %s, index.html written %s" % (checked(item), os.path.exists(index)))
if settings() != [(link, "1"), (link, None)]:
    sys.exit("after the first click the profiles hold %r" % settings())
print("first click: page written, mark set, both profiles name " + link + ", the session restore is off")

base, ext = os.path.splitext(shot) if shot else ("", "")
browser, title = firefox_shows(profile, PAGE, shot)
if PAGE not in title:
    sys.exit("Firefox did not open the link page, its window says %r" % title)
print("Firefox opened the link page: " + title)

# While Firefox runs it would write its start page back when it ends: the switch is refused.
before = settings()
item = choose_item()
message = wait_for(lambda a: "Bitte FireFox zuerst beenden" in (a.name or ""), "message about the running Firefox", 10)
if shot:
    screenshot(base + "-running" + ext)
dialog = message
while dialog is not None and dialog.getRole() not in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_FRAME):
    dialog = dialog.parent
press(find(dialog, named(pyatspi.ROLE_PUSH_BUTTON, "OK")), "OK")
time.sleep(0.5)
if not checked(item) or settings() != before:
    sys.exit("the refused click changed something: mark %s, profiles hold %r" % (checked(item), settings()))
print("while Firefox runs: message shown, nothing changed")

browser.terminate()
browser.wait(30)

# Each profile gets its own settings back: the first none of its own and its session restore,
# the second its start page.
item = choose_item()
if checked(item) or settings() != [(None, "3"), (old_page, None)]:
    sys.exit("after the second click: mark %s, profiles hold %r" % (checked(item), settings()))
print("second click: mark cleared, each profile holds its own settings again")

browser, title = firefox_shows(second, "Alte Startseite", base + "-old" + ext if shot else "")
browser.terminate()
browser.wait(30)
if "Alte Startseite" not in title:
    sys.exit("Firefox did not open the old start page, its window says %r" % title)
print("Firefox opened the old start page of the second profile again: " + title)
