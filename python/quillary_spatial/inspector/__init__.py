"""The session inspector: a log seen in the browser, in 3D and on a time strip.

`page(log)` makes the page as one self-contained HTML document; `serve(log)` serves it on
127.0.0.1. `python -m quillary_spatial view LOG` does either from the command line.
"""

from __future__ import annotations

import os

from ..log.reader import Source
from .data import session_data
from .page import render, write_page
from .server import InspectorServer, PageCache


def page(log: Source) -> str:
    """The inspector page of a log: code and data inline, nothing fetched when it opens.

    A log that cannot be read to the end still gives a page: it shows the reader's error,
    with its line number, over everything read before it. An unreadable file raises OSError.
    """
    name = os.path.basename(os.fspath(log)) if isinstance(log, (str, os.PathLike)) else str(getattr(log, "name", "log"))
    return render(session_data(log, name, lazily=True))


def serve(log: str | os.PathLike[str], port: int = 0) -> InspectorServer:
    """A server of the log's page on 127.0.0.1 (a free port when 0); call serve_forever()."""
    path = os.fspath(log)
    return InspectorServer(PageCache(path, lambda: page(path)), port)


__all__ = ["InspectorServer", "page", "render", "serve", "session_data", "write_page"]
