"""The inspector as one self-contained HTML document: page, code and data inline.

Nothing on the page is fetched: the content security policy allows no connection at all,
so the same document works from the loopback server, from a file, or attached to a report.
"""

from __future__ import annotations

import html
import io
import json
import re
import secrets
from importlib import resources
from typing import Any, TextIO

from .data import PackedArray

# The bundle is built from web/ (see README): three.js and the page's own code, minified.
ASSETS = resources.files(__package__)
PLACEHOLDER = re.compile(r"\{\{(policy|title|data|script)\}\}")
POLICY = ("default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
          "img-src data: blob:; connect-src 'none'; base-uri 'none'; form-action 'none'")


def asset(name: str) -> str:
    return (ASSETS / name).read_text(encoding="utf-8")


def script_safe(text: str) -> str:
    """Text that cannot end the <script> element it sits in."""
    if "</script" in text.lower():
        raise ValueError("the inspector bundle holds '</script': it cannot be inlined")
    return text


def render(data: dict[str, Any]) -> str:
    """The page for the data of session_data()."""
    out = io.StringIO()
    write_page(out, data)
    return out.getvalue()


def write_page(out: TextIO, data: dict[str, Any]) -> None:
    """Writes the page for the data of session_data() (made with lazily=True or not), the
    frames' arrays a piece at a time."""
    parts = {"policy": POLICY, "title": html.escape(f"{data['name']} - quillary-spatial inspector"),
             "script": script_safe(asset("inspector.js"))}
    template = asset("page.html")
    at = 0
    # One pass over the template, so that nothing inserted is read as a placeholder.
    for match in PLACEHOLDER.finditer(template):
        out.write(template[at:match.start()])
        if match[1] == "data":
            write_data(out, data)
        else:
            out.write(parts[match[1]])
        at = match.end()
    out.write(template[at:])


def write_data(out: TextIO, data: dict[str, Any]) -> None:
    # Each PackedArray is written as a marker no text can hold (a fresh random token), then
    # the marker's place in the JSON is filled with its pieces.
    token = secrets.token_hex(16)
    arrays: list[PackedArray] = []

    def placeholder(value: object) -> str:
        if not isinstance(value, PackedArray):
            raise TypeError(f"{type(value).__name__} is not JSON")
        arrays.append(value)
        return f"{token}:{len(arrays) - 1}"

    text = json.dumps(data, ensure_ascii=False, allow_nan=False, separators=(",", ":"), default=placeholder)
    parts = re.split(f'"{token}:([0-9]+)"', text)
    for i, part in enumerate(parts):
        if i % 2 == 0:
            # In JSON, "<" only occurs inside strings, where \u003c reads back as the same character.
            out.write(part.replace("<", "\\u003c"))
        else:
            out.write('"')
            for piece in arrays[int(part)].pieces():
                out.write(piece)
            out.write('"')
