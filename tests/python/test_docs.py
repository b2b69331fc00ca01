"""The documentation runs: README's and the API page's Python blocks as they stand, and every wire-format example
line reads back as exactly what the library would write."""

import os
import re
import subprocess
import sys
from pathlib import Path

import pytest

import quillary_spatial as qs

REPO = Path(__file__).resolve().parents[2]


def blocks(path, language):
    return re.findall(rf"^```{language}\n(.*?)^```", (REPO / path).read_text(), re.S | re.M)


PYTHON_BLOCKS = blocks("README.md", "python") + blocks("docs/python-api.md", "python")


@pytest.mark.parametrize("block", PYTHON_BLOCKS, ids=lambda block: block.splitlines()[0])
def test_documented_python_runs_as_pasted(block, tmp_path):
    result = subprocess.run([sys.executable, "-c", block], capture_output=True, text=True, cwd=tmp_path,
                            env=dict(os.environ), timeout=60)
    assert result.returncode == 0, result.stderr


EXAMPLE_LINES = [line for block in blocks("docs/wire-format.md", "") for line in block.splitlines()
                 if line.startswith('{"schema"')]


@pytest.mark.parametrize("line", EXAMPLE_LINES, ids=range(len(EXAMPLE_LINES)))
def test_wire_format_examples_are_lines_the_library_writes(line):
    # Reading checks every rule, an event's age included; writing back must give the same bytes.
    assert qs.to_jsonl(qs.read_line(line)) == line


def test_there_are_examples_to_check():
    assert len(blocks("README.md", "python")) >= 1 and len(blocks("docs/python-api.md", "python")) >= 1
    assert len(EXAMPLE_LINES) == 2
