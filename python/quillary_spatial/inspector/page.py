"""The inspector as one self-contained HTML document: page, code and data inline.

Nothing on the page is fetched: the content security policy allows no connection at all,
so the same document works from the loopback server, from a file, or attached to a report.
"""

from __future__ import annotations

import html
import json
import re
from importlib import resources
from typing import Any

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


def json_in_html(data: Any) -> str:
    # In JSON, "<" only occurs inside strings, where \u003c reads back as the same character.
    return json.dumps(data, ensure_ascii=False, allow_nan=False, separators=(",", ":")).replace("<", "\\u003c")


def render(data: dict[str, Any]) -> str:
    """The page for the data of session_data()."""
    parts = {"policy": POLICY, "title": html.escape(f"{data['name']} - quillary-spatial inspector"),
             "data": json_in_html(data), "script": script_safe(asset("inspector.js"))}
    # One pass over the template, so that nothing inserted is read as a placeholder.
    return PLACEHOLDER.sub(lambda match: parts[match[1]], asset("page.html"))
