"""pip users get a wheel with the extension and its stub, and nothing else of the source tree."""

import os
import re
import subprocess
import sys
import zipfile
from pathlib import Path

import pytest

REPO = Path(__file__).resolve().parents[2]
VERSION = re.search(r'^__version__ = "(.+)"$', (REPO / "python" / "quillary_spatial" / "version.py").read_text(), re.M)[1]
DIST_INFO = f"quillary_spatial-{VERSION}.dist-info/"

SMOKE = """
import _spatial
frame = _spatial.SpatialIntentFrame()
frame.timestamp_ns = 5
timeline = _spatial.IntentTimeline()
timeline.push(frame)
event = timeline.submit_text("put it there", 5)
import quillary_spatial
assert quillary_spatial.read_event(quillary_spatial.to_jsonl(event)).text == "put it there"
print(_spatial.__file__)
print(_spatial.to_jsonl(event))
"""


@pytest.fixture(scope="module")
def wheel(tmp_path_factory):
    out = tmp_path_factory.mktemp("dist")
    subprocess.run(
        [sys.executable, "-m", "build", "--wheel", "--no-isolation", "--outdir", str(out), str(REPO)],
        check=True, capture_output=True, text=True,
    )
    (built,) = out.glob(f"quillary_spatial-{VERSION}-cp314-cp314-*.whl")
    return built


def test_wheel_holds_the_extension_the_stub_the_package_and_metadata_only(wheel):
    names = zipfile.ZipFile(wheel).namelist()
    payload = sorted(n for n in names if not n.startswith(DIST_INFO))
    extension = [n for n in payload if n.startswith("_spatial.") and n.endswith(".so")]
    assert len(extension) == 1
    package = sorted(p.relative_to(REPO / "python").as_posix() for p in (REPO / "python" / "quillary_spatial").rglob("*")
                     if p.is_file() and "__pycache__" not in p.parts)
    assert "quillary_spatial/py.typed" in package
    assert payload == sorted(extension + ["_spatial.pyi"] + package)
    metadata = zipfile.ZipFile(wheel).read(DIST_INFO + "METADATA").decode()
    assert f"Version: {VERSION}" in metadata
    assert "Requires-Python: ==3.14.*" in metadata
    assert "License-Expression: MIT" in metadata


def test_installed_wheel_imports_from_the_venv(wheel, tmp_path):
    venv = tmp_path / "venv"
    # System site packages only so that pip itself is at hand; the module comes from the wheel.
    subprocess.run([sys.executable, "-m", "venv", "--system-site-packages", "--without-pip", str(venv)], check=True)
    python = venv / "bin" / "python"
    env = {k: v for k, v in os.environ.items() if k != "PYTHONPATH"}
    subprocess.run([str(python), "-m", "pip", "install", "--no-index", "--no-deps", "--quiet", str(wheel)],
                   check=True, env=env)
    result = subprocess.run([str(python), "-c", SMOKE], check=True, capture_output=True, text=True,
                            env=env, cwd=tmp_path)
    location, line = result.stdout.splitlines()
    assert Path(location).is_relative_to(venv)
    assert line.startswith('{"schema":"quillary.contextual-intent"')
