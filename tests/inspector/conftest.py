"""A headless Chromium, driven by Selenium, and the demo's recorded session to show it."""

import os
import shutil
import subprocess
import sys
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
CHROMIUM, CHROMEDRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
except ImportError:  # only where the dev root's packages are missing
    webdriver = None

if webdriver is None or not (os.path.exists(CHROMIUM) and shutil.which(CHROMEDRIVER)):
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
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    # Software WebGL; and none of the browser's own traffic (updates, sync, QUIC probes).
    for flag in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--use-angle=swiftshader",
                 "--enable-unsafe-swiftshader", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--disable-quic", "--no-first-run", "--window-size=1400,900",
                 f"--user-data-dir={tmp_path_factory.mktemp('chromium')}"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    yield driver
    driver.quit()
