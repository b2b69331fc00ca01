import pytest

from _spatial import IntentTimeline, SpatialIntentFrame


@pytest.fixture
def make_event():
    """Events come only from a timeline: submit text right at a pushed frame's time."""

    def make(text="put it there", timestamp_ns=1_000):
        timeline = IntentTimeline()
        frame = SpatialIntentFrame()
        frame.timestamp_ns = timestamp_ns
        timeline.push(frame)
        return timeline.submit_text(text, timestamp_ns)

    return make
