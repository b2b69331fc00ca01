"""The timeline against a small pure-Python model of its rules, driven by hypothesis."""

from hypothesis import given, settings
from hypothesis import strategies as st
from hypothesis.stateful import RuleBasedStateMachine, initialize, invariant, rule

from _spatial import IntentTimeline, SpatialHit, SpatialIntentFrame, resolve_target, to_dict, to_jsonl
from frames import frames
from quillary_spatial import _native

INT64 = st.integers(-(2**63), 2**63 - 1)


class TimelineModel:
    def __init__(self, capacity, max_age):
        self.capacity = max(capacity, 1)
        self.max_age = max(max_age, 0)
        self.frames = []  # (timestamp, serial), oldest first

    def push(self, t, serial):
        if self.frames and t < self.frames[-1][0]:
            self.frames = []
        self.frames.append((t, serial))
        del self.frames[: max(0, len(self.frames) - self.capacity)]

    def context(self, text, at):
        if not text:
            return None
        for t, serial in reversed(self.frames):
            if t <= at:
                return (t, serial) if at - t <= self.max_age else None
        return None


class TimelineMachine(RuleBasedStateMachine):
    @initialize(capacity=st.integers(0, 6), max_age=st.integers(-10, 60) | INT64)
    def start(self, capacity, max_age):
        self.timeline = IntentTimeline(capacity, max_age)
        self.model = TimelineModel(capacity, max_age)
        self.clock = 0
        self.serial = 0

    def time_near_clock(self, step):
        return max(-(2**63), min(2**63 - 1, self.clock + step))

    @rule(step=st.integers(-15, 30))
    def push_near(self, step):
        self.push_at(self.time_near_clock(step))

    @rule(t=INT64)
    def push_anywhere(self, t):
        self.push_at(t)

    @rule()
    def push_same_time_again(self):
        self.push_at(self.clock)

    def push_at(self, t):
        self.clock = t
        self.serial += 1
        frame = SpatialIntentFrame()
        frame.timestamp_ns = t
        frame.timestamp_domain = str(self.serial)
        # The package's push says the frame's number: one less than the model's serial.
        assert _native.push(self.timeline, frame) == self.serial - 1
        self.model.push(t, self.serial)

    @rule()
    def latest(self):
        latest = self.timeline.latest()
        if not self.model.frames:
            assert latest is None
        else:
            t, serial = self.model.frames[-1]
            assert (latest.timestamp_ns, latest.timestamp_domain) == (t, str(serial))

    @rule(text=st.sampled_from(["", "put it there", " "]), step=st.integers(-30, 80))
    def submit_near(self, text, step):
        self.submit(text, self.time_near_clock(step))

    @rule(text=st.sampled_from(["", "what is that?"]), at=INT64)
    def submit_anywhere(self, text, at):
        self.submit(text, at)

    def submit(self, text, at):
        event = self.timeline.submit_text(text, at)
        expected = self.model.context(text, at)
        # The decision the core reports names the frame the model picks, and only then an event.
        pairing = _native.pair(self.timeline, at, not text)
        assert (pairing.outcome == "event") == (expected is not None)
        if expected is not None:
            assert pairing.frame == expected[1] - 1 and pairing.age_ns == at - expected[0]
        # The frame at a time is the one a non-empty text there pairs with, whatever the text.
        frame, at_pairing = _native.frame_at(self.timeline, at)
        if text:
            assert (frame is None) == (event is None)
            assert frame is None or to_jsonl(frame) == to_jsonl(event.spatial_context)
            assert (at_pairing.outcome, at_pairing.frame, at_pairing.age_ns) == \
                (pairing.outcome, pairing.frame, pairing.age_ns)
        if expected is None:
            assert event is None
        else:
            t, serial = expected
            assert event.timestamp_ns == at and event.text == text
            assert event.spatial_context.timestamp_ns == t
            assert event.spatial_context.timestamp_domain == str(serial)
            assert event.spatial_age_ns == at - t

    @invariant()
    def never_more_than_capacity(self):
        if hasattr(self, "model"):
            assert len(self.model.frames) <= self.model.capacity


TimelineMachine.TestCase.settings = settings(max_examples=150, stateful_step_count=40, deadline=None)
test_timeline_follows_the_model = TimelineMachine.TestCase


@settings(max_examples=200, deadline=None)
@given(frames(), st.booleans())
def test_resolve_target_never_changes_its_input_and_calls_only_when_pointing(frame, answer_hit):
    before = to_jsonl(frame)
    calls = []

    def raycast(ray):
        calls.append((ray.origin.x, ray.direction.z))
        ray.origin.x = 123.0  # the callable's own copy
        if answer_hit:
            hit = SpatialHit()
            hit.host_id = "probe"
            return hit
        return None

    result = resolve_target(frame, raycast)
    assert to_jsonl(frame) == before
    if frame.pointing is None:
        assert calls == [] and result.target is None
    else:
        assert len(calls) == 1
        assert (result.target is not None) == answer_hit
        if answer_hit:
            assert result.target.host_id == "probe"
    # Apart from the target, the result says exactly what the input says.
    grounded, original = to_dict(result), to_dict(frame)
    grounded.pop("target", None)
    original.pop("target", None)
    assert grounded == original


def test_model_agrees_on_the_worked_example():
    # Frames at 100, 200, 300 with max age 1000 (a fixed point for the model itself).
    model = TimelineModel(240, 1000)
    for serial, t in enumerate((100, 200, 300)):
        model.push(t, serial)
    assert model.context("x", 250) == (200, 1)
    assert model.context("x", 1301) is None
    assert model.context("", 300) is None
