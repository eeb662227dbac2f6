"""Drives the editor for the screenshot scripts: finds controls by role and
accessible name through AT-SPI and acts on them with real input (xdotool).
Screenshots go into the folder given as the script's first argument."""
import subprocess
import sys
import time

import pyatspi

OUT = sys.argv[1]


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def shot(name):
    subprocess.run(["import", "-window", "root", f"{OUT}/{name}.png"], check=True)
    print("shot", name, flush=True)


def application(timeout=20, name="quendara"):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and name in app.name.lower():
                return app
        time.sleep(0.3)
    shot("failed")
    names = [app.name for app in pyatspi.Registry.getDesktop(0) if app is not None]
    raise SystemExit(f"{name} did not appear on the accessibility bus (there: {names})")


def search(node, role, name, depth=0):
    if node is None or depth > 30:
        return None
    try:
        if (role is None or node.getRole() == role) and (name is None or node.name == name) and node.getState().contains(pyatspi.STATE_SHOWING):
            return node
        for child in node:
            found = search(child, role, name, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def find(role, name=None, root=None, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        found = search(root or application(), role, name)
        if found is not None:
            return found
        time.sleep(0.3)
    shot("failed")
    raise SystemExit(f"not found: {role} {name!r}")


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def click(node, button=1, pause=1.0):
    x, y, w, h = extents(node)
    xdo("mousemove", x + w // 2, y + h // 2, "click", button)
    time.sleep(pause)


def press(name, role=pyatspi.ROLE_PUSH_BUTTON, root=None, pause=1.0):
    click(find(role, name, root), pause=pause)


def drag(x1, y1, x2, y2, pause=1.5):
    xdo("mousemove", x1, y1)
    xdo("mousedown", 1)
    steps = 12
    for i in range(1, steps + 1):
        xdo("mousemove", x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
        time.sleep(0.03)
    xdo("mouseup", 1)
    time.sleep(pause)
