"""The clock shows: started in a folder, it takes the window rectangle from
zentim.ini there (or centres itself without one) and draws its face; it
writes no settings file of its own accord."""

from zentim_e2e import (BLACK, DESKTOP_RGB, DOWN_TEXT_BAND, QUARTER_PAST_NINE, SAVED_GEOMETRY,
                        SCREEN_SIZE, UP_TEXT_BAND, WHITE, count_pixels, is_colour, settings_ini)

PANEL_BOX_RGB = (153, 102, 10)
# Where things lie in the 240 x 240 face: centre (120, 120), radius 114.
TWELVE_MARK = (117, 5, 124, 15)
PANEL_BAND = (50, 172, 190, 210)
EMPTY_FACE = (150, 85, 190, 105)


def test_face_and_close(window_manager, xserver, clock):
    """Borderless at the saved rectangle and round, with the texts and panel
    the file asks for; a close request ends it and leaves the file alone.
    That they show only when set is for the window tests."""
    ini = settings_ini(up="Office", down="Quartz", panel=1)
    running = clock.start(ini, time_of_day=QUARTER_PAST_NINE)
    assert running.wait_geometry(SAVED_GEOMETRY) == SAVED_GEOMETRY
    assert running.wait_face_drawn(), "the face was not drawn round and black"
    # No frame or title bar around the window: the desktop right beside it.
    x, y, width, height = SAVED_GEOMETRY
    margin = 4
    around = xserver.screenshot((x - margin, y - margin, x + width + margin, y + height + margin))
    image = around.crop((margin, margin, margin + width, margin + height))
    desktop = is_colour(DESKTOP_RGB)
    ring_desktop = (count_pixels(around, (0, 0, around.width, around.height), desktop)
                    - count_pixels(image, (0, 0, width, height), desktop))
    assert ring_desktop == around.width * around.height - width * height

    for corner in [(0, 0), (width - 6, 0), (0, height - 6), (width - 6, height - 6)]:
        box = (*corner, corner[0] + 6, corner[1] + 6)
        assert count_pixels(image, box, desktop) == 36, \
            f"outside the round face at {corner} the desktop should show"
    assert count_pixels(image, EMPTY_FACE, is_colour(BLACK)) >= 0.9 * 40 * 20
    assert count_pixels(image, TWELVE_MARK, is_colour(WHITE)) >= 12
    assert count_pixels(image, UP_TEXT_BAND, is_colour(WHITE)) >= 40
    assert count_pixels(image, DOWN_TEXT_BAND, is_colour(WHITE)) >= 40
    assert count_pixels(image, PANEL_BAND, is_colour(PANEL_BOX_RGB)) >= 200

    running.close()
    assert running.wait_exit() == 0, "a close request should end the program"
    assert (running.folder / "zentim.ini").read_bytes() == ini.encode("cp1252")


def test_without_settings_file_centred_at_template_size_and_writes_none(clock):
    running = clock.start()
    assert running.wait_face_drawn()
    x, y, width, height = running.geometry()
    # 119 x 113 dialog units of an 8-point dialog font; the pixels depend on
    # the font the system has, so only their order of size is fixed.
    assert 150 <= width <= 220 and 140 <= height <= 220
    screen_width, screen_height = SCREEN_SIZE
    assert abs(x - (screen_width - width) // 2) <= 1
    assert abs(y - (screen_height - height) // 2) <= 1
    running.close()
    assert running.wait_exit() == 0, "a close request should end the program"
    assert not (running.folder / "zentim.ini").exists()
