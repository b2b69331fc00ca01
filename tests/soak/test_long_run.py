"""Hours of a 90 Hz host loop compressed: memory and reference counts must stay flat."""

import gc
import os
import sys

import _spatial as spatial

from frames import full_example_frame

TICKS = 200_000
WARM_UP = 20_000
TOLERANCE_KIB = 2048  # a few allocator pages of slack; a leak of one string a tick is 10 MiB


def resident_kib():
    with open("/proc/self/statm") as statm:
        return int(statm.read().split()[1]) * os.sysconf("SC_PAGE_SIZE") // 1024


def classes():
    return [obj for obj in vars(spatial).values() if isinstance(obj, type)]


def test_host_loop_body_holds_no_memory_and_no_references():
    timeline = spatial.IntentTimeline()
    template = full_example_frame()
    hit = template.target

    def tick(i):
        frame = spatial.SpatialIntentFrame()
        frame.timestamp_ns = i * 11_111_111
        frame.timestamp_domain = "monotonic"
        frame.head_pose = template.head_pose
        frame.pointing = template.pointing
        frame.primary_select = template.primary_select
        frame.capabilities = template.capabilities
        frame.target = template.target  # then cleared or replaced by the grounding pass
        grounded = spatial.resolve_target(frame, lambda ray: hit if i % 2 else None)
        timeline.push(grounded)
        event = timeline.submit_text("put it there", i * 11_111_111 + 3_000_000)
        line = spatial.to_jsonl(event)
        record = spatial.to_dict(event)
        assert len(line) > 0 and record["text"] == "put it there"

    for i in range(WARM_UP):
        tick(i)
    gc.collect()
    rss_before = resident_kib()
    refs_before = [sys.getrefcount(cls) for cls in classes()]

    for i in range(WARM_UP, TICKS):
        tick(i)
    gc.collect()
    growth = resident_kib() - rss_before
    refs_after = [sys.getrefcount(cls) for cls in classes()]

    assert growth < TOLERANCE_KIB, f"resident memory grew by {growth} KiB over {TICKS - WARM_UP} ticks"
    assert refs_after == refs_before
