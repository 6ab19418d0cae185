"""Makes the README's pictures of the 32-bit program under Wine: the clock in
its classic scheme and in another, the classic and the smooth face and the
options dialog at 96 dpi and at 144 dpi (the Windows setting
HKCU\\Control Panel\\Desktop\\LogPixels), each dpi in a Wine prefix of its
own; a world clock of two clocks; and the smooth face's own frame blended
over a light and a dark wallpaper, as Windows would show it. Run through
scripts/screenshots, after scripts/build."""

import subprocess
import tempfile
from pathlib import Path

from PIL import Image

from wine_desktop import BUILD, Clock, Desktop, poll

ROOT = Path(__file__).resolve().parents[1]

DOCS = ROOT / "docs"
OTHER_SCHEME = ('color_background="240,236,222"\ncolor_arrows="40,48,64"\n'
                'color_second_arrow="200,40,40"\ncolor_digital_bkgrd="40,48,64"\n'
                'color_digital_digits="240,236,222"\nhour_arrow_width=7\nminute_arrow_width=4\n'
                'scale_points_width=2\n')


def settings(x, y, side, scheme=""):
    return (f'[MainWindow]\nsize="{x},{x + side},{y},{y + side}"\n[Options]\nkuku_type=0\n'
            'kuku_sound=""\nkuku_flash_count=0\nup_str="Zentim"\ndown_str="Quartz"\n'
            f"digital_panel=1\n{scheme}")


def start(desktop, folder, ini, at, background=(0, 0, 0)):
    (folder / "zentim.ini").write_text(ini)
    clock = Clock(desktop, BUILD / "win32" / "zentim.exe", folder, at)
    # Whole once the dial's colour shows on both sides of the centre.
    side = at[2]
    if not poll(lambda: {clock.face().getpixel((side // 5, side // 2)),
                         clock.face().getpixel((side * 4 // 5, side // 2 + 20))} == {background}):
        raise SystemExit(f"no whole face in {folder}")
    return clock


def shoot(dpi, workdir):
    desktop = Desktop(workdir, BUILD / "wine" / f"screenshots-{dpi}dpi")
    try:
        desktop.wine.run("wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                         "/t", "REG_DWORD", "/d", str(dpi), "/f")
        # Wine draws the dialog's own caption and frame, as Windows would,
        # instead of the window manager's title bar with buttons the dialog
        # does not have.
        desktop.wine.run("wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Decorated",
                         "/t", "REG_SZ", "/d", "N", "/f")
        side = 240 * dpi // 96
        clock = start(desktop, workdir, settings(60, 60, side), (60, 60, side, side))
        clock.face().save(DOCS / f"clock-{dpi}dpi.png")
        smooth = workdir / "smooth"
        smooth.mkdir()
        start(desktop, smooth, settings(60 + side + 20, 60, side, "smooth_face=1\n"),
              (60 + side + 20, 60, side, side)).face().save(DOCS / f"clock-smooth-{dpi}dpi.png")
        if dpi == 96:
            world_clock(desktop, workdir)
            blended(desktop, workdir)
            other = workdir / "other"
            other.mkdir()
            start(desktop, other, settings(400, 60, side, OTHER_SCHEME), (400, 60, side, side),
                  (240, 236, 222)).face().save(DOCS / "clock-other-scheme.png")
        # Minimize, Restore, Maximize, then Options.
        clock.choose_from_menu(4)
        options = poll(lambda: desktop.windows(name="Zentim options"))
        if not options:
            raise SystemExit(f"the options dialog did not open at {dpi} dpi")
        # Undecorated, the X window is the dialog with its own frame.
        desktop.screenshot(*desktop.geometry(options[0])).save(DOCS / f"options-{dpi}dpi.png")
    finally:
        desktop.close()


def world_clock(desktop, workdir):
    """The clock of the machine's zone beside one in Tokyo's, both with the date."""
    clocks = []
    for name, x, zone in (("Local", 60, ""), ("Tokyo", 320, 'time_zone="Tokyo Standard Time"\n')):
        folder = workdir / name
        folder.mkdir()
        ini = settings(x, 400, 240, f"date_window=1\n{zone}").replace('"Zentim"', f'"{name}"')
        clocks.append(start(desktop, folder, ini, (x, 400, 240, 240)))
    desktop.screenshot(50, 390, 520, 260).save(DOCS / "world-clock.png")
    for clock in clocks:
        clock.kill()


def blended(desktop, workdir):
    """The program's own smooth frame (zentim_bench.exe --smooth-frame),
    premultiplied, over a light and a dark wallpaper: what Windows' layered
    window shows, which Wine without a compositor does not."""
    frame_file = workdir / "frame.pam"
    subprocess.run(["wine", str(BUILD / "win32" / "zentim_bench.exe"), "--smooth-frame", "240",
                    str(frame_file)], env=desktop.env, cwd=workdir, timeout=120,
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    raw = frame_file.read_bytes()
    body = raw[raw.index(b"ENDHDR\n") + 7:]
    frame = Image.frombytes("RGBA", (240, 240), body)
    for name, wallpaper in (("light", (236, 236, 228)), ("dark", (32, 40, 56))):
        out = Image.new("RGB", frame.size)
        # Premultiplied "over": the frame's colour plus the wallpaper's share
        # that its alpha leaves.
        out.putdata([tuple(min(255, c + (w * (255 - a) + 127) // 255) for c, w in
                           zip((r, g, b), wallpaper)) for r, g, b, a in frame.getdata()])
        out.save(DOCS / f"smooth-over-{name}.png")


def main():
    DOCS.mkdir(exist_ok=True)
    for dpi in (96, 144):
        with tempfile.TemporaryDirectory() as workdir:
            shoot(dpi, Path(workdir))
    print("docs/clock-96dpi.png, docs/clock-144dpi.png, docs/clock-smooth-96dpi.png, "
          "docs/clock-smooth-144dpi.png, docs/clock-other-scheme.png, docs/world-clock.png, "
          "docs/smooth-over-light.png, docs/smooth-over-dark.png, "
          "docs/options-96dpi.png, docs/options-144dpi.png")


if __name__ == "__main__":
    main()
