"""Serves the inspector page of one log on the loopback interface.

The page is made again when the log has changed since it was last made (size or
modification time), so reloading shows a log that is still being written.
"""

from __future__ import annotations

import contextlib
import os
import socket
import sys
import threading
from collections.abc import Callable
from typing import Any
from http import HTTPStatus
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

from .page import POLICY

LOOPBACK = "127.0.0.1"


class PageCache:
    def __init__(self, path: str, make: Callable[[], str]):
        self.path, self.make = path, make
        self.lock = threading.Lock()
        self.key: tuple[int, int] | None = None
        self.body = b""

    def page(self) -> bytes:
        with self.lock:
            status = os.stat(self.path)
            key = (status.st_size, status.st_mtime_ns)
            if key != self.key:
                self.body, self.key = self.make().encode(), key
            return self.body


class InspectorServer(ThreadingHTTPServer):
    """Serves one page to this machine's browsers only.

    Only requests addressed to this server by name (`Host` 127.0.0.1 or localhost with its
    port) are answered: a page elsewhere that rebinds its own name to 127.0.0.1 is refused.
    Each connection gets `TIMEOUT_S` to send its request, and at most `MAX_CONNECTIONS` are
    served at once; clients that go away are let go quietly.
    """

    # Its own threads, not daemons, joined when it closes: a daemon left running at exit can hold
    # stderr's lock while the interpreter is torn down, which then aborts.
    daemon_threads = False
    block_on_close = False
    TIMEOUT_S = 10.0
    MAX_CONNECTIONS = 32

    def __init__(self, cache: PageCache, port: int = 0):
        self.cache = cache
        self.slots = threading.BoundedSemaphore(self.MAX_CONNECTIONS)
        self.lock = threading.Lock()
        self.active: dict[threading.Thread, Any] = {}  # the connections being served, by thread
        self.threads: list[threading.Thread] = []
        super().__init__((LOOPBACK, port), Handler)
        port = self.server_address[1]
        self.hosts = frozenset({f"{LOOPBACK}:{port}", f"localhost:{port}"})
        self.origins = frozenset(f"http://{host}" for host in self.hosts)

    @property
    def url(self) -> str:
        return f"http://{LOOPBACK}:{self.server_address[1]}/"

    def process_request(self, request: Any, client_address: Any) -> None:
        thread = threading.Thread(target=self.process_request_thread, args=(request, client_address))
        with self.lock:
            self.threads = [t for t in self.threads if t.is_alive()] + [thread]
        thread.start()

    def process_request_thread(self, request: Any, client_address: Any) -> None:
        # The slot is taken and given back in the connection's own thread, so that nothing
        # else (a Ctrl-C in the main thread, say) can give it back twice.
        if not self.slots.acquire(blocking=False):
            self.shutdown_request(request)  # busy: the browser retries
            return
        with self.lock:
            self.active[threading.current_thread()] = request
        try:
            super().process_request_thread(request, client_address)
        finally:
            with self.lock:
                self.active.pop(threading.current_thread(), None)
            self.slots.release()

    def server_close(self) -> None:
        # Clients still connected are let go first; then every connection's thread is waited
        # for, each done within its timeout at most. A thread left running when the interpreter
        # ends would hold memory nothing frees, and could write to stderr as it is torn down.
        with self.lock:
            active = list(self.active.values())
        for request in active:
            with contextlib.suppress(OSError):
                request.shutdown(socket.SHUT_RDWR)
        super().server_close()
        with self.lock:
            threads = list(self.threads)
        for thread in threads:
            if thread.ident is not None:  # started: Ctrl-C can land between making one and starting it
                thread.join()

    def handle_error(self, request: Any, client_address: Any) -> None:
        # A socket's error is a client that went away, or a connection closed as the server
        # stops (Ctrl-C can close one whose thread is just starting): nothing to report.
        if not isinstance(sys.exc_info()[1], OSError):
            super().handle_error(request, client_address)


class Handler(BaseHTTPRequestHandler):
    server: InspectorServer
    timeout = InspectorServer.TIMEOUT_S

    def do_GET(self) -> None:
        origin = self.headers.get("Origin")
        if self.headers.get("Host") not in self.server.hosts or (origin is not None and origin not in self.server.origins):
            self.send_error(HTTPStatus.FORBIDDEN, "the inspector answers only requests addressed to it")
            return
        if self.path.split("?", 1)[0] not in ("/", "/index.html"):
            self.send_error(HTTPStatus.NOT_FOUND, "the inspector serves one page, at /")
            return
        try:
            body = self.server.cache.page()
        except OSError as error:
            self.send_error(HTTPStatus.INTERNAL_SERVER_ERROR, f"cannot read the log: {error.strerror or error}")
            return
        self.send_response(HTTPStatus.OK)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Content-Security-Policy", POLICY)
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        self.wfile.write(body)

    def end_headers(self) -> None:
        # On every answer, errors too: never sniffed into another type, never framed (a
        # policy obeyed only as a header, not in the page's own meta element).
        self.send_header("X-Content-Type-Options", "nosniff")
        self.send_header("Content-Security-Policy", "frame-ancestors 'none'")
        super().end_headers()

    def log_message(self, format: str, *args: object) -> None:
        pass  # the terminal shows the URL; a line per reload is noise
