import threading

import pytest

from _spatial import ContextualIntentEvent, IntentTimeline, Pose, SpatialIntentFrame

INT64_MAX = 2**63 - 1


def frame_at(timestamp_ns, domain="monotonic"):
    frame = SpatialIntentFrame()
    frame.timestamp_ns = timestamp_ns
    frame.timestamp_domain = domain
    return frame


def timeline_with(*times, **kwargs):
    timeline = IntentTimeline(**kwargs)
    for t in times:
        timeline.push(frame_at(t))
    return timeline


# --- signatures and construction ---------------------------------------------------------

SIGNATURES = {
    "__init__": "__init__(self: _spatial.IntentTimeline, capacity: typing.SupportsInt | typing.SupportsIndex = 240, "
    "max_context_age_ns: typing.SupportsInt | typing.SupportsIndex = 2000000000) -> None",
    "push": "push(self: _spatial.IntentTimeline, arg0: _spatial.SpatialIntentFrame) -> None",
    "latest": "latest(self: _spatial.IntentTimeline) -> _spatial.SpatialIntentFrame | None",
    "submit_text": "submit_text(self: _spatial.IntentTimeline, text: str, timestamp_ns: typing.SupportsInt | "
    "typing.SupportsIndex) -> _spatial.ContextualIntentEvent | None",
}


@pytest.mark.parametrize("method", SIGNATURES)
def test_rendered_signatures(method):
    assert getattr(IntentTimeline, method).__doc__.splitlines()[0] == SIGNATURES[method]


def test_defaults_are_240_frames_and_two_seconds():
    timeline = timeline_with(*range(241))
    assert timeline.submit_text("x", 0) is None  # the 241st push evicted the frame at 0
    assert timeline.submit_text("x", 1).spatial_age_ns == 0
    fresh = timeline_with(0)
    assert fresh.submit_text("x", 2_000_000_000).spatial_age_ns == 2_000_000_000
    assert fresh.submit_text("x", 2_000_000_001) is None


def test_max_age_by_keyword_keeps_default_capacity():
    timeline = timeline_with(*range(241), max_context_age_ns=5)
    assert timeline.submit_text("x", 0) is None
    assert timeline.submit_text("x", 1) is not None


@pytest.mark.parametrize(
    "kwargs",
    [{"capacity": -1}, {"capacity": 240.0}, {"capacity": 2**64}, {"max_context_age_ns": 2**63},
     {"max_context_age_ns": 1.0}, {"capacity": None}],
)
def test_constructor_refuses_bad_arguments(kwargs):
    with pytest.raises(TypeError, match=r"__init__\(\): incompatible"):
        IntentTimeline(**kwargs)


def test_capacity_zero_and_true_keep_one_frame():
    for capacity in (0, True):
        timeline = timeline_with(10, 20, 30, capacity=capacity)
        assert timeline.latest().timestamp_ns == 30
        assert timeline.submit_text("x", 25) is None


def test_negative_max_age_acts_as_zero():
    timeline = timeline_with(100, 200, max_context_age_ns=-5)
    assert timeline.submit_text("x", 200).spatial_age_ns == 0
    assert timeline.submit_text("x", 201) is None


# --- the pairing rules -------------------------------------------------------------------


@pytest.mark.parametrize(
    "submit_at, chosen, age",
    [(250, 200, 50), (300, 300, 0), (99, None, None), (1300, 300, 1000), (1301, None, None)],
)
def test_submit_picks_newest_frame_at_or_before_within_max_age(submit_at, chosen, age):
    timeline = timeline_with(100, 200, 300, max_context_age_ns=1000)
    event = timeline.submit_text("put it there", submit_at)
    if chosen is None:
        assert event is None
    else:
        assert isinstance(event, ContextualIntentEvent)
        assert (event.spatial_context.timestamp_ns, event.spatial_age_ns) == (chosen, age)
        assert event.timestamp_ns == submit_at
        assert event.text == "put it there"


def test_older_push_resets_equal_push_appends():
    timeline = timeline_with(100, 200)
    timeline.push(frame_at(200, "second"))  # the same time: appended, the history stays
    assert timeline.submit_text("x", 150).spatial_context.timestamp_ns == 100
    assert timeline.submit_text("x", 200).spatial_context.timestamp_domain == "second"
    timeline.push(frame_at(150))  # an older time: the history starts again
    assert timeline.latest().timestamp_ns == 150
    assert timeline.submit_text("x", 120) is None


def test_capacity_three_evicts_the_oldest():
    timeline = timeline_with(10, 20, 30, 40, capacity=3)
    assert timeline.submit_text("x", 15) is None
    assert timeline.submit_text("x", 20).spatial_context.timestamp_ns == 20


def test_empty_timeline_and_empty_text():
    assert IntentTimeline().latest() is None
    assert IntentTimeline().submit_text("x", 0) is None
    assert timeline_with(100).submit_text("", 100) is None


# --- arguments -----------------------------------------------------------------------------


@pytest.mark.parametrize("call", [lambda t: t.push(None), lambda t: t.push(Pose()), lambda t: t.push(frame=frame_at(1))],
                         ids=["none", "pose", "keyword"])
def test_push_refuses_non_frames_and_keywords(call):
    with pytest.raises(TypeError, match=r"push\(\): incompatible"):
        call(IntentTimeline())


def test_submit_text_takes_str_bytes_and_bytearray_alike():
    timeline = timeline_with(100)
    for text in ("look", b"look", bytearray(b"look")):
        event = timeline.submit_text(text, 100)
        assert event.text == "look"
    assert timeline.submit_text(text="look", timestamp_ns=100).text == "look"


@pytest.mark.parametrize("text, timestamp", [("\ud800", 100), (None, 100), (5, 100), ("x", 2**63), ("x", 1.5)],
                         ids=["lone-surrogate", "none", "int", "time-too-large", "float-time"])
def test_submit_text_refuses_bad_arguments(text, timestamp):
    with pytest.raises(TypeError, match=r"submit_text\(\): incompatible"):
        timeline_with(100).submit_text(text, timestamp)


def test_invalid_utf8_text_is_kept_and_fails_only_on_read():
    event = timeline_with(100).submit_text(b"\xff", 100)
    assert event is not None
    with pytest.raises(UnicodeDecodeError):
        event.text


# --- copies across the boundary ------------------------------------------------------------


def test_pushed_and_returned_frames_are_independent():
    timeline = IntentTimeline()
    frame = frame_at(100)
    frame.capabilities.enabled_extensions = ["ext.hands"]
    timeline.push(frame)
    frame.timestamp_ns = 999
    frame.capabilities.enabled_extensions = []

    first, second = timeline.latest(), timeline.latest()
    assert first is not second
    assert first.timestamp_ns == second.timestamp_ns == 100
    first.timestamp_domain = "changed"
    assert second.timestamp_domain == "monotonic"
    event = timeline.submit_text("x", 100)
    event.spatial_context.timestamp_domain = "changed too"
    assert timeline.latest().timestamp_domain == "monotonic"
    assert timeline.latest().capabilities.enabled_extensions == ["ext.hands"]


def test_the_same_frame_object_can_be_pushed_again():
    timeline = IntentTimeline()
    frame = frame_at(100)
    timeline.push(frame)
    frame.timestamp_ns = 200
    timeline.push(frame)
    assert timeline.submit_text("x", 150).spatial_context.timestamp_ns == 100


# --- construction errors ---------------------------------------------------------------


@pytest.mark.parametrize("call", [lambda t: t.push(frame_at(1)), lambda t: t.latest(), lambda t: t.submit_text("x", 1)],
                         ids=["push", "latest", "submit_text"])
def test_methods_refuse_an_instance_whose_init_never_ran(call):
    bare = IntentTimeline.__new__(IntentTimeline)
    with pytest.raises(TypeError, match=r"__init__\(\) was not called"):
        call(bare)


def test_subclass_that_skips_base_init_is_refused():
    class Forgetful(IntentTimeline):
        def __init__(self):
            pass

    with pytest.raises(TypeError, match=r"^_spatial\.IntentTimeline\.__init__\(\) must be called when overriding __init__$"):
        Forgetful()


def test_timeline_has_no_attributes():
    with pytest.raises(AttributeError):
        IntentTimeline().capacity = 3


# --- threads -------------------------------------------------------------------------------


def test_threads_pushing_and_submitting_keep_the_invariants():
    capacity, max_age, per_thread = 32, 40, 3000
    timeline = IntentTimeline(capacity, max_age)
    clock = iter(range(10**9))
    clock_lock = threading.Lock()
    failures = []

    def now():
        with clock_lock:
            return next(clock)

    def pusher():
        for _ in range(per_thread):
            timeline.push(frame_at(now()))

    def submitter():
        for _ in range(per_thread):
            at = now()
            event = timeline.submit_text("x", at)
            if event is not None and not (0 <= event.spatial_age_ns <= max_age and event.timestamp_ns == at):
                failures.append(event)
            latest = timeline.latest()
            if latest is not None and latest.timestamp_ns > now():
                failures.append(latest)

    threads = [threading.Thread(target=f) for f in (pusher, pusher, submitter, submitter)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()

    assert failures == []
    # Two pushers can interleave out of order, which resets the store; it still holds at most
    # `capacity` frames, each answering for itself.
    newest = timeline.latest().timestamp_ns
    answered = {timeline.submit_text("x", t).spatial_context.timestamp_ns
                for t in range(newest - 4 * capacity, newest + 1)
                if timeline.submit_text("x", t) is not None}
    assert 1 <= len(answered) <= capacity
