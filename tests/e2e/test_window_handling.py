"""Handling the clock as a user does, with real keys and mouse under a window
manager: dragging it, growing and shrinking it with the arrow keys, its
popup menu, and hiding it in the notification area and bringing it back."""

import pytest

from zentim_e2e import WindowManager, poll

# A 240 x 240 window at x 100, y 200 (the file says left, right, top, bottom).
SAVED_GEOMETRY = (100, 200, 240, 240)
SETTINGS = (
    "[MainWindow]\n"
    'size="100,340,200,440"\n'
    "[Options]\n"
    "kuku_type=0\n"
    'kuku_sound=""\n'
    "kuku_flash_count=0\n"
    'up_str=""\n'
    'down_str=""\n'
    "digital_panel=0\n"
)
# Wine's stand-in for a desktop's notification area: one window, the icons
# side by side in it from the left.
TRAY_NAME = "^Wine System Tray$"


@pytest.fixture(scope="module")
def module_window_manager(xserver, tmp_path_factory):
    # One openbox for all these tests, started once: a clock started just as
    # a new openbox takes over the screen now and then never gets mapped.
    manager = WindowManager(xserver, tmp_path_factory.mktemp("openbox"))
    yield manager
    manager.stop()


@pytest.fixture
def running(module_window_manager, clock):
    started = clock.start(SETTINGS)
    assert started.wait_geometry(SAVED_GEOMETRY) == SAVED_GEOMETRY
    assert started.wait_face_drawn()
    return started


def xdo(clock, *args):
    clock.xserver.run(["xdotool", *(str(arg) for arg in args)])


def other_windows(clock):
    """The program's visible windows besides the clock itself: its menu."""
    return [w for w in clock.xserver.visible_windows("zentim.exe") if w != clock.window]


def is_shown(clock):
    return clock.window in clock.xserver.visible_windows("zentim.exe")


def tray_geometry(clock):
    out = clock.xserver.run(["xdotool", "search", "--onlyvisible", "--name", TRAY_NAME],
                            check=False)
    windows = [int(word) for word in out.split()]
    return clock.xserver.geometry(windows[0]) if windows else None


def test_drag_moves_the_window(running):
    x, y, width, height = SAVED_GEOMETRY
    dx, dy = 150, 90
    start = (x + width // 2, y + height // 2)
    # The pauses give the system's move loop time to take the pointer over.
    xdo(running, "mousemove", *start, "mousedown", 1, "sleep", 0.3,
        "mousemove", start[0] + dx // 2, start[1] + dy // 2, "sleep", 0.2,
        "mousemove", start[0] + dx, start[1] + dy, "sleep", 0.3, "mouseup", 1)
    moved = (x + dx, y + dy, width, height)
    assert running.wait_geometry(moved) == moved
    # The move loop has ended when the clock's own keys work again.
    running.press("Up")
    grown = (x + dx - 1, y + dy - 1, width + 2, height + 2)
    assert running.wait_geometry(grown) == grown


def test_arrow_keys_resize_around_the_centre_and_enter_does_nothing(running):
    x, y, width, height = SAVED_GEOMETRY
    # Keys are handled in order: seeing Up's effect means Return was handled
    # first and did not end the clock.
    running.press("Return", "Up")
    grown = (x - 1, y - 1, width + 2, height + 2)
    assert running.wait_geometry(grown) == grown
    running.press("Down", "Down")
    shrunk = (x + 1, y + 1, width - 2, height - 2)
    assert running.wait_geometry(shrunk) == shrunk
    assert running.wait_face_drawn(), "the shrunk window should be clipped round again"
    assert running.process.poll() is None


def test_right_click_opens_the_menu_at_the_pointer_and_exit_ends(running):
    x, y, width, height = SAVED_GEOMETRY
    pointer = (x + 70, y + 90)
    xdo(running, "mousemove", *pointer, "click", 3)
    menus = poll(lambda: other_windows(running))
    assert len(menus) == 1, "one popup menu should open on the right button"
    menu_x, menu_y, menu_width, menu_height = running.xserver.geometry(menus[0])
    assert (menu_x, menu_y) == pointer

    # "Exit" is the last item.
    xdo(running, "mousemove", menu_x + menu_width // 2, menu_y + menu_height - 8, "click", 1)
    assert running.wait_exit() == 0, "Exit should end the program"


def test_escape_hides_in_the_tray_and_a_click_on_the_icon_brings_it_back(running):
    _, _, width, height = SAVED_GEOMETRY
    assert tray_geometry(running) is None, "no icon before the clock is minimised"
    running.press("Escape")
    assert poll(lambda: not is_shown(running)), "the clock should vanish from the screen"
    tray = poll(lambda: tray_geometry(running))
    assert tray is not None, "its icon should show in the notification area"
    assert running.process.poll() is None

    tray_x, tray_y, _, tray_height = tray
    xdo(running, "mousemove", tray_x + 10, tray_y + tray_height // 2, "click", 1)
    assert poll(lambda: is_shown(running)), "a click on the icon should bring the clock back"
    assert poll(lambda: tray_geometry(running) is None), "the icon should go"
    # Only the size: openbox places a window anew when it is mapped again
    # from hidden, where Windows restores it in place.
    assert running.geometry()[2:] == (width, height)
    assert running.wait_face_drawn(), "back, the clock should be round and drawn"
