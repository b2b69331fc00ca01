"""The inspector in a real browser, served on loopback and as a file: it draws the session,
fetches nothing, and a click on an utterance shows the frame it was paired with."""

import io
import json
import os
import subprocess
import sys
import time
from pathlib import Path

import pytest
from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

import headless_chromium
from conftest import ROOT, run_python

RAY_COLOR = (0xFF, 0x3D, 0x00)
BACKGROUND = (0x14, 0x16, 0x1A)


def records(log):
    return [json.loads(line) for line in Path(log).read_text().split("\n") if line]


def open_page(browser, url):
    browser.get_log("browser"), browser.get_log("performance")  # drop what earlier pages left
    browser.get(url)
    headless_chromium.wait_until_ready(browser)


def console_problems(browser):
    return [entry for entry in browser.get_log("browser") if entry["level"] in ("SEVERE", "WARNING")]


# The browser's own pages (a fresh profile's new-tab page, say) load things too; not ours.
BROWSER_INTERNAL = ("chrome://", "chrome-untrusted://", "devtools://")


def requested_urls(browser):
    messages = (json.loads(entry["message"])["message"] for entry in browser.get_log("performance"))
    requests = (m["params"] for m in messages if m["method"] == "Network.requestWillBeSent")
    return [r["request"]["url"] for r in requests if not r.get("documentURL", "").startswith(BROWSER_INTERNAL)]


def state(browser):
    return browser.execute_script("return window.quillaryInspector.state()")


MARKER_ROW_MIDDLE = 9  # px below the strip's top: where its utterance markers are drawn


def click_marker(browser, index):
    """Clicks an utterance's marker on the strip, where the page draws it."""
    canvas = browser.find_element(By.ID, "strip-canvas")
    x = browser.execute_script("return window.quillaryInspector.markerX(arguments[0])", index)
    ActionChains(browser).move_to_element_with_offset(canvas, round(x - canvas.rect["width"] / 2),
                                                      round(MARKER_ROW_MIDDLE - canvas.rect["height"] / 2)).click().perform()
    time.sleep(0.3)  # the next animation frame draws it


@pytest.fixture(scope="module")
def html_page(demo_log, tmp_path_factory):
    out = tmp_path_factory.mktemp("page") / "demo.html"
    result = run_python("-m", "quillary_spatial", "view", demo_log, "--html", out)
    assert result.returncode == 0, result.stderr
    return out.as_uri()


@pytest.fixture(scope="module")
def served_page(demo_log):
    server = subprocess.Popen([sys.executable, "-m", "quillary_spatial", "view", str(demo_log)], cwd=ROOT,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        line = server.stdout.readline()
        url = line.split(" at ", 1)[1].split()[0]
        assert url.startswith("http://127.0.0.1:"), line
        yield url
    finally:
        server.terminate()
        server.wait(10)


@pytest.mark.parametrize("page", ["served_page", "html_page"])
def test_the_demo_session_is_drawn_and_an_utterance_jumps_to_its_frame(browser, demo_log, page, request):
    url = request.getfixturevalue(page)
    open_page(browser, url)
    assert console_problems(browser) == []
    assert set(requested_urls(browser)) == {url}, "the page fetched something besides itself"

    log = records(demo_log)
    utterances = [i for i, r in enumerate(log) if r["schema"] == "quillary.utterance"]
    assert len(state(browser)["markers"]) == len(utterances)

    # The utterance whose event's target is the lamp, found in the log itself.
    lamp = next(n for n, i in enumerate(utterances)
                if i + 1 < len(log) and log[i + 1]["schema"] == "quillary.contextual-intent"
                and log[i + 1]["spatial_context"].get("target", {}).get("host_id") == "lamp")
    event = log[utterances[lamp] + 1]
    context = event["spatial_context"]
    first_frame = next(r for r in log if r["schema"] == "quillary.spatial-intent")
    click_marker(browser, lamp)
    shown = state(browser)
    assert shown["selectedUtterance"] == lamp
    assert shown["cursorTimeNs"] == context["timestamp_ns"] - first_frame["timestamp_ns"]
    assert shown["highlightedTarget"] == "lamp"
    assert browser.find_element(By.ID, "referent").text == "lamp"

    # Real pixels: the ray's colour halfway between where it starts and what it hits.
    origin, hit = context["pointing"]["origin"], context["target"]["position"]
    middle = [(a + b) / 2 for a, b in zip(origin, hit)]
    x, y = browser.execute_script("return window.quillaryInspector.project(arguments[0])", middle)
    canvas = browser.find_element(By.CSS_SELECTOR, "#view > canvas")
    image = Image.open(io.BytesIO(canvas.screenshot_as_png)).convert("RGB")
    near = [image.getpixel((round(x) + dx, round(y) + dy)) for dx in range(-3, 4) for dy in range(-3, 4)]
    assert any(sum(abs(c - r) for c, r in zip(pixel, RAY_COLOR)) < 60 for pixel in near), near
    assert image.getpixel((image.width - 3, image.height - 3)) == BACKGROUND
    if artifacts := os.environ.get("QUILLARY_ARTIFACTS"):
        os.makedirs(artifacts, exist_ok=True)
        browser.save_screenshot(os.path.join(artifacts, f"inspector-{page.split('_')[0]}.png"))

    # The event indented for reading, every number as written; the copy is the log's line itself.
    browser.find_element(By.ID, "show-line").click()
    shown_json = WebDriverWait(browser, 10).until(lambda b: b.find_element(By.ID, "event-line").text)
    assert json.loads(shown_json) == event and shown_json.count("\n") > 10
    assert f'"timestamp_ns": {event["timestamp_ns"]}' in shown_json
    browser.execute_cdp_cmd("Browser.grantPermissions", {"permissions": ["clipboardReadWrite",
                                                                          "clipboardSanitizedWrite"]})
    browser.find_element(By.ID, "copy-line").click()
    copied = browser.execute_async_script("navigator.clipboard.readText().then(arguments[0], e => arguments[0](String(e)))")
    assert copied == Path(demo_log).read_text().split("\n")[utterances[lamp] + 1]
    assert console_problems(browser) == []


def bad_line(lines):
    return lines[:49] + ['{"schema":"quillary.spatial-intent","version":1}'] + lines[50:]


def truncated(lines):
    return lines[:-1] + [lines[-1][:20]]  # the host died while writing its last line


# (how the demo's log is changed, what the page must say, the exit status, how many lines are read)
@pytest.mark.parametrize("edit, problem, status, read", [
    (bad_line, ":50: ", 2, 49),  # the reader's error, with its line, over what came before it
    (lambda lines: [], "the log is empty", 2, 0),
    (lambda lines: lines[:1], None, 0, None),  # a header and nothing else
    (lambda lines: [l for l in lines if '"quillary.utterance"' not in l and '"quillary.contextual' not in l],
     None, 0, None),
    (truncated, "the log ends mid-record", 0, -1),  # a warning, over everything before it
], ids=["bad-record", "empty", "header-only", "no-utterances", "truncated"])
def test_a_bad_or_bare_log_still_opens_and_says_what_is_wrong(browser, demo_log, tmp_path, edit, problem, status,
                                                              read):
    lines = edit(Path(demo_log).read_text().split("\n")[:-1])
    log, out = tmp_path / "session.jsonl", tmp_path / "session.html"
    log.write_text("\n".join(lines) + ("" if edit is truncated or not lines else "\n"))
    result = run_python("-m", "quillary_spatial", "view", log, "--html", out)
    assert result.returncode == status, result.stderr
    open_page(browser, out.as_uri())
    assert console_problems(browser) == []
    shown = browser.find_element(By.ID, "problem")
    if problem is None:
        assert not shown.is_displayed()
    else:
        assert problem in shown.text
    utterances = sum('"quillary.utterance"' in line for line in lines[:read])
    assert browser.execute_script("return window.quillaryInspector.state().markers.length") == utterances


# What a user says is data: inlined into the page, it must neither end the script nor become markup.
SCRIPT_IN_TEXT = "</script><b>that</b>"


def test_the_strip_breaks_at_a_gap_and_a_reset_and_colours_every_outcome(browser, tmp_path):
    import quillary_spatial as qs

    ms = 1_000_000
    log, out = tmp_path / "session.jsonl", tmp_path / "session.html"
    with qs.Recorder(log, capacity=1000, max_context_age_ns=100 * ms) as recorder:
        def frames(start, stop):
            for t in range(start, stop, 10):
                frame = qs.SpatialIntentFrame()
                frame.timestamp_ns = t * ms
                recorder.push(frame)
        frames(0, 1000)
        recorder.submit_text("this", 505 * ms)  # 5 ms after a frame: an event
        recorder.submit_text(SCRIPT_IN_TEXT, 2000 * ms)  # a second after the last frame: too old, in the gap
        frames(3000, 3500)
        recorder.submit_text("", 3200 * ms)
        frames(100, 600)  # older than the frame before: a clock reset
        recorder.submit_text("there", 50 * ms)  # before the oldest frame the reset left
        recorder.submit_text("here", 300 * ms)
    assert run_python("-m", "quillary_spatial", "view", log, "--html", out).returncode == 0
    open_page(browser, out.as_uri())
    assert console_problems(browser) == []

    assert state(browser)["markers"] == ["event", "too_old", "empty_text", "before_history", "event"]
    canvas = browser.find_element(By.ID, "strip-canvas")
    centres = [browser.execute_script("return window.quillaryInspector.markerX(arguments[0])", i) for i in range(5)]
    assert centres == sorted(centres) and len(set(centres)) == len(centres), "the strip must run forward"

    strip = Image.open(io.BytesIO(canvas.screenshot_as_png)).convert("RGB")
    band_y = 29  # the frames' band
    band = strip.getpixel((round(centres[0]), band_y))
    assert band != BACKGROUND, "frames at the first utterance"
    assert strip.getpixel((round(centres[1]), band_y)) == BACKGROUND, "the gap is a break in the band"
    assert strip.getpixel((round(centres[4]), band_y)) == band, "frames again after the reset"
    click_marker(browser, 1)
    assert "too old" in browser.find_element(By.ID, "reason").text
    assert browser.find_element(By.ID, "utterance-text").text == json.dumps(SCRIPT_IN_TEXT)
