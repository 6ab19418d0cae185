"""Driving the built clock as a user would: Desktop (Xvfb, openbox and a warm
Wine server), Clock (one start of a program) and poll, instead of sleeping."""

import contextlib
import os
import re
import signal
import subprocess
import time
from pathlib import Path

from PIL import Image
from Xlib import X
from Xlib.display import Display

BUILD = Path(os.environ.get("ZENTIM_BUILD_DIR", Path(__file__).resolve().parents[2] / "build"))
# Neither black like the face nor white like the marks and texts.
DESKTOP_RGB = (74, 105, 132)
BLACK, WHITE = (0, 0, 0), (255, 255, 255)
# x 100, y 200, 240 x 240: the file says left, right, top, bottom.
SAVED = (100, 200, 240, 240)
QUIET = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def settings_ini(up="", down="", panel=0):
    return (f'[MainWindow]\nsize="100,340,200,440"\n[Options]\nkuku_type=0\nkuku_sound=""\n'
            f'kuku_flash_count=0\nup_str="{up}"\ndown_str="{down}"\ndigital_panel={panel}\n')


def poll(condition, timeout=10.0):
    """condition()'s first true result within timeout seconds, else its last."""
    deadline = time.monotonic() + timeout
    while not (result := condition()) and time.monotonic() < deadline:
        time.sleep(0.05)
    return result


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


def quarter_past_nine():
    """A TZ under which it is 09:15:30 now: hands level, clear of the texts and
    the panel. (libfaketime misses 32-bit Wine's calls for the time; TZ not.)"""
    ahead = (33330 - int(time.time()) + 43200) % 86400 - 43200
    # POSIX counts west of Greenwich.
    return f"ZTM{'-+'[ahead < 0]}{time.strftime('%H:%M:%S', time.gmtime(abs(ahead)))}"


class Desktop:
    def __init__(self):
        # -displayfd picks a free display; -noreset keeps the desktop colour.
        self._xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24",
                                       "-nolisten", "tcp", "-noreset"], stdout=subprocess.PIPE,
                                      stderr=subprocess.DEVNULL, text=True)
        self.env = dict(os.environ, DISPLAY=":" + self._xvfb.stdout.readline().strip())
        self._x = Display(self.env["DISPLAY"])
        self.run("display", "-window", "root", "-size", "8x8", "xc:#%02x%02x%02x" % DESKTOP_RGB)
        # Once, before any clock: a clock started just as openbox takes over
        # the screen now and then never gets mapped.
        subprocess.Popen(["openbox", "--sm-disable"], env=self.env, **QUIET)
        if not poll(lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")):
            raise RuntimeError("openbox did not take over the screen")
        prefix = Path(os.environ.get("ZENTIM_WINEPREFIX") or BUILD / "wine" / "e2e-prefix")
        self.env.update(WINEPREFIX=str(prefix), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        if not (prefix / "system.reg").exists():
            prefix.parent.mkdir(parents=True, exist_ok=True)
            self.wine("wineboot", "-i")
            # wineboot returns before its helpers have written everything.
            self.wine("wineserver", "-w")
        self.wine("wineserver", "-p")
        # The first program of a Wine session starts Wine's desktop process
        # (and its tray); started here, no clock's process group holds it.
        self.wine("wine", "cmd", "/c", "exit")

    def run(self, *args):
        return subprocess.run([str(arg) for arg in args], env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, timeout=30).stdout

    def wine(self, *args):
        # Not captured: Wine's servers would hold the pipes open.
        subprocess.run(args, env=self.env, timeout=300, start_new_session=True, **QUIET)

    def xdotool(self, *args):
        return self.run("xdotool", *args)

    def windows(self, *, name=None, cls=None):
        """Viewable windows titled name, or of WM_CLASS cls."""
        kind, pattern = ("--name", name) if name else ("--class", cls)
        return [int(w) for w in self.xdotool("search", "--onlyvisible", kind,
                                             f"^{re.escape(pattern)}$").split()]

    def geometry(self, window):
        """(x, y, width, height) on the screen."""
        fields = r"(?:Absolute upper-left [XY]|Width|Height): *(-?\d+)"
        return tuple(map(int, re.findall(fields, self.run("xwininfo", "-id", window))))

    def screenshot(self, x, y, width, height):
        raw = self._x.screen().root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        return Image.frombytes("RGB", (width, height), raw.data, "raw", "BGRX")

    def keyboard_free(self):
        """Whether no client holds the keyboard, as openbox does while it moves a window."""
        root = self._x.screen().root
        free = root.grab_keyboard(False, X.GrabModeAsync, X.GrabModeAsync, X.CurrentTime)
        self._x.ungrab_keyboard(X.CurrentTime)
        self._x.sync()
        return free == X.GrabSuccess

    def confirm(self, title):
        box = poll(lambda: self.windows(name=title))
        assert box, f"no {title!r} message box"
        self.xdotool("windowfocus", "--sync", box[0], "key", "Return")
        assert poll(lambda: not self.windows(name=title)), f"the {title!r} box stayed"

    def close(self):
        self.wine("wineserver", "-k")
        self._xvfb.kill()


class Clock:
    """A program started in folder, its window shown at the rectangle at."""

    def __init__(self, desktop, program, folder, at, args=()):
        assert program.is_file(), f"{program} is missing: build first (scripts/build)"
        self.desktop, self.folder = desktop, folder
        # Under load Wine now and then loses a window's first mapping, or lets
        # openbox's first placement undo the program's move to the saved
        # rectangle: the clock is not shown, or at its first size. Start again.
        for _ in range(3):
            self.process = subprocess.Popen(["wine", program, *args], cwd=folder, start_new_session=True,
                                            env=dict(desktop.env, TZ=quarter_past_nine()), **QUIET)
            self.window = poll(self._find_window, 15)
            if (seen := self.window and self.wait_geometry(at)) == at:
                return
            self.kill()
        raise AssertionError(f"the clock did not show at {at}, but at {seen}")

    def _find_window(self):
        # Wine puts the Windows process's pid in _NET_WM_PID: a 64-bit program
        # runs under start.exe, but always in the session begun here.
        for window in self.desktop.windows(cls="zentim.exe"):
            pid = self.desktop.xdotool("getwindowpid", window).strip()
            with contextlib.suppress(ProcessLookupError):
                if pid and os.getsid(int(pid)) == self.process.pid:
                    return window
        return None

    def geometry(self):
        return self.desktop.geometry(self.window)

    def wait_geometry(self, expected):
        poll(lambda: self.geometry() == expected)
        return self.geometry()

    def shown(self):
        return self.window in self.desktop.windows(cls="zentim.exe")

    def face(self):
        """The screen over the window, the desktop beside the round face too."""
        return self.desktop.screenshot(*self.geometry())

    def wait_face(self):
        return poll(lambda: round_face(self.face()))

    def press(self, *keys):
        # Keys go to openbox while it holds the keyboard (moving a window), and
        # its Alt+F4 closes the window it takes for the active one.
        self.desktop.xdotool("windowfocus", "--sync", self.window)
        poll(lambda: self.desktop.keyboard_free()
             and self.desktop.xdotool("getactivewindow").strip() == str(self.window))
        self.desktop.xdotool("key", *keys)

    def choose_from_menu(self, downs):
        """The popup menu item that many presses of Down away."""
        x, y, width, height = self.geometry()
        # The menu takes its keys from the window that has the focus.
        self.desktop.xdotool("windowfocus", "--sync", self.window,
                             "mousemove", x + width // 2, y + height // 4, "click", 3)
        assert poll(lambda: len(self.desktop.windows(cls="zentim.exe")) > 1), "no popup menu"
        self.desktop.xdotool("key", "--delay", 50, *["Down"] * downs, "Return")

    def close(self):
        """The exit status after Alt+F4, or None while it runs on."""
        self.press("alt+F4")
        poll(lambda: self.process.poll() is not None)
        return self.process.poll()

    def kill(self):
        # The group only while its leader runs: a reaped id can be another's.
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait(30)
