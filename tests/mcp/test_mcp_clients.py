"""Real MCP clients against quillary-spatial's server: the official SDK's client over stdio
on a recording and over Streamable HTTP on a live scripted host, and the protocol's
conformance suite. The agent's three calls must come out as put_that_there.py makes them."""

import json
import os
import subprocess
import sys
import threading
from pathlib import Path

import pytest

import put_that_there
import quillary_spatial as spatial
from agent_rules import tool_call
from quillary_spatial import mcp
from scene import SCENE_OBJECTS, raycast

HERE = Path(__file__).resolve().parent


def node(*args, **kwargs):
    return subprocess.run(["node", *map(str, args)], cwd=HERE, capture_output=True, text=True, timeout=120, **kwargs)


@pytest.fixture(scope="module")
def recording(tmp_path_factory):
    """put_that_there.py recorded, with what its agent got live and the calls it made."""
    log = tmp_path_factory.mktemp("mcp") / "ptt.jsonl"
    grounded = [g.to_dict() for g in put_that_there.live(str(log))]
    return log, grounded, [tool_call(g) for g in grounded]


def test_the_sdk_client_on_a_recording_over_stdio_gets_what_the_agent_got(recording):
    log, grounded, calls = recording
    ran = node("client.mjs", "stdio", sys.executable, log)
    assert ran.returncode == 0, ran.stderr
    out = json.loads(ran.stdout)
    assert {t["name"] for t in out["tools"]} == {"spatial_context", "ground_utterance", "recent_utterances",
                                                 "scene_objects"}
    assert {r["uri"] for r in out["resources"]} == {mcp.SUMMARY_URI, mcp.LATEST_URI}
    # Grounded through the server from the words it listed: the live records, field for field.
    assert out["grounded"] == grounded and [tool_call(g) for g in out["grounded"]] == calls
    assert out["latest"] == grounded[-1]
    assert [u["references"] for u in out["utterances"]] == \
        [[{"word": r["word"], "referent": r.get("referent"), "reason": r.get("reason"), "certainty": r.get("certainty"),
           "ask": r["ask"]} for r in g["references"]]
         for g in grounded]
    # The context at the last utterance is the frame its event carries.
    lines = [json.loads(line) for line in log.read_text().splitlines()]
    last_event = [r for r in lines if r["schema"] == "quillary.contextual-intent"][-1]
    context = out["context"]["structuredContent"]
    assert context["timestamp_ns"] == last_event["spatial_context"]["timestamp_ns"]
    assert context["target"] == last_event["spatial_context"].get("target")
    assert context["age_ns"] == last_event["spatial_age_ns"]
    # Before the first frame there is no context: a tool error that says why, not a protocol error.
    assert out["before"]["isError"] and out["before"]["content"][0]["text"].startswith("no context: ")
    assert [o["id"] for o in out["scene"]["structuredContent"]["objects"]] == [o.id for o in SCENE_OBJECTS]
    frames = sum(r["schema"] == "quillary.spatial-intent" for r in lines)
    assert f"{frames} frames, 3 utterances" in out["summary"]
    assert out["badArguments"]["code"] == -32602 and "timestamp_ns" in out["badArguments"]["message"]


def test_the_sdk_client_follows_a_live_host_over_http(tmp_path):
    timeline = spatial.ExplainedTimeline()
    server = mcp.serve(timeline, raycast=raycast, scene=SCENE_OBJECTS)  # as put_that_there grounds
    try:
        client = subprocess.Popen(["node", "client.mjs", "http", server.url, server.token, "--subscribe", "3"], cwd=HERE,
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        errors: list[str] = []
        reader = threading.Thread(target=lambda: errors.extend(client.stderr))  # noqa: B023
        assert client.stderr.readline().strip() == "subscribed"
        reader.start()
        # The host runs at 90 Hz; each sentence is grounded as it is delivered, and the client,
        # told that the latest grounded utterance changed, reads it.
        live = [g.to_dict() for g in put_that_there.live(None, timeline=timeline, real_time=True)]
        out, _ = client.communicate(timeout=60)
        reader.join()
        assert client.returncode == 0, "".join(errors)
    finally:
        server.close()
    out = json.loads(out)
    assert out["updates"] == live
    assert [tool_call(g) for g in out["updates"]] == [tool_call(g) for g in live]
    assert [u["text"] for u in out["utterances"]] == [g["text"] for g in live]
    # The scene the host served with: what its ray cast can hit.
    assert out["now"]["isError"] is False and out["scene"]["isError"] is False
    assert [o["id"] for o in out["scene"]["structuredContent"]["objects"]] == [o.id for o in SCENE_OBJECTS]


# What the conformance suite checks that a server of this kind can pass; the rest call fixture
# tools, prompts and resources of the suite's own test server (see docs/mcp.md).
SCENARIOS = ["server-initialize", "ping", "tools-list", "resources-list", "server-sse-multiple-streams",
             "dns-rebinding-protection"]


def test_the_conformance_suite_passes_what_applies(recording, tmp_path):
    log, _, _ = recording
    env = dict(os.environ)
    server = subprocess.Popen([sys.executable, "-m", "quillary_spatial", "mcp", str(log), "--http"], env=env,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        said = server.stdout.readline()
        url, token = said.split(" at ", 1)[1].split(" with token ")
        url = f"{url}?token={token.split()[0]}"
        for scenario in SCENARIOS:
            ran = subprocess.run(["node", HERE / "node_modules" / "@modelcontextprotocol" / "conformance" / "dist" /
                                  "index.js", "server", "--url", url, "--scenario", scenario],
                                 cwd=tmp_path, capture_output=True, text=True, timeout=120)
            assert ran.returncode == 0 and ", 0 failed" in ran.stdout, (scenario, ran.stdout[-2000:], ran.stderr[-2000:])
    finally:
        server.terminate()
        server.wait(10)


def test_the_sdk_client_on_the_demo_recording_gets_every_outcome_as_replay_explains_it(tmp_path):
    import demo

    log = tmp_path / "demo.jsonl"
    with open(os.devnull, "w") as out:
        demo.run(out, None, seed=7, record=str(log))
    ran = node("client.mjs", "stdio", sys.executable, log)
    assert ran.returncode == 0, ran.stderr
    out = json.loads(ran.stdout)
    replayed = list(spatial.replay(log))
    assert [(u["text"], u["outcome"], u["reason"]) for u in out["utterances"]] == \
        [(r.utterance.text, str(r.explanation.outcome), r.explanation.describe()) for r in replayed]
    assert out["grounded"] == [] and out["latest"] is None  # the demo gives no word times
    # Its last utterance came too late for any frame: the context then is a tool error saying so.
    assert out["context"]["isError"] and "too old" in out["context"]["content"][0]["text"]
    assert [o["id"] for o in out["scene"]["structuredContent"]["objects"]] == [o.id for o in SCENE_OBJECTS]
