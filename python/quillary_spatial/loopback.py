"""An HTTP/1.1 server for this machine's own clients: bound to 127.0.0.1, answering only
requests addressed to it by name, on an event loop, so that idle and slow connections cost a
few kilobytes each and never keep a real client waiting."""

from __future__ import annotations

import asyncio
import contextlib
import socket
import threading
from collections.abc import AsyncIterator, Callable
from dataclasses import dataclass, field
from http import HTTPStatus
from types import TracebackType
from typing import overload

LOOPBACK = "127.0.0.1"


@dataclass(frozen=True)
class Request:
    method: str
    target: str
    headers: Headers
    body: bytes = b""

    @property
    def path(self) -> str:
        return self.target.split("?", 1)[0]


@dataclass
class Response:
    """An answer: a body, or a stream of chunks after which the connection ends."""

    status: HTTPStatus
    body: bytes = b""
    content_type: str | None = None
    headers: dict[str, str] = field(default_factory=dict)
    close: bool = False
    stream: AsyncIterator[bytes] | None = None

    @classmethod
    def text(cls, status: HTTPStatus, text: str, headers: dict[str, str] | None = None,
             close: bool = False) -> Response:
        return cls(status, (text + "\n").encode(), "text/plain; charset=utf-8", headers or {}, close)


class HttpError(Exception):
    """A request that cannot be read: answered with `response`, then the connection ends."""

    def __init__(self, response: Response):
        super().__init__(response.status.phrase)
        self.response = response


class Headers(dict[str, str]):
    """A request's header fields by lower-cased name, as sent (bytes beyond ASCII as Latin-1)."""

    @overload  # type: ignore[override]
    def get(self, name: str, /) -> str | None: ...
    @overload
    def get(self, name: str, default: str, /) -> str: ...

    def get(self, name: str, default: str | None = None, /) -> str | None:
        return super().get(name.lower(), default)


# Fields a second copy of would make the request mean two things.
_SINGLE_FIELDS = frozenset({"host", "content-length", "origin", "authorization", "transfer-encoding"})


def parse_headers(head: bytes) -> Headers:
    headers = Headers()
    for line in head.decode("latin-1").split("\r\n"):
        if not line:
            continue
        name, colon, value = line.partition(":")
        name = name.lower()
        if not colon or not name or name != name.strip() or (name in _SINGLE_FIELDS and name in headers):
            raise HttpError(Response.text(HTTPStatus.BAD_REQUEST, "a request's header fields are name: value, "
                                          "once each"))
        value = value.strip(" \t")
        headers[name] = f"{headers[name]}, {value}" if name in headers else value
    return headers


_HEAD_END = b"\r\n\r\n"


class LoopbackServer:
    """Serves this machine's clients only.

    Only requests addressed to this server by name (`Host` 127.0.0.1 or localhost with its
    port) are answered: a page elsewhere that rebinds its own name to 127.0.0.1 is refused.
    Each request, head and body together, must arrive within `TIMEOUT_S` of its first byte
    (or of the connection's last answer); at most `MAX_CONNECTIONS` are open at once, and a
    new one beyond that takes the place of the one that has waited longest without sending a
    whole request. Answers are made on worker threads; the loop only reads and writes.
    Clients that go away are let go quietly.
    """

    TIMEOUT_S = 10.0
    MAX_CONNECTIONS = 512
    MAX_HEAD_BYTES = 64 * 1024
    MAX_BODY_BYTES = 1 << 20

    def __init__(self, port: int = 0):
        self.socket = socket.create_server((LOOPBACK, port))
        self.server_address: tuple[str, int] = self.socket.getsockname()[:2]
        port = self.server_address[1]
        self.hosts = frozenset({f"{LOOPBACK}:{port}", f"localhost:{port}"})
        self.origins = frozenset(f"http://{host}" for host in self.hosts)
        self.loop: asyncio.AbstractEventLoop | None = None
        self.serving = threading.Event()
        self.stopped = threading.Event()
        self._stop: asyncio.Event | None = None
        self._thread: threading.Thread | None = None
        # Connections that have not sent a whole request yet, oldest first, each with how it is
        # let go: the ones that make room.
        self._waiting: dict[asyncio.Task[None], Callable[[], None]] = {}
        self._connections: dict[asyncio.Task[None], socket.socket] = {}

    @property
    def url(self) -> str:
        return f"http://{LOOPBACK}:{self.server_address[1]}/"

    # --- what a subclass answers ---------------------------------------------------------------

    def respond(self, request: Request) -> Response:
        """The answer to a request addressed to this server (called on a worker thread)."""
        raise NotImplementedError

    def refuse(self, request: Request) -> Response | None:
        """An answer given before the body is read, or None to read it and respond."""
        return None

    def too_large(self, length: int) -> Response:
        return Response.text(HTTPStatus.REQUEST_ENTITY_TOO_LARGE, f"a body is at most {self.MAX_BODY_BYTES} bytes")

    def addressed_to_us(self, request: Request) -> bool:
        """Whether a request names this server (a DNS-rebinding page names itself), and, when it
        comes from a page, a page of this server."""
        origin = request.headers.get("Origin")
        return request.headers.get("Host") in self.hosts and (origin is None or origin in self.origins)

    # --- running and stopping ------------------------------------------------------------------

    def serve_forever(self) -> None:
        """Serves in this thread until `shutdown()` (or Ctrl-C)."""
        try:
            asyncio.run(self._serve())
        finally:
            self.stopped.set()

    def start(self) -> LoopbackServer:
        """Serves from a thread of its own; returns once it is accepting."""
        self._thread = threading.Thread(target=self.serve_forever, name=f"quillary-{type(self).__name__}")
        self._thread.start()
        while not self.serving.wait(0.05):
            if not self._thread.is_alive():
                break
        return self

    def shutdown(self) -> None:
        """Stops serving (from any thread): open connections end, and their answers are waited for."""
        loop, stop = self.loop, self._stop
        if loop is not None and stop is not None:
            with contextlib.suppress(RuntimeError):  # the loop already ended
                loop.call_soon_threadsafe(stop.set)
            if self.serving.is_set():
                self.stopped.wait()
        if self._thread is not None:
            self._thread.join()

    def server_close(self) -> None:
        self.socket.close()

    def close(self) -> None:
        self.shutdown()
        self.server_close()

    def __enter__(self) -> LoopbackServer:
        return self

    def __exit__(self, kind: type[BaseException] | None, error: BaseException | None,
                 trace: TracebackType | None) -> None:
        self.close()

    async def _serve(self) -> None:
        self.loop = asyncio.get_running_loop()
        self._stop = asyncio.Event()
        self.socket.setblocking(False)
        accepting = asyncio.create_task(self._accept())
        self.serving.set()
        try:
            await self._stop.wait()
        finally:
            # Every connection is ended here, also one whose task never got to run, so that no
            # socket outlives the loop.
            accepting.cancel()
            for task in self._connections:
                task.cancel()
            await asyncio.gather(accepting, *self._connections, return_exceptions=True)
            for connection in self._connections.values():
                connection.close()
            await asyncio.sleep(0)  # the aborted transports' last callbacks, before the loop ends

    async def _accept(self) -> None:
        assert self.loop is not None
        while True:
            connection, _ = await self.loop.sock_accept(self.socket)
            if len(self._connections) >= self.MAX_CONNECTIONS:
                if not self._waiting:
                    connection.close()  # every slot answering or streaming: the client retries
                    continue
                oldest = next(iter(self._waiting))
                let_go = self._waiting.pop(oldest)
                self._connections.pop(oldest, None)
                oldest.cancel()  # it may not have run yet: its socket is closed here
                let_go()
            task = asyncio.create_task(self._accepted(connection))
            self._connections[task] = connection
            self._waiting[task] = connection.close

    async def _accepted(self, connection: socket.socket) -> None:
        task = asyncio.current_task()
        assert task is not None
        writer: asyncio.StreamWriter | None = None
        try:
            reader, writer = await asyncio.open_connection(sock=connection, limit=self.MAX_HEAD_BYTES)
            await self._connection(reader, writer)
        except (ConnectionError, asyncio.IncompleteReadError, TimeoutError, asyncio.CancelledError):
            pass  # a client that went away, was too slow or was let go
        finally:
            self._connections.pop(task, None)
            self._waiting.pop(task, None)
            if writer is not None:
                writer.transport.abort()
            else:
                connection.close()

    async def _connection(self, reader: asyncio.StreamReader, writer: asyncio.StreamWriter) -> None:
        task = asyncio.current_task()
        assert task is not None
        while True:
            self._waiting[task] = writer.transport.abort
            try:
                async with asyncio.timeout(self.TIMEOUT_S):
                    request, answer = await self._read(reader)
            except HttpError as error:
                await self._send(writer, error.response, True)
                return
            finally:
                self._waiting.pop(task, None)
            if answer is None:
                try:
                    answer = await asyncio.to_thread(self.respond, request)
                except Exception as error:  # a fault of ours: an answer on the wire, never a dropped connection
                    answer = Response.text(HTTPStatus.INTERNAL_SERVER_ERROR, f"internal error: {type(error).__name__}",
                                           close=True)
            close = answer.close or request.headers.get("Connection", "").lower() == "close"
            await self._send(writer, answer, close)
            if close or answer.stream is not None:
                return

    async def _read(self, reader: asyncio.StreamReader) -> tuple[Request, Response | None]:
        """A whole request, or one with the answer it gets before its body is read."""
        try:
            head = await reader.readuntil(_HEAD_END)
        except asyncio.LimitOverrunError:
            raise HttpError(Response.text(HTTPStatus.REQUEST_HEADER_FIELDS_TOO_LARGE,
                                          f"a request's head is at most {self.MAX_HEAD_BYTES} bytes")) from None
        line, _, rest = head.partition(b"\r\n")
        parts = line.split(b" ")
        if len(parts) != 3 or parts[2] not in (b"HTTP/1.1", b"HTTP/1.0") or not parts[0].isalpha():
            raise HttpError(Response.text(HTTPStatus.BAD_REQUEST, "not an HTTP/1.1 request"))
        headers = parse_headers(rest)
        request = Request(parts[0].decode("ascii"), parts[1].decode("latin-1"), headers)
        refused = self.refuse(request)
        if refused is not None:
            refused.close = True  # what it sent is not read: the connection cannot go on
            return request, refused
        if headers.get("Transfer-Encoding") is not None:
            raise HttpError(Response.text(HTTPStatus.LENGTH_REQUIRED, "a request needs its Content-Length"))
        given = headers.get("Content-Length")
        if given is None and request.method in ("GET", "DELETE"):
            given = "0"
        # isdigit alone takes "²", which int refuses.
        if given is None or not (given.isascii() and given.isdigit()):
            raise HttpError(Response.text(HTTPStatus.LENGTH_REQUIRED if given is None else HTTPStatus.BAD_REQUEST,
                                          "a request needs its Content-Length"))
        length = int(given)
        if length > self.MAX_BODY_BYTES:
            # Read and dropped, so that the client, still sending, hears the answer; a body far
            # beyond any message is not read at all.
            answer = self.too_large(length)
            if length > 16 * self.MAX_BODY_BYTES:
                answer.close = True
                return request, answer
            while length > 0:
                chunk = await reader.read(min(length, 1 << 16))
                if not chunk:
                    raise asyncio.IncompleteReadError(b"", length)
                length -= len(chunk)
            return request, answer
        body = await reader.readexactly(length) if length else b""
        return Request(request.method, request.target, headers, body), None

    async def _send(self, writer: asyncio.StreamWriter, answer: Response, close: bool) -> None:
        # What every answer says, errors too: never sniffed into another type, never framed (a
        # policy obeyed only as a header), never cached.
        lines = [f"HTTP/1.1 {answer.status.value} {answer.status.phrase}"]
        if answer.content_type is not None:
            lines.append(f"Content-Type: {answer.content_type}")
        if answer.stream is None:
            lines.append(f"Content-Length: {len(answer.body)}")
        # The answer's own first: a page's policy is the one a client reading a single field gets.
        lines += [f"{name}: {value}" for name, value in answer.headers.items()]
        lines += ["X-Content-Type-Options: nosniff", "Content-Security-Policy: frame-ancestors 'none'",
                  "Cache-Control: no-store"]
        if close or answer.stream is not None:
            lines.append("Connection: close")
        writer.write(("\r\n".join(lines) + "\r\n\r\n").encode("latin-1") + answer.body)
        await writer.drain()
        if answer.stream is not None:
            async for chunk in answer.stream:
                writer.write(chunk)
                await writer.drain()
