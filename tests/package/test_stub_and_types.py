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
    # The settings are pyproject.toml's, as a developer's own mypy run finds them.
    result = subprocess.run(
        [sys.executable, "-m", "mypy", "python/quillary_spatial", "examples", "tests/typing/usage.py"],
        capture_output=True, text=True, cwd=REPO, env={k: v for k, v in os.environ.items() if k != "MYPYPATH"},
    )
    assert result.returncode == 0, result.stdout + result.stderr
