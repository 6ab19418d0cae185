"""Whole journeys with the clock: started from a saved file; moved, grown,
saved and started again; hidden in the tray and back; the options dialog;
a world clock of two folders."""

import subprocess

from zentim_e2e import (DESKTOP_RGB, SAVED, WHITE, close, confirm, count, poll, press,
                        settings_ini, wait_face)

# Where things lie in the 240 x 240 face.
UP_TEXT, DOWN_TEXT, PANEL = (50, 60, 190, 86), (50, 140, 190, 175), (50, 172, 190, 210)
# Down presses in the popup menu: Minimize, Restore, the grayed Maximize
# (separators are skipped), Options, Alarms..., Save options.
TO_OPTIONS, TO_SAVE_OPTIONS = 4, 6
TRAY = "Wine System Tray"


def texts_on_face(clock):
    face = clock.face()
    return count(face, UP_TEXT, WHITE), count(face, DOWN_TEXT, WHITE)


def test_starts_from_saved_file(desktop, start, tmp_path):
    ini = settings_ini(up="Office", down="Quartz", panel=1)
    # As the system starts it at logon: in another folder, told the settings'.
    elsewhere = tmp_path / "elsewhere"
    elsewhere.mkdir()
    # Shown at the saved rectangle, or start() fails.
    clock = start(ini, args=["Z:" + str(tmp_path).replace("/", "\\")], cwd=elsewhere)
    assert wait_face(clock), "no whole round face"
    around = desktop.screenshot(96, 196, 248, 248)
    around.paste(DESKTOP_RGB, (4, 4, 244, 244))
    assert set(around.getdata()) == {DESKTOP_RGB}, "a frame around the clock"
    assert min(texts_on_face(clock)) >= 40, "the texts do not show"
    assert count(clock.face(), PANEL, (153, 102, 10)) >= 200, "no panel box"
    assert close(clock) == 0
    assert (tmp_path / "zentim.ini").read_bytes() == ini.encode()


def test_moved_grown_and_saved_clock_starts_there_again(desktop, start):
    clock = start(settings_ini())
    # By the face above its centre, 150 right and 60 down. The pauses give the
    # system's move loop time to take the pointer over and to let it go.
    desktop.xdotool("mousemove", 220, 260, "mousedown", 1, "sleep", 0.3, "mousemove", 295, 290,
                    "sleep", 0.2, "mousemove", 370, 320, "sleep", 0.3, "mouseup", 1)
    moved = (250, 260, 240, 240)
    assert clock.wait_geometry(moved) == moved, "the drag did not move the clock"
    for step in (1, 2, 3):
        press(clock, "Up")
        grown = (250 - step, 260 - step, 240 + 2 * step, 240 + 2 * step)
        assert clock.wait_geometry(grown) == grown, f"Up number {step} did not grow the clock"
    clock.choose_from_menu(TO_SAVE_OPTIONS)
    confirm(desktop, "Save")
    assert close(clock) is not None, "the clock did not end"

    start(at=grown)  # fails unless the next start is where the clock was left
    # Left, right, top, bottom.
    assert 'size="247,493,257,503"' in (clock.folder / "zentim.ini").read_text()


def test_escape_to_the_tray_and_back(desktop, start):
    clock = start(settings_ini())
    assert not desktop.windows(name=TRAY)
    press(clock, "Escape")
    assert poll(lambda: not clock.shown()), "Escape did not hide the clock"
    tray = poll(lambda: desktop.windows(name=TRAY))
    assert tray, "no icon in the tray"
    tray_x, tray_y, _, tray_height = desktop.geometry(tray[0])
    desktop.xdotool("mousemove", tray_x + 10, tray_y + tray_height // 2, "click", 1)
    assert poll(clock.shown), "a click on the icon did not bring the clock back"
    assert poll(lambda: not desktop.windows(name=TRAY)), "the icon stayed"
    assert clock.wait_geometry(SAVED) == SAVED, "the clock came back elsewhere"
    assert wait_face(clock), "back, the face is not drawn round"


def test_options_applied_then_saved(desktop, start):
    clock = start(settings_ini())
    clock.choose_from_menu(TO_OPTIONS)
    options = poll(lambda: desktop.windows(name="Zentim options"))
    assert options, "no options dialog"
    # It opens over the clock: put aside, and the face drawn again where it was.
    desktop.xdotool("windowmove", "--sync", options[0], 500, 0)
    assert wait_face(clock) and texts_on_face(clock) == (0, 0)
    focus = ("windowfocus", "--sync", options[0])
    # The focus starts in the top text's box, the bottom one's follows it;
    # the focus coming into a box selects its text, so typing replaces it.
    # Enter applies wherever the focus is.
    desktop.xdotool(*focus, "type", "Office\tQuartz")
    desktop.xdotool(*focus, "key", "Return")
    assert poll(lambda: min(texts_on_face(clock)) >= 40), "the applied texts do not show"
    # Then Save, the last control, one back from the first box.
    desktop.xdotool(*focus, "key", "shift+Tab", "type", "Studio")
    desktop.xdotool(*focus, "key", "shift+Tab", "space")
    confirm(desktop, "Save")
    assert poll(lambda: not desktop.windows(name="Zentim options")), "the dialog stayed"
    ini = (clock.folder / "zentim.ini").read_text("cp1252")
    assert 'up_str="Studio"' in ini and 'down_str="Quartz"' in ini


def test_a_world_clock_of_two_folders(desktop, start, tmp_path):
    # A second clock, in Tokyo's time with the date, on a folder of its own
    # beside the first: each grows, saves its own file and starts there
    # again. (Under Wine the keys go to the program started last, whichever
    # window has the focus: each clock is used while it is the last.)
    tokyo = tmp_path / "tokyo"
    tokyo.mkdir()
    (tokyo / "zentim.ini").write_text(
        settings_ini().replace('size="100,340,200,440"', 'size="400,640,200,440"')
        + 'date_window=1\ntime_zone="Tokyo Standard Time"\n', "cp1252")
    windows_path = "Z:" + str(tokyo).replace("/", "\\")
    first = start(settings_ini())
    grow_and_save(desktop, first)
    second = start(args=[windows_path], at=(400, 200, 240, 240))
    assert wait_face(first) and wait_face(second)
    grow_and_save(desktop, second)
    # Started again on its folder, the Tokyo clock stays one.
    desktop.xdotool("mousemove", 900, 700)
    twin = subprocess.Popen(["wine", second.process.args[1], windows_path], cwd=tmp_path,
                            env=desktop.env, start_new_session=True, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    assert poll(lambda: twin.poll() is not None, 20), "the twin did not end"
    assert len(desktop.windows(cls="zentim.exe")) == 2
    for clock in (first, second):
        clock.kill()
    assert 'size="99,341,199,441"' in (tmp_path / "zentim.ini").read_text()
    saved = (tokyo / "zentim.ini").read_text()
    assert 'size="399,641,199,441"' in saved and 'time_zone="Tokyo Standard Time"' in saved
    start(at=(99, 199, 242, 242))
    start(args=[windows_path], at=(399, 199, 242, 242))


def grow_and_save(desktop, clock):
    x, y, width, height = clock.geometry()
    press(clock, "Up")
    grown = (x - 1, y - 1, width + 2, height + 2)
    assert clock.wait_geometry(grown) == grown, "Up did not grow the clock"
    clock.choose_from_menu(TO_SAVE_OPTIONS)
    confirm(desktop, "Save")
