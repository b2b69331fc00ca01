"""What the inspector page is given: every frame's numbers and flags, and every utterance with
the frame it was paired with, checked against what the host pushed."""

import base64
import io
import json
import math
import struct

from hypothesis import given, settings
from hypothesis import strategies as st

import quillary_spatial as qs
from quillary_spatial.inspector import session_data
from quillary_spatial.inspector.data import event_lines
from frames import expected_dict, frames

ABSENT = [0.0] * 3


def float32(value):
    """The nearest single-precision value; beyond its range, an infinity (the page skips those)."""
    if value is None:
        return math.nan
    try:
        return struct.unpack("<f", struct.pack("<f", value))[0]
    except OverflowError:
        return math.copysign(math.inf, value)


def expected_values(frame):
    """The page's 31 numbers of a frame, from its attributes (by way of the wire's 9 digits)."""
    d = expected_dict(frame)
    head = d["head"]
    part = lambda key, a, b: d[key][a] + d[key][b] if key in d else ABSENT + ABSENT
    numbers = (head["position"] + head["orientation"]
               + (d["left_hand"]["position"] if "left_hand" in d else ABSENT)
               + (d["right_hand"]["position"] if "right_hand" in d else ABSENT)
               + part("pointing", "origin", "direction") + part("gaze", "origin", "direction")
               + part("target", "position", "normal"))
    return [float32(v) for v in numbers]


def expected_flags(frame):
    d = expected_dict(frame)
    select = d.get("primary_select")
    return ((d["head_tracking"] != "unavailable") << 6 | ("pointing" in d) | bool(select and select["pressed"]) << 1
            | ("left_hand" in d) << 2 | ("right_hand" in d) << 3 | ("gaze" in d) << 4 | ("target" in d) << 5
            | (select is not None) << 7)


def same(a, b):
    return a == b or (math.isnan(a) and math.isnan(b))


def unpack(data, code):
    raw = base64.b64decode(data)
    return list(struct.unpack(f"<{len(raw) // struct.calcsize(code)}{code}", raw))


@settings(max_examples=60, deadline=None)
@given(st.lists(st.tuples(frames(), st.integers(0, 300), st.booleans()), max_size=12), st.integers(1, 5))
def test_every_frame_and_utterance_reaches_the_page_as_pushed(steps, capacity):
    log = io.StringIO()
    recorder = qs.Recorder(log, capacity=capacity, max_context_age_ns=40)
    pushed = []
    for frame, time, say in steps:
        frame.timestamp_ns = time  # small times wandering both ways: resets included
        recorder.push(frame)
        pushed.append(frame)
        if say:
            recorder.submit_text("put that there", time + 7)
    recorder.close()

    data = session_data(io.BytesIO(log.getvalue().encode()), "log")
    assert data["error"] is None
    f = data["frames"]
    assert f["count"] == len(pushed)
    origin = pushed[0].timestamp_ns if pushed else 0
    assert unpack(f["times"], "d") == [frame.timestamp_ns - origin for frame in pushed]
    values = unpack(f["values"], "f")
    for i, frame in enumerate(pushed):
        assert all(map(same, values[31 * i:31 * (i + 1)], expected_values(frame))), i
    assert unpack(f["flags"], "B") == [expected_flags(frame) for frame in pushed]
    ids = f["targetIds"]
    assert [None if t < 0 else ids[t] for t in unpack(f["targets"], "i")] == \
        [frame.target.host_id if frame.target else None for frame in pushed]

    events = [json.loads(line) for line in log.getvalue().split("\n")
              if '"schema":"quillary.contextual-intent"' in line[:40]]
    paired = [u for u in data["utterances"] if u["outcome"] == "event"]
    assert len(paired) == len(events) == sum(u["frame"] is not None for u in data["utterances"])
    lines = event_lines(data)
    assert len(lines) == len(events)
    for utterance, event in zip(paired, events):
        # The frame the page jumps to is the very frame the event carries.
        assert json.loads(qs.to_jsonl(pushed[utterance["frame"]])) == event["spatial_context"]
        assert json.loads(lines[utterance["event"]]) == event
