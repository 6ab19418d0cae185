"""The figures of scripts/bench, measured from outside the programs.

  frame times        - zentim_bench.exe (frame_bench.cpp), 32- and 64-bit;
  start-up           - from starting zentim.exe to its whole face at the saved place;
  CPU and memory     - a minute of the 32-bit clock ticking beside
                       `xclock -update 1` and minimal_clock.exe (the least a
                       ticking Win32 window does: what Wine itself costs),
                       and beside the clock with the smooth face and the
                       clock without its second hand,
                       each on its own Xvfb screen, the two Windows programs
                       each in a Wine prefix of its own; from each process's
                       CPU clock and /proc (utime + stime, VmHWM);
  tick phase         - a minute of watching the clock window's pixels change
                       (X DAMAGE events), against the wall clock's seconds;
  exe sizes.
Prints the figures with their targets and writes them as JSON.
Usage: zentim_bench.py [--quick] [--json FILE]
"""

import argparse
import contextlib
import json
import math
import os
import platform
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from PIL import Image
from Xlib import X, display
from Xlib.error import XError
from Xlib.ext import damage

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "scripts"))
from wine_desktop import BUILD, DESKTOP_RGB, Wine, WindowManager, XServer, poll

ARCHES = ("win32", "win64")
BLACK = (0, 0, 0)
RED = (255, 0, 0)
CLOCK_SIZE = 240
# minimal_clock.exe takes the same place on its own screen.
CLOCK_AT = 100
# A CLOCK_SIZE square at (CLOCK_AT, CLOCK_AT) ("left,right,top,bottom"),
# the bare face; every key present, or the clock reports the missing ones.
CLOCK_INI = ('[MainWindow]\r\nsize="{0},{1},{0},{1}"\r\n[Options]\r\nkuku_type=0\r\n'
             'kuku_sound=""\r\nkuku_flash_count=0\r\nup_str=""\r\ndown_str=""\r\n'
             'digital_panel=0\r\n').format(CLOCK_AT, CLOCK_AT + CLOCK_SIZE)
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
# scripts/bench passes the prefix it made; the minimal window's lies beside
# it, so that its wineserver is its own and counted apart.
CLOCK_PREFIX = Path(os.environ.get("ZENTIM_WINEPREFIX") or BUILD / "wine" / "prefix")
MINIMAL_PREFIX = CLOCK_PREFIX.with_name(CLOCK_PREFIX.name + "-minimal")
# The programs of the minute, by their keys in the results: the clock, the
# clock with the smooth face, the clock without its second hand, and the
# two peers. The window class each is found by.
PROGRAMS = {"zentim": "zentim.exe", "smooth": "zentim.exe", "minute": "zentim.exe",
            "minimal": "minimal_clock.exe", "xclock": "xclock -update 1"}
LABELS = {"zentim": "zentim.exe", "smooth": "smooth face", "minute": "no second hand",
          "minimal": "minimal_clock.exe", "xclock": "xclock -update 1"}
# What the variants of the clock add to its settings.
VARIANT_KEYS = {"zentim": "", "smooth": "smooth_face=1\r\n", "minute": "second_hand=0\r\n"}

# The targets.
TARGET_FRAME_US = 100
TARGET_SMOOTH_FRAME_US = {240: 150, 800: 1000}
TARGET_SMOOTH_CPU_TO_CLASSIC = 1.5
TARGET_SMOOTH_PEAK_ABOVE_CLASSIC_MIB = 2
TARGET_MINUTE_CPU_TO_CLASSIC = 0.2
TARGET_PHASE_MS = 20
TARGET_START_MS = 150
TARGET_CPU_TO_XCLOCK = 1
TARGET_CPU_TO_MINIMAL = 2
TARGET_PEAK_ABOVE_MINIMAL_MIB = 4


# ---- the screen, seen through Xlib --------------------------------------

class Screen:
    """An X connection to one XServer, for finding and reading windows
    faster than the command-line tools can."""

    def __init__(self, xserver):
        self.display = display.Display(xserver.display)
        self.root = self.display.screen().root
        self._pid_atom = self.display.intern_atom("_NET_WM_PID")
        if not self.display.has_extension("DAMAGE"):
            raise RuntimeError("the X server has no DAMAGE extension")
        self.display.damage_query_version()
        self._damage_event = self.display.extension_event.DamageNotify

    def close(self):
        self.display.close()

    def windows(self, wm_class):
        """The viewable windows of that WM_CLASS, top-levels and the clients
        inside the window manager's frames."""
        found = []
        try:
            for top in self.root.query_tree().children:
                for window in [top, *top.query_tree().children]:
                    names = window.get_wm_class()
                    if names and wm_class in names and \
                            window.get_attributes().map_state == X.IsViewable:
                        found.append(window)
        except XError:
            pass  # a window went while we looked; the next look sees the rest
        return found

    def pid(self, window):
        prop = window.get_full_property(self._pid_atom, X.AnyPropertyType)
        return int(prop.value[0]) if prop else None

    def rectangle(self, window):
        """(x, y, width, height) on the screen."""
        geometry = window.get_geometry()
        origin = window.translate_coords(self.root, 0, 0)
        return (-origin.x, -origin.y, geometry.width, geometry.height)

    def picture(self, rectangle):
        """The screen in that rectangle, as a person sees it."""
        x, y, width, height = rectangle
        raw = self.root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        return Image.frombytes("RGB", (width, height), raw.data, "raw", "BGRX")

    def watch(self, window):
        """Starts reporting when the window's pixels change: the first
        drawing after each rearm() gives one event."""
        self._damage = window.damage_create(damage.DamageReportNonEmpty)
        self.display.flush()

    def rearm(self):
        self.display.damage_subtract(self._damage)
        self.display.flush()

    def wait_change(self, until):
        """Waits for the watched window to change; returns the wall-clock
        time it was told of, or None at `until` (a time.time() value)."""
        while True:
            while self.display.pending_events():
                if self.display.next_event().type == self._damage_event:
                    return time.time()
            left = until - time.time()
            if left <= 0:
                return None
            ready, _, _ = select.select([self.display.fileno()], [], [], left)
            if ready:
                stamp = time.time()
                while self.display.pending_events():
                    if self.display.next_event().type == self._damage_event:
                        return stamp


# ---- the face, read from pixels ------------------------------------------

def dial_point(cx, cy, second, r):
    angle = math.radians(second * 6)
    return cx + int(r * math.sin(angle)), cy - int(r * math.cos(angle))


def shown_second(image):
    """The second the red hand points at, or None when not exactly one
    position shows red. Read at 0.8 R: beyond the hour hand, under the
    minute hand, inside the marks."""
    width, height = image.size
    cx, cy = width // 2, height // 2
    r = 0.8 * (width // 2) * 0.95
    pixels = image.load()
    hits = []
    for second in range(60):
        x, y = dial_point(cx, cy, second, r)
        if any(pixels[x + dx, y + dy] == RED for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
            hits.append(second)
    return hits[0] if len(hits) == 1 else None


def some_face(image):
    """A quarter of the picture black: the dial is drawn, if not yet all of it."""
    width, height = image.size
    return image.convert("L").histogram()[0] >= width * height // 4


def minimal_face(image):
    """minimal_clock.exe's face: the dial and its one hand."""
    return some_face(image) and shown_second(image) is not None


def whole_face(image):
    """Black dial near the rim in the four diagonals, the desktop in the
    corners (clipped round), the major marks and the second hand."""
    width, height = image.size
    cx, cy = width // 2, height // 2
    radius = (width // 2) * 0.95
    pixels = image.load()
    for dx, dy in [(1, -1), (1, 1), (-1, 1), (-1, -1)]:
        x, y = round(cx + dx * 0.62 * radius), round(cy + dy * 0.62 * radius)
        if sum(pixels[x + i, y + j] == BLACK for i in range(-4, 4) for j in range(-4, 4)) < 16:
            return False
    corners = [(1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2)]
    if any(pixels[c] != DESKTOP_RGB for c in corners):
        return False
    # A hand may lie over one of the twelve major marks.
    marks = sum(pixels[dial_point(cx, cy, second, radius - 3)] == (255, 255, 255)
                for second in range(0, 60, 5))
    return marks >= 11 and shown_second(image) is not None


# ---- processes, seen through /proc ---------------------------------------

def cpu_reading(pid):
    """{"run_s": on-CPU time, "cpu_s": utime + stime} of a process so far,
    in seconds, threads that ended included; None once it is gone. The
    on-CPU time is the process's CPU clock, in nanoseconds; utime + stime
    come from the same count, but in clock ticks (10 ms)."""
    try:
        # The clock id of another process's CPU time, as glibc's
        # clock_getcpuclockid makes it (CPUCLOCK_SCHED).
        run_s = time.clock_gettime((~pid << 3) | 2)
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
    except OSError:
        return None
    # Fields 14 and 15 (utime, stime), counted from the state at field 3.
    return {"run_s": run_s, "cpu_s": (int(fields[11]) + int(fields[12])) / CLOCK_TICKS}


def peak_rss_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return None


def ratio(a, b):
    """a / b, or None when b is nothing (too short a run to count)."""
    return a / b if b > 0 else None


# ---- running things ------------------------------------------------------

class Stage:
    """One program's own screen: Xvfb, openbox, an Xlib connection and, for
    Windows programs, a warm Wine prefix."""

    def __init__(self, folder, prefix=None):
        folder.mkdir()
        self.folder = folder
        with contextlib.ExitStack() as undo:
            self.xserver = XServer(folder)
            undo.callback(self.xserver.close)
            manager = WindowManager(self.xserver)
            undo.callback(manager.stop)
            self.wine = None
            if prefix is not None:
                self.wine = Wine(self.xserver, prefix)
                undo.callback(self.wine.close)
            self.screen = Screen(self.xserver)
            undo.callback(self.screen.close)
            self._undo = undo.pop_all()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self._undo.close()


class Bench:
    """The measurements of one run, gathered in `results`."""

    def __init__(self, quick):
        self.quick = quick
        self.minute = 12 if quick else 60
        self.results = {"quick": quick, "minute_s": self.minute}

    def say(self, text):
        print(text, file=sys.stderr, flush=True)

    @staticmethod
    def start(key, arch, stage, folder):
        """Starts zentim.exe (with its zentim.ini) or minimal_clock.exe, by
        its key in PROGRAMS, in a folder of its own."""
        folder.mkdir(parents=True)
        if key in VARIANT_KEYS:
            (folder / "zentim.ini").write_text(CLOCK_INI + VARIANT_KEYS[key])
        with open(folder / "wine.log", "wb") as log:
            return subprocess.Popen(["wine", str(BUILD / arch / PROGRAMS[key])], cwd=folder,
                                    env=stage.wine.env, stdin=subprocess.DEVNULL, stdout=log,
                                    stderr=subprocess.STDOUT, start_new_session=True)

    @staticmethod
    def program_windows(screen, process, wm_class):
        """The windows of a program started under Wine, (window, pid). Wine
        names the Windows process's own pid, which is in the session the
        start began."""
        found = []
        for window in screen.windows(wm_class):
            try:
                pid = screen.pid(window)
                if pid is not None and os.getsid(pid) == process.pid:
                    found.append((window, pid))
            except (ProcessLookupError, XError):
                pass
        return found

    def face_time(self, key, screen, process, timeout=30.0):
        """Seconds from now until a window of the program is seen, until a
        face shows at the clock's place and size, and until that face is
        whole; the program's window and pid."""
        wm_class = PROGRAMS[key]
        # The variants only need to be ticking: their faces are the clock's.
        is_whole = {"zentim": whole_face, "minimal": minimal_face}.get(key, some_face)
        start = time.monotonic()
        rect = (CLOCK_AT, CLOCK_AT, CLOCK_SIZE, CLOCK_SIZE)
        seen = drawn = None
        windows = []
        while time.monotonic() - start < timeout:
            windows = self.program_windows(screen, process, wm_class)
            if windows and seen is None:
                seen = time.monotonic() - start
            for window, pid in windows:
                try:
                    if screen.rectangle(window) != rect:
                        continue
                    picture = screen.picture(rect)
                except XError:
                    continue
                if drawn is None and some_face(picture):
                    drawn = time.monotonic() - start
                if is_whole(picture):
                    return seen, drawn, time.monotonic() - start, (window, pid)
            if process.poll() is not None:
                break
            time.sleep(0.002)
        shown = []
        for window, _ in windows:
            try:
                shown.append(screen.rectangle(window))
            except XError:
                pass
        raise RuntimeError(f"{wm_class} showed no whole face within {timeout:.0f} s "
                           f"(exit status {process.poll()}, its windows at {shown})")

    @staticmethod
    def stop(process):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        process.wait(30)

    # -- the parts --

    def exe_sizes(self):
        self.results["exe_bytes"] = {
            f"{name} {arch}": (BUILD / arch / name).stat().st_size
            for name in ("zentim.exe", "minimal_clock.exe") for arch in ARCHES}

    def frame_times(self, stage):
        self.results["frames"] = {}
        for arch in ARCHES:
            self.say(f"frame times, {arch}")
            folder = stage.folder / f"frames-{arch}"
            folder.mkdir()
            done = subprocess.run(
                ["wine", str(BUILD / arch / "zentim_bench.exe")] + (["--quick"] if self.quick else []),
                cwd=folder, env=stage.wine.env, stdin=subprocess.DEVNULL, capture_output=True,
                text=True, timeout=600)
            lines = [json.loads(line) for line in done.stdout.splitlines() if line.startswith("{")]
            if done.returncode != 0 or not any(line["what"] == "window" for line in lines):
                raise RuntimeError(f"zentim_bench.exe ({arch}) failed: {done.stderr[-2000:]}")
            self.results["frames"][arch] = [line for line in lines if line["what"] != "build"]

    def start_up(self, stages):
        """Starts of the clock, and of the minimal window for what Wine's
        own start takes."""
        self.results["start_up"], self.results["start_up_minimal"] = {}, {}
        for arch in ARCHES:
            self.say(f"start-up, {arch}")
            self.results["start_up"][arch] = self.starts("zentim", arch, stages["zentim"])
            self.results["start_up_minimal"][arch] = self.starts("minimal", arch, stages["minimal"])

    def starts(self, key, arch, stage):
        runs = 2 if self.quick else 5
        seen, drawn, whole = [], [], []
        for run in range(runs):
            # Starts spread evenly over the second: when the face is whole
            # may hang on the first tick.
            phase = (run + 0.5) / runs
            time.sleep((phase - time.time() % 1) % 1)
            process = self.start(key, arch, stage, stage.folder / f"start-{arch}-{run}")
            try:
                window_s, drawn_s, whole_s, _ = self.face_time(key, stage.screen, process)
            finally:
                self.stop(process)
            seen.append(window_s)
            drawn.append(drawn_s)
            whole.append(whole_s)
            # The window must be gone before the next start looks for one.
            poll(lambda: not stage.screen.windows(PROGRAMS[key]), 10)
        return {
            "runs": runs,
            "window_s": statistics.median(seen),
            "first_frame_s": statistics.median(drawn),
            "whole_face_s": statistics.median(whole),
            "whole_face_all_s": whole,
        }

    def cpu_and_phase(self, stages):
        """A minute of the 32-bit clock beside xclock and the minimal
        window, then a minute of watching the clock's ticks."""
        self.say(f"CPU and memory: zentim.exe and minimal_clock.exe (win32) and xclock -update 1, "
                 f"{self.minute} s")
        clock_stage, minimal_stage = stages["zentim"], stages["minimal"]
        clock = self.start("zentim", "win32", clock_stage, clock_stage.folder / "minute-win32")
        started = [clock]
        try:
            _, _, _, (window, clock_pid) = self.face_time("zentim", clock_stage.screen, clock)
            minimal = self.start("minimal", "win32", minimal_stage,
                                 minimal_stage.folder / "minute-win32")
            started.append(minimal)
            xclock = subprocess.Popen(
                ["xclock", "-update", "1", "-geometry",
                 f"{CLOCK_SIZE}x{CLOCK_SIZE}+{CLOCK_AT}+{CLOCK_AT}"],
                env=stages["xclock"].xserver.env, stdin=subprocess.DEVNULL,
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
            started.append(xclock)
            _, _, _, (_, minimal_pid) = self.face_time("minimal", minimal_stage.screen, minimal)
            variant_pids = {}
            for key in ("smooth", "minute"):
                variant = self.start(key, "win32", stages[key], stages[key].folder / "minute-win32")
                started.append(variant)
                _, _, _, (_, variant_pids[key]) = self.face_time(key, stages[key].screen, variant)
            if not poll(lambda: stages["xclock"].xserver.visible_windows("XClock"), 15):
                raise RuntimeError("xclock showed no window")
            # All past their start.
            time.sleep(3)
            self.results["cpu"] = self.cpu_minute(stages, {
                "zentim": clock_pid, "minimal": minimal_pid, "xclock": xclock.pid, **variant_pids})
            for process in started[1:]:
                self.stop(process)
            self.say(f"tick phase: zentim.exe (win32), {self.minute} s")
            self.results["phase"] = self.phase_minute(clock_stage.screen, window)
        finally:
            for process in started:
                self.stop(process)

    def cpu_minute(self, stages, program_pids):
        """CPU seconds per minute of each part of each program, as on-CPU
        time ("run_s") and as utime + stime ("cpu_s"); their peak working
        sets."""
        wine_before = {key: stage.wine.processes() for key, stage in stages.items() if stage.wine}
        xservers = [stage.xserver.pid for stage in stages.values()]

        def readings(wine_processes):
            pids = [*program_pids.values(), *xservers]
            pids += [pid for found in wine_processes.values() for pid in found]
            return {pid: cpu_reading(pid) for pid in pids}

        before = readings(wine_before)
        started = time.monotonic()
        time.sleep(self.minute)
        wine_after = {key: stage.wine.processes() for key, stage in stages.items() if stage.wine}
        after = readings(wine_after)
        scale = 60 / (time.monotonic() - started)

        parts, servers, other_wine = {}, {}, {}
        for key, stage in stages.items():
            program = program_pids[key]
            parts[key] = {"the program's process": [program]}
            if stage.wine:
                found = wine_after[key]
                if program not in found:
                    raise RuntimeError(f"the {PROGRAMS[key]} process is not among its Wine processes")
                servers[key] = [pid for pid, name in found.items() if name.startswith("wineserver")]
                other_wine[key] = [pid for pid in found if pid != program and pid not in servers[key]]
                parts[key]["wineserver"] = servers[key]
                parts[key]["Wine's other processes"] = other_wine[key]
            parts[key]["its X server"] = [stage.xserver.pid]

        def per_minute(pids, measure):
            total = 0
            for pid in pids:
                if after.get(pid) is None:
                    raise RuntimeError(f"process {pid} ended during the minute")
                # A process started during the minute spent all of its time in it.
                total += after[pid][measure] - (before.get(pid) or {measure: 0})[measure]
            return total * scale

        figures = {}
        for measure in ("run_s", "cpu_s"):
            spent = {}
            for program, program_parts in parts.items():
                part = {name: per_minute(pids, measure) for name, pids in program_parts.items()}
                spent[program] = {**part, "all": sum(part.values())}
            own = {program: part["the program's process"] for program, part in spent.items()}
            every = {program: part["all"] for program, part in spent.items()}
            figures[measure] = {"parts": spent, "ratios": {
                "own_to_xclock": ratio(own["zentim"], own["xclock"]),
                "own_to_minimal": ratio(own["zentim"], own["minimal"]),
                # Everything the machine spends on each clock, the X server included.
                "all_to_xclock": ratio(every["zentim"], every["xclock"]),
                "all_to_minimal": ratio(every["zentim"], every["minimal"]),
                "smooth_to_classic": ratio(own["smooth"], own["zentim"]),
                "minute_to_classic": ratio(own["minute"], own["zentim"]),
            }}

        peak = {key: peak_rss_kib(pid) for key, pid in program_pids.items()}
        return {
            **figures,
            "other_wine_processes": {key: sorted(wine_after[key][pid] for pid in pids)
                                     for key, pids in other_wine.items()},
            "wine_processes_ended": {key: sorted(wine_before[key][pid] for pid in
                                                 set(wine_before[key]) - set(wine_after[key]))
                                     for key in wine_before},
            "peak_rss_kib": peak,
            "peak_ratios": {
                "to_minimal": ratio(peak["zentim"], peak["minimal"]),
                "to_xclock": ratio(peak["zentim"], peak["xclock"]),
                "above_minimal_mib": (peak["zentim"] - peak["minimal"]) / 1024,
                "smooth_above_classic_mib": (peak["smooth"] - peak["zentim"]) / 1024,
            },
            # Shared by all Wine processes of a prefix.
            "wineserver_peak_rss_kib": {key: sum(peak_rss_kib(pid) or 0 for pid in pids)
                                        for key, pids in servers.items()},
            "load_average": os.getloadavg(),
        }

    def phase_minute(self, screen, window):
        """Each change of the window's pixels, stamped when the X server
        tells of it, with the second the hand then shows; over `minute`
        whole wall-clock seconds. Changes before the first of them do not
        count: the X server may report one when the watching starts."""
        rect = screen.rectangle(window)
        screen.watch(window)
        first = math.ceil(time.time())
        end = first + self.minute
        frames = []
        while True:
            stamp = screen.wait_change(end)
            if stamp is None:
                break
            # Let the rest of the frame arrive, then start listening afresh
            # before looking, so that no change is missed.
            time.sleep(0.04)
            screen.rearm()
            if stamp >= first:
                frames.append((stamp, shown_second(screen.picture(rect))))
        return analyse_ticks(frames, range(first, end))


def analyse_ticks(frames, boundaries):
    """Phase of each wall-clock second's first frame, and the faults:
    seconds never shown, frames showing the second already shown, frames
    showing anything but the second their moment falls in."""
    phases, skipped = [], []
    for boundary in boundaries:
        due = time.localtime(boundary).tm_sec
        hit = next((stamp for stamp, second in frames
                    if boundary <= stamp < boundary + 1 and second == due), None)
        if hit is None:
            skipped.append(boundary)
        else:
            phases.append((hit - boundary) * 1000)
    repeated = sum(1 for (_, a), (_, b) in zip(frames, frames[1:]) if a is not None and a == b)
    wrong = sum(1 for stamp, second in frames if second != time.localtime(int(stamp)).tm_sec)
    return {
        "frames": len(frames),
        "boundaries": len(boundaries),
        "median_ms": statistics.median(phases) if phases else None,
        "p95_ms": sorted(phases)[int(0.95 * (len(phases) - 1))] if phases else None,
        "worst_ms": max(phases) if phases else None,
        "best_ms": min(phases) if phases else None,
        "skipped": len(skipped),
        # Counted from the first second watched, to tell a lost first frame
        # from one lost along the way.
        "skipped_at_s": [boundary - boundaries[0] for boundary in skipped],
        "repeated": repeated,
        "wrong_second": wrong,
        "unreadable": sum(1 for _, second in frames if second is None),
    }


# ---- the report ----------------------------------------------------------

def verdict(ok):
    return "met" if ok else "MISSED"


def number(value):
    return "-" if value is None else f"{value:.2f}"


def ratio_line(label, ratios, key, target):
    """One ratio of the clock's to another's, on-CPU time [utime + stime],
    with its target when there is one."""
    run, ticks = ratios
    line = f"  {label:<48} {number(run[key]):>6} [{number(ticks[key])}]"
    if target is not None:
        line += f"   target <= {target}: " + (
            "not measurable" if run[key] is None else verdict(run[key] <= target))
    return line


def cpu_report(cpu, out):
    run, ticks = cpu["run_s"]["parts"], cpu["cpu_s"]["parts"]
    out("CPU per minute of ticking, 240 x 240, each program on its own screen: ms of CPU a"
        " minute, on-CPU time (the process's CPU clock) [utime + stime, 10 ms steps]; load average then "
        + " ".join(f"{v:.2f}" for v in cpu["load_average"]) + ":")
    out(f"  {'':<24}" + "".join(f"{name:>20}" for name in LABELS.values()))
    for part in ("the program's process", "wineserver", "Wine's other processes",
                 "its X server", "all"):
        cells = []
        for key in PROGRAMS:
            if part in run[key]:
                cells.append(f"{run[key][part] * 1000:11.1f} [{ticks[key][part] * 1000:5.0f}]")
            else:
                cells.append(f"{'-':>11}        ")
        out(f"  {part:<24}" + "".join(f"{cell:>20}" for cell in cells))
    ratios = (cpu["run_s"]["ratios"], cpu["cpu_s"]["ratios"])
    out("  zentim.exe's CPU to the others':")
    out(ratio_line("its own process to xclock's", ratios, "own_to_xclock", TARGET_CPU_TO_XCLOCK))
    out(ratio_line("its own process to minimal_clock.exe's", ratios, "own_to_minimal",
                   TARGET_CPU_TO_MINIMAL))
    out(ratio_line("all counted, each with its X server, to xclock", ratios, "all_to_xclock", None))
    out(ratio_line("all counted to minimal_clock.exe", ratios, "all_to_minimal", None))
    out("  The variants' own process to the classic clock's:")
    out(ratio_line("the smooth face", ratios, "smooth_to_classic", TARGET_SMOOTH_CPU_TO_CLASSIC))
    out(ratio_line("no second hand", ratios, "minute_to_classic", TARGET_MINUTE_CPU_TO_CLASSIC))

    rss, peak = cpu["peak_rss_kib"], cpu["peak_ratios"]
    servers = cpu["wineserver_peak_rss_kib"]
    out("Peak working set (VmHWM): " + ", ".join(
        f"{LABELS[key]} {rss[key] / 1024:.1f} MiB" for key in PROGRAMS))
    above = peak["above_minimal_mib"]
    out(f"  zentim.exe {number(peak['to_minimal'])} times minimal_clock.exe's, "
        f"{number(peak['to_xclock'])} times xclock's; {above:+.1f} MiB on minimal_clock.exe's"
        f"   target <= +{TARGET_PEAK_ABOVE_MINIMAL_MIB} MiB: "
        f"{verdict(above <= TARGET_PEAK_ABOVE_MINIMAL_MIB)}")
    smooth_above = peak["smooth_above_classic_mib"]
    out(f"  the smooth face {smooth_above:+.1f} MiB on the classic's"
        f"   target <= +{TARGET_SMOOTH_PEAK_ABOVE_CLASSIC_MIB} MiB: "
        f"{verdict(smooth_above <= TARGET_SMOOTH_PEAK_ABOVE_CLASSIC_MIB)}")
    out("  (each prefix's wineserver, shared by its Wine processes: zentim.exe's "
        f"{servers['zentim'] / 1024:.1f} MiB, minimal_clock.exe's {servers['minimal'] / 1024:.1f} MiB)")


def report(results):
    lines = []
    out = lines.append
    out(f"Zentim benchmark, {results['date']}, {results['machine']}"
        + (" (--quick: NOT for the README)" if results["quick"] else ""))
    out("")
    out("Frame time, µs per frame: median over batches [fastest batch]:")
    labels = {"kept": "a tick's frame (FaceCanvas)", "render": "from nothing (RenderFace)",
              "smooth": "a smooth tick (SmoothCanvas)", "window": "whole DrawClock on a window",
              "smooth window": "whole DrawClock, smooth window"}
    for arch, rows in results["frames"].items():
        for row in rows:
            line = (f"  {arch}  {row['size']:>3} x {row['size']:<3} {row['scene']:<12} {labels[row['what']]:<28}"
                    f"{row['us_per_frame']:8.1f} [{row['fastest_batch']:7.1f}]  ({row['frames']} frames)")
            # What the clock draws each second.
            if row["what"] == "kept" and row["size"] == 240:
                line += f"   target <= {TARGET_FRAME_US}: {verdict(row['us_per_frame'] <= TARGET_FRAME_US)}"
            # The smooth face's targets are the 32-bit program's.
            if row["what"] == "smooth" and arch == "win32":
                target = TARGET_SMOOTH_FRAME_US[row["size"]]
                line += f"   target <= {target}: {verdict(row['us_per_frame'] <= target)}"
            out(line)
    out("")
    out("Start-up to the whole face at its saved place (warm Wine, median of %d):"
        % results["start_up"]["win32"]["runs"])
    for arch, s in results["start_up"].items():
        whole_ms = s["whole_face_s"] * 1000
        out(f"  {arch}  window seen {s['window_s'] * 1000:5.0f} ms, first frame {s['first_frame_s'] * 1000:5.0f} ms, "
            f"whole face {whole_ms:5.0f} ms (each run: "
            + ", ".join(f"{t * 1000:.0f}" for t in s["whole_face_all_s"]) + ")"
            + f"   target <= {TARGET_START_MS}: {verdict(whole_ms <= TARGET_START_MS)}")
    out("  minimal_clock.exe, for what Wine's own start takes: its face at "
        + ", ".join(f"{arch} {s['whole_face_s'] * 1000:.0f} ms" for arch, s in results["start_up_minimal"].items()))
    out("")
    cpu_report(results["cpu"], out)
    out("")
    ph = results["phase"]
    out(f"Tick phase after each second boundary (win32, {ph['boundaries']} seconds, "
        f"{ph['frames']} frames seen):")
    if ph["median_ms"] is None:
        out("  no second was shown in time")
    else:
        out(f"  median {ph['median_ms']:.1f} ms, 95th {ph['p95_ms']:.1f} ms, worst {ph['worst_ms']:.1f} ms"
            f"   target <= {TARGET_PHASE_MS}: {verdict(ph['worst_ms'] <= TARGET_PHASE_MS)}")
    out(f"  seconds skipped {ph['skipped']}"
        + (f" (at {', '.join(f'+{t} s' for t in ph['skipped_at_s'])})" if ph["skipped"] else "")
        + f", repeated {ph['repeated']}, frames showing "
        f"another second {ph['wrong_second']}, unreadable {ph['unreadable']}"
        f"   target none skipped or repeated: {verdict(ph['skipped'] == 0 and ph['repeated'] == 0)}")
    out("")
    out("Exe sizes: " + ", ".join(f"{name} {size:,} bytes" for name, size in results["exe_bytes"].items()))
    return "\n".join(lines)


def machine():
    model = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as info:
            for line in info:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return f"{model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--quick", action="store_true", help="short runs, for development")
    parser.add_argument("--json", help="write the figures here too")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="zentim-bench-") as workdir, \
            contextlib.ExitStack() as stages:
        bench = Bench(args.quick)
        bench.results["date"] = time.strftime("%Y-%m-%d %H:%M %Z")
        bench.results["machine"] = machine()
        bench.exe_sizes()
        folder = Path(workdir)
        on_screen = {
            "zentim": stages.enter_context(Stage(folder / "zentim", CLOCK_PREFIX)),
            "minimal": stages.enter_context(Stage(folder / "minimal", MINIMAL_PREFIX)),
            "smooth": stages.enter_context(Stage(folder / "smooth", CLOCK_PREFIX.with_name(
                CLOCK_PREFIX.name + "-smooth"))),
            "minute": stages.enter_context(Stage(folder / "minute", CLOCK_PREFIX.with_name(
                CLOCK_PREFIX.name + "-minute"))),
            "xclock": stages.enter_context(Stage(folder / "xclock")),
        }
        bench.frame_times(on_screen["zentim"])
        bench.start_up(on_screen)
        bench.cpu_and_phase(on_screen)

    text = report(bench.results)
    print(text)
    if args.json:
        Path(args.json).parent.mkdir(parents=True, exist_ok=True)
        Path(args.json).write_text(json.dumps(bench.results, indent=2) + "\n")


if __name__ == "__main__":
    main()
