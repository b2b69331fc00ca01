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
# The inspector page is made from the installed package alone: its bundle ships inside.
import os, tempfile
from quillary_spatial.inspector import page
log = os.path.join(tempfile.mkdtemp(), "session.jsonl")
with quillary_spatial.Recorder(log) as recorder:
    recorder.push(frame)
    recorder.submit_text("put it there", 5)
html = page(log)
assert "window.quillaryInspector=" in html and '"text":"put it there"' in html
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


def test_wheel_holds_the_extension_its_stubs_the_package_and_metadata_only(wheel):
    names = zipfile.ZipFile(wheel).namelist()
    payload = sorted(n for n in names if not n.startswith(DIST_INFO))
    extension = [n for n in payload if n.startswith("_spatial.") and n.endswith(".so")]
    native = [n for n in payload if n.startswith("quillary_spatial/_native.") and n.endswith(".so")]
    assert len(extension) == len(native) == 1
    package = sorted(p.relative_to(REPO / "python").as_posix() for p in (REPO / "python" / "quillary_spatial").rglob("*")
                     if p.is_file() and "__pycache__" not in p.parts)
    assert "quillary_spatial/py.typed" in package
    assert payload == sorted(extension + native + ["_spatial.pyi", "_spatial-stubs/__init__.pyi"] + package)
    metadata = zipfile.ZipFile(wheel).read(DIST_INFO + "METADATA").decode()
    assert f"Version: {VERSION}" in metadata
    assert "Requires-Python: ==3.14.*" in metadata
    assert "License-Expression: MIT" in metadata


@pytest.fixture(scope="module")
def venv(wheel, tmp_path_factory):
    """A fresh venv with the wheel installed. System site packages only so that pip and mypy
    are at hand; the module, its stub and the package come from the wheel."""
    venv = tmp_path_factory.mktemp("venv")
    subprocess.run([sys.executable, "-m", "venv", "--system-site-packages", "--without-pip", str(venv)], check=True)
    subprocess.run([str(venv / "bin" / "python"), "-m", "pip", "install", "--no-index", "--no-deps", "--quiet",
                    str(wheel)], check=True, env=USER_ENV)
    return venv


# What a user has: no PYTHONPATH, no MYPYPATH.
USER_ENV = {k: v for k, v in os.environ.items() if k not in ("PYTHONPATH", "MYPYPATH")}


def test_installed_wheel_imports_from_the_venv(venv, tmp_path):
    result = subprocess.run([str(venv / "bin" / "python"), "-c", SMOKE], check=True, capture_output=True, text=True,
                            env=USER_ENV, cwd=tmp_path)
    location, line = result.stdout.splitlines()
    assert Path(location).is_relative_to(venv)
    assert line.startswith('{"schema":"quillary.contextual-intent"')


def test_the_console_script_runs_from_the_installed_wheel(venv, tmp_path):
    result = subprocess.run([str(venv / "bin" / "quillary-spatial"), "--version"], capture_output=True, text=True,
                            env=USER_ENV, cwd=tmp_path)
    assert (result.returncode, result.stdout) == (0, f"quillary-spatial {VERSION}\n")


TYPED_HOST = """
import time

import _spatial
import quillary_spatial as qs


def frame_at(now_ns: int) -> _spatial.SpatialIntentFrame:
    frame = qs.SpatialIntentFrame()
    frame.timestamp_ns = now_ns
    return frame


recorder = qs.ExplainedTimeline(capacity=240, max_context_age_ns=2_000_000_000)
recorder.push(frame_at(time.monotonic_ns()))
event = recorder.submit_text("put it there", time.monotonic_ns())
line: str | None = qs.to_jsonl(event) if event is not None else None
"""

FLOAT_TIMESTAMP = """
import time

import _spatial

frame = _spatial.SpatialIntentFrame()
frame.timestamp_ns = time.monotonic() * 1e9
timeline = _spatial.IntentTimeline(max_context_age_ns=2e9)
"""


def test_a_host_type_checks_against_the_installed_wheel_alone(venv, tmp_path):
    def mypy(source):
        (tmp_path / "host.py").write_text(source)
        return subprocess.run([str(venv / "bin" / "python"), "-m", "mypy", "--strict", "--no-incremental",
                               "--cache-dir", os.devnull, "host.py"], capture_output=True, text=True,
                              env=USER_ENV, cwd=tmp_path)

    typed = mypy(TYPED_HOST)
    assert typed.returncode == 0, typed.stdout + typed.stderr
    floats = mypy(FLOAT_TIMESTAMP)
    assert floats.returncode == 1
    assert floats.stdout.count('"float"') == 2, floats.stdout  # both the timestamp and the age


def test_the_readme_venv_route_runs_as_written(tmp_path):
    (block,) = [b for b in re.findall(r"```sh\n(.*?)```", (REPO / "README.md").read_text(), re.S)
                if "python3.14 -m venv" in b]
    # The packages it names are the dev root's (.ci/run builds a root with exactly that list).
    block = "\n".join(line for line in block.splitlines() if not line.startswith("apt-get install "))
    ran = subprocess.run(["bash", "-euc", block.replace(".venv", str(tmp_path / "venv"))], cwd=REPO,
                         capture_output=True, text=True, env=USER_ENV)
    assert ran.returncode == 0, ran.stdout[-2000:] + ran.stderr[-2000:]
    assert ran.stdout.endswith(f"quillary-spatial {VERSION}\n")
