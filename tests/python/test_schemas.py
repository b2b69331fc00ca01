"""Every line the library writes validates against the published JSON Schemas."""

import io
import json
from pathlib import Path

import pytest
from hypothesis import given, settings
from jsonschema import Draft202012Validator

from _spatial import SpatialIntentFrame, to_jsonl
from frames import event_for, events, frames, full_example_frame
from quillary_spatial import schemas
from schema_checks import EVENT, FRAME, SCHEMAS, check_event, check_frame, in_wire_order  # noqa: F401

REPO = Path(__file__).resolve().parents[2]
def test_schemas_are_valid_draft_2020_12():
    for schema in SCHEMAS.values():
        Draft202012Validator.check_schema(schema)


@settings(max_examples=200, deadline=None)
@given(frames())
def test_generated_frames_validate(frame):
    check_frame(to_jsonl(frame))


@settings(max_examples=100, deadline=None)
@given(events())
def test_generated_events_validate(event):
    check_event(to_jsonl(event))


def test_demo_output_validates(tmp_path):
    import demo
    events_out, frames_out = io.StringIO(), io.StringIO()
    demo.run(events_out, frames_out, seed=7, record=str(tmp_path / "session.jsonl"))
    for line in frames_out.getvalue().splitlines():
        check_frame(line)
    for line in events_out.getvalue().splitlines():
        check_event(line)
    # Every record of the session log validates against the schema it names.
    records = [json.loads(line) for line in (tmp_path / "session.jsonl").read_text().split("\n") if line]
    assert [r["schema"] for r in records].count("quillary.utterance") == len(demo.UTTERANCES)
    for record in records:
        schemas.validate(record)


def full_record():
    return json.loads(to_jsonl(full_example_frame()))


def without(path):
    record = full_record()
    *parents, last = path
    node = record
    for key in parents:
        node = node[key]
    del node[last]
    return record


def with_value(path, value):
    record = full_record()
    *parents, last = path
    node = record
    for key in parents:
        node = node[key]
    node[last] = value
    return record


@pytest.mark.parametrize(
    "record",
    [
        without(["capabilities"]),
        without(["reference_space", "generation"]),
        without(["pointing", "direction"]),
        with_value(["extra"], 1),
        with_value(["target", "label"], "x"),
        with_value(["schema"], "quillary.contextual-intent"),
        with_value(["version"], 2),
        with_value(["head", "position"], [0, 1]),
        with_value(["head", "orientation"], [0, 0, 0, 1, 0]),
        with_value(["head_tracking"], "tracked"),
        with_value(["pointing", "source"], "HAND"),
        with_value(["reference_space", "generation"], -1),
        with_value(["reference_space", "generation"], 2**64),
        with_value(["timestamp_ns"], 2**63),
        with_value(["timestamp_ns"], 1.5),
        with_value(["target", "host_id"], None),
    ],
    ids=["no-capabilities", "no-generation", "no-direction", "extra-member", "extra-nested",
         "wrong-schema", "wrong-version", "short-vector", "long-quaternion", "bad-tracking-name",
         "bad-source-name", "negative-generation", "huge-generation", "huge-timestamp",
         "float-timestamp", "null-host-id"],
)
def test_schema_refuses_malformed_frames(record):
    assert not FRAME.is_valid(record)


def test_event_schema_refuses_a_malformed_embedded_frame():
    record = json.loads(to_jsonl(event_for(SpatialIntentFrame(), "x")))
    assert EVENT.is_valid(record)
    del record["spatial_context"]["head"]
    assert not EVENT.is_valid(record)
    del record["spatial_context"]
    assert not EVENT.is_valid(record)


def test_reordered_members_are_caught_by_the_order_check():
    record = full_record()
    reordered = {"version": record.pop("version"), **record}
    assert FRAME.is_valid(reordered)  # beyond what JSON Schema can say
    assert not in_wire_order(reordered, SCHEMAS["spatial-intent"])
