"""Fixtures of the end-to-end suite (helpers in zentim_e2e.py):

  xserver         - one Xvfb screen for the session;
  window_manager  - openbox on that screen, for one test;
  wine            - the Wine prefix and its server on that screen, for the session;
  program         - each built program in turn: build/win32 and build/win64 zentim.exe;
  clock           - a ClockLauncher for program; every clock it started is
                    killed at teardown.
"""

import pytest

from zentim_e2e import PROGRAMS, ClockLauncher, Wine, WindowManager, XServer


@pytest.fixture(scope="session")
def xserver(tmp_path_factory):
    server = XServer(tmp_path_factory.mktemp("xvfb"))
    yield server
    server.close()


@pytest.fixture
def window_manager(xserver, tmp_path):
    manager = WindowManager(xserver, tmp_path)
    yield manager
    manager.stop()


@pytest.fixture(scope="session")
def wine(xserver):
    session = Wine(xserver)
    yield session
    session.close()


@pytest.fixture(params=sorted(PROGRAMS), ids=sorted(PROGRAMS))
def program(request):
    path = PROGRAMS[request.param]
    if not path.is_file():
        pytest.fail(f"{path} is missing: build first (scripts/build)")
    return path


@pytest.fixture
def clock(xserver, wine, program, tmp_path):
    launcher = ClockLauncher(xserver, wine, program, tmp_path)
    yield launcher
    launcher.stop_all()
