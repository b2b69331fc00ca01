"""Serves the inspector page of one log on the loopback interface.

The page is made again when the log has changed since it was last made (size or
modification time), so reloading shows a log that is still being written.
"""

from __future__ import annotations

import os
import threading
from collections.abc import Callable
from http import HTTPStatus

from ..loopback import LoopbackServer, Request, Response
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

    MAX_BODY_BYTES = 0  # it takes no uploads

    def __init__(self, cache: PageCache, port: int = 0):
        self.cache = cache
        super().__init__(port)

    def refuse(self, request: Request) -> Response | None:
        if not self.addressed_to_us(request):
            return Response.text(HTTPStatus.FORBIDDEN, "the inspector answers only requests addressed to it")
        if request.method != "GET":
            return Response.text(HTTPStatus.METHOD_NOT_ALLOWED, "the inspector only serves its page", {"Allow": "GET"})
        if request.path not in ("/", "/index.html"):
            return Response.text(HTTPStatus.NOT_FOUND, "the inspector serves one page, at /")
        return None

    def respond(self, request: Request) -> Response:
        try:
            body = self.cache.page()
        except OSError as error:
            return Response.text(HTTPStatus.INTERNAL_SERVER_ERROR, f"cannot read the log: {error.strerror or error}")
        return Response(HTTPStatus.OK, body, "text/html; charset=utf-8",
                        {"Content-Security-Policy": POLICY})
