"""What the inspector costs on a long log: making the page, opening it, and scrubbing it.

The page is made in a fresh interpreter, which reports its time and peak memory; then, where
Debian's Chromium and Selenium are at hand, the page is opened headless (software WebGL, so a
real GPU does better) and the cursor is moved from utterance to utterance, each move waited
out to the next drawn frame. Run by session_bench.py on the log it records.
"""

from __future__ import annotations

import subprocess
import sys
import tempfile
import time
from pathlib import Path

import headless_chromium

HERE = Path(__file__).resolve().parent

MAKE_AND_MEASURE = """
import resource, sys, time
from quillary_spatial.inspector import page
start = time.perf_counter()
html = page(sys.argv[1])
seconds = time.perf_counter() - start
open(sys.argv[2], "w", encoding="utf-8").write(html)
print(seconds, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss)
"""

# Moves the cursor to utterance after utterance, one move per animation frame; resolves with the
# mean milliseconds of the move's own work and the mean time from one drawn frame to the next
# (16.7 ms at 60 Hz when every move is drawn in time).
SCRUB = """
const [moves, done] = arguments;
(async () => {
  const inspector = window.quillaryInspector;
  const count = inspector.state().markers;
  const frame = () => new Promise((resolve) => requestAnimationFrame(resolve));
  await frame();
  let work = 0;
  const start = performance.now();
  for (let i = 0; i < moves; i++) {
    const before = performance.now();
    inspector.pick(i % count);
    work += performance.now() - before;
    await frame();
  }
  done([work / moves, (performance.now() - start) / moves]);
})();
"""


Measure = tuple[str, float, str]  # what, value, its format with its unit


def measure(log: Path, quick: bool) -> list[Measure]:
    with tempfile.TemporaryDirectory() as scratch:
        html = Path(scratch) / "page.html"
        result = subprocess.run([sys.executable, "-c", MAKE_AND_MEASURE, str(log), str(html)], capture_output=True,
                                text=True, check=True)
        seconds, peak_kib = result.stdout.split()
        made: list[Measure] = [
            ("make the inspector page (read and check every line)", float(seconds), "{:.2f} s"),
            ("its size, all inline", html.stat().st_size / 2**20, "{:,.0f} MiB"),
            ("peak memory making it", int(peak_kib) / 1024, "{:,.0f} MiB"),
        ]
        if not headless_chromium.available():
            return made
        driver = headless_chromium.start(str(Path(scratch) / "profile"))
        try:
            start = time.perf_counter()
            driver.get(html.as_uri())
            headless_chromium.wait_until_ready(driver, timeout_s=300)
            opened = time.perf_counter() - start
            driver.set_script_timeout(120)
            work_ms, frame_ms = driver.execute_async_script(SCRUB, 20 if quick else 300)
        finally:
            driver.quit()
    return made + [
        ("open it in headless Chromium (software WebGL), to ready", opened, "{:.2f} s"),
        ("scrub: one move of the cursor (find the frame, update the view and the strip)", work_ms, "{:.2f} ms"),
        ("scrub: time between drawn frames, moving every frame (16.7 ms is every frame at 60 Hz)", frame_ms,
         "{:.1f} ms"),
    ]
