"""The clock shows: started in a folder, it takes the window rectangle from
zentim.ini there (or centres itself without one) and draws its face; it
writes no settings file of its own accord."""

import pytest

from zentim_e2e import (BLACK, DESKTOP_RGB, SCREEN_SIZE, WHITE, count_pixels, is_colour)

PANEL_BOX_RGB = (153, 102, 10)

# A 240 x 240 window at x 100, y 200 (the file says left, right, top, bottom).
SAVED_GEOMETRY = (100, 200, 240, 240)
# Hands level at a quarter past nine stay clear of the 12 o'clock mark, the
# texts and the panel.
QUARTER_PAST_NINE = "09:15:30"


def settings(up="Office", down="Quartz", panel=1):
    return (
        "[MainWindow]\n"
        'size="100,340,200,440"\n'
        "[Options]\n"
        "kuku_type=0\n"
        'kuku_sound=""\n'
        "kuku_flash_count=0\n"
        f'up_str="{up}"\n'
        f'down_str="{down}"\n'
        f"digital_panel={panel}\n"
    )


# Where things lie in the 240 x 240 face: centre (120, 120), radius 114.
TWELVE_MARK = (117, 5, 124, 15)
UP_TEXT_BAND = (50, 60, 190, 86)
DOWN_TEXT_BAND = (50, 140, 190, 175)
PANEL_BAND = (50, 172, 190, 210)
EMPTY_FACE = (150, 85, 190, 105)


def test_window_takes_saved_rectangle(clock):
    running = clock.start(settings())
    assert running.wait_geometry(SAVED_GEOMETRY) == SAVED_GEOMETRY


@pytest.mark.parametrize(
    "up, down, panel, texts_shown, panel_shown",
    [
        ("Office", "Quartz", 1, True, True),
        ("", "", 0, False, False),
        ("Office", "Quartz", 2, True, False),  # only 1 means a panel
    ],
    ids=["texts-and-panel", "bare-face", "panel-off-unless-1"],
)
def test_face(clock, up, down, panel, texts_shown, panel_shown):
    running = clock.start(settings(up, down, panel), time_of_day=QUARTER_PAST_NINE)
    assert running.wait_geometry(SAVED_GEOMETRY) == SAVED_GEOMETRY
    assert running.wait_face_drawn(), "the face was not drawn round and black"
    image = running.screenshot()

    width, height = image.size
    for corner in [(0, 0), (width - 6, 0), (0, height - 6), (width - 6, height - 6)]:
        box = (*corner, corner[0] + 6, corner[1] + 6)
        assert count_pixels(image, box, is_colour(DESKTOP_RGB)) == 36, \
            f"outside the round face at {corner} the desktop should show"
    assert count_pixels(image, EMPTY_FACE, is_colour(BLACK)) >= 0.9 * 40 * 20
    assert count_pixels(image, TWELVE_MARK, is_colour(WHITE)) >= 12

    up_white = count_pixels(image, UP_TEXT_BAND, is_colour(WHITE))
    down_white = count_pixels(image, DOWN_TEXT_BAND, is_colour(WHITE))
    panel_box = count_pixels(image, PANEL_BAND, is_colour(PANEL_BOX_RGB))
    if texts_shown:
        assert up_white >= 40 and down_white >= 40
    else:
        assert up_white == 0 and down_white == 0
    if panel_shown:
        assert panel_box >= 200
    else:
        assert panel_box == 0


def test_without_settings_file_centred_at_template_size(clock):
    running = clock.start()
    assert running.wait_face_drawn()
    x, y, width, height = running.geometry()
    # 119 x 113 dialog units of an 8-point dialog font; the pixels depend on
    # the font the system has, so only their order of size is fixed.
    assert 150 <= width <= 220 and 140 <= height <= 220
    screen_width, screen_height = SCREEN_SIZE
    assert abs(x - (screen_width - width) // 2) <= 1
    assert abs(y - (screen_height - height) // 2) <= 1


@pytest.mark.parametrize("ini", [None, settings()], ids=["no-file", "own-file"])
def test_writes_no_settings_file_on_exit(clock, ini):
    running = clock.start(ini)
    assert running.wait_face_drawn()
    running.close()
    assert running.wait_exit() == 0, "a close request should end the program"
    ini_path = running.folder / "zentim.ini"
    if ini is None:
        assert not ini_path.exists()
    else:
        assert ini_path.read_bytes() == ini.encode("cp1252")


def test_borderless_under_window_manager(window_manager, xserver, clock):
    running = clock.start(settings())
    assert running.wait_geometry(SAVED_GEOMETRY) == SAVED_GEOMETRY
    assert running.wait_face_drawn()
    # No frame or title bar around the window: the desktop right beside it.
    x, y, width, height = SAVED_GEOMETRY
    margin = 4
    around = xserver.screenshot((x - margin, y - margin, x + width + margin, y + height + margin))
    desktop = is_colour(DESKTOP_RGB)
    inner = (margin, margin, margin + width, margin + height)
    ring_desktop = (count_pixels(around, (0, 0, around.width, around.height), desktop)
                    - count_pixels(around, inner, desktop))
    assert ring_desktop == around.width * around.height - width * height
