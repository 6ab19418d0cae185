"""The release zips of scripts/package as a Windows user unpacks them: the four files, their sums,
the project's version in the program, and the example settings loading as zentim.ini."""

import hashlib
import os
import re
import struct
import zipfile
from pathlib import Path

import pytest

from zentim_e2e import SAVED, Clock, poll

ROOT = Path(__file__).resolve().parents[2]
DIST = Path(os.environ.get("ZENTIM_DIST_DIR", ROOT / "dist"))
VERSION = re.search(r"project\(zentim VERSION ([\d.]+)", (ROOT / "CMakeLists.txt").read_text())[1]
FILES = ["zentim.exe", "LICENSE.txt", "README.txt", "zentim.ini.example"]


def version_resource(exe):
    """The fixed file and product versions as a.b.c.d, then the two texts."""
    words = struct.unpack_from("<4I", exe, exe.index(struct.pack("<I", 0xFEEF04BD)) + 8)
    numbers = [f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
               for ms, ls in (words[:2], words[2:])]
    # Each text follows its key's terminating zero, padded to four bytes.
    texts = [re.search(re.escape(key.encode("utf-16-le")) + rb"\0\0(?:\0\0)?((?:[^\0]\0)+)",
                       exe)[1].decode("utf-16-le") for key in ("FileVersion", "ProductVersion")]
    return numbers, texts


@pytest.mark.parametrize("arch", ["win32", "win64"])
def test_release_zip_unpacked_and_started(desktop, tmp_path, arch):
    name = f"zentim-{VERSION}-{arch}.zip"
    digest = hashlib.sha256((DIST / name).read_bytes()).hexdigest()
    assert f"{digest}  {name}\n" in (DIST / "SHA256SUMS").read_text()
    with zipfile.ZipFile(DIST / name) as release:
        assert release.namelist() == FILES
        release.extractall(tmp_path)
    for text in [(tmp_path / file).read_bytes() for file in FILES[1:]]:
        assert text.count(b"\n") == text.count(b"\r\n") > 0, "not Windows' line ends"
    assert version_resource((tmp_path / "zentim.exe").read_bytes()) == (
        [f"{VERSION}.0"] * 2, [VERSION] * 2)

    (tmp_path / "zentim.ini.example").rename(tmp_path / "zentim.ini")
    clock = Clock(desktop, tmp_path / "zentim.exe", tmp_path, SAVED)
    try:
        assert not poll(lambda: desktop.windows(name="Load Options"), 2), "a message at the load"
    finally:
        clock.kill()
