"""The Model Context Protocol, server side, as far as this server needs it: JSON-RPC 2.0
messages, initialisation and capability negotiation, tools (arguments checked against their
input schemas), resources with subscriptions, cancellation and ping. Transports (stdio,
Streamable HTTP) hand each message to a `Connection` and send on what it returns or notifies.
"""

from __future__ import annotations

import importlib
import json
import threading
from collections.abc import Callable, Mapping
from dataclasses import dataclass, field, replace
from typing import Any, NamedTuple

from ..log.checks import printable

# Newest first: a client asking for one of these gets it, any other gets the newest.
PROTOCOL_VERSIONS = ("2025-11-25", "2025-06-18", "2025-03-26")
MAX_MESSAGE_BYTES = 1 << 20

PARSE_ERROR, INVALID_REQUEST, METHOD_NOT_FOUND, INVALID_PARAMS, INTERNAL_ERROR = -32700, -32600, -32601, -32602, -32603
RESOURCE_NOT_FOUND = -32002


class ProtocolError(Exception):
    """Answered as a JSON-RPC error: `code`, the message, and `data` when there is more to say."""

    def __init__(self, code: int, message: str, data: Any = None):
        super().__init__(message)
        self.code, self.message, self.data = code, message, data


class ToolError(Exception):
    """A tool that ran and could not answer ("no context"): a result with isError, not an error."""


def invalid_params(member: str, message: str) -> ProtocolError:
    return ProtocolError(INVALID_PARAMS, f"Invalid params: {member}: {message}" if member else
                         f"Invalid params: {message}", {"member": member})


@dataclass(frozen=True)
class Tool:
    name: str
    title: str
    description: str
    input_schema: Mapping[str, Any]
    call: Callable[[dict[str, Any]], Any]  # the JSON-ready result, or ToolError
    output_schema: Mapping[str, Any] | None = None
    validator: Any = field(default=None, compare=False)

    def listed(self) -> dict[str, Any]:
        entry = {"name": self.name, "title": self.title, "description": self.description,
                 "inputSchema": dict(self.input_schema)}
        if self.output_schema is not None:
            entry["outputSchema"] = dict(self.output_schema)
        return entry


@dataclass(frozen=True)
class Resource:
    uri: str
    name: str
    title: str
    description: str
    mime_type: str
    read: Callable[[], str]

    def listed(self) -> dict[str, Any]:
        return {"uri": self.uri, "name": self.name, "title": self.title, "description": self.description,
                "mimeType": self.mime_type}


def schema_validator(schema: Mapping[str, Any]) -> Any:
    # The server's one dependency beyond the library (pip install quillary-spatial[mcp]);
    # imported by name, as quillary_spatial.schemas does: typed only where its stubs are.
    jsonschema = importlib.import_module("jsonschema")
    jsonschema.Draft202012Validator.check_schema(schema)
    return jsonschema.Draft202012Validator(schema)


def member_path(path: Any) -> str:
    out = ""
    for step in path:
        out += f"[{step}]" if isinstance(step, int) else f".{step}" if out else str(step)
    return out


class Application:
    """What a server offers: its tools and resources, and whom to tell when a resource changes."""

    def __init__(self, name: str, version: str, instructions: str, tools: list[Tool], resources: list[Resource]):
        self.name, self.version, self.instructions = name, version, instructions
        self.tools = {t.name: replace(t, validator=schema_validator(t.input_schema)) for t in tools}
        self.resources = {r.uri: r for r in resources}
        self.lock = threading.Lock()
        self.connections: set[Connection] = set()

    def changed(self, uri: str) -> None:
        """Tells every connection subscribed to `uri` that it changed."""
        with self.lock:
            subscribed = [c for c in self.connections if uri in c.subscriptions]
        for connection in subscribed:
            connection.notify("notifications/resources/updated", {"uri": uri})


def dumps(message: Any) -> str:
    """The message as one line of JSON that is text whatever it echoes: a lone surrogate (which
    a request may carry as an escape) is written as an escape again, never as itself."""
    text = json.dumps(message, ensure_ascii=False, separators=(",", ":"), allow_nan=False)
    if not text.isascii():
        try:
            text.encode()
        except UnicodeEncodeError:
            text = json.dumps(message, separators=(",", ":"), allow_nan=False)
    return text


class Reply(NamedTuple):
    """An answer to send; `unreadable` when it refuses a message that could not be read as a
    request at all (Streamable HTTP answers that with 400, stdio sends it as any other)."""

    text: str
    unreadable: bool = False


class Connection:
    """One client's session. `handle(text)` takes one message and returns the Reply to send
    (None for a notification or a response); `notify` goes to `send`, which the transport
    gives (stdio writes it out, HTTP queues it for the client's event stream)."""

    def __init__(self, app: Application, send: Callable[[str], None]):
        self.app, self.send = app, send
        self.initialized = False
        self.protocol_version: str | None = None
        self.subscriptions: set[str] = set()
        self.cancelled: set[Any] = set()
        with app.lock:
            app.connections.add(self)

    def close(self) -> None:
        with self.app.lock:
            self.app.connections.discard(self)

    def notify(self, method: str, params: Mapping[str, Any]) -> None:
        self.send(dumps({"jsonrpc": "2.0", "method": method, "params": dict(params)}))

    def handle(self, text: str | bytes) -> Reply | None:
        if len(text) > MAX_MESSAGE_BYTES:
            return unreadable(INVALID_REQUEST, f"message larger than {MAX_MESSAGE_BYTES} bytes")
        try:
            message = json.loads(text, parse_constant=refuse_constant)
        except (ValueError, RecursionError) as error:
            return unreadable(PARSE_ERROR, f"Parse error: {printable(str(error))}")
        if isinstance(message, list):
            return unreadable(INVALID_REQUEST, "batches are not supported")
        if not isinstance(message, dict) or message.get("jsonrpc") != "2.0":
            return unreadable(INVALID_REQUEST, "not a JSON-RPC 2.0 message")
        request_id = message.get("id")
        if "method" in message and "id" in message and \
                (isinstance(request_id, bool) or not isinstance(request_id, (str, int))):
            return unreadable(INVALID_REQUEST, "id: expected a string or an integer")
        answer = self.handle_message(message)
        return None if answer is None else Reply(answer)

    def handle_message(self, message: dict[str, Any]) -> str | None:
        if "method" not in message:
            return None  # a response: this server sends no requests, so nothing waits for one
        request_id = message.get("id")
        is_request = "id" in message
        method, params = message["method"], message.get("params", {})
        try:
            if not isinstance(method, str):
                raise ProtocolError(INVALID_REQUEST, "method: expected a string")
            if not isinstance(params, dict):
                raise invalid_params("params", "expected an object")
            result = self.dispatch(method, params, is_request)
        except ProtocolError as error:
            return error_reply(request_id, error) if is_request else None
        except Exception as error:  # a fault of ours: an answer on the wire, never a dropped connection
            return error_reply(request_id, ProtocolError(INTERNAL_ERROR, f"Internal error: {printable(repr(error))}")) \
                if is_request else None
        if not is_request:
            return None
        if request_id in self.cancelled:  # the client no longer wants it
            self.cancelled.discard(request_id)
            return None
        return dumps({"jsonrpc": "2.0", "id": request_id, "result": result})

    def dispatch(self, method: str, params: dict[str, Any], is_request: bool) -> Any:
        if not is_request:
            if method == "notifications/initialized":
                self.initialized = True
            elif method == "notifications/cancelled":
                self.cancelled.add(params.get("requestId"))
            return None
        if method == "initialize":
            return self.initialize(params)
        if method == "ping":
            return {}
        if self.protocol_version is None:
            raise ProtocolError(INVALID_REQUEST, "the session is not initialised: send initialize first")
        app = self.app
        if method == "tools/list":
            return {"tools": [t.listed() for t in app.tools.values()]}
        if method == "tools/call":
            return self.call_tool(params)
        if method == "resources/list":
            return {"resources": [r.listed() for r in app.resources.values()]}
        if method == "resources/templates/list":
            return {"resourceTemplates": []}
        if method == "resources/read":
            resource = self.resource(params)
            return {"contents": [{"uri": resource.uri, "mimeType": resource.mime_type, "text": resource.read()}]}
        if method == "resources/subscribe":
            self.subscriptions.add(self.resource(params).uri)
            return {}
        if method == "resources/unsubscribe":
            self.subscriptions.discard(self.resource(params).uri)
            return {}
        raise ProtocolError(METHOD_NOT_FOUND, f"Method not found: {printable(method)}")

    def initialize(self, params: dict[str, Any]) -> dict[str, Any]:
        asked = params.get("protocolVersion")
        if not isinstance(asked, str):
            raise invalid_params("protocolVersion", "expected a string")
        self.protocol_version = asked if asked in PROTOCOL_VERSIONS else PROTOCOL_VERSIONS[0]
        return {"protocolVersion": self.protocol_version,
                "capabilities": {"tools": {"listChanged": False},
                                 "resources": {"subscribe": True, "listChanged": False}},
                "serverInfo": {"name": self.app.name, "version": self.app.version},
                "instructions": self.app.instructions}

    def resource(self, params: dict[str, Any]) -> Resource:
        uri = params.get("uri")
        if not isinstance(uri, str):
            raise invalid_params("uri", "expected a string")
        found = self.app.resources.get(uri)
        if found is None:
            raise ProtocolError(RESOURCE_NOT_FOUND, f"Resource not found: {printable(uri)}", {"uri": uri})
        return found

    def call_tool(self, params: dict[str, Any]) -> dict[str, Any]:
        name = params.get("name")
        tool = self.app.tools.get(name) if isinstance(name, str) else None
        if tool is None:
            raise invalid_params("name", f"unknown tool {printable(json.dumps(name))} (one of "
                                 f"{', '.join(self.app.tools)})")
        arguments = params.get("arguments", {})
        if not isinstance(arguments, dict):
            raise invalid_params("arguments", "expected an object")
        error = next(iter(sorted(tool.validator.iter_errors(arguments), key=lambda e: list(e.absolute_path))), None)
        if error is not None:
            raise invalid_params(member_path(error.absolute_path) or "arguments", printable(error.message))
        try:
            result = tool.call(arguments)
        except ToolError as failure:
            return {"content": [{"type": "text", "text": str(failure)}], "isError": True}
        return {"content": [{"type": "text", "text": dumps(result)}], "structuredContent": result, "isError": False}


def unreadable(code: int, message: str) -> Reply:
    return Reply(error_reply(None, ProtocolError(code, message)), unreadable=True)


def error_reply(request_id: Any, error: ProtocolError) -> str:
    body: dict[str, Any] = {"code": error.code, "message": error.message}
    if error.data is not None:
        body["data"] = error.data
    return dumps({"jsonrpc": "2.0", "id": request_id, "error": body})


def refuse_constant(name: str) -> float:
    raise ValueError(f"{name} is not JSON")
