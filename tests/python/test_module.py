import importlib
import sys

import _spatial

REGISTRATION_ORDER = [
    "Vec3",
    "Quaternion",
    "Pose",
    "Ray",
    "TrackingConfidence",
    "PointingSource",
    "PointingIntent",
    "SelectState",
    "SpatialHit",
    "ReferenceSpace",
    "CapabilitySnapshot",
    "SpatialIntentFrame",
    "ContextualIntentEvent",
    "IntentTimeline",
    "resolve_target",
    "to_jsonl",
    "to_dict",
]


def test_imports_on_3_14_with_its_documentation():
    assert sys.version_info[:2] == (3, 14)
    assert _spatial.__doc__ == "Host-neutral spatial intent values and host grounding pass"


def test_namespace_holds_exactly_the_registered_names_in_order():
    public = [name for name in vars(_spatial) if not name.startswith("__")]
    assert public == REGISTRATION_ORDER
    assert not hasattr(_spatial, "UNAVAILABLE")
    assert hasattr(_spatial.TrackingConfidence, "UNAVAILABLE")


def test_reimport_after_removal_gives_the_same_module_and_classes():
    before = sys.modules.pop("_spatial")
    try:
        again = importlib.import_module("_spatial")
        assert again is before
        assert again.SpatialIntentFrame is before.SpatialIntentFrame
    finally:
        sys.modules["_spatial"] = before


def test_a_legacy_subinterpreter_leaves_the_main_interpreters_timelines_working():
    # Embedding hosts create subinterpreters that share the main one's lock and may import the
    # module there; nothing it caches may leak from one interpreter into the other.
    import _interpreters

    def used_timeline(timestamp_ns):
        timeline = _spatial.IntentTimeline()
        frame = _spatial.SpatialIntentFrame()
        frame.timestamp_ns = timestamp_ns
        timeline.push(frame)
        return timeline

    before = used_timeline(5)
    interpreter = _interpreters.create(_interpreters.new_config("legacy"))
    try:
        failure = _interpreters.exec(interpreter, (
            "import _spatial\n"
            "timeline = _spatial.IntentTimeline()\n"
            "timeline.push(_spatial.SpatialIntentFrame())\n"
            "assert timeline.submit_text('x', 1).spatial_age_ns == 1\n"))
    finally:
        _interpreters.destroy(interpreter)
    assert failure is None
    assert before.submit_text("x", 6).spatial_age_ns == 1
    assert used_timeline(7).latest().timestamp_ns == 7
