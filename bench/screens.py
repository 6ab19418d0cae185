"""The benchmark's own stage, kept apart from the end-to-end suite's helpers
so that either can change without breaking the other:

  poll           - wait for a condition instead of sleeping;
  XServer        - an Xvfb screen with a plain desktop colour;
  WindowManager  - openbox on such a screen;
  Wine           - a Wine prefix with its server kept warm, for one screen.
"""

import os
import re
import shutil
import subprocess
import time
from pathlib import Path

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
        self._run("wineserver", "-k")
        if not (self.prefix / "system.reg").exists():
            self.prefix.parent.mkdir(parents=True, exist_ok=True)
            self._run("wineboot", "-i", timeout=600)
            # wineboot returns before its helpers have written everything.
            self._run("wineserver", "-w", timeout=300)
        # Wine's stand-ins for the Windows fonts, as scripts/lib.sh puts in
        # its prefixes: every prefix then loads the same fonts.
        fonts = self.prefix / "drive_c" / "windows" / "Fonts"
        if fonts.is_dir():
            for font in Path("/usr/share/wine/fonts").glob("*"):
                if not (fonts / font.name).exists():
                    shutil.copy(font, fonts)
        self._run("wineserver", "-p")
        # The first program of a session starts Wine's desktop process (and
        # its services); started here, no measured program's process group
        # holds them.
        self._run("wine", "cmd", "/c", "exit")

    def _run(self, *args, timeout=120):
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
        self._run("wineserver", "-k")
