"""Drives the editor for scripts/canvas-screenshots: finds controls by role and
accessible name through AT-SPI and acts on them with real input (xdotool)."""
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


def application(timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == "quendara":
                return app
        time.sleep(0.3)
    raise SystemExit("the editor did not appear on the accessibility bus")


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


def main():
    application()
    time.sleep(1)
    # Load the demo: the last entry of the folder list is its project.
    press("Load Project")
    xdo("key", "Tab")
    time.sleep(0.3)
    xdo("key", "End")
    time.sleep(0.3)
    xdo("key", "Return")
    time.sleep(1.5)
    press("Edit project...")
    click(find(pyatspi.ROLE_LIST_ITEM))
    shot("01-project")
    press("Edit selected frame...")
    background = find(None, "Frame background")
    bx, by, bw, bh = extents(background)
    shot("02-canvas-empty")

    areas = [(40, 40, 200, 150), (260, 60, 420, 220), (100, 260, 260, 400)]
    for k, (x1, y1, x2, y2) in enumerate(areas, start=1):
        drag(bx + x1, by + y1, bx + x2, by + y2)
        dialog = find(pyatspi.ROLE_DIALOG, "Area Properties")
        if k == 1:
            change = "Choose this option if you want to change the value of a variable when the player clicks on the selected area."
            visible = ("Choose this option if you want this area to be visible depending on the value of some variables. "
                       "(Values are 0 or 1. Default is 0.)")
            press("Picture", pyatspi.ROLE_RADIO_BUTTON, dialog, pause=0.6)
            shot("03-area-tab0-appearance")
            press("Transparent", pyatspi.ROLE_RADIO_BUTTON, dialog, pause=0.3)
            press("Action", pyatspi.ROLE_PAGE_TAB, dialog, pause=0.6)
            press("Display a text message", pyatspi.ROLE_CHECK_BOX, dialog, pause=0.3)
            click(find(pyatspi.ROLE_TEXT, "Text message", dialog), pause=0.3)
            xdo("type", "A heavy oak door.")
            shot("03-area-tab1-action")
            press("Variables", pyatspi.ROLE_PAGE_TAB, dialog, pause=0.6)
            press(change, pyatspi.ROLE_CHECK_BOX, dialog, pause=0.3)
            press(visible, pyatspi.ROLE_CHECK_BOX, dialog, pause=0.6)
            shot("03-area-tab2-variables")
            press("Edit the variables", root=dialog)
            shot("05-variables-panel")
            press("DONE", root=dialog)
            press(change, pyatspi.ROLE_CHECK_BOX, dialog, pause=0.3)
            press(visible, pyatspi.ROLE_CHECK_BOX, dialog, pause=0.3)
            press("Object", pyatspi.ROLE_PAGE_TAB, dialog, pause=0.6)
            shot("03-area-tab3-object")
            press("Appearance", pyatspi.ROLE_PAGE_TAB, dialog, pause=0.6)
            press("Change the mouse pointer", root=dialog)
            shot("04-pointers-panel")
            press("Cancel", root=find(None, "AVAILABLE MOUSE POINTERS :", dialog))
        if k == 3:
            # A pickable object named "lamp" with the first icon listed.
            press("Object", pyatspi.ROLE_PAGE_TAB, dialog, pause=0.6)
            press("Choose this option if the selected area is a pickable object.", pyatspi.ROLE_CHECK_BOX, dialog)
            click(find(pyatspi.ROLE_TEXT, "Object name", dialog), pause=0.3)
            xdo("type", "lamp")
            click(find(pyatspi.ROLE_COMBO_BOX, "Inventory icon", dialog), pause=0.6)
            xdo("key", "Down", "Return")
            time.sleep(0.6)
            shot("06-area3-pickable")
        press("OK", root=dialog, pause=1.5)

    xdo("mousemove", bx + 120, by + 100)
    time.sleep(0.6)
    shot("07-canvas-three-areas")
    click(find(None, "Frame background"), pause=0.2)
    xdo("mousemove", bx + 340, by + 140, "click", 3)
    time.sleep(0.8)
    shot("08-modify-area-menu")
    xdo("key", "Escape")
    time.sleep(0.5)

    press("Objects and Events...")
    objects = find(None, "List of objects")
    item = find(pyatspi.ROLE_LIST_ITEM, None, objects)
    shot("09-objects-window")
    ix, iy, iw, ih = extents(item)
    # The objects window stands over the first area: the object goes on the second.
    drag(ix + iw // 2, iy + ih // 2, bx + 340, by + 140, pause=2)
    shot("10-object-dropped-on-area2")
    event = find(pyatspi.ROLE_DIALOG, "Area Properties")
    press("Cancel", root=event)


main()
