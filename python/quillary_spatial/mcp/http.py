"""MCP's Streamable HTTP transport on 127.0.0.1, for an agent elsewhere on this machine.

POST carries the client's messages (an answer comes back as JSON), GET opens the stream of
the server's notifications (server-sent events), DELETE ends the session. Every request must
be addressed to this server by name (as the inspector's server checks) and carry the token
the host prints: other users and pages on this machine must not read the user's session.
"""

from __future__ import annotations

import hmac
import json
import queue
import secrets
import threading
from http import HTTPStatus
from urllib.parse import parse_qs, urlsplit

from ..loopback import LOOPBACK, LoopbackHandler, LoopbackServer
from .protocol import INVALID_REQUEST, MAX_MESSAGE_BYTES, PROTOCOL_VERSIONS, Application, Connection, ProtocolError, \
    error_reply

PATH = "/mcp"
SESSION_HEADER = "Mcp-Session-Id"
STREAM_WAIT_S = 0.5  # how often an event stream looks whether the server is stopping
KEEP_ALIVE_S = 5.0
QUEUED_NOTIFICATIONS = 1000


class HttpSession:
    def __init__(self, app: Application):
        self.id = secrets.token_urlsafe(24)
        self.outgoing: queue.Queue[str] = queue.Queue(QUEUED_NOTIFICATIONS)
        self.connection = Connection(app, self.enqueue)

    def enqueue(self, message: str) -> None:
        try:
            self.outgoing.put_nowait(message)
        except queue.Full:
            pass  # a client that never reads its stream: its oldest news is not worth a blocked host


class McpHttpServer(LoopbackServer):
    """Serves one Application at http://127.0.0.1:PORT/mcp to holders of its token.

    `start()` serves from a thread of its own; `close()` stops, ends open event streams and
    waits for every connection."""

    def __init__(self, app: Application, port: int = 0, token: str | None = None):
        self.app = app
        self.token = token or secrets.token_urlsafe(32)
        self.sessions: dict[str, HttpSession] = {}
        self.stopping = threading.Event()
        self.serving: threading.Thread | None = None
        super().__init__(McpHandler, port)

    @property
    def url(self) -> str:
        return f"http://{LOOPBACK}:{self.server_address[1]}{PATH}"

    def start(self) -> McpHttpServer:
        self.serving = threading.Thread(target=self.serve_forever, name="quillary-mcp")
        self.serving.start()
        return self

    def close(self) -> None:
        self.stopping.set()
        if self.serving is not None:
            self.shutdown()
            self.serving.join()
        self.server_close()
        for session in list(self.sessions.values()):
            session.connection.close()

    def session(self, handler: McpHandler) -> HttpSession | None:
        with self.lock:
            return self.sessions.get(handler.headers.get(SESSION_HEADER, ""))


class McpHandler(LoopbackHandler):
    server: McpHttpServer
    timeout = McpHttpServer.TIMEOUT_S
    protocol_version = "HTTP/1.1"

    def refused(self) -> bool:
        """Answers a request that must not be served, and says so."""
        if not self.server.addressed_to_us(self):
            self.plain(HTTPStatus.FORBIDDEN, "this server answers only requests addressed to it")
        elif self.path.split("?", 1)[0] != PATH:
            self.plain(HTTPStatus.NOT_FOUND, f"the MCP endpoint is {PATH}")
        elif not self.authorised():
            self.plain(HTTPStatus.UNAUTHORIZED, "a bearer token is needed: the one the host printed",
                       {"WWW-Authenticate": 'Bearer realm="quillary-spatial"'})
        elif (version := self.headers.get("MCP-Protocol-Version")) is not None and version not in PROTOCOL_VERSIONS:
            self.plain(HTTPStatus.BAD_REQUEST, f"unsupported MCP-Protocol-Version {version[:40]!r}")
        else:
            return False
        self.close_connection = True  # what it sent is not read: the connection cannot go on
        return True

    def authorised(self) -> bool:
        # The token as a bearer token, or in the URL (?token=) for a client that cannot set headers.
        expected = self.server.token.encode()
        bearer = self.headers.get("Authorization", "")
        given = bearer[len("Bearer "):] if bearer.startswith("Bearer ") else \
            next(iter(parse_qs(urlsplit(self.path).query).get("token", [])), "")
        return hmac.compare_digest(given.encode(), expected)

    def do_POST(self) -> None:
        if self.refused():
            return
        length = self.headers.get("Content-Length")
        if length is None or not length.isdigit():
            self.close_connection = True
            self.plain(HTTPStatus.LENGTH_REQUIRED, "a request needs its Content-Length")
            return
        if int(length) > MAX_MESSAGE_BYTES:
            self.discard(int(length))
            self.json(HTTPStatus.REQUEST_ENTITY_TOO_LARGE, error_reply(None, ProtocolError(
                INVALID_REQUEST, f"message larger than {MAX_MESSAGE_BYTES} bytes")))
            return
        body = self.rfile.read(int(length))
        session = self.server.session(self)
        headers = {}
        if session is None:
            if self.headers.get(SESSION_HEADER) is not None:
                self.plain(HTTPStatus.NOT_FOUND, "no such session: initialize again")
                return
            if not is_initialize(body):
                self.plain(HTTPStatus.BAD_REQUEST, f"no {SESSION_HEADER}: initialize first")
                return
            session = HttpSession(self.server.app)
            with self.server.lock:
                self.server.sessions[session.id] = session
            headers[SESSION_HEADER] = session.id
        reply = session.connection.handle(body)
        if reply is None:
            self.send_response(HTTPStatus.ACCEPTED)
            self.send_header("Content-Length", "0")
            for name, value in headers.items():
                self.send_header(name, value)
            self.end_headers()
            return
        failed = '"id":null,"error"' in reply[:40]
        self.json(HTTPStatus.BAD_REQUEST if failed else HTTPStatus.OK, reply, headers)

    def discard(self, length: int) -> None:
        # Read and dropped, so that the client, still sending, hears the answer; a body far
        # beyond any message is not read at all, and the connection ends with the answer.
        if length > 16 * MAX_MESSAGE_BYTES:
            self.close_connection = True
            return
        while length > 0:
            chunk = self.rfile.read(min(length, 1 << 16))
            if not chunk:
                break
            length -= len(chunk)

    def do_GET(self) -> None:
        if self.refused():
            return
        session = self.server.session(self)
        if session is None:
            self.plain(HTTPStatus.BAD_REQUEST if self.headers.get(SESSION_HEADER) is None else HTTPStatus.NOT_FOUND,
                       "no such session: initialize first")
            return
        if "text/event-stream" not in self.headers.get("Accept", ""):
            self.plain(HTTPStatus.NOT_ACCEPTABLE, "the stream is text/event-stream")
            return
        self.send_response(HTTPStatus.OK)
        self.send_header("Content-Type", "text/event-stream")
        self.end_headers()
        self.close_connection = True
        quiet = 0.0
        while not self.server.stopping.is_set():
            try:
                message = session.outgoing.get(timeout=STREAM_WAIT_S)
            except queue.Empty:
                quiet += STREAM_WAIT_S
                if quiet < KEEP_ALIVE_S:
                    continue
                chunk, quiet = b": keep-alive\n\n", 0.0
            else:
                chunk = f"event: message\ndata: {message}\n\n".encode()
            try:
                self.wfile.write(chunk)
                self.wfile.flush()
            except OSError:
                return  # the client went away

    def do_DELETE(self) -> None:
        if self.refused():
            return
        with self.server.lock:
            session = self.server.sessions.pop(self.headers.get(SESSION_HEADER, ""), None)
        if session is None:
            self.plain(HTTPStatus.NOT_FOUND, "no such session")
            return
        session.connection.close()
        self.plain(HTTPStatus.OK, "session ended")

    def plain(self, status: HTTPStatus, text: str, headers: dict[str, str] | None = None) -> None:
        self.answer(status, (text + "\n").encode(), "text/plain; charset=utf-8", headers)

    def json(self, status: HTTPStatus, text: str, headers: dict[str, str] | None = None) -> None:
        self.answer(status, text.encode(), "application/json", headers)

    def answer(self, status: HTTPStatus, body: bytes, content_type: str, headers: dict[str, str] | None) -> None:
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in (headers or {}).items():
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)


def is_initialize(body: bytes) -> bool:
    try:
        message = json.loads(body)
    except (ValueError, RecursionError):
        return False
    return isinstance(message, dict) and message.get("method") == "initialize"
