"""A Model Context Protocol server of the user's spatial intent, for agents.

Over a recorded session: `quillary-spatial mcp LOG` speaks MCP on stdin and stdout (how an
agent runtime starts a local server). Live, in the host's own process:
`quillary_spatial.mcp.serve(timeline)` serves the host's timeline over Streamable HTTP on
127.0.0.1 to holders of the token it makes, which the host hands to its agent.
"""

from __future__ import annotations

import threading
from collections.abc import Callable, Sequence
from typing import BinaryIO

from _spatial import Ray, SpatialHit

from ..log.records import SceneObject
from ..timeline import ExplainedTimeline
from .http import McpHttpServer
from .protocol import MAX_MESSAGE_BYTES, INVALID_REQUEST, Application, Connection, ProtocolError, error_reply
from .spatial import LATEST_URI, SUMMARY_URI, LiveSession, RecordedSession, application


def serve(timeline: ExplainedTimeline, *, port: int = 0, token: str | None = None,
          raycast: Callable[[Ray], SpatialHit | None] | None = None,
          scene: Sequence[SceneObject] | None = None) -> McpHttpServer:
    """Serves a live timeline (an ExplainedTimeline or a Recorder) over Streamable HTTP on
    127.0.0.1, from a thread of its own; `url` and `token` say where and with what to connect,
    `close()` stops it. Utterances submitted with their words are grounded as they come, as
    `ground` grounds them with `raycast` (the host's ray cast, for gaze) and `scene` (where
    things are; a Recorder's recorded scene when not given), and subscribers to the latest
    grounded utterance are told."""
    if not isinstance(timeline, ExplainedTimeline):
        raise TypeError(f"serve: expected an ExplainedTimeline or a Recorder, which let the server hear what is "
                        f"said, got {type(timeline).__name__} (make it qs.ExplainedTimeline(capacity, "
                        "max_context_age_ns): the same timeline, heard)")
    app: Application | None = None

    def grounded() -> None:
        if app is not None:
            app.changed(LATEST_URI)

    app = application(LiveSession(timeline, on_grounded=grounded, raycast=raycast, scene=scene))
    return McpHttpServer(app, port, token).start()


def serve_stdio(app: Application, stdin: BinaryIO, stdout: BinaryIO) -> None:
    """Speaks MCP over a pair of streams, a message a line, until the input ends."""
    lock = threading.Lock()

    def send(message: str) -> None:
        with lock:
            stdout.write(message.encode() + b"\n")
            stdout.flush()

    connection = Connection(app, send)
    try:
        while line := stdin.readline(MAX_MESSAGE_BYTES + 1):
            if len(line) > MAX_MESSAGE_BYTES and not line.endswith(b"\n"):
                while (rest := stdin.readline(MAX_MESSAGE_BYTES)) and not rest.endswith(b"\n"):
                    pass  # the rest of an oversized message, dropped unread
                send(error_reply(None, ProtocolError(INVALID_REQUEST, f"message larger than {MAX_MESSAGE_BYTES} bytes")))
                continue
            if line.strip():
                reply = connection.handle(line.strip())
                if reply is not None:
                    send(reply.text)
    finally:
        connection.close()


__all__ = ["LATEST_URI", "SUMMARY_URI", "McpHttpServer", "RecordedSession", "application", "serve", "serve_stdio"]
