"""The MCP server refuses what it must, as the protocol says, and keeps going: a table of bad
requests over HTTP (wrong host, no token, oversized, unknown session, tool or method, bad
arguments), and bad lines on stdio."""

import http.client
import io
import json

import pytest

import quillary_spatial as qs
from frames import full_example_frame
from quillary_spatial import mcp
from quillary_spatial.mcp.protocol import MAX_MESSAGE_BYTES

INITIALIZE = {"jsonrpc": "2.0", "id": 1, "method": "initialize",
              "params": {"protocolVersion": "2025-11-25", "capabilities": {}, "clientInfo": {"name": "t", "version": "1"}}}


def call(name, arguments, id=2):
    return {"jsonrpc": "2.0", "id": id, "method": "tools/call", "params": {"name": name, "arguments": arguments}}


@pytest.fixture(scope="module")
def server():
    timeline = qs.ExplainedTimeline(max_context_age_ns=50_000_000)
    served = mcp.serve(timeline)
    yield served, timeline
    served.close()


def post(server, body, headers=None, token=True, session=None, raw=None):
    host, port = server.server_address
    connection = http.client.HTTPConnection(host, port, timeout=10)
    sent = {"Content-Type": "application/json", "Accept": "application/json, text/event-stream",
            **({"Authorization": f"Bearer {server.token}"} if token else {}),
            **({"Mcp-Session-Id": session} if session else {}), **(headers or {})}
    connection.request("POST", "/mcp", body=raw if raw is not None else json.dumps(body).encode(), headers=sent)
    response = connection.getresponse()
    answer = response.read()
    connection.close()
    return response.status, dict(response.getheaders()), answer


def session_of(server):
    status, headers, _ = post(server, INITIALIZE)
    assert status == 200
    return headers["Mcp-Session-Id"]


# (what is sent, the HTTP status, and the JSON-RPC error code or the text the answer holds)
BAD_REQUESTS = [
    ("wrong host", dict(body=INITIALIZE, headers={"Host": "evil.example:80"}), 403, "addressed to it"),
    ("foreign origin", dict(body=INITIALIZE, headers={"Origin": "http://evil.example"}), 403, "addressed to it"),
    ("no token", dict(body=INITIALIZE, token=False), 401, "bearer token"),
    ("wrong token", dict(body=INITIALIZE, headers={"Authorization": "Bearer guess"}), 401, "bearer token"),
    ("oversized", dict(body=None, raw=b" " * (MAX_MESSAGE_BYTES + 1)), 413, -32600),
    ("no session", dict(body=call("scene_objects", {})), 400, "initialize first"),
    ("unknown session", dict(body=call("scene_objects", {}), session="nope"), 404, "no such session"),
    ("not JSON", dict(body=None, raw=b"{", session=True), 400, -32700),
    ("unknown tool", dict(body=call("teleport", {}), session=True), 200, -32602),
    ("unknown method", dict(body={"jsonrpc": "2.0", "id": 3, "method": "prompts/list"}, session=True), 200, -32601),
    ("bad argument", dict(body=call("spatial_context", {"timestamp_ns": "now"}), session=True), 200, -32602),
    ("unknown argument", dict(body=call("recent_utterances", {"limt": 3}), session=True), 200, -32602),
    ("word ends first", dict(body=call("ground_utterance", {"text": "that", "timestamp_ns": 9, "words": [
        {"text": "that", "start_ns": 5, "end_ns": 1}]}), session=True), 200, -32602),
    ("unknown resource", dict(body={"jsonrpc": "2.0", "id": 4, "method": "resources/read",
                                    "params": {"uri": "quillary://nothing"}}, session=True), 200, -32002),
    ("batch", dict(body=[INITIALIZE], session=True), 400, -32600),
    # What a reply echoes is text, whatever it was sent.
    ("lone surrogate id", dict(body=None, raw=b'{"jsonrpc":"2.0","id":"\\ud800","method":"ping"}', session=True), 200,
     '"id":"\\ud800","result":{}'),
    ("lone surrogate text", dict(body=call("ground_utterance", {"text": "put \udc00 there", "timestamp_ns": 9, "words": [
        {"text": "there", "start_ns": 5, "end_ns": 6}]}), session=True), 200, '"text":"put \\udc00 there"'),
    ("length not in ASCII digits", dict(body=INITIALIZE, headers={"Content-Length": "\u00b2"}), 400, "Content-Length"),
]


@pytest.mark.parametrize("request_, status, said", [r[1:] for r in BAD_REQUESTS], ids=[r[0] for r in BAD_REQUESTS])
def test_a_bad_request_gets_the_protocol_error_and_the_server_goes_on(server, request_, status, said):
    served, _ = server
    if request_.get("session") is True:
        request_ = {**request_, "session": session_of(served)}
    got, _, answer = post(served, **request_)
    assert got == status
    if isinstance(said, int):
        assert json.loads(answer)["error"]["code"] == said
    else:
        assert said in answer.decode()
    # Nothing it was sent stops it.
    assert post(served, {"jsonrpc": "2.0", "id": 9, "method": "ping"}, session=session_of(served))[2] == \
        b'{"jsonrpc":"2.0","id":9,"result":{}}'


def test_arguments_are_refused_by_the_member_that_is_wrong(server):
    served, _ = server
    session = session_of(served)
    _, _, answer = post(served, call("ground_utterance", {"text": "that", "timestamp_ns": 9, "words": [
        {"text": "put", "start_ns": 1, "end_ns": 2}, {"text": "that", "start_ns": 5, "end_ns": "6"}]}), session=session)
    assert json.loads(answer)["error"]["data"] == {"member": "words[1].end_ns"}


def test_no_context_is_a_tool_error_and_a_fresh_frame_is_the_context(server):
    served, timeline = server
    session = session_of(served)
    frame = full_example_frame()
    frame.timestamp_ns = 1_000_000_000
    _, _, answer = post(served, call("spatial_context", {"timestamp_ns": 900_000_000}), session=session)
    result = json.loads(answer)["result"]
    assert result["isError"] and result["content"][0]["text"].startswith("no context: ")
    timeline.push(frame)
    _, _, answer = post(served, call("spatial_context", {"timestamp_ns": 1_020_000_000}), session=session)
    context = json.loads(answer)["result"]["structuredContent"]
    line = json.loads(qs.to_jsonl(frame))
    assert context["age_ns"] == 20_000_000 and context["target"] == line["target"] and context["head"] == line["head"]
    _, _, answer = post(served, call("spatial_context", {"timestamp_ns": 1_060_000_000}), session=session)
    assert "too old" in json.loads(answer)["result"]["content"][0]["text"]


def test_stdio_answers_every_line_and_survives_bad_ones(tmp_path):
    log = tmp_path / "s.jsonl"
    with qs.Recorder(log) as recorder:
        recorder.push(full_example_frame())
    lines = [json.dumps(INITIALIZE), "{", "[]", "x" * (MAX_MESSAGE_BYTES + 10), json.dumps([INITIALIZE]),
             '{"jsonrpc":"2.0","method":"notifications/initialized"}', json.dumps(call("scene_objects", {}, id=5)),
             '{"jsonrpc":"2.0","id":6,"method":"ping"}', '{"jsonrpc":"2.0","id":"\\ud800","method":"ping"}']
    out = io.BytesIO()
    mcp.serve_stdio(mcp.application(mcp.RecordedSession(str(log))), io.BytesIO("\n".join(lines).encode() + b"\n"), out)
    answers = [json.loads(line) for line in out.getvalue().splitlines()]
    assert [a.get("id") for a in answers] == [1, None, None, None, None, 5, 6, "\ud800"]
    assert [a["error"]["code"] for a in answers[1:5]] == [-32700, -32600, -32600, -32600]
    assert answers[5]["result"]["isError"] and "no scene" in answers[5]["result"]["content"][0]["text"]
    assert answers[6]["result"] == {}


def test_the_example_agent_makes_its_calls_through_the_server_alone(tmp_path):
    import ast
    import subprocess
    import sys
    from pathlib import Path

    import put_that_there
    from agent_rules import tool_call

    examples = Path(__file__).resolve().parents[2] / "examples"
    for source in ("mcp_agent.py", "agent_rules.py"):
        tree = ast.parse((examples / source).read_text())
        imported = {n.name for node in ast.walk(tree) if isinstance(node, ast.Import) for n in node.names} | \
            {node.module for node in ast.walk(tree) if isinstance(node, ast.ImportFrom)}
        assert not imported & {"quillary_spatial", "_spatial"}, source
    log = tmp_path / "ptt.jsonl"
    expected = [tool_call(g.to_dict()) for g in put_that_there.live(str(log))]
    ran = subprocess.run([sys.executable, examples / "mcp_agent.py", log], capture_output=True, text=True, timeout=60)
    assert ran.returncode == 0, ran.stderr
    assert [json.loads(line) for line in ran.stdout.splitlines()] == expected
