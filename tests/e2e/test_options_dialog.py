"""The options dialog as a user meets it: opened from the clock's popup menu,
texts typed and applied show on the face while the dialog is open, and Save
writes what the boxes hold into zentim.ini, typed after the last Apply or not."""

from zentim_e2e import WHITE, count_pixels, is_colour, poll

# A 240 x 240 clock at x 100, y 200, chime off, no texts, no panel.
SETTINGS = (
    "[MainWindow]\n"
    'size="100,340,200,440"\n'
    "[Options]\n"
    "kuku_type=0\n"
    'kuku_sound=""\n'
    "kuku_flash_count=0\n"
    'up_str=""\n'
    'down_str=""\n'
    "digital_panel=0\n"
)
SAVED_GEOMETRY = (100, 200, 240, 240)
QUARTER_PAST_NINE = "09:15:30"
# Bands of the 240 x 240 face that hold the texts above and below the centre.
UP_TEXT_BAND = (50, 60, 190, 86)
DOWN_TEXT_BAND = (50, 140, 190, 175)

# The popup menu: Minimize, Restore, Maximize, a separator, Options.
DOWN_TO_OPTIONS = 4
# From "Apply", the first tab stop: the two text boxes, the five colour
# buttons, "Cancel", then "Save".
TABS_FROM_APPLY_TO_SAVE = 9


def find_window(xserver, title):
    out = xserver.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                      check=False)
    ids = [int(word) for word in out.split()]
    return ids[0] if ids else None


def keys(xserver, window, *names):
    xserver.run(["xdotool", "windowfocus", "--sync", str(window)])
    xserver.run(["xdotool", "key", "--clearmodifiers", "--delay", "50", *names])


def type_text(xserver, window, text):
    xserver.run(["xdotool", "windowfocus", "--sync", str(window)])
    xserver.run(["xdotool", "type", "--delay", "50", text])


def texts_on_face(running):
    image = running.screenshot()
    return (count_pixels(image, UP_TEXT_BAND, is_colour(WHITE)),
            count_pixels(image, DOWN_TEXT_BAND, is_colour(WHITE)))


def test_options_apply_then_save(window_manager, xserver, clock):
    running = clock.start(SETTINGS, time_of_day=QUARTER_PAST_NINE)
    assert running.wait_geometry(SAVED_GEOMETRY) == SAVED_GEOMETRY
    assert running.wait_face_drawn()
    assert texts_on_face(running) == (0, 0)

    x, y, width, height = SAVED_GEOMETRY
    # The menu takes its keys from the window that has the focus.
    xserver.run(["xdotool", "windowfocus", "--sync", str(running.window)])
    xserver.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 4),
                 "click", "3"])
    menu = poll(lambda: xserver.run(["xdotool", "search", "--onlyvisible", "--class",
                                     "^zentim.exe$"], check=False).split()
                != [str(running.window)], timeout=10)
    assert menu, "no popup menu on the right mouse button"
    xserver.run(["xdotool", "key", "--delay", "50", *["Down"] * DOWN_TO_OPTIONS, "Return"])
    options = poll(lambda: find_window(xserver, "Zentim options"), timeout=10)
    assert options, "Options did not open the options dialog"

    # Apply has the focus; the two text boxes follow it.
    keys(xserver, options, "Tab")
    type_text(xserver, options, "Office")
    keys(xserver, options, "Tab")
    type_text(xserver, options, "Quartz")
    keys(xserver, options, "shift+Tab", "shift+Tab", "space")
    # The dialog opens over the clock; put it aside to look at the face.
    xserver.run(["xdotool", "windowmove", "--sync", str(options), "500", "0"], check=False)
    shown = poll(lambda: min(texts_on_face(running)) >= 40, timeout=10)
    assert shown, "the applied texts did not show on the face"

    # Typed after Apply and saved without it: Save keeps it all the same.
    # Tabbing into a box selects its text, so typing replaces it.
    keys(xserver, options, "Tab")
    type_text(xserver, options, "Studio")
    keys(xserver, options, "shift+Tab", *["Tab"] * TABS_FROM_APPLY_TO_SAVE, "space")
    confirmation = poll(lambda: find_window(xserver, "Save"), timeout=10)
    assert confirmation, "Save showed no confirmation"
    keys(xserver, confirmation, "Return")
    assert poll(lambda: find_window(xserver, "Zentim options") is None, timeout=10), \
        "Save should close the dialog"

    ini = (running.folder / "zentim.ini").read_text("cp1252")
    assert 'up_str="Studio"' in ini
    assert 'down_str="Quartz"' in ini
    assert "digital_panel=0" in ini
