"""Drives the editor from outside: finds controls by role and accessible name
through AT-SPI and acts on them with real input (xdotool). Every step waits
for what it needs (a control showing and at rest, a window opened or gone,
a field focused) instead of sleeping a fixed time, so a run is as fast as the
editor answers and still holds on a busy machine.
Screenshots go into the folder given as the script's first argument."""
import subprocess
import sys
import time

import pyatspi

OUT = sys.argv[1]
POLL = 0.05


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def shot(name):
    subprocess.run(["import", "-window", "root", f"{OUT}/{name}.png"], check=True)
    print(f"shot {name} ({time.monotonic() - START:.1f} s)", flush=True)


START = time.monotonic()


class Timeout(Exception):
    pass


def fail(message):
    raise Timeout(message)


def until(condition, timeout, what):
    """The first true value of `condition()`, polled until `timeout` seconds."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:
            value = None
        if value:
            return value
        if time.monotonic() > end:
            fail(f"timed out waiting for {what}")
        time.sleep(POLL)


def application(timeout=20, name="quendara"):
    def there():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and name in app.name.lower():
                return app
        return None

    end = time.monotonic() + timeout
    while time.monotonic() < end:
        app = there()
        if app is not None:
            return app
        time.sleep(0.2)
    names = [app.name for app in pyatspi.Registry.getDesktop(0) if app is not None]
    fail(f"{name} did not appear on the accessibility bus (there: {names})")


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def search(node, role, name, depth=0):
    """A showing descendant of `node` with this role and name; hidden
    subtrees (other panels, other tabs, closed windows) are passed over."""
    if node is None or depth > 30:
        return None
    try:
        is_app = node.getRole() == pyatspi.ROLE_APPLICATION
        if not is_app and not showing(node):
            return None
        if not is_app and (role is None or node.getRole() == role) and (name is None or node.name == name):
            return node
        for child in node:
            found = search(child, role, name, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def find(role, name=None, root=None, timeout=20):
    return until(lambda: search(root or application(), role, name), timeout, f"{role} {name!r}")


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def at_rest(node, timeout=10):
    """The node's place once it is enabled and has stopped moving (a window
    being placed or grown), read twice a poll apart."""
    def settled():
        if not node.getState().contains(pyatspi.STATE_SENSITIVE):
            return None
        first = extents(node)
        time.sleep(POLL)
        return first if first == extents(node) and first[2] > 0 else None

    return until(settled, timeout, f"{node.name!r} at rest")


def click(node, button=1, pause=0.1):
    x, y, w, h = at_rest(node)
    xdo("mousemove", x + w // 2, y + h // 2, "click", button)
    time.sleep(pause)


def press(name, role=pyatspi.ROLE_PUSH_BUTTON, root=None, pause=0.1):
    click(find(role, name, root), pause=pause)


def windows(app=None):
    """The application's showing top-level windows, by their object paths."""
    app = app or application()
    found = {}
    for window in app:
        # A tooltip that shows while the mouse rests is not a window an
        # action opened.
        if window is not None and showing(window) and window.getRole() != pyatspi.ROLE_TOOL_TIP:
            found[window.path] = window
    return found


def opened_by(action, timeout=20, app=None):
    """Does `action` and gives the top-level window it opened."""
    before = set(windows(app))
    action()

    def new_window():
        for path, window in windows(app).items():
            if path not in before:
                return window
        return None

    return until(new_window, timeout, "a window to open")


def gone(window, timeout=20):
    until(lambda: not showing(window), timeout, f"{window.name!r} to close")


def answer(window, key="Return"):
    """Answers a message or dialog that has opened with one key, once it has
    the keyboard, and waits for it to close."""
    until(lambda: window.getState().contains(pyatspi.STATE_ACTIVE), 10, f"{window.name!r} to be active")
    time.sleep(POLL)
    xdo("key", key)
    gone(window)


def focused(node, timeout=10):
    until(lambda: node.getState().contains(pyatspi.STATE_FOCUSED), timeout, f"{node.name!r} to take the focus")


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def type_into(field, text):
    """Replaces a text field's contents by typing, and checks it took them."""
    for _ in range(3):
        click(field, pause=0)
        focused(field)
        xdo("key", "ctrl+a")
        xdo("type", "--delay", "4", text)
        try:
            until(lambda: text_of(field) == text, 3, "the typed text")
            return
        except Timeout:
            pass
    fail(f"could not type {text!r} into {field.name!r}")


def drag(x1, y1, x2, y2, pause=0.1):
    xdo("mousemove", x1, y1)
    xdo("mousedown", 1)
    steps = 12
    for i in range(1, steps + 1):
        xdo("mousemove", x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
        time.sleep(0.02)
    xdo("mouseup", 1)
    time.sleep(pause)


def load_last_project():
    """"Load Project" with the keyboard: the last entry of the folder list."""
    press("Load Project")
    xdo("key", "Tab")
    time.sleep(0.3)
    xdo("key", "End")
    time.sleep(0.3)
    xdo("key", "Return")
    time.sleep(1.5)
