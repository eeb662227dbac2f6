"""Follows the guide's tutorial, "Your first adventure", in the real editor
for scripts/tutorial-in-editor: every button, tab and field is found by its
name on the accessibility bus and used with real input (xdotool). Usage:
tutorial_in_editor.py SHOTS_FOLDER TUTORIAL_FILES_FOLDER"""
import sys
import time

import pyatspi

from atspi_input import click, drag, extents, find, press, shot, xdo, application

FILES = sys.argv[2].rstrip("/") + "/"
GARDEN, HALL, SUNSET = 0, 1, 2  # the frames' places in every frame list
CHANGE = "Choose this option if you want to change the value of a variable when the player clicks on the selected area."
VISIBLE = ("Choose this option if you want this area to be visible depending on the value of some variables. "
           "(Values are 0 or 1. Default is 0.)")


def open_file(name):
    """Answers the file dialog that has just opened."""
    time.sleep(1.2)
    xdo("type", FILES + name)
    xdo("key", "Return")
    time.sleep(1.2)


def choose(combo, index):
    click(combo, pause=0.6)
    xdo("key", "Home", *(["Down"] * index), "Return")
    time.sleep(0.5)


def type_into(field, text):
    click(field, pause=0.3)
    xdo("key", "ctrl+a")
    xdo("type", text)


def new_area(frame, left, top, width, height):
    x, y, _, _ = extents(frame)
    drag(x + left, y + top, x + left + width, y + top + height)
    return find(pyatspi.ROLE_DIALOG, "Area Properties")


def tab(dialog, name):
    press(name, pyatspi.ROLE_PAGE_TAB, dialog, pause=0.6)


def tick(dialog, name):
    press(name, pyatspi.ROLE_CHECK_BOX, dialog, pause=0.5)


def picture(dialog, name):
    press("Picture", pyatspi.ROLE_RADIO_BUTTON, dialog, pause=0.6)
    press("Browse for a picture", root=dialog)
    open_file(name)


def message(dialog, text):
    tick(dialog, "Display a text message")
    type_into(find(pyatspi.ROLE_TEXT, "Text message", dialog), text)


def go_to(dialog, frame):
    tick(dialog, "Go to another frame")
    choose(find(pyatspi.ROLE_COMBO_BOX, "Frame to go to", dialog), frame)


def edit_frame(name):
    click(find(pyatspi.ROLE_LIST_ITEM, name))
    press("Edit selected frame...")
    return find(None, "Frame background")


def main():
    application()
    time.sleep(1)

    # 1. A new project.
    press("New Project")
    dialog = find(pyatspi.ROLE_DIALOG, "New Project")
    type_into(find(pyatspi.ROLE_TEXT, None, dialog), "My First Adventure")
    press("OK", root=dialog)
    time.sleep(1)
    xdo("key", "Return")  # "Your new game will be stored in the following folder..."
    time.sleep(1.5)
    dialog = find(pyatspi.ROLE_DIALOG, "Project Properties")
    type_into(find(pyatspi.ROLE_TEXT, "Adventure name :", dialog), "My First Adventure")
    press("OK", root=dialog, pause=1.5)

    # 2. Three frames, and the starting frame.
    press("Edit project...")
    press("Add new frame...")
    press("Graphic file (will be resized to fit window)...")
    open_file("garden.jpg")
    press("Add new frame...")
    press("Solid color...")
    time.sleep(1)
    xdo("key", "Return")  # the colour dialog's choice
    time.sleep(1)
    press("Add new frame...")
    press("Graphic file (will be resized to fit window)...")
    open_file("sunset.jpg")
    shot("02-frames")
    press("Back")
    press("Project properties...")
    dialog = find(pyatspi.ROLE_DIALOG, "Project Properties")
    choose(find(pyatspi.ROLE_COMBO_BOX, "Starting frame :", dialog), GARDEN)
    press("OK", root=dialog, pause=1.5)

    # 3. The key.
    press("Edit project...")
    garden = edit_frame("garden")
    dialog = new_area(garden, 150, 400, 60, 30)
    picture(dialog, "key.gif")
    tab(dialog, "Action")
    message(dialog, "You pick up a small brass key.")
    tick(dialog, "Disappear (permanently)")
    tab(dialog, "Object")
    tick(dialog, "Choose this option if the selected area is a pickable object.")
    type_into(find(pyatspi.ROLE_TEXT, "Object name", dialog), "Key")
    press("Browse for an icon", root=dialog)
    open_file("key.ico")
    press("OK", root=dialog, pause=1.5)

    # 4. The locked door, with a sound and a new variable.
    dialog = new_area(garden, 400, 180, 100, 200)
    tab(dialog, "Action")
    message(dialog, "The door is locked.")
    tick(dialog, "Make a sound")
    press("Browse for a sound", root=dialog)
    open_file("knock.wav")
    tab(dialog, "Variables")
    tick(dialog, VISIBLE)
    press("Edit the variables", root=dialog)
    press("Add a new variable", root=dialog)
    time.sleep(1)
    xdo("key", "ctrl+a")
    xdo("type", "DoorOpen")
    xdo("key", "Return")
    time.sleep(1)
    press("DONE", root=dialog)
    choose(find(pyatspi.ROLE_COMBO_BOX, "Condition variable", dialog), 0)
    press("add (must be 0)", root=dialog)
    press("OK", root=dialog, pause=1.5)

    # 5. The key used on the door.
    press("Objects and Events...")
    key = find(pyatspi.ROLE_LIST_ITEM, "Key", find(None, "List of objects"))
    kx, ky, kw, kh = extents(key)
    gx, gy, _, _ = extents(garden)
    drag(kx + kw // 2, ky + kh // 2, gx + 450, gy + 280, pause=2)
    dialog = find(pyatspi.ROLE_DIALOG, "Area Properties")
    tab(dialog, "Action")
    message(dialog, "The key turns, and the door swings open.")
    tick(dialog, "Disappear (permanently)")
    tab(dialog, "Variables")
    tick(dialog, CHANGE)
    choose(find(pyatspi.ROLE_COMBO_BOX, "Variable to change", dialog), 0)
    press("Set to 1", pyatspi.ROLE_RADIO_BUTTON, dialog, pause=0.3)
    press("OK", root=dialog, pause=1.5)
    press("Done")

    # 6. The doorway, drawn on the sky and moved onto the door.
    dialog = new_area(garden, 20, 20, 100, 200)
    picture(dialog, "doorway.gif")
    tab(dialog, "Action")
    go_to(dialog, HALL)
    tab(dialog, "Variables")
    tick(dialog, VISIBLE)
    choose(find(pyatspi.ROLE_COMBO_BOX, "Condition variable", dialog), 0)
    press("add (must be 1)", root=dialog)
    press("OK", root=dialog, pause=1.5)
    drag(gx + 70, gy + 120, gx + 450, gy + 280, pause=2)
    shot("03-garden")
    press("Done")

    # 7. The hall.
    hall = edit_frame("Solid01")
    dialog = new_area(hall, 100, 120, 160, 120)
    picture(dialog, "window.gif")
    tab(dialog, "Action")
    go_to(dialog, SUNSET)
    press("OK", root=dialog, pause=1.5)
    dialog = new_area(hall, 440, 200, 100, 200)
    picture(dialog, "hall_door.gif")
    tab(dialog, "Action")
    go_to(dialog, GARDEN)
    press("OK", root=dialog, pause=1.5)
    press("Done")

    # 8. The sunset: its timer and the ending.
    click(find(pyatspi.ROLE_LIST_ITEM, "sunset"))
    press("Change frame properties...")
    dialog = find(pyatspi.ROLE_DIALOG, "Frame properties")
    tab(dialog, "Timer")
    tick(dialog, "Automatically go to another frame after a time has elapsed.")
    type_into(find(pyatspi.ROLE_TEXT, "Number of seconds", dialog), "10")
    choose(find(pyatspi.ROLE_COMBO_BOX, "Frame to go to", dialog), HALL)
    press("OK", root=dialog, pause=1.5)
    sunset = edit_frame("sunset")
    dialog = new_area(sunset, 220, 40, 200, 60)
    picture(dialog, "the_end.gif")
    tab(dialog, "Action")
    message(dialog, "Well done: you have made and finished your first adventure!")
    tick(dialog, "Stop the game (go to the main menu)")
    press("OK", root=dialog, pause=1.5)
    xdo("key", "Return")  # "Do you really want to stop the game..." Yes
    time.sleep(1.5)
    press("Done")
    press("Back")
    shot("09-project")

    # 9. Run the game: its welcome window, then back to the editor.
    press("Run project", pause=2)
    welcome = find(None, "Welcome!")
    shot("10-welcome")
    click(find(None, "Exit!", welcome), pause=2)
    find(pyatspi.ROLE_PUSH_BUTTON, "Distribute...")

    # 10. The installer: the distribution dialog starts the Setup Compiler,
    # whose Start builds it.
    press("Distribute...")
    press("Create a single full-featured compressed installation file...")
    dialog = find(None, "Distribute the adventure")
    target = find(None, "The installer will be created as", dialog).queryText()
    target = target.getText(0, target.characterCount)
    shot("11-distribute")
    press("OK", root=dialog, pause=1.5)
    xdo("key", "Return")  # "The Setup Compiler will now appear. Click 'Start'..."
    compiler = application(timeout=30, name="compil32")
    press("Start", root=compiler, pause=1)
    end = time.time() + 120
    log = find(None, "Log", compiler).queryText()
    while "Setup.exe" not in log.getText(0, log.characterCount) and time.time() < end:
        time.sleep(0.5)
    shot("12-compiler")
    press("Exit", root=compiler, pause=2)
    time.sleep(1)
    shot("13-installer-built")
    xdo("key", "Return")  # where the installer is
    time.sleep(1)
    print("installer:", target, flush=True)


main()
