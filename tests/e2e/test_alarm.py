"""The alarm's journey: one set from the menu with the keys and the mouse, heard
ringing at its minute and dismissed. A real ring needs the real clock: the 64-bit
program runs under faketime (libfaketime reaches only 64-bit Wine processes),
started a little before the alarm's minute."""

from zentim_e2e import BUILD, SAVED, Clock, poll, settings_ini

# Down presses in the popup menu to "Alarms...", as test_journeys counts them.
TO_ALARMS = 5
# A Monday, in the zone the clock is given; the alarm is set for the next minute.
START, ALARM = "2026-03-02 09:14:25", "09:15"
# The picker's hours in the alarm's dialog, as fractions of its client area
# (its template is 220 x 160 dialog units, the picker at 50, 7).
HOURS = (56 / 220, 14 / 160)
RING = "Zentim alarm"


def window(desktop, title):
    found = poll(lambda: desktop.windows(name=title))
    assert found, f"no {title!r} window"
    return found[0]


def test_alarm_set_from_the_menu_rings_and_is_dismissed(desktop, tmp_path):
    (tmp_path / "zentim.ini").write_text(settings_ini(), "cp1252")
    # UTC, so that the faked time is the clock's; the files' times left true,
    # or Wine would take its prefix for changed and update it at every start.
    clock = Clock(desktop, BUILD / "win64" / "zentim.exe", tmp_path, SAVED,
                  launcher=["faketime", "--exclude-monotonic", START],
                  env={"TZ": "UTC", "NO_FAKE_STAT": "1"})
    try:
        clock.choose_from_menu(TO_ALARMS)
        alarms = window(desktop, "Alarms")
        desktop.xdotool("windowfocus", "--sync", alarms, "key", "alt+a")
        edit = window(desktop, "Alarm")
        x, y, width, height = desktop.geometry(edit)
        desktop.xdotool("mousemove", round(x + width * HOURS[0]), round(y + height * HOURS[1]),
                        "click", 1)
        hours, minutes = ALARM.split(":")
        desktop.xdotool("type", "--delay", 100, hours)
        desktop.xdotool("key", "Right")
        desktop.xdotool("type", "--delay", 100, minutes)
        desktop.xdotool("key", "Return")
        assert poll(lambda: not desktop.windows(name="Alarm")), "the alarm's dialog stayed"
        desktop.xdotool("windowfocus", "--sync", alarms, "key", "Return")
        assert poll(lambda: not desktop.windows(name="Alarms")), "the alarms' dialog stayed"
        ini = tmp_path / "zentim.ini"
        assert f"alarm1_time={ALARM}" in ini.read_text("cp1252")

        ring = poll(lambda: desktop.windows(name=RING), timeout=90)
        assert ring, "the alarm did not ring"
        # Enter, as a person presses it again when the first only ended the
        # flashes: the keys are the ring window's once they are over.
        def enter_dismisses():
            desktop.xdotool("key", "Return")
            return not desktop.windows(name=RING)

        assert poll(enter_dismisses, interval=0.5), "Enter did not dismiss the alarm"
        assert clock.wait_geometry(SAVED) == SAVED, "the clock did not come back from its flashes"
        assert "alarm1_on=0" in ini.read_text("cp1252"), "the once alarm is still on"
    finally:
        clock.kill()
