"""Drives the editor for scripts/canvas-screenshots: finds controls by role and
accessible name through AT-SPI and acts on them with real input (xdotool)."""
import time

import pyatspi

from atspi_input import load_last_project, click, drag, extents, find, press, shot, xdo, application


def main():
    application()
    time.sleep(1)
    # Load the demo: the last entry of the folder list is its project.
    load_last_project()
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
