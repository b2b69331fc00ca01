"""An HTTP server for this machine's own clients: bound to 127.0.0.1, answering only
requests addressed to it by name, with bounded connections that never outlive it."""

from __future__ import annotations

import contextlib
import socket
import sys
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from typing import Any

LOOPBACK = "127.0.0.1"


class LoopbackServer(ThreadingHTTPServer):
    """Serves this machine's clients only.

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

    def __init__(self, handler: type[BaseHTTPRequestHandler], port: int = 0):
        self.slots = threading.BoundedSemaphore(self.MAX_CONNECTIONS)
        self.lock = threading.Lock()
        self.active: dict[threading.Thread, Any] = {}  # the connections being served, by thread
        self.threads: list[threading.Thread] = []
        super().__init__((LOOPBACK, port), handler)
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

    def addressed_to_us(self, handler: BaseHTTPRequestHandler) -> bool:
        """Whether a request names this server (a DNS-rebinding page names itself), and, when it
        comes from a page, a page of this server."""
        origin = handler.headers.get("Origin")
        return handler.headers.get("Host") in self.hosts and (origin is None or origin in self.origins)


class LoopbackHandler(BaseHTTPRequestHandler):
    """What every answer of these servers says, errors too: never sniffed into another type,
    never framed (a policy obeyed only as a header), never cached."""

    def end_headers(self) -> None:
        self.send_header("X-Content-Type-Options", "nosniff")
        self.send_header("Content-Security-Policy", "frame-ancestors 'none'")
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def log_message(self, format: str, *args: object) -> None:
        pass  # the terminal shows the URL; a line per request is noise
