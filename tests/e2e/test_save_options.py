"""Saving as a user does it: the clock dragged and grown, "Save options"
chosen from the popup menu and confirmed, the program ended, and the next
start finds the clock where it was left."""

from zentim_e2e import poll

# A 240 x 240 clock at x 100, y 200.
SETTINGS = (
    "[MainWindow]\n"
    'size="100,340,200,440"\n'
    "[Options]\n"
    "kuku_type=0\n"
    'kuku_sound=""\n'
    "kuku_flash_count=0\n"
    'up_str="Office"\n'
    'down_str=""\n'
    "digital_panel=1\n"
)
START = (100, 200, 240, 240)
# Minimize, Restore, Maximize, Options, then Save options (separators are
# skipped, the grayed Maximize is not).
DOWN_TO_SAVE_OPTIONS = 5


def test_saved_position_and_size_come_back(window_manager, xserver, clock):
    running = clock.start(SETTINGS)
    assert running.wait_geometry(START) == START
    assert running.wait_face_drawn()

    # Drag by the face, 150 px right and 60 px down.
    x, y, width, height = START
    grab = (x + width // 2, y + height // 4)
    xserver.run(["xdotool", "mousemove", str(grab[0]), str(grab[1]), "mousedown", "1"])
    xserver.run(["xdotool", "mousemove", "--sync", str(grab[0] + 75), str(grab[1] + 30)])
    xserver.run(["xdotool", "mousemove", "--sync", str(grab[0] + 150), str(grab[1] + 60)])
    xserver.run(["xdotool", "mouseup", "1"])
    moved = (x + 150, y + 60, width, height)
    assert running.wait_geometry(moved) == moved, "the drag did not move the clock"

    # Three presses of Up: one pixel more on every side each time.
    running.press("Up", "Up", "Up")
    grown = (x + 147, y + 57, width + 6, height + 6)
    assert running.wait_geometry(grown) == grown, "Up did not grow the clock"

    xserver.run(["xdotool", "mousemove", str(grown[0] + 120), str(grown[1] + 60), "click", "3"])
    assert poll(lambda: len(xserver.visible_windows("zentim.exe")) > 1, timeout=10), \
        "no popup menu on the right mouse button"
    xserver.run(["xdotool", "key", "--delay", "50", *["Down"] * DOWN_TO_SAVE_OPTIONS, "Return"])
    confirmation = poll(lambda: xserver.run(["xdotool", "search", "--onlyvisible", "--name",
                                             "^Save$"], check=False).split(), timeout=10)
    assert confirmation, "Save options showed no confirmation"
    xserver.run(["xdotool", "windowfocus", "--sync", confirmation[0], "key", "Return"])
    running.close()
    assert running.wait_exit() is not None, "the clock did not end"

    again = clock.start(folder=running.folder)
    assert again.wait_geometry(grown) == grown, "the next start did not restore the clock"
    ini = (running.folder / "zentim.ini").read_text("cp1252")
    left, top, w, h = grown
    assert f'size="{left},{left + w},{top},{top + h}"' in ini
    assert 'up_str="Office"' in ini and "digital_panel=1" in ini
