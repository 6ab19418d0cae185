"""The figures of scripts/bench, measured from outside the programs.

  frame times        - zentim_bench.exe (frame_bench.cpp), 32- and 64-bit;
  start-up           - from starting zentim.exe to its first whole face on screen;
  CPU and memory     - a minute of the 32-bit clock ticking beside
                       `xclock -update 1`, each on its own Xvfb screen, from
                       /proc (utime + stime, VmHWM);
  tick phase         - a minute of watching the clock window's pixels change
                       (X DAMAGE events), against the wall clock's seconds;
  exe sizes.
Prints the figures with their targets and writes them as JSON.
Usage: zentim_bench.py [--quick] [--json FILE]
"""

import argparse
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

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from zentim_e2e import BUILD, DESKTOP_RGB, Wine, WindowManager, XServer, poll  # noqa: E402

ARCHES = ("win32", "win64")
BLACK = (0, 0, 0)
RED = (255, 0, 0)
CLOCK_SIZE = 240
CLOCK_AT = 100
# A CLOCK_SIZE square at (CLOCK_AT, CLOCK_AT) ("left,right,top,bottom"),
# the bare face; every key present, or the clock reports the missing ones.
CLOCK_INI = ('[MainWindow]\r\nsize="{0},{1},{0},{1}"\r\n[Options]\r\nkuku_type=0\r\n'
             'kuku_sound=""\r\nkuku_flash_count=0\r\nup_str=""\r\ndown_str=""\r\n'
             'digital_panel=0\r\n').format(CLOCK_AT, CLOCK_AT + CLOCK_SIZE)
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")

TARGET_FRAME_US = 100
TARGET_PHASE_MS = 20


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
    """(utime + stime, on-CPU time, thread ids) of a process so far, the
    times in seconds, or None once it is gone. utime + stime counts in
    clock ticks (10 ms), threads that ended included; the on-CPU time in
    nanoseconds (schedstat), over the living threads."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        running = 0
        threads = set()
        for thread in os.listdir(f"/proc/{pid}/task"):
            try:
                with open(f"/proc/{pid}/task/{thread}/schedstat") as schedstat:
                    running += int(schedstat.read().split()[0])
                threads.add(thread)
            except OSError:
                pass
    except OSError:
        return None
    # Fields 14 and 15 (utime, stime), counted from the state at field 3.
    return ((int(fields[11]) + int(fields[12])) / CLOCK_TICKS, running / 1e9, threads)


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


def wine_processes(prefix):
    """pid -> name of every Wine process (the server included) of a prefix."""
    found = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            exe = os.path.basename(os.readlink(f"/proc/{entry}/exe"))
            with open(f"/proc/{entry}/environ", "rb") as environ:
                variables = environ.read().split(b"\0")
            with open(f"/proc/{entry}/comm") as comm:
                name = comm.read().strip()
        except OSError:
            continue
        if exe.startswith("wine") and f"WINEPREFIX={prefix}".encode() in variables:
            found[int(entry)] = name
    return found


# ---- running things ------------------------------------------------------

class Bench:
    """The measurements of one run, gathered in `results`."""

    def __init__(self, quick, workdir):
        self.quick = quick
        self.workdir = Path(workdir)
        self.minute = 12 if quick else 60
        self.results = {"quick": quick, "minute_s": self.minute}

    def say(self, text):
        print(text, file=sys.stderr, flush=True)

    def screen(self, name):
        folder = self.workdir / name
        folder.mkdir()
        xserver = XServer(folder)
        manager = WindowManager(xserver, folder)
        return xserver, manager

    def start_clock(self, arch, wine, folder):
        folder.mkdir(parents=True)
        (folder / "zentim.ini").write_text(CLOCK_INI)
        log = open(folder / "wine.log", "wb")
        process = subprocess.Popen(["wine", str(BUILD / arch / "zentim.exe")], cwd=folder,
                                   env=wine.env, stdin=subprocess.DEVNULL, stdout=log,
                                   stderr=subprocess.STDOUT, start_new_session=True)
        log.close()
        return process

    def clock_windows(self, screen, process):
        """The windows of the started program, (window, pid). Wine names the
        Windows process's own pid, which is in the session the start began."""
        found = []
        for window in screen.windows("zentim.exe"):
            try:
                pid = screen.pid(window)
                if pid is not None and os.getsid(pid) == process.pid:
                    found.append((window, pid))
            except (ProcessLookupError, XError):
                pass
        return found

    def clock_face_time(self, screen, process, timeout=30.0):
        """Seconds from now until a window of the clock is seen, until a
        face shows at the clock's place and size, and until that face is
        whole; the clock's window and pid."""
        start = time.monotonic()
        rect = (CLOCK_AT, CLOCK_AT, CLOCK_SIZE, CLOCK_SIZE)
        seen = drawn = None
        windows = []
        while time.monotonic() - start < timeout:
            windows = self.clock_windows(screen, process)
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
                if whole_face(picture):
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
        raise RuntimeError(f"the clock showed no whole face within {timeout:.0f} s "
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
        self.results["exe_bytes"] = {arch: (BUILD / arch / "zentim.exe").stat().st_size
                                     for arch in ARCHES}

    def frame_times(self, wine):
        self.results["frames"] = {}
        for arch in ARCHES:
            self.say(f"frame times, {arch}")
            folder = self.workdir / f"frames-{arch}"
            folder.mkdir()
            done = subprocess.run(
                ["wine", str(BUILD / arch / "zentim_bench.exe")] + (["--quick"] if self.quick else []),
                cwd=folder, env=wine.env, stdin=subprocess.DEVNULL, capture_output=True,
                text=True, timeout=600)
            lines = [json.loads(line) for line in done.stdout.splitlines() if line.startswith("{")]
            if done.returncode != 0 or not any(line["what"] == "window" for line in lines):
                raise RuntimeError(f"zentim_bench.exe ({arch}) failed: {done.stderr[-2000:]}")
            self.results["frames"][arch] = [line for line in lines if line["what"] != "build"]

    def start_up(self, wine, screen):
        self.results["start_up"] = {}
        runs = 2 if self.quick else 5
        for arch in ARCHES:
            self.say(f"start-up, {arch}")
            seen, drawn, whole = [], [], []
            for run in range(runs):
                # Starts spread evenly over the second: when the face is
                # whole may hang on the first tick.
                phase = (run + 0.5) / runs
                time.sleep((phase - time.time() % 1) % 1)
                process = self.start_clock(arch, wine, self.workdir / f"start-{arch}-{run}")
                try:
                    window_s, drawn_s, whole_s, _ = self.clock_face_time(screen, process)
                finally:
                    self.stop(process)
                seen.append(window_s)
                drawn.append(drawn_s)
                whole.append(whole_s)
                # The window must be gone before the next start looks for one.
                poll(lambda: not screen.windows("zentim.exe"), 10)
            self.results["start_up"][arch] = {
                "runs": runs,
                "window_s": statistics.median(seen),
                "first_frame_s": statistics.median(drawn),
                "whole_face_s": statistics.median(whole),
                "whole_face_all_s": whole,
            }

    def cpu_and_phase(self, wine, screen, xserver, peer_xserver):
        """A minute of the 32-bit clock beside xclock, then a minute of
        watching the clock's ticks."""
        self.say(f"CPU and memory: zentim.exe (win32) and xclock -update 1, {self.minute} s")
        clock = self.start_clock("win32", wine, self.workdir / "minute-win32")
        peer = None
        try:
            _, _, _, (window, clock_pid) = self.clock_face_time(screen, clock)
            peer = subprocess.Popen(
                ["xclock", "-update", "1", "-geometry",
                 f"{CLOCK_SIZE}x{CLOCK_SIZE}+{CLOCK_AT}+{CLOCK_AT}"],
                env=peer_xserver.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL, start_new_session=True)
            if not poll(lambda: peer_xserver.visible_windows("XClock"), 15):
                raise RuntimeError("xclock showed no window")
            # Both past their start.
            time.sleep(3)
            self.results["cpu"] = self.cpu_minute(wine, clock_pid, peer.pid, xserver, peer_xserver)
            self.stop(peer)
            peer = None
            self.say(f"tick phase: zentim.exe (win32), {self.minute} s")
            self.results["phase"] = self.phase_minute(screen, window)
        finally:
            if peer is not None:
                self.stop(peer)
            self.stop(clock)

    def cpu_minute(self, wine, clock_pid, peer_pid, xserver, peer_xserver):
        """CPU seconds per minute of each part, as utime + stime ("cpu_s")
        and as on-CPU time ("run_s"), and the peak working sets."""
        prefix = wine.env["WINEPREFIX"]
        xvfb, peer_xvfb = xserver._process.pid, peer_xserver._process.pid
        wine_before = wine_processes(prefix)
        before = {pid: cpu_reading(pid) for pid in [*wine_before, peer_pid, xvfb, peer_xvfb]}
        started = time.monotonic()
        time.sleep(self.minute)
        wine_after = wine_processes(prefix)
        after = {pid: cpu_reading(pid) for pid in [*wine_after, peer_pid, xvfb, peer_xvfb]}
        scale = 60 / (time.monotonic() - started)
        if clock_pid not in wine_after:
            raise RuntimeError("the clock's process is not among the Wine processes")

        server = [pid for pid, name in wine_after.items() if name.startswith("wineserver")]
        other_wine = [pid for pid in wine_after if pid != clock_pid and pid not in server]
        parts = {
            "zentim.exe": [clock_pid],
            "wineserver": server,
            "other Wine processes": other_wine,
            "Xvfb of zentim": [xvfb],
            "xclock": [peer_pid],
            "Xvfb of xclock": [peer_xvfb],
        }

        def per_minute(pids, measure):
            total = 0
            for pid in pids:
                if after.get(pid) is None:
                    raise RuntimeError(f"process {pid} ended during the minute")
                # A process started during the minute spent all of its time in it.
                total += after[pid][measure] - (before.get(pid) or (0, 0))[measure]
            return total * scale

        ended_threads = sum(len(before[pid][2] - after[pid][2]) for pid in after
                            if before.get(pid) is not None and after[pid] is not None)
        figures = {}
        for measure, key in ((1, "run_s"), (0, "cpu_s")):
            part = {name: per_minute(pids, measure) for name, pids in parts.items()}
            under_wine = part["zentim.exe"] + part["wineserver"] + part["other Wine processes"]
            peer = part["xclock"]
            figures[key] = {
                "parts": part,
                "zentim_under_wine": under_wine,
                # Everything the machine spends on each clock, the X server included.
                "ratio_with_x": ratio(under_wine + part["Xvfb of zentim"], peer + part["Xvfb of xclock"]),
                "ratio_processes": ratio(under_wine, peer),
                "ratio_exe_alone": ratio(part["zentim.exe"], peer),
            }
        return {
            **figures,
            # Their time since the last reading is missing from run_s.
            "threads_ended": ended_threads,
            "other_wine_processes": sorted(wine_after[pid] for pid in other_wine),
            "wine_processes_ended": sorted(wine_before[pid] for pid in set(wine_before) - set(wine_after)),
            "peak_rss_kib": {
                "zentim.exe": peak_rss_kib(clock_pid),
                "xclock": peak_rss_kib(peer_pid),
                "wineserver": sum(peak_rss_kib(pid) or 0 for pid in server),
            },
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
        "repeated": repeated,
        "wrong_second": wrong,
        "unreadable": sum(1 for _, second in frames if second is None),
    }


# ---- the report ----------------------------------------------------------

def verdict(ok):
    return "met" if ok else "MISSED"


def number(value):
    return "-" if value is None else f"{value:.2f}"


def report(results):
    lines = []
    out = lines.append
    out(f"Zentim benchmark, {results['date']}, {results['machine']}"
        + (" (--quick: NOT for the README)" if results["quick"] else ""))
    out("")
    out("Frame time, µs per frame: median over batches [fastest batch]:")
    for arch, rows in results["frames"].items():
        for row in rows:
            label = "RenderFace + geometry" if row["what"] == "render" else "whole DrawClock on a window"
            line = (f"  {arch}  {row['size']:>3} x {row['size']:<3} {row['scene']:<12} {label:<28}"
                    f"{row['us_per_frame']:8.1f} [{row['fastest_batch']:7.1f}]  ({row['frames']} frames)")
            if row["what"] == "render" and row["size"] == 240:
                line += f"   target <= {TARGET_FRAME_US}: {verdict(row['us_per_frame'] <= TARGET_FRAME_US)}"
            out(line)
    out("")
    out("Start-up to the first whole face (warm Wine, median of %d):"
        % results["start_up"]["win32"]["runs"])
    for arch, s in results["start_up"].items():
        out(f"  {arch}  window seen {s['window_s'] * 1000:5.0f} ms, first frame {s['first_frame_s'] * 1000:5.0f} ms, "
            f"whole face {s['whole_face_s'] * 1000:5.0f} ms (each run: "
            + ", ".join(f"{t * 1000:.0f}" for t in s["whole_face_all_s"]) + ")")
    out("")
    cpu = results["cpu"]
    run, ticks = cpu["run_s"], cpu["cpu_s"]
    out("CPU per minute of ticking, 240 x 240, side by side: ms of CPU a minute, on-CPU time"
        " (schedstat) [utime + stime, 10 ms steps]; load average then "
        + " ".join(f"{v:.2f}" for v in cpu["load_average"]) + ":")
    for name in run["parts"]:
        out(f"  {name:<22} {run['parts'][name] * 1000:7.1f}  [{ticks['parts'][name] * 1000:5.0f}]")
    out(f"  zentim.exe + wineserver + other Wine processes: {run['zentim_under_wine'] * 1000:.1f}"
        f" [{ticks['zentim_under_wine'] * 1000:.0f}]")
    out(f"  ratio to xclock, each with its X server: {number(run['ratio_with_x'])} "
        f"[{number(ticks['ratio_with_x'])}]   target <= 1: "
        + ("not measurable" if run["ratio_with_x"] is None else verdict(run["ratio_with_x"] <= 1)))
    out(f"  ratio to xclock, the processes alone:   {number(run['ratio_processes'])} "
        f"[{number(ticks['ratio_processes'])}]; zentim.exe alone {number(run['ratio_exe_alone'])} "
        f"[{number(ticks['ratio_exe_alone'])}]")
    if cpu["threads_ended"]:
        out(f"  ({cpu['threads_ended']} threads ended during the minute; their last on-CPU time is not counted)")
    rss = cpu["peak_rss_kib"]
    out(f"Peak working set (VmHWM): zentim.exe {rss['zentim.exe'] / 1024:.1f} MiB, "
        f"xclock {rss['xclock'] / 1024:.1f} MiB, ratio {rss['zentim.exe'] / rss['xclock']:.1f}"
        f"  (wineserver, shared by Wine's processes: {rss['wineserver'] / 1024:.1f} MiB)")
    out("")
    ph = results["phase"]
    out(f"Tick phase after each second boundary (win32, {ph['boundaries']} seconds, "
        f"{ph['frames']} frames seen):")
    if ph["median_ms"] is None:
        out("  no second was shown in time")
    else:
        out(f"  median {ph['median_ms']:.1f} ms, 95th {ph['p95_ms']:.1f} ms, worst {ph['worst_ms']:.1f} ms"
            f"   target <= {TARGET_PHASE_MS}: {verdict(ph['worst_ms'] <= TARGET_PHASE_MS)}")
    out(f"  seconds skipped {ph['skipped']}, repeated {ph['repeated']}, frames showing "
        f"another second {ph['wrong_second']}, unreadable {ph['unreadable']}"
        f"   target none skipped or repeated: {verdict(ph['skipped'] == 0 and ph['repeated'] == 0)}")
    out("")
    out("Exe sizes: " + ", ".join(f"{arch} {size:,} bytes" for arch, size in results["exe_bytes"].items()))
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

    with tempfile.TemporaryDirectory(prefix="zentim-bench-") as workdir:
        bench = Bench(args.quick, workdir)
        bench.results["date"] = time.strftime("%Y-%m-%d %H:%M %Z")
        bench.results["machine"] = machine()
        bench.exe_sizes()
        xserver, manager = bench.screen("screen")
        peer_xserver, peer_manager = bench.screen("peer-screen")
        wine = screen = None
        try:
            wine = Wine(xserver)
            screen = Screen(xserver)
            bench.frame_times(wine)
            bench.start_up(wine, screen)
            bench.cpu_and_phase(wine, screen, xserver, peer_xserver)
        finally:
            if screen is not None:
                screen.close()
            if wine is not None:
                wine.close()
            peer_manager.stop()
            manager.stop()
            peer_xserver.close()
            xserver.close()

    text = report(bench.results)
    print(text)
    if args.json:
        Path(args.json).parent.mkdir(parents=True, exist_ok=True)
        Path(args.json).write_text(json.dumps(bench.results, indent=2) + "\n")


if __name__ == "__main__":
    main()
