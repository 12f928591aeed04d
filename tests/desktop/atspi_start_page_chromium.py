#!/usr/bin/python3
"""Pinwall-Builder and the real Chromium: "für Chromium" makes the page the start page, is refused while
Chromium runs, the second click brings back what Chromium opened. Args: program, Chromium, user data, shot."""
import atexit
import json
import os
import signal
import socket
import subprocess
import sys
import time
import urllib.request

import pyatspi

import atspi_support as atspi
from atspi_support import click, find, menu, named, need, press, screenshot

program_folder, chromium, user_data, shot = sys.argv[1:5]
PAGE = "Meine Links"
ITEM = "für Chromium"
preferences = os.path.join(user_data, "Default", "Preferences")
browsers = []
atexit.register(lambda: [b.kill() for b in browsers if b.poll() is None])

def fail_with_shot(text):
    if shot:
        screenshot(os.path.splitext(shot)[0] + "-failed.png")
    sys.exit(text)


wait_for = lambda predicate, what, timeout=20: atspi.wait_for(predicate, what, timeout, fail_with_shot)  # noqa: E731


def choose_item():
    return atspi.choose_start_page_item(PAGE, ITEM, wait_for)


checked = lambda item: item.getState().contains(pyatspi.STATE_CHECKED)  # noqa: E731
def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def start_chromium():
    """Starts Chromium with the user data folder; returns it and the addresses of the pages it
    opened, once it shows one."""
    port = free_port()
    args = [chromium, "--user-data-dir=" + user_data, "--remote-debugging-port=%d" % port,
            "--disable-background-networking", "--disable-component-update", "--no-first-run", "--disable-sync",
            "--password-store=basic", "--no-default-browser-check", "--disable-gpu"]
    if os.geteuid() == 0:
        args.append("--no-sandbox")
    browser = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    browsers.append(browser)

    def pages():
        try:
            with urllib.request.urlopen("http://127.0.0.1:%d/json" % port, timeout=1) as answer:
                found = [p["url"] for p in json.load(answer) if p.get("type") == "page"]
                return found if found and all(found) else None
        except (OSError, ValueError):
            return None
    opened = atspi.poll(pages, 30, 0.3)
    if not opened:
        fail_with_shot("Chromium showed no page on its debugging port")
    time.sleep(2)  # let the page paint before a screenshot
    return browser, sorted(opened)


def end_chromium(browser):  # as the desktop does: it writes its preferences on the way
    browser.send_signal(signal.SIGTERM)
    browser.wait(30)


base, ext = os.path.splitext(shot) if shot else ("", "")
browser, before = start_chromium()
end_chromium(browser)
if not os.path.exists(preferences):
    sys.exit("the first start of Chromium made no profile")
print("first start of Chromium made its profile and opened %s" % before)

index = os.path.join(program_folder, "Pinwall", PAGE, "index.html")
link = "file://" + index.replace(" ", "%20")
item = choose_item()
with open(preferences, encoding="utf-8") as f:
    prefs = json.load(f)
if not checked(item) or prefs["session"]["restore_on_startup"] != 4 or prefs["session"]["startup_urls"] != [link]:
    sys.exit("after the first click: mark %s, session %r" % (checked(item), prefs.get("session")))
print("first click: mark set, Preferences open " + link)

browser, opened = start_chromium()
if shot:
    screenshot(shot)
if opened != [link]:
    sys.exit("Chromium opened %r instead of the link page" % opened)
print("Chromium opened the link page")

with open(preferences, "rb") as f:
    running_bytes = f.read()
item = choose_item()
message = wait_for(lambda a: "Bitte Chromium zuerst beenden" in (a.name or ""), "message about the running Chromium", 10)
if shot:
    screenshot(base + "-running" + ext)
dialog = message
while dialog is not None and dialog.getRole() not in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_FRAME):
    dialog = dialog.parent
press(find(dialog, named(pyatspi.ROLE_PUSH_BUTTON, "OK")), "OK")
time.sleep(0.5)
with open(preferences, "rb") as f:
    if not checked(item) or f.read() != running_bytes:
        sys.exit("the refused click changed something")
print("while Chromium runs: message shown, Preferences unchanged")
end_chromium(browser)

item = choose_item()
if checked(item):
    sys.exit("after the second click the mark is still set")
browser, opened = start_chromium()
if shot:
    screenshot(base + "-old" + ext)
end_chromium(browser)
if opened != before:
    sys.exit("Chromium opened %r, before the switch it opened %r" % (opened, before))
print("second click: Chromium opens what it opened before: %s" % opened)
