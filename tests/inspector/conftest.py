"""A headless Chromium, driven by Selenium, and the demo's recorded session to show it."""

import os
import subprocess
import sys
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
import headless_chromium

if not headless_chromium.available():
    if os.environ.get("CI"):
        raise RuntimeError("the inspector's browser tests need chromium, chromium-driver and python3-selenium")
    pytest.skip("no headless Chromium with Selenium here (tools/devroot provides them)", allow_module_level=True)


def run_python(*args, **kwargs):
    return subprocess.run([sys.executable, *map(str, args)], cwd=ROOT, capture_output=True, text=True, **kwargs)


@pytest.fixture(scope="session")
def demo_log(tmp_path_factory):
    log = tmp_path_factory.mktemp("demo") / "demo.jsonl"
    result = run_python("examples/demo.py", "--record", log, "--out", os.devnull)
    assert result.returncode == 0, result.stderr
    return log


@pytest.fixture(scope="session")
def browser(tmp_path_factory):
    driver = headless_chromium.start(str(tmp_path_factory.mktemp("chromium")))
    yield driver
    driver.quit()
