"""Serves the inspector page of one log on the loopback interface.

The page is made again when the log has changed since it was last made (size or
modification time), so reloading shows a log that is still being written.
"""

from __future__ import annotations

import os
import threading
from collections.abc import Callable
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
    daemon_threads = True

    def __init__(self, cache: PageCache, port: int = 0):
        self.cache = cache
        super().__init__((LOOPBACK, port), Handler)

    @property
    def url(self) -> str:
        return f"http://{LOOPBACK}:{self.server_address[1]}/"


class Handler(BaseHTTPRequestHandler):
    server: InspectorServer

    def do_GET(self) -> None:
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

    def log_message(self, format: str, *args: object) -> None:
        pass  # the terminal shows the URL; a line per reload is noise
