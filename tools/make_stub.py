"""Writes the _spatial type stub: pybind11-stubgen's output for the built module, with two
refinements it cannot infer: the shape of resolve_target's ray-cast callable, and `int` for the
integer parameters and attributes, which refuse floats (pybind11 renders what its conversion
protocols accept, `SupportsInt | SupportsIndex`, which a float satisfies).

usage: python3 tools/make_stub.py OUTPUT.pyi   (the built module on PYTHONPATH)
"""

import subprocess
import sys
import tempfile
from pathlib import Path

CALLABLE = "raycast: collections.abc.Callable)"
REFINED = "raycast: collections.abc.Callable[[Ray], SpatialHit | None])"
INTEGER = "typing.SupportsInt | typing.SupportsIndex"


def main() -> int:
    output = Path(sys.argv[1])
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["pybind11-stubgen", "_spatial", "--exit-code", "-o", tmp], check=True)
        stub = (Path(tmp) / "_spatial.pyi").read_text()
    if stub.count(CALLABLE) != 1:
        raise SystemExit(f"stub: expected one {CALLABLE!r} to refine")
    if INTEGER not in stub:
        raise SystemExit(f"stub: expected {INTEGER!r} for the integer parameters")
    output.write_text(stub.replace(CALLABLE, REFINED).replace(INTEGER, "int"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
