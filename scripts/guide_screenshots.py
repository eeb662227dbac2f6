"""Drives the editor for scripts/guide-screenshots: the tutorial's game is
loaded and the windows the guide shows are opened with real clicks."""
import time

import pyatspi

from atspi_input import load_last_project, application, click, find, press, shot, xdo


def main():
    application()
    time.sleep(1)
    shot("01-start-panel")
    press("Help...")
    find(pyatspi.ROLE_PUSH_BUTTON, "Open the author's guide")
    shot("08-help-panel")
    press("Back")
    # Load Project; the tutorial's game is the only project in the list.
    load_last_project()
    shot("07-project-panel")
    press("Edit project...")
    time.sleep(0.5)
    shot("02-frames")
    click(find(pyatspi.ROLE_LIST_ITEM, "garden"))
    press("Edit selected frame...")
    find(None, "Frame background")
    time.sleep(0.5)
    shot("03-garden-areas")
    press("Objects and Events...")
    find(None, "List of objects")
    time.sleep(0.5)
    shot("04-objects")
    press("Done")
    press("Done")
    press("Back")
    press("Check game...")
    find(pyatspi.ROLE_PUSH_BUTTON, "Check again")
    time.sleep(3)
    shot("06-check")


main()
