"""What the journeys add to the clock's desktop (scripts/wine_desktop.py): the
settings they start from, how a face is judged whole, and a user's keys and
confirmations."""

import sys
from pathlib import Path

from Xlib import X

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
from wine_desktop import BUILD, DESKTOP_RGB, Clock, Desktop, poll  # noqa: E402,F401

BLACK, WHITE = (0, 0, 0), (255, 255, 255)
# x 100, y 200, 240 x 240: the file says left, right, top, bottom.
SAVED = (100, 200, 240, 240)


def settings_ini(up="", down="", panel=0):
    return (f'[MainWindow]\nsize="100,340,200,440"\n[Options]\nkuku_type=0\nkuku_sound=""\n'
            f'kuku_flash_count=0\nup_str="{up}"\ndown_str="{down}"\ndigital_panel={panel}\n')


def count(image, box, rgb):
    return list(image.crop(box).getdata()).count(rgb)


def round_face(image):
    """Black near the rim on the diagonals, where no text goes and a hand covers
    little, and the desktop in the corners. The first frame can lack strips."""
    w, h = image.size
    spots = [(round(w * fx), round(h * fy)) for fx in (0.205, 0.795) for fy in (0.205, 0.795)]
    corners = [(0, 0), (w - 6, 0), (0, h - 6), (w - 6, h - 6)]
    return (all(count(image, (x - 4, y - 4, x + 4, y + 4), BLACK) >= 16 for x, y in spots)
            and all(count(image, (x, y, x + 6, y + 6), DESKTOP_RGB) == 36 for x, y in corners))


def wait_face(clock):
    return poll(lambda: round_face(clock.face()))


def keyboard_free(desktop):
    """Whether no client holds the keyboard, as openbox does while it moves a window."""
    root, x = desktop.display.screen().root, desktop.display
    free = root.grab_keyboard(False, X.GrabModeAsync, X.GrabModeAsync, X.CurrentTime)
    x.ungrab_keyboard(X.CurrentTime)
    x.sync()
    return free == X.GrabSuccess


def press(clock, *keys):
    # Keys go to openbox while it holds the keyboard (moving a window), and
    # its Alt+F4 closes the window it takes for the active one.
    desktop = clock.desktop
    desktop.xdotool("windowfocus", "--sync", clock.window)
    poll(lambda: keyboard_free(desktop)
         and desktop.xdotool("getactivewindow").strip() == str(clock.window))
    desktop.xdotool("key", *keys)


def close(clock):
    """The exit status after Alt+F4, or None while it runs on."""
    press(clock, "alt+F4")
    poll(lambda: clock.process.poll() is not None)
    return clock.process.poll()


def confirm(desktop, title):
    box = poll(lambda: desktop.windows(name=title))
    assert box, f"no {title!r} message box"
    desktop.xdotool("windowfocus", "--sync", box[0], "key", "Return")
    assert poll(lambda: not desktop.windows(name=title)), f"the {title!r} box stayed"
