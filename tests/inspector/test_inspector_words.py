"""The inspector on "put that there": each deictic word's ray and referent as the agent got
them live, the recorded room drawn where the log puts it, the head's own view, many
utterances found by search, and a view that outliers cannot empty."""

import io
import json
import time

import pytest
from PIL import Image
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import put_that_there
import quillary_spatial as spatial
from conftest import run_python
from test_inspector_page import BACKGROUND, click_marker, console_problems, open_page, records, state

SKIN_IS_BRIGHTER_THAN = 200  # the head model is near white; the room is dark


@pytest.fixture(scope="module")
def ptt(tmp_path_factory):
    """The example recorded, with what its agent got live, and its page."""
    folder = tmp_path_factory.mktemp("ptt")
    log, page = folder / "ptt.jsonl", folder / "ptt.html"
    grounded = list(put_that_there.live(str(log)))
    result = run_python("-m", "quillary_spatial", "view", log, "--html", page)
    assert result.returncode == 0, result.stderr
    return log, grounded, page.as_uri()


def canvas_image(browser):
    canvas = browser.find_element(By.CSS_SELECTOR, "#view > canvas")
    return Image.open(io.BytesIO(canvas.screenshot_as_png)).convert("RGB")


def project(browser, point):
    return browser.execute_script("return window.quillaryInspector.project(arguments[0])", list(point))


def centre_of(browser, element):
    view = browser.find_element(By.ID, "view").rect
    r = element.rect
    return r["x"] - view["x"] + r["width"] / 2, r["y"] - view["y"] + r["height"] / 2


def test_each_word_is_shown_as_the_agent_got_it_in_the_recorded_room(browser, ptt):
    log, grounded, url = ptt
    open_page(browser, url)
    assert console_problems(browser) == []
    lines = records(log)
    events = {r["timestamp_ns"]: r for r in lines if r["schema"] == "quillary.contextual-intent"}
    # An event with a deictic word that found nothing has a marker of its own.
    expected = ["partial" if any(r.referent is None for r in g.references) else "event"
                if g.timestamp_ns in events else "no event" for g in grounded]
    assert state(browser)["markers"] == expected and "partial" in expected

    (scene,) = [r for r in lines if r["schema"] == "quillary.scene"]
    for index, utterance in enumerate(grounded):
        click_marker(browser, index)
        shown = state(browser)
        assert shown["selectedUtterance"] == index
        labels = browser.find_elements(By.CSS_SELECTOR, ".word-label")
        # Each says how sure its referent is, as the agent was told.
        assert [label.text for label in labels] == [f"{r.word}: {r.referent} ({r.certainty:.2f})" if r.referent else
                                                    f"{r.word}: {r.reason}" for r in utterance.references]
        # The panel says how sure each referent was, as the agent was told.
        words = browser.find_element(By.ID, "references").text
        assert all(f"{r.referent}, certainty {r.certainty:.2f}" in words for r in utterance.references if r.referent)
        # Each label sits under the point its word's ray hit.
        for label, reference in zip(labels, utterance.references):
            if reference.position is not None:
                x, y = project(browser, reference.position)
                lx, ly = centre_of(browser, label)
                assert abs(lx - x) < 2 and 0 < ly - y < 30 * (1 + utterance.references.index(reference)), \
                    (reference, (x, y), (lx, ly))
        # The referents, and nothing else, are picked out in the room.
        highlighted = {e.text for e in browser.find_elements(By.CSS_SELECTOR, ".scene-label.highlighted")}
        assert highlighted == {r.referent for r in utterance.references if r.referent is not None}
        # A tick per word, each word's start away from the utterance's marker.
        words = next(r for r in lines if r["schema"] == "quillary.utterance"
                     and r["timestamp_ns"] == utterance.timestamp_ns)["words"]
        start, end = shown["span"]
        per_ns = browser.find_element(By.ID, "strip-canvas").rect["width"] / (end - start)
        marker = browser.execute_script("return window.quillaryInspector.markerX(arguments[0])", index)
        ticks = shown["wordTicks"]
        assert [t["word"] for t in ticks] == [w["text"] for w in words]
        for tick, word in zip(ticks, words):
            assert tick["x"] - marker == pytest.approx((word["start_ns"] - utterance.timestamp_ns) * per_ns, abs=1.5)
        assert sum(t["color"] is not None for t in ticks) == len(utterance.references)

    # Every box of the recorded scene where the log puts it: its label on its top face, and its
    # edges' pixels at a bottom corner.
    labels = {e.text: e for e in browser.find_elements(By.CSS_SELECTOR, ".scene-label")}
    assert set(labels) == {o["id"] for o in scene["objects"]}
    image = canvas_image(browser)
    for o in scene["objects"]:
        (px, py, pz), (sx, sy, sz) = o["position"], o["size"]
        x, y = project(browser, (px, py + sy / 2, pz))
        assert centre_of(browser, labels[o["id"]]) == pytest.approx((x, y), abs=2)
        if o["id"] == "table":
            cx, cy = project(browser, (px + sx / 2, py - sy / 2, pz + sz / 2))
            near = [image.getpixel((round(cx) + dx, round(cy) + dy)) for dx in range(-2, 3) for dy in range(-2, 3)]
            assert any(min(p) > 90 and max(p) - min(p) < 60 or p[0] > 200 and p[2] < 120 for p in near), near
    assert console_problems(browser) == []


def test_the_head_view_is_not_blocked_by_the_head(browser, ptt):
    log, grounded, url = ptt
    open_page(browser, url)
    this = next(i for i, g in enumerate(grounded) if g.references and g.references[0].word == "this")
    click_marker(browser, this)
    browser.find_element(By.ID, "look-from-head").click()
    time.sleep(0.3)
    assert state(browser)["lookingFromHead"]
    image = canvas_image(browser)
    w, h = image.size
    middle = [image.getpixel((x, y)) for x in range(w // 2 - 100, w // 2 + 100, 4) for y in range(h // 2 - 100, h // 2 + 100, 4)]
    assert sum(min(p) > SKIN_IS_BRIGHTER_THAN for p in middle) < len(middle) * 0.05, "the head fills the view"
    # What the word referred to is in sight, in front of the eyes.
    x, y = project(browser, grounded[this].references[0].position)
    assert 0 <= x < w and 0 <= y < h
    browser.find_element(By.ID, "overview").click()
    assert not state(browser)["lookingFromHead"]


def test_many_utterances_are_found_by_searching(browser, tmp_path):
    ms = 1_000_000
    log, page = tmp_path / "many.jsonl", tmp_path / "many.html"
    with spatial.Recorder(log, max_context_age_ns=100 * ms) as recorder:
        for tick in range(2000):
            frame = spatial.SpatialIntentFrame()
            frame.timestamp_ns = tick * 10 * ms
            recorder.push(frame)
            if tick % 2 == 1:
                recorder.submit_text(f"note {tick // 2}", tick * 10 * ms)
    assert run_python("-m", "quillary_spatial", "view", log, "--html", page).returncode == 0
    open_page(browser, page.as_uri())
    search = browser.find_element(By.ID, "search")
    search.send_keys("note 73")  # note 73, and 730 to 739
    time.sleep(0.2)
    assert state(browser)["listed"] == [73, *range(730, 740)]
    assert browser.find_element(By.ID, "list-count").text == "11 of 1000 utterances"
    browser.find_elements(By.CSS_SELECTOR, ".list-row")[2].click()  # note 731
    time.sleep(0.3)
    shown = state(browser)
    assert shown["selectedUtterance"] == 731
    assert json.loads(browser.find_element(By.ID, "utterance-text").text) == "note 731"
    # Zoomed in, the strip keeps the picked marker in view.
    for _ in range(6):
        browser.find_element(By.ID, "zoom-in").click()
    search.clear()
    search.send_keys("note 12" + Keys.ENTER)  # the first match: note 12
    time.sleep(0.3)
    shown = state(browser)
    start, end = shown["span"]
    assert shown["selectedUtterance"] == 12 and end - start < 20e9 / 32
    assert start <= 12 * 20 * ms + 10 * ms <= end


def test_far_outliers_do_not_empty_the_overview(browser, tmp_path):
    def drawn(outliers):
        log, page = tmp_path / f"{outliers}.jsonl", tmp_path / f"{outliers}.html"
        with spatial.Recorder(log) as recorder:
            for tick in range(300):
                frame = spatial.SpatialIntentFrame()
                frame.timestamp_ns = tick * 11_111_111
                x = 1e30 if outliers and tick % 10 == 0 else 0.3 * (tick % 7)
                frame.head_pose.position = spatial.Vec3(x, 1.6, -0.5)
                recorder.push(frame)
        assert run_python("-m", "quillary_spatial", "view", log, "--html", page).returncode == 0
        open_page(browser, page.as_uri())
        assert console_problems(browser) == []
        image = canvas_image(browser)
        x, y = project(browser, (0.9, 1.6, -0.5))  # amid the head's real path
        assert 0 <= x < image.width and 0 <= y < image.height
        return sum(count for count, color in image.getcolors(1 << 24) if color != BACKGROUND)

    # A tracker's 1e30 in one frame of ten leaves the view as it is without them: grid, path, head.
    assert drawn(outliers=True) > 0.8 * drawn(outliers=False)
