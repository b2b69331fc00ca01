"""The committed type stub matches the built module, and typed host code checks against it."""

import os
import subprocess
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]


def test_committed_stub_is_current(tmp_path):
    fresh = tmp_path / "_spatial.pyi"
    subprocess.run([sys.executable, str(REPO / "tools" / "make_stub.py"), str(fresh)], check=True)
    committed = (REPO / "module" / "_spatial.pyi").read_text()
    assert fresh.read_text() == committed, "module/_spatial.pyi is stale: run tools/dev stubs"


def test_package_examples_and_typed_usage_pass_mypy_strict():
    env = dict(os.environ, MYPYPATH=os.pathsep.join([str(REPO / "module"), str(REPO / "python")]))
    result = subprocess.run(
        [sys.executable, "-m", "mypy", "--strict", "--no-incremental", "--cache-dir", os.devnull,
         str(REPO / "python" / "quillary_spatial"), str(REPO / "examples"), str(REPO / "tests" / "typing" / "usage.py")],
        capture_output=True, text=True, env=env,
    )
    assert result.returncode == 0, result.stdout + result.stderr
