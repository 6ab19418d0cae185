"""The options dialog as a user meets it: opened from the clock's popup menu,
texts typed and applied show on the face while the dialog is open, and Save
writes what the boxes hold into zentim.ini, typed after the last Apply or not."""

from zentim_e2e import (DOWN_TEXT_BAND, QUARTER_PAST_NINE, SAVED_GEOMETRY, UP_TEXT_BAND, WHITE,
                        count_pixels, is_colour, poll, settings_ini)

# The popup menu: Minimize, Restore, Maximize, a separator, Options.
DOWN_TO_OPTIONS = 4
# From "Apply", the first tab stop: the two text boxes, the five colour
# buttons, "Cancel", then "Save".
TABS_FROM_APPLY_TO_SAVE = 9


def texts_on_face(running):
    image = running.screenshot()
    return (count_pixels(image, UP_TEXT_BAND, is_colour(WHITE)),
            count_pixels(image, DOWN_TEXT_BAND, is_colour(WHITE)))


def test_options_apply_then_save(window_manager, xserver, clock):
    running = clock.start(settings_ini(), time_of_day=QUARTER_PAST_NINE)
    assert running.wait_geometry(SAVED_GEOMETRY) == SAVED_GEOMETRY
    assert running.wait_face_drawn()
    assert texts_on_face(running) == (0, 0)
    running.choose_from_menu(DOWN_TO_OPTIONS)
    options = poll(lambda: xserver.window_named("Zentim options"))
    assert options, "Options did not open the options dialog"

    def keys(*names):
        xserver.xdotool("windowfocus", "--sync", options)
        xserver.xdotool("key", "--clearmodifiers", "--delay", 50, *names)

    def type_text(text):
        xserver.xdotool("windowfocus", "--sync", options)
        xserver.xdotool("type", "--delay", 50, text)

    # Apply has the focus; the two text boxes follow it.
    keys("Tab")
    type_text("Office")
    keys("Tab")
    type_text("Quartz")
    keys("shift+Tab", "shift+Tab", "space")
    # The dialog opens over the clock; put it aside to look at the face.
    xserver.xdotool("windowmove", "--sync", options, 500, 0, check=False)
    assert poll(lambda: min(texts_on_face(running)) >= 40), \
        "the applied texts did not show on the face"

    # Typed after Apply and saved without it: Save keeps it all the same.
    # Tabbing into a box selects its text, so typing replaces it.
    keys("Tab")
    type_text("Studio")
    keys("shift+Tab", *["Tab"] * TABS_FROM_APPLY_TO_SAVE, "space")
    confirmation = poll(lambda: xserver.window_named("Save"))
    assert confirmation, "Save showed no confirmation"
    xserver.xdotool("windowfocus", "--sync", confirmation, "key", "Return")
    assert poll(lambda: xserver.window_named("Zentim options") is None), \
        "Save should close the dialog"

    ini = (running.folder / "zentim.ini").read_text("cp1252")
    assert 'up_str="Studio"' in ini
    assert 'down_str="Quartz"' in ini
    assert "digital_panel=0" in ini
