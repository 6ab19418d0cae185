"""Makes the README's pictures of the 32-bit program under Wine: the clock
and its options dialog at 96 dpi and at 144 dpi (the Windows setting
HKCU\\Control Panel\\Desktop\\LogPixels), each in a Wine prefix of its own.
Run through scripts/screenshots, after scripts/build."""

import os
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
from zentim_e2e import BUILD, PROGRAMS, ClockLauncher, Wine, WindowManager, XServer, poll  # noqa: E402

DOCS = ROOT / "docs"
SETTINGS = (
    "[MainWindow]\n"
    'size="60,300,60,300"\n'
    "[Options]\n"
    "kuku_type=0\n"
    'kuku_sound=""\n'
    "kuku_flash_count=0\n"
    'up_str="Zentim"\n'
    'down_str="Quartz"\n'
    "digital_panel=1\n"
)
# Minimize, Restore, Maximize, then Options.
DOWN_TO_OPTIONS = 4


def window_named(xserver, name):
    ids = xserver.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                      check=False).split()
    return int(ids[0]) if ids else None


def shoot(dpi, workdir):
    os.environ["ZENTIM_WINEPREFIX"] = str(BUILD / "wine" / f"screenshots-{dpi}dpi")
    xserver = XServer(workdir)
    manager = WindowManager(xserver, workdir)
    wine = Wine(xserver)
    launcher = ClockLauncher(xserver, wine, PROGRAMS["win32"], workdir)
    try:
        wine._run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                   "/t", "REG_DWORD", "/d", str(dpi), "/f"])
        # Without a size the clock takes its template's size, which scales
        # with the dpi; the texts and the panel come from the file.
        ini = SETTINGS if dpi == 96 else SETTINGS.replace('size="60,300,60,300"\n', "")
        clock = launcher.start(ini, time_of_day="10:08:20")
        if not clock.wait_face_drawn():
            raise SystemExit(f"no whole face at {dpi} dpi")
        clock.screenshot().save(DOCS / f"clock-{dpi}dpi.png")

        x, y, width, height = clock.geometry()
        xserver.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 4),
                     "click", "3"])
        poll(lambda: len(xserver.visible_windows("zentim.exe")) > 1, 10)
        xserver.run(["xdotool", "key", "--delay", "50", *["Down"] * DOWN_TO_OPTIONS, "Return"])
        options = poll(lambda: window_named(xserver, "Zentim options"), 10)
        if options is None:
            raise SystemExit(f"the options dialog did not open at {dpi} dpi")
        # Framed by the window manager: take the frame too, as a user sees it.
        ox, oy, ow, oh = xserver.geometry(options)
        extents = xserver.run(["xprop", "-id", str(options), "_NET_FRAME_EXTENTS"], check=False)
        left, right, top, bottom = ([int(n) for n in extents.split("=")[1].split(",")]
                                    if "=" in extents else (0, 0, 0, 0))
        xserver.screenshot((ox - left, oy - top, ox + ow + right, oy + oh + bottom)).save(
            DOCS / f"options-{dpi}dpi.png")
    finally:
        launcher.stop_all()
        wine.close()
        manager.stop()
        xserver.close()


def main():
    DOCS.mkdir(exist_ok=True)
    for dpi in (96, 144):
        with tempfile.TemporaryDirectory() as workdir:
            shoot(dpi, Path(workdir))
        print(f"docs/clock-{dpi}dpi.png, docs/options-{dpi}dpi.png")


if __name__ == "__main__":
    main()
