"""Fixtures: desktop, for the session, and start: the 32-bit, then the 64-bit
program started in the test's folder (with zentim.ini when given), shown at `at`."""

import os

import pytest

from zentim_e2e import BUILD, SAVED, Clock, Desktop


@pytest.fixture(scope="session")
def desktop(tmp_path_factory):
    screen = Desktop(tmp_path_factory.mktemp("desktop"),
                     os.environ.get("ZENTIM_WINEPREFIX") or BUILD / "wine" / "e2e-prefix")
    yield screen
    screen.close()


@pytest.fixture(params=["win32", "win64"])
def start(request, desktop, tmp_path):
    clocks = []

    def start_clock(ini=None, at=SAVED, args=(), cwd=None):
        if ini is not None:
            (tmp_path / "zentim.ini").write_text(ini, "cp1252")
        program = BUILD / request.param / "zentim.exe"
        clocks.append(Clock(desktop, program, cwd or tmp_path, at, args))
        return clocks[-1]

    yield start_clock
    for clock in clocks:
        clock.kill()
