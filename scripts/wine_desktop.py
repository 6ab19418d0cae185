"""The clock's desktop under Wine, for the end-to-end tests, the README's
pictures and the benchmark alike:

  poll           - wait for a condition instead of sleeping;
  XServer        - an Xvfb screen with a plain desktop colour;
  WindowManager  - openbox on such a screen;
  Wine           - a Wine prefix with its server kept warm, for one screen;
  Desktop        - the three together, looked at and acted on as a person does;
  Clock          - one start of a zentim.exe on a Desktop, shown where it was saved.
"""

import contextlib
import os
import re
import shutil
import signal
import subprocess
import time
from pathlib import Path

from PIL import Image
from Xlib import X
from Xlib.display import Display

BUILD = Path(os.environ.get("ZENTIM_BUILD_DIR", Path(__file__).resolve().parents[1] / "build"))
# Neither black like the face nor white like its marks: what lies outside a
# round window is told apart from the dial.
DESKTOP_RGB = (74, 105, 132)
QUIET = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def poll(condition, timeout=10.0, interval=0.05):
    """condition()'s first true result within timeout seconds, else its last."""
    deadline = time.monotonic() + timeout
    while not (result := condition()) and time.monotonic() < deadline:
        time.sleep(interval)
    return result


def _end(process):
    process.terminate()
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class XServer:
    """A 1024 x 768 Xvfb screen at 24 bits, its desktop DESKTOP_RGB."""

    def __init__(self, workdir):
        self._log = open(Path(workdir) / "xvfb.log", "wb")
        # -displayfd picks a free display and names it once clients are
        # welcome; -noreset keeps the desktop colour when the last one leaves.
        self._process = subprocess.Popen(
            ["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             "-noreset"], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=self._log,
            text=True)
        number = self._process.stdout.readline().strip()
        if not number:
            self.close()
            raise RuntimeError(f"Xvfb did not start; see {Path(workdir) / 'xvfb.log'}")
        self.pid = self._process.pid
        self.display = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.display)
        self.run("display", "-window", "root", "-size", "8x8", "xc:#%02x%02x%02x" % DESKTOP_RGB)

    def run(self, *args):
        """An X client on this screen; its standard output."""
        return subprocess.run([str(arg) for arg in args], env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, timeout=30).stdout

    def visible_windows(self, wm_class):
        return self.run("xdotool", "search", "--onlyvisible", "--class",
                        f"^{re.escape(wm_class)}$").split()

    def close(self):
        _end(self._process)
        self._process.stdout.close()
        self._log.close()


class WindowManager:
    """openbox on an XServer's screen, as a desktop would have a window manager."""

    def __init__(self, xserver):
        self._process = subprocess.Popen(["openbox", "--sm-disable"], env=xserver.env, **QUIET)
        if not poll(lambda: "window id" in xserver.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"),
                    15):
            self.stop()
            raise RuntimeError("openbox did not take over the screen")

    def stop(self):
        _end(self._process)


class Wine:
    """A Wine prefix, made on first use, and its server kept running while
    programs start and stop on one screen, as Windows would be running
    before any program starts."""

    def __init__(self, xserver, prefix):
        self.prefix = Path(prefix)
        self.env = dict(xserver.env, WINEPREFIX=str(self.prefix), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        # A session left from an earlier run would keep Wine's desktop
        # process on a screen that is gone.
        self.run("wineserver", "-k")
        if not (self.prefix / "system.reg").exists():
            self.prefix.parent.mkdir(parents=True, exist_ok=True)
            self.run("wineboot", "-i", timeout=600)
            # wineboot returns before its helpers have written everything.
            self.run("wineserver", "-w", timeout=300)
        # Wine's stand-ins for the Windows fonts, as scripts/lib.sh puts in
        # its prefixes: every prefix then loads the same fonts.
        fonts = self.prefix / "drive_c" / "windows" / "Fonts"
        if fonts.is_dir():
            for font in Path("/usr/share/wine/fonts").glob("*"):
                if not (fonts / font.name).exists():
                    shutil.copy(font, fonts)
        self.run("wineserver", "-p")
        # The first program of a session starts Wine's desktop process (and
        # its services); started here, no measured program's process group
        # holds them.
        self.run("wine", "cmd", "/c", "exit")

    def run(self, *args, timeout=120):
        # Not captured: Wine's servers would hold the pipes open.
        subprocess.run(args, env=self.env, timeout=timeout, start_new_session=True, **QUIET)

    def processes(self):
        """pid -> name of every Wine process of the prefix, the server included."""
        found = {}
        marker = f"WINEPREFIX={self.prefix}".encode()
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                exe = os.path.basename(os.readlink(f"/proc/{entry}/exe"))
                with open(f"/proc/{entry}/environ", "rb") as environ:
                    variables = environ.read().split(b"\0")
                with open(f"/proc/{entry}/comm") as comm:
                    name = comm.read().strip()
            except OSError:
                continue
            if exe.startswith("wine") and marker in variables:
                found[int(entry)] = name
        return found

    def close(self):
        self.run("wineserver", "-k")


class Desktop:
    """A screen with openbox and a warm Wine prefix, where programs are
    found, looked at and acted on with the tools a person's actions go
    through (xdotool, the X server's pixels)."""

    def __init__(self, workdir, prefix):
        with contextlib.ExitStack() as undo:
            self.xserver = XServer(workdir)
            undo.callback(self.xserver.close)
            undo.callback(WindowManager(self.xserver).stop)
            self.wine = Wine(self.xserver, prefix)
            undo.callback(self.wine.close)
            self.display = Display(self.xserver.display)
            undo.callback(self.display.close)
            self._undo = undo.pop_all()
        self.env = self.wine.env

    def run(self, *args):
        return self.xserver.run(*args)

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
        raw = self.display.screen().root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        return Image.frombytes("RGB", (width, height), raw.data, "raw", "BGRX")

    def close(self):
        self._undo.close()


def quarter_past_nine():
    """A TZ under which it is 09:15:30 now: hands level, clear of the texts and
    the panel. (libfaketime misses 32-bit Wine's calls for the time; TZ not.)"""
    ahead = (33330 - int(time.time()) + 43200) % 86400 - 43200
    # POSIX counts west of Greenwich.
    return f"ZTM{'-+'[ahead < 0]}{time.strftime('%H:%M:%S', time.gmtime(abs(ahead)))}"


class Clock:
    """A program started in folder, its window shown at the rectangle at; launcher
    runs Wine (faketime, say) and env adds to or replaces its variables."""

    def __init__(self, desktop, program, folder, at, args=(), launcher=(), env=None):
        assert program.is_file(), f"{program} is missing: build first (scripts/build)"
        self.desktop, self.folder = desktop, folder
        # Under load Wine now and then loses a window's first mapping, or lets
        # openbox's first placement undo the program's move to the saved
        # rectangle: the clock is not shown, or at its first size. Start again.
        for _ in range(3):
            self.process = subprocess.Popen([*launcher, "wine", program, *args], cwd=folder,
                                            start_new_session=True,
                                            env={**desktop.env, "TZ": quarter_past_nine(),
                                                 **(env or {})}, **QUIET)
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

    def choose_from_menu(self, downs):
        """The popup menu item that many presses of Down away."""
        x, y, width, height = self.geometry()
        # The menu takes its keys from the window that has the focus.
        self.desktop.xdotool("windowfocus", "--sync", self.window,
                             "mousemove", x + width // 2, y + height // 4, "click", 3)
        assert poll(lambda: len(self.desktop.windows(cls="zentim.exe")) > 1), "no popup menu"
        self.desktop.xdotool("key", "--delay", 50, *["Down"] * downs, "Return")

    def kill(self):
        # The group only while its leader runs: a reaped id can be another's.
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait(30)
