import json
import locale
import math
from concurrent.futures import ThreadPoolExecutor

import pytest
from hypothesis import given, settings

from _spatial import IntentTimeline, SpatialIntentFrame, Vec3, to_dict, to_jsonl
from frames import FULL_EXAMPLE_LINE, event_for, events, expected_dict, frames, full_example_frame, strict_loads

DEFAULT_FRAME_LINE = (
    '{"schema":"quillary.spatial-intent","version":1,"timestamp_ns":0,"timestamp_domain":"",'
    '"reference_space":{"type":"","id":"","generation":0},'
    '"head":{"position":[0,0,0],"orientation":[0,0,0,1]},"head_tracking":"unavailable",'
    '"capabilities":{"head_pose":false,"action_input":false,"hand_tracking":false,'
    '"hand_interaction":false,"eye_gaze":false,"enabled_extensions":[]}}'
)


def test_default_frame_line_and_dict():
    frame = SpatialIntentFrame()
    assert to_jsonl(frame) == DEFAULT_FRAME_LINE
    assert len(to_jsonl(frame)) == 366
    d = to_dict(frame)
    assert list(d) == ["schema", "version", "timestamp_ns", "timestamp_domain", "reference_space",
                       "head", "head_tracking", "capabilities"]
    assert d["head"]["orientation"] == [0, 0, 0, 1]
    assert all(type(c) is int for c in d["head"]["orientation"])


def test_full_example_frame_line():
    assert to_jsonl(full_example_frame()) == FULL_EXAMPLE_LINE


def test_event_line_embeds_the_frame_line():
    frame = full_example_frame()
    event = event_for(frame, 'put it "there"\n', 76543211)
    line = to_jsonl(event)
    assert line == (
        '{"schema":"quillary.contextual-intent","version":1,"timestamp_ns":1700000000200000000,'
        '"text":"put it \\"there\\"\\n","spatial_age_ns":76543211,"spatial_context":'
        + FULL_EXAMPLE_LINE + "}"
    )
    d = to_dict(event)
    assert d["spatial_context"]["schema"] == "quillary.spatial-intent"
    assert d["text"] == 'put it "there"\n'


def test_numbers_come_back_rounded_to_nine_digits():
    frame = SpatialIntentFrame()
    frame.head_pose.position = Vec3(1 / 3, -0.0, 1.0)
    assert to_dict(frame)["head"]["position"] == [0.333333333, 0, 1]
    assert type(to_dict(frame)["head"]["position"][1]) is int


def test_non_finite_components_are_null():
    frame = SpatialIntentFrame()
    frame.head_pose.position = Vec3(math.nan, math.inf, -math.inf)
    assert '"position":[null,null,null]' in to_jsonl(frame)
    assert strict_loads(to_jsonl(frame))["head"]["position"] == [None, None, None]


@settings(max_examples=300, deadline=None)
@given(frames())
def test_every_frame_line_is_strict_json_and_to_dict_matches(frame):
    line = to_jsonl(frame)
    assert "\n" not in line and all(ord(c) >= 0x20 for c in line)
    strict_loads(line)
    # Dumped, so that member order counts too.
    assert json.dumps(to_dict(frame)) == json.dumps(expected_dict(frame))


@pytest.mark.parametrize("flag", ["head_pose", "action_input", "hand_tracking", "hand_interaction", "eye_gaze"])
def test_each_capability_flag_reaches_its_own_member(flag):
    frame = SpatialIntentFrame()
    setattr(frame.capabilities, flag, True)
    flags = {name: value for name, value in to_dict(frame)["capabilities"].items() if name != "enabled_extensions"}
    assert flags == {name: name == flag for name in flags}


@settings(max_examples=150, deadline=None)
@given(events())
def test_every_event_line_is_strict_json_and_embeds_its_frame(event):
    line = to_jsonl(event)
    strict_loads(line)
    assert line.endswith(to_jsonl(event.spatial_context) + "}")
    expected = {"schema": "quillary.contextual-intent", "version": 1, "timestamp_ns": event.timestamp_ns,
                "text": event.text, "spatial_age_ns": event.spatial_age_ns,
                "spatial_context": expected_dict(event.spatial_context)}
    assert json.dumps(to_dict(event)) == json.dumps(expected)


def test_invalid_utf8_fields_raise_before_json_loads(monkeypatch):
    calls = []
    monkeypatch.setattr(json, "loads", lambda s: calls.append(s))
    frame = SpatialIntentFrame()
    frame.reference_space.id = b"\xff"
    for function in (to_jsonl, to_dict):
        with pytest.raises(UnicodeDecodeError):
            function(frame)
    assert calls == []


def test_each_line_is_whole_however_lines_follow_each_other_and_whichever_thread_writes():
    # Lines are written into a buffer each thread reuses: none may carry part of another,
    # after a line far longer than usual, after a line that failed, or on another thread.
    text = "x" * 100_000
    long_event = event_for(full_example_frame(), text, 5)
    bad = SpatialIntentFrame()
    bad.reference_space.id = b"\xff" * 70_000

    def write(rounds):
        for _ in range(rounds):
            assert strict_loads(to_jsonl(long_event))["text"] == text
            with pytest.raises(UnicodeDecodeError):
                to_jsonl(bad)
            assert to_jsonl(SpatialIntentFrame()) == DEFAULT_FRAME_LINE
            assert to_dict(SpatialIntentFrame()) == json.loads(DEFAULT_FRAME_LINE)

    with ThreadPoolExecutor(4) as pool:
        for done in [pool.submit(write, 50) for _ in range(4)]:
            done.result()  # a failed assertion on a thread fails the test here


def test_a_replaced_json_loads_is_used(monkeypatch):
    seen = []
    monkeypatch.setattr(json, "loads", lambda s: seen.append(s) or "replaced")
    assert to_dict(SpatialIntentFrame()) == "replaced"
    assert seen == [DEFAULT_FRAME_LINE]


@pytest.mark.parametrize(
    "call",
    [lambda: to_jsonl(None), lambda: to_dict(1), lambda: to_jsonl(Vec3()), lambda: to_jsonl(),
     lambda: to_dict(arg0=SpatialIntentFrame()), lambda: to_jsonl(SpatialIntentFrame(), SpatialIntentFrame())],
    ids=["none", "int", "vec3", "no-args", "keyword", "two-args"],
)
def test_wrong_arguments_raise_type_error_listing_both_overloads(call):
    with pytest.raises(TypeError, match=r"incompatible function arguments") as info:
        call()
    message = str(info.value)
    assert message.index("SpatialIntentFrame") < message.index("ContextualIntentEvent")


@pytest.mark.parametrize(
    "function, docs",
    [(to_jsonl, []), (to_dict, ["Return a JSON-compatible realtime frame.", "Return JSON-compatible agent/tool input."])],
)
def test_two_signatures_frame_first(function, docs):
    name = function.__name__
    doc = function.__doc__
    returns = "str" if function is to_jsonl else "object"
    frame_sig = f"1. {name}(arg0: _spatial.SpatialIntentFrame) -> {returns}"
    event_sig = f"2. {name}(arg0: _spatial.ContextualIntentEvent) -> {returns}"
    assert frame_sig in doc and event_sig in doc
    assert doc.index(frame_sig) < doc.index(event_sig)
    for text in docs:
        assert text in doc


def test_lines_ignore_a_decimal_comma_locale():
    previous = locale.setlocale(locale.LC_ALL)
    try:
        locale.setlocale(locale.LC_ALL, "de_DE.UTF-8")
        assert locale.localeconv()["decimal_point"] == ","
        assert to_jsonl(full_example_frame()) == FULL_EXAMPLE_LINE
    finally:
        locale.setlocale(locale.LC_ALL, previous)


def test_the_same_timeline_event_is_written_the_same_way_twice():
    timeline = IntentTimeline()
    timeline.push(full_example_frame())
    a = timeline.submit_text("x", 1700000000123456789)
    b = timeline.submit_text("x", 1700000000123456789)
    assert to_jsonl(a) == to_jsonl(b)
