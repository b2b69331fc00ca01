"""README's tools/dev command blocks run as written (with their files in a temporary folder):
recording, summary, replay and verify, the inspector page, and the put-that-there agent, live
and over MCP."""

import json
import os
import re
import subprocess
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]


def readme_block(containing: str) -> str:
    (block,) = [b for b in re.findall(r"```sh\n(.*?)```", (REPO / "README.md").read_text(), re.S) if containing in b]
    return block


def test_the_readme_session_commands_run_as_written(tmp_path):
    script = "\n".join([
        readme_block("--record build/demo-session.jsonl"),
        # The served page runs until stopped: only the written one here.
        "\n".join(line for line in readme_block("view build/ptt.jsonl").splitlines() if "--html" in line
                  or "--record" in line),
        readme_block("python examples/put_that_there.py\n").strip() + " > build/agent.jsonl",
        readme_block("examples/mcp_agent.py").strip() + " > build/mcp-agent.jsonl",
    ]).replace("build/", f"{tmp_path}/")
    ran = subprocess.run(["bash", "-euo", "pipefail", "-c", script], cwd=REPO, capture_output=True, text=True,
                         env={k: v for k, v in os.environ.items() if k != "PYTHONPATH"})
    assert ran.returncode == 0, ran.stderr[-3000:]
    # summary lists every utterance the demo said; verify found every event identical.
    assert "demo-session.jsonl: 360 frames, 6 utterances" in ran.stdout
    assert "verify: every event is identical to the recorded one" in ran.stderr
    events = (tmp_path / "events.jsonl").read_text().splitlines()
    assert len(events) == 4 and all(json.loads(e)["schema"] == "quillary.contextual-intent" for e in events)
    assert "window.quillaryInspector=" in (tmp_path / "ptt.html").read_text()
    calls = [json.loads(line) for line in (tmp_path / "agent.jsonl").read_text().splitlines()]
    assert len(calls) == 3
    # The agent asking the MCP server makes the same calls.
    assert [json.loads(line) for line in (tmp_path / "mcp-agent.jsonl").read_text().splitlines()] == calls

