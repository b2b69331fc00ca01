"""MCP's Streamable HTTP transport on 127.0.0.1, for an agent elsewhere on this machine.

POST carries the client's messages (an answer comes back as JSON), GET opens the stream of
the server's notifications (server-sent events), DELETE ends the session. Every request must
be addressed to this server by name (as the inspector's server checks) and carry the token
the host prints: other users and pages on this machine must not read the user's session.
"""

from __future__ import annotations

import asyncio
import contextlib
import hmac
import json
import secrets
import threading
from collections.abc import AsyncIterator
from http import HTTPStatus
from urllib.parse import parse_qs, urlsplit

from ..loopback import LOOPBACK, LoopbackServer, Request, Response
from .protocol import INVALID_REQUEST, MAX_MESSAGE_BYTES, PROTOCOL_VERSIONS, Application, Connection, ProtocolError, \
    error_reply

PATH = "/mcp"
SESSION_HEADER = "Mcp-Session-Id"
KEEP_ALIVE_S = 5.0
QUEUED_NOTIFICATIONS = 1000


class HttpSession:
    """One client's session; its notifications wait on the server's loop for its event stream."""

    def __init__(self, app: Application, loop: asyncio.AbstractEventLoop):
        self.id = secrets.token_urlsafe(24)
        self.loop = loop
        self.outgoing: asyncio.Queue[str] = asyncio.Queue(QUEUED_NOTIFICATIONS)
        self.connection = Connection(app, self.enqueue)

    def enqueue(self, message: str) -> None:
        # From whichever thread the host notifies on.
        with contextlib.suppress(RuntimeError):  # the server has stopped
            self.loop.call_soon_threadsafe(self._put, message)

    def _put(self, message: str) -> None:
        with contextlib.suppress(asyncio.QueueFull):
            self.outgoing.put_nowait(message)  # a client that never reads its stream: old news is dropped

    async def events(self) -> AsyncIterator[bytes]:
        while True:
            try:
                message = await asyncio.wait_for(self.outgoing.get(), KEEP_ALIVE_S)
            except TimeoutError:
                yield b": keep-alive\n\n"
            else:
                yield f"event: message\ndata: {message}\n\n".encode()


class McpHttpServer(LoopbackServer):
    """Serves one Application at http://127.0.0.1:PORT/mcp to holders of its token.

    `start()` serves from a thread of its own; `close()` stops, ends open event streams and
    waits for every connection."""

    MAX_BODY_BYTES = MAX_MESSAGE_BYTES

    def __init__(self, app: Application, port: int = 0, token: str | None = None):
        self.app = app
        self.token = token or secrets.token_urlsafe(32)
        self.sessions: dict[str, HttpSession] = {}
        self.lock = threading.Lock()
        super().__init__(port)

    @property
    def url(self) -> str:
        return f"http://{LOOPBACK}:{self.server_address[1]}{PATH}"

    def start(self) -> McpHttpServer:
        super().start()
        return self

    def close(self) -> None:
        super().close()
        with self.lock:
            sessions, self.sessions = list(self.sessions.values()), {}
        for session in sessions:
            session.connection.close()

    def session(self, request: Request) -> HttpSession | None:
        with self.lock:
            return self.sessions.get(request.headers.get(SESSION_HEADER, ""))

    def refuse(self, request: Request) -> Response | None:
        if not self.addressed_to_us(request):
            return Response.text(HTTPStatus.FORBIDDEN, "this server answers only requests addressed to it")
        if request.path != PATH:
            return Response.text(HTTPStatus.NOT_FOUND, f"the MCP endpoint is {PATH}")
        if not self.authorised(request):
            return Response.text(HTTPStatus.UNAUTHORIZED, "a bearer token is needed: the one the host printed",
                                 {"WWW-Authenticate": 'Bearer realm="quillary-spatial"'})
        if (version := request.headers.get("MCP-Protocol-Version")) is not None and version not in PROTOCOL_VERSIONS:
            return Response.text(HTTPStatus.BAD_REQUEST, f"unsupported MCP-Protocol-Version {version[:40]!r}")
        if request.method not in ("POST", "GET", "DELETE"):
            return Response.text(HTTPStatus.METHOD_NOT_ALLOWED, "MCP takes POST, GET and DELETE",
                                 {"Allow": "POST, GET, DELETE"})
        return None

    def authorised(self, request: Request) -> bool:
        # The token as a bearer token, or in the URL (?token=) for a client that cannot set headers.
        expected = self.token.encode()
        bearer = request.headers.get("Authorization", "")
        given = bearer[len("Bearer "):] if bearer.startswith("Bearer ") else \
            next(iter(parse_qs(urlsplit(request.target).query).get("token", [])), "")
        return hmac.compare_digest(given.encode("utf-8", "surrogateescape"), expected)

    def too_large(self, length: int) -> Response:
        return json_answer(HTTPStatus.REQUEST_ENTITY_TOO_LARGE, error_reply(None, ProtocolError(
            INVALID_REQUEST, f"message larger than {MAX_MESSAGE_BYTES} bytes")))

    def respond(self, request: Request) -> Response:
        if request.method == "POST":
            return self.post(request)
        if request.method == "GET":
            return self.stream(request)
        with self.lock:
            session = self.sessions.pop(request.headers.get(SESSION_HEADER, ""), None)
        if session is None:
            return Response.text(HTTPStatus.NOT_FOUND, "no such session")
        session.connection.close()
        return Response.text(HTTPStatus.OK, "session ended")

    def post(self, request: Request) -> Response:
        session = self.session(request)
        headers = {}
        if session is None:
            if request.headers.get(SESSION_HEADER) is not None:
                return Response.text(HTTPStatus.NOT_FOUND, "no such session: initialize again")
            if not is_initialize(request.body):
                return Response.text(HTTPStatus.BAD_REQUEST, f"no {SESSION_HEADER}: initialize first")
            assert self.loop is not None
            session = HttpSession(self.app, self.loop)
            with self.lock:
                self.sessions[session.id] = session
            headers[SESSION_HEADER] = session.id
        reply = session.connection.handle(request.body)
        if reply is None:
            return Response(HTTPStatus.ACCEPTED, headers=headers)
        return json_answer(HTTPStatus.BAD_REQUEST if reply.unreadable else HTTPStatus.OK, reply.text, headers)

    def stream(self, request: Request) -> Response:
        session = self.session(request)
        if session is None:
            return Response.text(HTTPStatus.BAD_REQUEST if request.headers.get(SESSION_HEADER) is None else
                                 HTTPStatus.NOT_FOUND, "no such session: initialize first")
        if "text/event-stream" not in request.headers.get("Accept", ""):
            return Response.text(HTTPStatus.NOT_ACCEPTABLE, "the stream is text/event-stream")
        return Response(HTTPStatus.OK, content_type="text/event-stream", stream=session.events())


def json_answer(status: HTTPStatus, text: str, headers: dict[str, str] | None = None) -> Response:
    return Response(status, text.encode(), "application/json", headers or {})


def is_initialize(body: bytes) -> bool:
    try:
        message = json.loads(body)
    except (ValueError, RecursionError):
        return False
    return isinstance(message, dict) and message.get("method") == "initialize"
