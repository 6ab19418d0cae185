"""Black-box driving of the built clock under Wine on a virtual X screen.

  poll            - wait for a condition instead of sleeping;
  settings_ini    - a zentim.ini, by default a 240 x 240 clock at SAVED_GEOMETRY;
  XServer         - an Xvfb screen with a plain desktop colour, and pictures of it;
  WindowManager   - openbox on such a screen;
  Wine            - the Wine prefix and its server, kept warm for a session;
  ClockLauncher   - starts a program in a scratch folder with a given zentim.ini;
  Clock           - one running clock: its window, geometry, pictures, keys, end.
The fixtures in conftest.py build these; tests import the helpers from here.
"""

import io
import os
import re
import shutil
import signal
import subprocess
import time
from pathlib import Path

from PIL import Image

ROOT = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ.get("ZENTIM_BUILD_DIR", ROOT / "build"))
PROGRAMS = {
    "win32": BUILD / "win32" / "zentim.exe",
    "win64": BUILD / "win64" / "zentim.exe",
}
SCREEN_SIZE = (1024, 768)
# Neither black like the face nor white like the marks and texts.
DESKTOP_RGB = (74, 105, 132)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

# A first start in a fresh Wine session also starts Wine's own services.
START_TIMEOUT = 30.0

# settings_ini's window: x 100, y 200, 240 x 240 (the file says left, right,
# top, bottom).
SAVED_GEOMETRY = (100, 200, 240, 240)
# Hands level at a quarter past nine stay clear of the 12 o'clock mark, the
# texts and the panel.
QUARTER_PAST_NINE = "09:15:30"
# Bands of the 240 x 240 face that hold the texts above and below the centre.
UP_TEXT_BAND = (50, 60, 190, 86)
DOWN_TEXT_BAND = (50, 140, 190, 175)


def settings_ini(size="100,340,200,440", interval=0, sound="", flashes=0, up="", down="",
                 panel=0):
    """The text of a zentim.ini as saving writes it; no window section
    when size is None."""
    window = f'[MainWindow]\nsize="{size}"\n' if size is not None else ""
    return (f'{window}[Options]\nkuku_type={interval}\nkuku_sound="{sound}"\n'
            f'kuku_flash_count={flashes}\nup_str="{up}"\ndown_str="{down}"\n'
            f"digital_panel={panel}\n")


def poll(condition, timeout=10.0, interval=0.05):
    """Calls condition() until it returns something true or timeout seconds
    pass; returns its last result."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() >= deadline:
            return result
        time.sleep(interval)


def count_pixels(image, box, matches):
    """Number of pixels in box (left, top, right, bottom; right and bottom
    excluded) of an RGB image whose colour satisfies matches(rgb)."""
    region = image.crop(box)
    return sum(1 for rgb in region.getdata() if matches(rgb))


def is_colour(rgb):
    return lambda other: tuple(other) == tuple(rgb)


def _end(process):
    process.terminate()
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class XServer:
    """An Xvfb screen of SCREEN_SIZE at 24 bits, desktop painted DESKTOP_RGB."""

    def __init__(self, workdir):
        workdir = Path(workdir)
        read_end, write_end = os.pipe()
        self._log = open(workdir / "xvfb.log", "wb")
        width, height = SCREEN_SIZE
        # -displayfd picks a free display number and writes it once it
        # accepts clients; -noreset keeps the desktop colour when the last
        # client leaves.
        self._process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=self._log,
            stderr=subprocess.STDOUT)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number:
            self.close()
            raise RuntimeError(f"Xvfb did not start; see {workdir / 'xvfb.log'}")
        self.display = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.display)
        colour = "#%02x%02x%02x" % DESKTOP_RGB
        self.run(["display", "-window", "root", "-size", "8x8", f"xc:{colour}"], check=False)

    def run(self, args, check=True):
        """Runs an X client on this screen; returns its standard output."""
        done = subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, timeout=30)
        if check and done.returncode != 0:
            raise RuntimeError(f"{args[0]} failed ({done.returncode}): {done.stderr.strip()}")
        return done.stdout

    def xdotool(self, *args, check=True):
        return self.run(["xdotool", *(str(arg) for arg in args)], check)

    def window_named(self, name):
        """Id of a viewable window titled name, or None."""
        ids = self.xdotool("search", "--onlyvisible", "--name", f"^{re.escape(name)}$",
                           check=False).split()
        return int(ids[0]) if ids else None

    def screenshot(self, box=None):
        """The screen (or box of it: left, top, right, bottom) as an RGB image."""
        done = subprocess.run(["import", "-window", "root", "png:-"], env=self.env,
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
        if done.returncode != 0:
            raise RuntimeError(f"import failed: {done.stderr.decode(errors='replace')}")
        image = Image.open(io.BytesIO(done.stdout)).convert("RGB")
        return image.crop(box) if box else image

    def visible_windows(self, wm_class):
        """Ids of the viewable windows whose WM_CLASS is wm_class."""
        out = self.run(["xdotool", "search", "--onlyvisible", "--class",
                        "^" + re.escape(wm_class) + "$"], check=False)
        return [int(word) for word in out.split()]

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen, or None once it is gone."""
        out = self.run(["xwininfo", "-id", str(window)], check=False)
        fields = dict(re.findall(r"^\s*(Absolute upper-left X|Absolute upper-left Y|Width|Height):"
                                 r"\s*(-?\d+)", out, re.MULTILINE))
        if len(fields) != 4:
            return None
        return (int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
                int(fields["Width"]), int(fields["Height"]))

    def close(self):
        _end(self._process)
        self._log.close()


class WindowManager:
    """openbox managing an XServer's screen until stopped."""

    def __init__(self, xserver, workdir):
        self._xserver = xserver
        self._log = open(Path(workdir) / "openbox.log", "wb")
        self._process = subprocess.Popen(
            ["openbox", "--sm-disable"], env=xserver.env, stdin=subprocess.DEVNULL,
            stdout=self._log, stderr=subprocess.STDOUT)
        if not poll(self._running, timeout=15):
            self.stop()
            raise RuntimeError("openbox did not take over the screen")

    def _running(self):
        out = self._xserver.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return self._process.poll() is None and "window id" in out

    def stop(self):
        _end(self._process)
        self._log.close()


class Wine:
    """A Wine prefix with its server kept running, for programs on one screen.

    Reuses ZENTIM_WINEPREFIX (scripts/test passes the one it made), else a
    prefix of its own under the build tree, made on first use."""

    def __init__(self, xserver):
        prefix = os.environ.get("ZENTIM_WINEPREFIX") or str(BUILD / "wine" / "e2e-prefix")
        self.env = dict(xserver.env, WINEPREFIX=prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        self.prefix = Path(prefix)
        if not (self.prefix / "system.reg").exists():
            self.prefix.parent.mkdir(parents=True, exist_ok=True)
            self._run(["wineboot", "-i"], timeout=300)
            # wineboot returns before its helpers have written everything.
            self._run(["wineserver", "-w"], timeout=300)
        # Wine's stand-ins for the Windows fonts, where programs find them
        # (scripts/lib.sh does the same for the prefixes it makes).
        fonts = self.prefix / "drive_c" / "windows" / "Fonts"
        for font in Path("/usr/share/wine/fonts").glob("*"):
            if fonts.is_dir() and not (fonts / font.name).exists():
                shutil.copy(font, fonts)
        self._run(["wineserver", "-p"])
        # The first program of a Wine session starts Wine's desktop process
        # in its own process group. Start it here, so that killing a clock's
        # group never takes the desktop with it.
        self._run(["wine", "cmd", "/c", "exit"])

    def _run(self, args, timeout=60):
        subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=timeout, start_new_session=True)

    def close(self):
        self._run(["wineserver", "-k"])


def time_of_day_zone(hh_mm_ss):
    """A TZ value under which the local time is hh:mm:ss now, and runs on
    from there.

    Both glibc and Wine's C runtime honour TZ, for 32- and 64-bit programs
    alike. libfaketime does not reach 32-bit Wine here: Wine's i386 side asks
    glibc for the time through its 64-bit time entry points, which
    libfaketime 0.9.10 does not wrap (and with Debian's libfaketime:i386
    installed, the 32-bit loader hangs at start under faketime)."""
    hours, minutes, seconds = (int(part) for part in hh_mm_ss.split(":"))
    ahead = (hours * 3600 + minutes * 60 + seconds - int(time.time())) % 86400
    if ahead > 43200:
        ahead -= 86400
    # POSIX offsets count west of Greenwich: local time = UTC - offset.
    sign, offset = ("-", ahead) if ahead > 0 else ("+", -ahead)
    return f"ZTM{sign}{offset // 3600:02d}:{offset % 3600 // 60:02d}:{offset % 60:02d}"


class Clock:
    """One running clock program and its window."""

    def __init__(self, xserver, process, folder, windows_before):
        self.xserver = xserver
        self.process = process
        self.folder = folder
        self.window = None
        self._windows_before = windows_before

    def wait_window(self, timeout=START_TIMEOUT):
        """Waits for the clock's window to be visible; returns its X id."""
        self.window = poll(self._find_window, timeout)
        if self.window is None:
            raise AssertionError(f"the clock showed no window within {timeout:.0f} s "
                                 f"(exit status {self.process.poll()})")
        return self.window

    def _find_window(self):
        # Wine puts the Windows process's own pid in _NET_WM_PID. That is not
        # always the process started here (a 64-bit program is started
        # through start.exe), but it is always in the session begun here.
        for window in self.xserver.visible_windows("zentim.exe"):
            if window in self._windows_before:
                continue
            out = self.xserver.run(["xprop", "-id", str(window), "_NET_WM_PID"], check=False)
            pid = re.search(r"=\s*(\d+)", out)
            try:
                if pid and os.getsid(int(pid.group(1))) == self.process.pid:
                    return window
            except ProcessLookupError:
                pass
        return None

    def geometry(self):
        """(x, y, width, height) of the clock window, or None once it is gone."""
        return self.xserver.geometry(self.window)

    def wait_geometry(self, expected, timeout=10.0):
        """Waits until the window has the expected geometry; returns the last one seen."""
        seen = []
        poll(lambda: seen.append(self.geometry()) or seen[-1] == expected, timeout)
        return seen[-1]

    def screenshot(self):
        """The screen within the clock window's rectangle: what a person sees
        there, the desktop outside the round face included."""
        geometry = self.geometry()
        if geometry is None:
            raise AssertionError("the clock window is gone")
        x, y, width, height = geometry
        return self.xserver.screenshot((x, y, x + width, y + height))

    def face_drawn(self):
        """True once a whole face is drawn and the window clipped round:
        black near the rim in all four diagonal directions (where no text
        goes and a hand covers less than half), the corners showing the
        desktop. The first frame is not always whole: the move to the saved
        rectangle uncovers strips that stay unpainted until the next tick."""
        image = self.screenshot()
        width, height = image.size
        cx, cy, radius = width // 2, height // 2, width // 2 * 0.95
        for dx, dy in [(1, -1), (1, 1), (-1, 1), (-1, -1)]:
            x = round(cx + dx * 0.62 * radius)
            y = round(cy + dy * 0.62 * radius)
            if count_pixels(image, (x - 4, y - 4, x + 4, y + 4), is_colour(BLACK)) < 16:
                return False
        corners = [(1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2)]
        return all(image.getpixel(c) == DESKTOP_RGB for c in corners)

    def wait_face_drawn(self, timeout=10.0):
        return poll(self.face_drawn, timeout)

    def press(self, *keys):
        """Gives the clock the keyboard focus and types keys (xdotool names)."""
        self.xserver.xdotool("windowfocus", "--sync", self.window)
        self.xserver.xdotool("key", "--clearmodifiers", *keys)

    def choose_from_menu(self, downs):
        """Opens the popup menu with the right mouse button over the face and
        chooses the item that many presses of Down away."""
        x, y, width, height = self.geometry()
        # The menu takes its keys from the window that has the focus.
        self.xserver.xdotool("windowfocus", "--sync", self.window)
        self.xserver.xdotool("mousemove", x + width // 2, y + height // 4, "click", 3)
        menu = poll(lambda: len(self.xserver.visible_windows("zentim.exe")) > 1)
        assert menu, "no popup menu on the right mouse button"
        self.xserver.xdotool("key", "--delay", 50, *["Down"] * downs, "Return")

    def close(self):
        """Asks the clock to close, as Alt+F4 on the focused window does."""
        self.press("alt+F4")

    def wait_exit(self, timeout=10.0):
        """The program's exit status, or None if it still runs after timeout seconds."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        """Kills the program (and anything it started) and waits for its window to go."""
        if self.process.poll() is None:
            try:
                os.killpg(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        self.process.wait(30)
        poll(lambda: self.window not in self.xserver.visible_windows("zentim.exe"), 10)


class ClockLauncher:
    """Starts one program in scratch folders; stop_all() ends every start."""

    def __init__(self, xserver, wine, program, workdir):
        self.xserver = xserver
        self.wine = wine
        self.program = Path(program)
        self.workdir = Path(workdir)
        self.clocks = []

    def start(self, ini=None, *, folder=None, time_of_day=None, env=None, wait=True):
        """Starts the program with its current directory a new scratch folder
        (or folder), holding zentim.ini with the content ini (str or bytes)
        unless ini is None.

        time_of_day "HH:MM:SS" sets the clock's local time at start (see
        time_of_day_zone). env adds variables (HOME, say).
        With wait, returns once the clock's window is visible; otherwise
        call wait_window() on the result."""
        if folder is None:
            folder = self.workdir / f"run{len(self.clocks) + 1}"
            folder.mkdir(parents=True)
        folder = Path(folder)
        if ini is not None:
            data = ini.encode("cp1252") if isinstance(ini, str) else ini
            (folder / "zentim.ini").write_bytes(data)
        run_env = dict(self.wine.env)
        if time_of_day is not None:
            run_env["TZ"] = time_of_day_zone(time_of_day)
        run_env.update(env or {})
        before = set(self.xserver.visible_windows("zentim.exe"))
        log = open(folder.parent / f"{folder.name}.log", "wb")
        process = subprocess.Popen(["wine", str(self.program)], cwd=folder,
                                   env=run_env, stdin=subprocess.DEVNULL, stdout=log,
                                   stderr=subprocess.STDOUT, start_new_session=True)
        log.close()
        clock = Clock(self.xserver, process, folder, before)
        self.clocks.append(clock)
        if wait:
            try:
                clock.wait_window(timeout=START_TIMEOUT / 2)
            except AssertionError:
                if clock.process.poll() is not None or getattr(self, "_restarting", False):
                    raise
                # Now and then, just after a window manager has taken over
                # the screen, Wine's first mapping of a window is lost: the
                # program runs on with its window in place, never shown.
                # That is the X side's doing; start the program once more.
                clock.stop()
                self._restarting = True
                try:
                    return self.start(ini, folder=folder, time_of_day=time_of_day, env=env)
                finally:
                    self._restarting = False
        return clock

    def stop_all(self):
        for clock in self.clocks:
            clock.stop()
