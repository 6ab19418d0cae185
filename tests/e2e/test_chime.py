"""The interval chime: at a minute that is a multiple of kuku_type the clock
flashes its window (maximised, then restored) kuku_flash_count times and
then plays kuku_sound; at other minutes it stays still.

Under X, maximising a window is the window manager's business: without one
Wine leaves the X window at its size. The flash tests therefore run openbox."""

import random
import re
import subprocess
import threading
import time
import wave

import pytest

from zentim_e2e import SCREEN_SIZE, poll, settings_ini

# Started this many seconds before the minute it watches: time enough for
# the window to show and the watch to begin before the minute does.
LEAD = 8
# How long after its first second a minute is watched: the 5 seconds in which
# it may chime and the flashes themselves.
WATCH_AFTER = 8


def settings(interval, flashes, sound=""):
    return settings_ini(size=None, interval=interval, flashes=flashes, sound=sound, panel=1)


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


class SizeWatch:
    """The sizes an X window takes, as the X server announces them to xev:
    none is missed, however briefly it lasts."""

    def __init__(self, xserver, window):
        self.sizes = []
        self._process = subprocess.Popen(
            ["xev", "-id", str(window), "-event", "structure"], env=xserver.env,
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
            text=True)
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        for line in self._process.stdout:
            match = re.search(r"width (\d+), height (\d+)", line)
            if match:
                size = (int(match.group(1)), int(match.group(2)))
                # The window manager repeats each change in a synthetic event.
                if not self.sizes or self.sizes[-1][1] != size:
                    self.sizes.append((time.monotonic(), size))

    def stop(self):
        self._process.terminate()
        self._process.wait(10)
        self._reader.join(10)
        return self.sizes


def watch_minute(clock, ini, start_time):
    """Starts a clock LEAD seconds before a minute and watches its window
    until WATCH_AFTER seconds into it. Returns the running clock, its size
    at start, the sizes seen as (seconds from the minute's start, size), and
    the minute's start as a monotonic time."""
    # A slow first start of Wine can eat the lead; a second start is quick.
    for _ in range(2):
        # The zone puts start_time at the whole second of the launch.
        wall, launched = time.time(), time.monotonic()
        minute = launched + int(wall) + LEAD - wall
        running = clock.start(ini, time_of_day=start_time)
        watch = SizeWatch(clock.xserver, running.window)
        initial = running.geometry()[2:]
        if time.monotonic() < minute - 1:
            break
        watch.stop()
        running.stop()
    else:
        pytest.fail(f"the clock took more than {LEAD - 2} s to show its window, twice")
    time.sleep(max(0.0, minute + 1 + WATCH_AFTER - time.monotonic()))
    sizes = [(at - minute, size) for at, size in watch.stop()]
    return running, initial, sizes


def test_due_minute_flashes_and_a_missing_sound_does_no_harm(window_manager, clock, tmp_path):
    missing = windows_path(tmp_path / "no such.wav")
    running, initial, sizes = watch_minute(clock, settings(15, 2, missing), "12:14:52")
    assert [size for _, size in sizes] == [SCREEN_SIZE, initial] * 2
    first_flash = sizes[0][0]
    assert -0.2 <= first_flash <= 5.5, f"flashed {first_flash:.1f} s after 12:15:00"
    # Generous bounds around 150 ms in each state.
    for (earlier, _), (later, _) in zip(sizes, sizes[1:]):
        assert 0.05 <= later - earlier <= 1.5
    assert running.geometry()[2:] == initial
    assert running.process.poll() is None
    # The sound comes after the flashes.
    first = running.screenshot().tobytes()
    assert poll(lambda: running.screenshot().tobytes() != first, timeout=5), \
        "the face stopped moving after the chime"


def test_minute_not_due_stays_still(window_manager, clock):
    # 31 is no multiple of 30 (though 31 / 30 reads 1.0 to one decimal).
    running, _, sizes = watch_minute(clock, settings(30, 2), "12:30:52")
    assert sizes == []
    assert running.process.poll() is None


def make_wav(path, seconds=0.25, rate=22050):
    """A 16-bit mono PCM WAV of noise; returns its sample data."""
    generator = random.Random(20260302)
    data = bytes(generator.randrange(256) for _ in range(int(seconds * rate) * 2))
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(data)
    return data


def test_sound_reaches_the_audio_output(clock, tmp_path):
    # A home folder whose ALSA default device writes all it plays to
    # out.raw, unclocked, as raw samples.
    folder = tmp_path / "home"
    folder.mkdir()
    output = folder / "out.raw"
    (folder / ".asoundrc").write_text(
        f'pcm.!default {{ type file; slave.pcm "null"; file "{output}"; format "raw" }}\n')
    samples = make_wav(folder / "kuku.wav")
    clock.start(settings(1, 0, windows_path(folder / "kuku.wav")), folder=folder,
                time_of_day="12:14:57", env={"HOME": str(folder)})

    def played():
        return output.exists() and samples in output.read_bytes()

    # Normally at 12:15:00; a slow start chimes at 12:16:00 instead.
    assert poll(played, timeout=75), "the WAV's samples never reached the output"
