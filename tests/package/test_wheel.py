"""pip users get a wheel with the extension and its stub, and nothing else of the source tree."""

import os
import subprocess
import sys
import zipfile
from pathlib import Path

import pytest

REPO = Path(__file__).resolve().parents[2]

SMOKE = """
import _spatial
frame = _spatial.SpatialIntentFrame()
frame.timestamp_ns = 5
timeline = _spatial.IntentTimeline()
timeline.push(frame)
event = timeline.submit_text("put it there", 5)
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
    (built,) = out.glob("quillary_spatial-0.1.0-cp314-cp314-*.whl")
    return built


def test_wheel_holds_the_extension_the_stub_and_metadata_only(wheel):
    names = zipfile.ZipFile(wheel).namelist()
    payload = sorted(n for n in names if not n.startswith("quillary_spatial-0.1.0.dist-info/"))
    assert len(payload) == 2
    assert payload[0] == "_spatial.cpython-314-x86_64-linux-gnu.so"
    assert payload[1] == "_spatial.pyi"
    metadata = zipfile.ZipFile(wheel).read("quillary_spatial-0.1.0.dist-info/METADATA").decode()
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
