"""What the desktop test scripts share: finding controls through AT-SPI, waiting for them, pressing
them, and asking the X server what is on the screen (wmctrl, xdotool, import).

Everything that gives up takes a fail callback, so that a script can take a screenshot or add its
own prefix before it ends; sys.exit is the default."""
import subprocess
import sys
import time

import pyatspi

WINDOW_ROLES = (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW)


def find(root, predicate, depth=0):
    """The first accessible below root (root included) that predicate accepts, or None. A control
    that vanishes while it is asked ends the search of its branch."""
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


def find_all(root, predicate, found=None, depth=0):
    """Every accessible below root that predicate accepts, in tree order."""
    found = [] if found is None else found
    if root is None or depth > 40:
        return found
    try:
        if predicate(root):
            found.append(root)
        for i in range(root.childCount):
            find_all(root.getChildAtIndex(i), predicate, found, depth + 1)
    except Exception:
        pass
    return found


def find_on_desktop(predicate):
    """The first accessible of any running application that predicate accepts, or None."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        hit = find(desktop.getChildAtIndex(i), predicate)
        if hit is not None:
            return hit
    return None


def poll(probe, timeout, interval=0.2):
    """Asks probe until it answers something true or timeout seconds have passed; returns the
    last answer."""
    deadline = time.time() + timeout
    while True:
        answer = probe()
        if answer or time.time() >= deadline:
            return answer
        time.sleep(interval)


def wait_for(predicate, what, timeout, fail=sys.exit):
    """The accessible that predicate accepts, once some application shows it."""
    hit = poll(lambda: find_on_desktop(predicate), timeout)
    if hit is None:
        fail("not found: " + what)
    return hit


def need(root, predicate, message, fail=sys.exit):
    """The accessible below root that predicate accepts; without one the test fails with message."""
    hit = find(root, predicate)
    if hit is None:
        fail(message)
    return hit


def named(role, name):
    return lambda a: a.getRole() == role and a.name == name


def window(name, showing=False):
    """A frame, dialog or window with this title; with showing, only while it is on the screen."""
    return lambda a: (a.getRole() in WINDOW_ROLES and a.name == name
                      and (not showing or a.getState().contains(pyatspi.STATE_SHOWING)))


def menu(name):
    """A menu of the menu bar, or a menu entry, with this caption."""
    return lambda a: a.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM) and a.name == name


def press(accessible, what=None, names=("press", "click", "trigger"), fail=sys.exit):
    """Runs the control's first action called one of names, as a screen reader does; what names
    the control in messages (its own name by default)."""
    if accessible is None:
        fail("not found: " + what)
        return
    action = accessible.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for i, name in enumerate(offered):
        if name.lower() in names:
            action.doAction(i)
            return
    fail("no press action on %s (it has %s)" % (what or accessible.name, offered))


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def centre(accessible):
    """The screen position of the middle of the control."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def xdo(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], check=True)


def click(accessible):
    """Clicks the middle of the control with the mouse, as the user does."""
    x, y = centre(accessible)
    xdo("mousemove", "--sync", x, y, "click", 1)


def choose_start_page_item(page, item_name, wait):
    """Opens "Startseite" in the editor of `page` and chooses `item_name` with the mouse; returns the
    item. A browser may cover the editor: it is brought to the front first."""
    title = "Kestrel Pinwall-Builder - " + page
    editor = wait(lambda a: a.getRole() == pyatspi.ROLE_FRAME and a.name == title, "editor window")
    subprocess.run(["xdotool", "search", "--name", "^" + title + "$", "windowraise"], capture_output=True)
    time.sleep(0.3)
    click(need(editor, menu("Startseite"), "no menu Startseite"))
    item = wait(lambda a: a.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM)
                and a.name == item_name and a.getState().contains(pyatspi.STATE_SHOWING), item_name)
    click(item)
    time.sleep(0.5)
    return item


def screenshot(path, check=False):
    subprocess.run(["import", "-window", "root", path], check=check)


def windows_on_screen():
    """(id, title) of the windows that the window manager shows."""
    # wmctrl fails now and then while a window is being mapped or unmapped: nothing known then.
    listing = subprocess.run(["wmctrl", "-l"], capture_output=True, text=True)
    lines = listing.stdout.splitlines() if listing.returncode == 0 else []
    return [(fields[0], fields[3] if len(fields) == 4 else "") for fields in (line.split(None, 3) for line in lines)]


def on_screen():
    return [title for _, title in windows_on_screen()]


def read_ppm(path):
    """Width, height and RGB bytes of a binary PPM file (P6, 8 bits a channel)."""
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    return int(fields[1]), int(fields[2]), data[pos + 1:]
