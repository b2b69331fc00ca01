"""What the inspector costs on a long log: making the page, opening it, and scrubbing it.

The page is made in a fresh interpreter, which reports its time and peak memory; then, where
Debian's Chromium and Selenium are at hand, the page is opened headless (software WebGL, so a
real GPU does better) and the cursor is moved from utterance to utterance, each move waited
out to the next drawn frame. Run by session_bench.py on the log it records, and on a log of
its own with 100,000 utterances (`many_utterances`), where it also steps the cursor with the
arrow key and searches the utterance list.
"""

from __future__ import annotations

import subprocess
import sys
import tempfile
import time
from pathlib import Path
from typing import Any

import headless_chromium

HERE = Path(__file__).resolve().parent

# `view LOG --html OUT` as a user runs it: read and check every line, write the page.
MAKE_AND_MEASURE = """
import os, resource, sys, time
from quillary_spatial.cli import main
sys.stderr = open(os.devnull, "w")
start = time.perf_counter()
status = main(["view", sys.argv[1], "--html", sys.argv[2]])
seconds = time.perf_counter() - start
assert status == 0
print(seconds, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss)
"""

# Moves the cursor to utterance after utterance, one move per animation frame; resolves with the
# mean milliseconds of the move's own work and the mean time from one drawn frame to the next
# (16.7 ms at 60 Hz when every move is drawn in time).
SCRUB = """
const [moves, done] = arguments;
(async () => {
  const inspector = window.quillaryInspector;
  const count = inspector.state().markers.length;
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


# Steps the cursor a frame with the arrow key, as a user does, and waits for the step to be on
# screen: the animation frame that draws it, then the task after it, when it has been painted.
# Resolves with the milliseconds of every step.
STEP = """
const [steps, done] = arguments;
(async () => {
  const frame = () => new Promise((resolve) => requestAnimationFrame(resolve));
  const painted = () => new Promise((resolve) => setTimeout(resolve, 0));
  await frame();
  const times = [];
  for (let i = 0; i < steps; i++) {
    const start = performance.now();
    document.dispatchEvent(new KeyboardEvent("keydown", { key: "ArrowRight", bubbles: true }));
    await frame();
    await painted();
    times.push(performance.now() - start);
  }
  done(times);
})();
"""

# Types a search into the utterance list and waits until its rows are painted.
SEARCH = """
const [query, done] = arguments;
(async () => {
  const search = document.getElementById("search");
  const start = performance.now();
  search.value = query;
  search.dispatchEvent(new Event("input"));
  await new Promise((resolve) => requestAnimationFrame(resolve));
  await new Promise((resolve) => setTimeout(resolve, 0));
  done([performance.now() - start, window.quillaryInspector.state().listed.length]);
})();
"""

Measure = tuple[str, float, str]  # what, value, its format with its unit


def open_page(driver: Any, html: Path) -> float:
    """Seconds until the page says it is ready."""
    start = time.perf_counter()
    driver.get(html.as_uri())
    headless_chromium.wait_until_ready(driver, timeout_s=300)
    driver.set_script_timeout(120)
    return time.perf_counter() - start


def measure(log: Path, quick: bool) -> list[Measure]:
    with tempfile.TemporaryDirectory() as scratch:
        html = Path(scratch) / "page.html"
        result = subprocess.run([sys.executable, "-c", MAKE_AND_MEASURE, str(log), str(html)], capture_output=True,
                                text=True, check=True)
        seconds, peak_kib = result.stdout.split()
        made: list[Measure] = [
            ("`view --html`: make the inspector page (read and check every line, write it)", float(seconds), "{:.2f} s"),
            ("its size, all inline", html.stat().st_size / 2**20, "{:,.0f} MiB"),
            ("peak memory of `view --html`", int(peak_kib) / 1024, "{:,.0f} MiB"),
        ]
        if not headless_chromium.available():
            return made
        driver = headless_chromium.start(str(Path(scratch) / "profile"))
        try:
            opened = open_page(driver, html)
            work_ms, frame_ms = driver.execute_async_script(SCRUB, 20 if quick else 300)
        finally:
            driver.quit()
    return made + [
        ("open it in headless Chromium (software WebGL), to ready", opened, "{:.2f} s"),
        ("scrub: one move of the cursor (find the frame, update the view and the strip)", work_ms, "{:.2f} ms"),
        ("scrub: time between drawn frames, moving every frame (16.7 ms is every frame at 60 Hz)", frame_ms,
         "{:.1f} ms"),
    ]


def record_many(path: Path, utterances: int) -> None:
    """Frames at 90 Hz, an utterance every other frame: each gets an event, as in a busy session."""
    import quillary_spatial as qs
    from example_frames import full_example_frame

    frame = full_example_frame()
    with qs.Recorder(path, host={"bench": "inspector_bench"}) as recorder:
        for tick in range(2 * utterances):
            frame.timestamp_ns = tick * 11_111_111
            frame.head_pose.position.x = 0.001 * (tick % 500)
            recorder.push(frame)
            if tick % 2 == 1:
                recorder.submit_text(f"utterance {tick // 2}: put it there", frame.timestamp_ns + 1_000_000)


def many_utterances(quick: bool) -> list[Measure]:
    """Opening, stepping and searching a page of 100,000 utterances (2,000 with `quick`)."""
    count = 2_000 if quick else 100_000
    if not headless_chromium.available():
        return []
    with tempfile.TemporaryDirectory() as scratch:
        log, html = Path(scratch) / "many.jsonl", Path(scratch) / "many.html"
        record_many(log, count)
        subprocess.run([sys.executable, "-m", "quillary_spatial", "view", str(log), "--html", str(html)],
                       capture_output=True, check=True)
        size_mib = html.stat().st_size / 2**20
        driver = headless_chromium.start(str(Path(scratch) / "profile"))
        try:
            opened = open_page(driver, html)
            driver.execute_script("window.quillaryInspector.pick(arguments[0])", count // 2)
            steps = sorted(driver.execute_async_script(STEP, 20 if quick else 200))
            search_ms, found = driver.execute_async_script(SEARCH, "utterance 4321:")
            assert found == (1 if count > 4321 else 0), found
        finally:
            driver.quit()
    what = f"{count:,} utterances"
    return [
        (f"{what}: the page's size", size_mib, "{:,.0f} MiB"),
        (f"{what}: open the page in headless Chromium, to ready", opened, "{:.2f} s"),
        (f"{what}: a step of the cursor (arrow key), to painted, median", steps[len(steps) // 2], "{:.1f} ms"),
        (f"{what}: a step of the cursor, to painted, 95th percentile", steps[len(steps) * 95 // 100], "{:.1f} ms"),
        (f"{what}: a step of the cursor, to painted, slowest of {len(steps)}", steps[-1], "{:.1f} ms"),
        (f"{what}: search the list (one match), to painted", search_ms, "{:.1f} ms"),
    ]
