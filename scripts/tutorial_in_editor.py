"""Follows the guide's tutorial, "Your first adventure", in the real editor
for scripts/tutorial-in-editor: every button, tab and field is found by its
name on the accessibility bus and used with real input (xdotool). Each step
waits for the window or control it leads to. Usage:
tutorial_in_editor.py SHOTS_FOLDER TUTORIAL_FILES_FOLDER PROJECT_FOLDER"""
import pathlib
import sys
import time

import pyatspi

from atspi_input import (answer, application, click, drag, extents, find, gone, opened_by, press, search, shot,
                         text_of, type_into, until, xdo)

FILES = sys.argv[2].rstrip("/") + "/"
PROJECT = pathlib.Path(sys.argv[3])
GARDEN, HALL, SUNSET = 0, 1, 2  # the frames' places in every frame list
CHANGE = "Choose this option if you want to change the value of a variable when the player clicks on the selected area."
VISIBLE = ("Choose this option if you want this area to be visible depending on the value of some variables. "
           "(Values are 0 or 1. Default is 0.)")


def open_file(action, name):
    """Answers the file dialog that `action` opens with a file of the tutorial."""
    dialog = opened_by(action)
    until(lambda: dialog.getState().contains(pyatspi.STATE_ACTIVE), 10, "the file dialog to be active")
    time.sleep(0.1)
    xdo("type", "--delay", "4", FILES + name)
    xdo("key", "Return")
    gone(dialog)


def choose(combo, index):
    """Picks an entry of a combo box from its open list with the keyboard."""
    def list_open():
        return any(child is not None and child.getState().contains(pyatspi.STATE_SHOWING) for child in combo)

    click(combo, pause=0)
    until(list_open, 10, f"the list of {combo.name!r} open")
    xdo("key", "Home", *(["Down"] * index), "Return")
    until(lambda: not list_open(), 10, f"the list of {combo.name!r} closed")


def new_area(frame, left, top, width, height):
    x, y, _, _ = extents(frame)
    return opened_by(lambda: drag(x + left, y + top, x + left + width, y + top + height))


def ok(dialog):
    press("OK", root=dialog)
    gone(dialog)


def tab(dialog, name):
    # The page's controls are found once they show.
    press(name, pyatspi.ROLE_PAGE_TAB, dialog)


def tick(dialog, name, role=pyatspi.ROLE_CHECK_BOX):
    box = find(role, name, dialog)
    click(box, pause=0)
    until(lambda: box.getState().contains(pyatspi.STATE_CHECKED), 5, f"{name!r} ticked")


def picture(dialog, name):
    tick(dialog, "Picture", pyatspi.ROLE_RADIO_BUTTON)
    open_file(lambda: press("Browse for a picture", root=dialog), name)


def message(dialog, text):
    tick(dialog, "Display a text message")
    type_into(find(pyatspi.ROLE_TEXT, "Text message", dialog), text)


def go_to(dialog, frame):
    tick(dialog, "Go to another frame")
    choose(find(pyatspi.ROLE_COMBO_BOX, "Frame to go to", dialog), frame)


def selected_frame(name):
    item = find(pyatspi.ROLE_LIST_ITEM, name)
    click(item, pause=0)
    until(lambda: item.getState().contains(pyatspi.STATE_SELECTED), 5, f"frame {name!r} selected")


def area_at(frame, x, y, dx=0, dy=0):
    """The canvas area ("Area k") of a frame under a point of the screen."""
    x, y = x + dx, y + dy
    for node in frame:
        if node is not None and node.name.startswith("Area "):
            ax, ay, aw, ah = extents(node)
            if ax <= x < ax + aw and ay <= y < ay + ah:
                return node
    return None


def edit_frame(name):
    selected_frame(name)
    press("Edit selected frame...")
    return find(None, "Frame background")


def sunset_files():
    """The bytes of every file of the frame "sunset", by name."""
    files = [PROJECT / "Frames" / "sunset.fme", PROJECT / "Frames" / "sunset.lks"]
    files += sorted((PROJECT / "Areas" / "sunset").glob("*")) if (PROJECT / "Areas" / "sunset").is_dir() else []
    return {str(f.relative_to(PROJECT)): f.read_bytes() for f in files if f.is_file()}


def keyboard_only():
    """From the keyboard alone: F6 to the frames list, End to its last frame,
    Delete and Return to remove it, Ctrl+Z to bring it back byte for byte,
    F6 back to the main window."""
    before = sunset_files()
    frames = find(None, "Frames")
    xdo("key", "F6")
    until(lambda: frames.getState().contains(pyatspi.STATE_FOCUSED), 10, "F6 to reach the frames list")
    xdo("key", "End")
    item = find(pyatspi.ROLE_LIST_ITEM, "sunset", frames)
    until(lambda: item.getState().contains(pyatspi.STATE_SELECTED), 10, "End to select the last frame")
    question = opened_by(lambda: xdo("key", "Delete"))
    shot("08b-remove-by-keyboard")
    answer(question)  # "Do you really want to remove the frame..." OK
    until(lambda: not (PROJECT / "Frames" / "sunset.fme").exists(), 10, "the frame removed")
    until(lambda: search(frames, pyatspi.ROLE_LIST_ITEM, "sunset") is None, 10, "the frame gone from the list")
    until(lambda: frames.getState().contains(pyatspi.STATE_FOCUSED), 10, "the frames list to have the keyboard again")
    xdo("key", "ctrl+z")
    until(lambda: sunset_files() == before, 10, "Ctrl+Z to put the frame's files back byte for byte")
    find(pyatspi.ROLE_LIST_ITEM, "sunset", frames)
    shot("08c-undone-by-keyboard")
    menu = find(pyatspi.ROLE_PUSH_BUTTON, "Back")
    xdo("key", "F6")
    until(lambda: not frames.getState().contains(pyatspi.STATE_FOCUSED), 10, "F6 to leave the frames list")
    print("keyboard: removed 'sunset' and undid it,", len(before), "files back", flush=True)
    return menu


def main():
    application()
    press_when_ready = find(pyatspi.ROLE_PUSH_BUTTON, "New Project")
    shot("00-start")

    # 1. A new project: its properties, and the files they make.
    dialog = opened_by(lambda: click(press_when_ready))
    type_into(find(pyatspi.ROLE_TEXT, None, dialog), "My First Adventure")
    note = opened_by(lambda: press("OK", root=dialog))
    answer(note)  # "Your new game will be stored in the following folder..."
    dialog = find(pyatspi.ROLE_DIALOG, "Project Properties")
    type_into(find(pyatspi.ROLE_TEXT, "Adventure name :", dialog), "My First Adventure")
    tick(dialog, "640 x 480", pyatspi.ROLE_RADIO_BUTTON)
    tab(dialog, "Author info")
    type_into(find(pyatspi.ROLE_TEXT, "Author name :", dialog), "A. Author")
    shot("01-project-properties")
    ok(dialog)

    # 2. Three frames, and the starting frame.
    press("Edit project...")
    press("Add new frame...")
    open_file(lambda: press("Graphic file (will be resized to fit window)..."), "garden.jpg")
    find(pyatspi.ROLE_LIST_ITEM, "garden")
    press("Add new frame...")
    answer(opened_by(lambda: press("Solid color...")))  # the colour dialog's choice
    find(pyatspi.ROLE_LIST_ITEM, "Solid01")
    press("Add new frame...")
    open_file(lambda: press("Graphic file (will be resized to fit window)..."), "sunset.jpg")
    find(pyatspi.ROLE_LIST_ITEM, "sunset")
    shot("02-frames")
    press("Back")
    dialog = opened_by(lambda: press("Project properties..."))
    choose(find(pyatspi.ROLE_COMBO_BOX, "Starting frame :", dialog), GARDEN)
    ok(dialog)

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
    open_file(lambda: press("Browse for an icon", root=dialog), "key.ico")
    shot("03-key")
    ok(dialog)

    # 4. The locked door, with a sound and a new variable.
    dialog = new_area(garden, 400, 180, 100, 200)
    tab(dialog, "Action")
    message(dialog, "The door is locked.")
    tick(dialog, "Make a sound")
    open_file(lambda: press("Browse for a sound", root=dialog), "knock.wav")
    tab(dialog, "Variables")
    tick(dialog, VISIBLE)
    press("Edit the variables", root=dialog)
    box = opened_by(lambda: press("Add a new variable", root=dialog))
    until(lambda: box.getState().contains(pyatspi.STATE_ACTIVE), 10, "the new variable's name box")
    xdo("key", "ctrl+a")
    xdo("type", "DoorOpen")
    answer(box)
    find(pyatspi.ROLE_LIST_ITEM, "DoorOpen", dialog)
    press("DONE", root=dialog)
    choose(find(pyatspi.ROLE_COMBO_BOX, "Condition variable", dialog), 0)
    press("add (must be 0)", root=dialog)
    find(pyatspi.ROLE_LIST_ITEM, "DoorOpen", find(None, "Variables whose values must be 0", dialog))
    shot("04-door")
    ok(dialog)

    # 5. The key used on the door.
    press("Objects and Events...")
    key = find(pyatspi.ROLE_LIST_ITEM, "Key", find(None, "List of objects"))
    kx, ky, kw, kh = extents(key)
    gx, gy, _, _ = extents(garden)
    dialog = opened_by(lambda: drag(kx + kw // 2, ky + kh // 2, gx + 450, gy + 280))
    tab(dialog, "Action")
    message(dialog, "The key turns, and the door swings open.")
    tick(dialog, "Disappear (permanently)")
    tab(dialog, "Variables")
    tick(dialog, CHANGE)
    choose(find(pyatspi.ROLE_COMBO_BOX, "Variable to change", dialog), 0)
    tick(dialog, "Set to 1", pyatspi.ROLE_RADIO_BUTTON)
    shot("05-key-on-door")
    ok(dialog)
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
    find(pyatspi.ROLE_LIST_ITEM, "DoorOpen", find(None, "Variables whose values must be 1", dialog))
    ok(dialog)
    until(lambda: area_at(garden, gx + 70, gy + 120), 10, "the doorway drawn")
    drag(gx + 70, gy + 120, gx + 450, gy + 280)
    until(lambda: not area_at(garden, gx + 70, gy + 120), 10, "the doorway moved onto the door")
    shot("06-garden")
    press("Done")

    # 7. The hall.
    hall = edit_frame("Solid01")
    dialog = new_area(hall, 100, 120, 160, 120)
    picture(dialog, "window.gif")
    tab(dialog, "Action")
    go_to(dialog, SUNSET)
    ok(dialog)
    dialog = new_area(hall, 440, 200, 100, 200)
    picture(dialog, "hall_door.gif")
    tab(dialog, "Action")
    go_to(dialog, GARDEN)
    ok(dialog)
    until(lambda: area_at(hall, *extents(hall)[:2], 490, 300), 10, "the hall's door drawn")
    shot("07-hall")
    press("Done")

    # 8. The sunset: its timer and the ending.
    selected_frame("sunset")
    dialog = opened_by(lambda: press("Change frame properties..."))
    tab(dialog, "Timer")
    tick(dialog, "Automatically go to another frame after a time has elapsed.")
    type_into(find(pyatspi.ROLE_TEXT, "Number of seconds", dialog), "10")
    choose(find(pyatspi.ROLE_COMBO_BOX, "Frame to go to", dialog), HALL)
    shot("08-sunset-timer")
    ok(dialog)
    sunset = edit_frame("sunset")
    dialog = new_area(sunset, 220, 40, 200, 60)
    picture(dialog, "the_end.gif")
    tab(dialog, "Action")
    message(dialog, "Well done: you have made and finished your first adventure!")
    tick(dialog, "Stop the game (go to the main menu)")
    answer(opened_by(lambda: press("OK", root=dialog)))  # "Do you really want to stop the game..." Yes
    gone(dialog)
    until(lambda: area_at(sunset, *extents(sunset)[:2], 320, 70), 10, "the ending drawn")
    press("Done")

    # The same editor from the keyboard alone: remove a frame and undo it.
    keyboard_only()
    press("Back")
    shot("09-project")

    # 9. Run the game: its welcome window, then back to the editor.
    press("Run project")
    welcome = find(None, "Welcome!", timeout=30)
    shot("10-welcome")
    click(find(None, "Exit!", welcome))
    gone(welcome)
    find(pyatspi.ROLE_PUSH_BUTTON, "Distribute...")

    # 10. The installer: the distribution dialog starts the Setup Compiler,
    # whose Start builds it.
    press("Distribute...")
    dialog = opened_by(lambda: press("Create a single full-featured compressed installation file..."))
    target = text_of(find(None, "The installer will be created as", dialog))
    shot("11-distribute")
    answer(opened_by(lambda: press("OK", root=dialog)))  # "The Setup Compiler will now appear. Click 'Start'..."
    compiler = application(timeout=30, name="compil32")
    press("Start", root=compiler)
    log = find(None, "Log", compiler)
    until(lambda: "Setup.exe" in text_of(log), 120, "the Setup Compiler to build Setup.exe")
    shot("12-compiler")
    built = opened_by(lambda: press("Exit", root=compiler), timeout=60)
    shot("13-installer-built")
    answer(built)  # where the installer is
    print("installer:", target, flush=True)


try:
    main()
except BaseException:
    shot("failed")
    raise
