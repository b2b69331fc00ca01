"""Serves the inspector page of one log on the loopback interface.

The page is made again when the log has changed since it was last made (size or
modification time), so reloading shows a log that is still being written.
"""

from __future__ import annotations

import os
import threading
from collections.abc import Callable
from http import HTTPStatus

from ..loopback import LoopbackHandler, LoopbackServer
from .page import POLICY


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


class InspectorServer(LoopbackServer):
    """Serves one page to this machine's browsers only (see LoopbackServer)."""

    def __init__(self, cache: PageCache, port: int = 0):
        self.cache = cache
        super().__init__(Handler, port)


class Handler(LoopbackHandler):
    server: InspectorServer
    timeout = InspectorServer.TIMEOUT_S

    def do_GET(self) -> None:
        if not self.server.addressed_to_us(self):
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
        self.end_headers()
        self.wfile.write(body)

