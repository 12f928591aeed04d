"""What the desktop test scripts share: finding controls through AT-SPI, waiting for them, pressing
them, and asking the X server what is on the screen (wmctrl, xdotool, import). In a Wayland session
the same calls go to sway (swaymsg), wayvnc (the mouse), wtype (the keyboard) and grim.

Everything that gives up takes a fail callback, so that a script can take a screenshot or add its
own prefix before it ends; sys.exit is the default."""
import json
import os
import socket
import struct
import subprocess
import sys
import time

import pyatspi

WAYLAND = bool(os.environ.get("WAYLAND_DISPLAY"))

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


def leftmost(root, role, name, fail=sys.exit):
    """The leftmost visible control of this role and name (in the editor: the one of column 1)."""
    hits = [h for h in find_all(root, named(role, name)) if h.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width]
    return min(hits, key=lambda h: h.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x) if hits else fail("no " + name)


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
    """The screen position of the middle of the control. On Wayland AT-SPI knows places only inside
    their window: sway tells where the window lies."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    if WAYLAND:
        top = accessible
        while top.parent is not None and top.parent.getRole() != pyatspi.ROLE_APPLICATION:
            top = top.parent
        origin = top.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        view = next((v for v in sway_views() if v.get("name") == top.name), None)
        if view is None:
            sys.exit("sway shows no window %r: %s" % (top.name, [v.get("name") for v in sway_views()]))
        x += view["rect"]["x"] + view["window_rect"]["x"] - origin.x
        y += view["rect"]["y"] + view["window_rect"]["y"] - origin.y
    return x, y


_vnc, _mouse = None, {"x": 0, "y": 0, "buttons": 0}


def _pointer(**change):
    """Moves the pointer of wayvnc's seat or sets its buttons: headless sway has no mouse of its own,
    and only a seat's pointer drags with the button held (RFB 3.8, wayvnc asks no password)."""
    global _vnc
    if _vnc is None:
        _vnc = socket.create_connection(("127.0.0.1", 5999), timeout=10)
        _vnc.recv(12)
        _vnc.sendall(b"RFB 003.008\n")
        _vnc.recv(1 + _vnc.recv(1)[0])
        _vnc.sendall(b"\x01")  # no authentication
        _vnc.recv(4)
        _vnc.sendall(b"\x01")  # shared
        _vnc.recv(struct.unpack(">I", _vnc.recv(24)[20:24])[0])
    _mouse.update(change)
    _vnc.sendall(struct.pack(">BBHH", 5, _mouse["buttons"], _mouse["x"], _mouse["y"]))
    time.sleep(0.05)


def wayland_input(command, *rest):
    """xdotool's mousemove, mousedown, mouseup, click, key and type, done on Wayland."""
    rest = [a for a in rest if a != "--sync"]
    if command == "mousemove":
        _pointer(x=int(rest[0]), y=int(rest[1]))
    if command in ("mousedown", "click"):
        _pointer(buttons=_mouse["buttons"] | 1 << (int(rest[0]) - 1))
    if command in ("mouseup", "click"):
        _pointer(buttons=_mouse["buttons"] & ~(1 << (int(rest[0]) - 1)))
    # wtype loses its first key: a Shift goes first.
    if command == "key":
        *modifiers, key = rest[0].split("+")
        subprocess.run(["wtype", "-k", "Shift_L", *[a for m in modifiers for a in ("-M", m)], "-k", key,
                        *[a for m in modifiers for a in ("-m", m)]], check=True)
    if command == "type":
        subprocess.run(["wtype", "-k", "Shift_L", "-d", rest[1], rest[2]], check=True)


def xdo(*args):
    if WAYLAND:
        wayland_input(*[str(a) for a in args])
    else:
        subprocess.run(["xdotool", *[str(a) for a in args]], check=True)


def click(accessible):
    """Clicks the middle of the control with the mouse, as the user does."""
    xdo("mousemove", "--sync", *centre(accessible))
    xdo("click", 1)


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
    if WAYLAND:
        kind = "ppm" if path.endswith(".ppm") else "png"
        subprocess.run(["grim", "-t", kind, path], check=check)
    else:
        subprocess.run(["import", "-window", "root", "-depth", "8", path], check=check)


def sway_views():
    """The windows in sway's tree, tiled and floating, as sway describes them."""
    listing = subprocess.run(["swaymsg", "-r", "-t", "get_tree"], capture_output=True, text=True)
    views, todo = [], [json.loads(listing.stdout)] if listing.returncode == 0 else []
    while todo:
        node = todo.pop()
        todo += node.get("nodes", []) + node.get("floating_nodes", [])
        if node.get("pid"):
            views.append(node)
    return views


def windows_on_screen():
    """(id, title) of the windows that the window manager shows."""
    if WAYLAND:
        return [(str(v["id"]), v.get("name") or "") for v in sway_views() if v.get("visible")]
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
