"""The put-that-there agent as an agent elsewhere would be: it does not import the library, it
asks an MCP server. It starts `python -m quillary_spatial mcp LOG` (the recorded session's
server on stdin and stdout), asks for what was said with its word times, grounds each
sentence through the server, and makes the same tool calls as examples/put_that_there.py.

    python3 examples/put_that_there.py --record build/ptt.jsonl
    python3 examples/mcp_agent.py build/ptt.jsonl
"""

import argparse
import json
import subprocess
import sys
from typing import Any

from agent_rules import tool_call

PROTOCOL_VERSION = "2025-11-25"


class StdioClient:
    """JSON-RPC over a server's stdin and stdout, a message a line: the whole of a client here."""

    def __init__(self, command: list[str]):
        self.server = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.next_id = 0

    def request(self, method: str, params: dict[str, Any]) -> Any:
        self.next_id += 1
        self.send({"jsonrpc": "2.0", "id": self.next_id, "method": method, "params": params})
        assert self.server.stdout is not None
        while line := self.server.stdout.readline():
            message = json.loads(line)
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']['message']}")
                return message["result"]
        raise RuntimeError(f"the server ended before answering {method}")

    def send(self, message: dict[str, Any]) -> None:
        assert self.server.stdin is not None
        self.server.stdin.write(json.dumps(message) + "\n")
        self.server.stdin.flush()

    def call(self, tool: str, arguments: dict[str, Any]) -> dict[str, Any]:
        result = self.request("tools/call", {"name": tool, "arguments": arguments})
        if result.get("isError"):
            raise RuntimeError(f"{tool}: {result['content'][0]['text']}")
        structured: dict[str, Any] = result["structuredContent"]
        return structured

    def close(self) -> int:
        assert self.server.stdin is not None
        self.server.stdin.close()
        return self.server.wait(10)


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description="The put-that-there agent, asking an MCP server of a recorded session.")
    parser.add_argument("log", help="a session log recorded with its words (examples/put_that_there.py --record)")
    args = parser.parse_args(argv)
    client = StdioClient([sys.executable, "-m", "quillary_spatial", "mcp", args.log])
    try:
        client.request("initialize", {"protocolVersion": PROTOCOL_VERSION, "capabilities": {},
                                      "clientInfo": {"name": "examples/mcp_agent.py", "version": "1"}})
        client.send({"jsonrpc": "2.0", "method": "notifications/initialized"})
        said = client.call("recent_utterances", {"limit": 100})["utterances"]
        for utterance in said:
            if "words" not in utterance:
                continue  # only sentences with word times can be grounded word by word
            grounded = client.call("ground_utterance", {"text": utterance["text"], "timestamp_ns": utterance["timestamp_ns"],
                                                        "words": utterance["words"]})
            print(json.dumps(tool_call(grounded), separators=(",", ":")))
    except RuntimeError as error:
        print(f"mcp_agent: {error}", file=sys.stderr)
        return 2
    finally:
        status = client.close()
    return 0 if status == 0 else 2


if __name__ == "__main__":
    sys.exit(main())
