"""The official MCP SDK's client and the conformance suite, from tests/mcp/package-lock.json,
run with Node.js (tools/dev test installs them with npm ci)."""

import os
import shutil
from pathlib import Path

import pytest

HERE = Path(__file__).resolve().parent

if shutil.which("node") is None or not (HERE / "node_modules" / "@modelcontextprotocol" / "sdk").is_dir():
    if os.environ.get("CI"):
        raise RuntimeError("the MCP client tests need Node.js and tests/mcp/node_modules (npm ci in tests/mcp)")
    pytest.skip("no Node.js or no tests/mcp/node_modules here (tools/dev test installs them)", allow_module_level=True)
