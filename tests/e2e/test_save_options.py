"""Saving as a user does it: the clock dragged and grown, "Save options"
chosen from the popup menu and confirmed, the program ended, and the next
start finds the clock where it was left."""

from zentim_e2e import SAVED_GEOMETRY, poll, settings_ini

# Minimize, Restore, Maximize, Options, then Save options (separators are
# skipped, the grayed Maximize is not).
DOWN_TO_SAVE_OPTIONS = 5


def test_saved_position_and_size_come_back(window_manager, xserver, clock):
    running = clock.start(settings_ini(up="Office", panel=1))
    assert running.wait_geometry(SAVED_GEOMETRY) == SAVED_GEOMETRY
    assert running.wait_face_drawn()

    # Drag by the face, 150 px right and 60 px down. The pauses give the
    # system's move loop time to take the pointer over and to let it go.
    x, y, width, height = SAVED_GEOMETRY
    grab_x, grab_y = x + width // 2, y + height // 4
    xserver.xdotool("mousemove", grab_x, grab_y, "mousedown", 1, "sleep", 0.3,
                    "mousemove", grab_x + 75, grab_y + 30, "sleep", 0.2,
                    "mousemove", grab_x + 150, grab_y + 60, "sleep", 0.3, "mouseup", 1)
    moved = (x + 150, y + 60, width, height)
    assert running.wait_geometry(moved) == moved, "the drag did not move the clock"

    # Three presses of Up, one pixel more on every side each time; each
    # waited for, so that none goes to a move loop still ending.
    for step in (1, 2, 3):
        running.press("Up")
        grown = (x + 150 - step, y + 60 - step, width + 2 * step, height + 2 * step)
        assert running.wait_geometry(grown) == grown, f"Up number {step} did not grow the clock"

    running.choose_from_menu(DOWN_TO_SAVE_OPTIONS)
    confirmation = poll(lambda: xserver.window_named("Save"))
    assert confirmation, "Save options showed no confirmation"
    xserver.xdotool("windowfocus", "--sync", confirmation, "key", "Return")
    running.close()
    assert running.wait_exit() is not None, "the clock did not end"

    again = clock.start(folder=running.folder)
    assert again.wait_geometry(grown) == grown, "the next start did not restore the clock"
    ini = (running.folder / "zentim.ini").read_text("cp1252")
    left, top, w, h = grown
    assert f'size="{left},{left + w},{top},{top + h}"' in ini
    assert 'up_str="Office"' in ini and "digital_panel=1" in ini
