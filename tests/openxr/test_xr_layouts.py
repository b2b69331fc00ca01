"""The ctypes declarations of the OpenXR host match openxr.h: a wrong offset or size would
have the runtime read or write past what Python allocated."""

import ctypes
import shutil
import subprocess
from pathlib import Path

import pytest

REPO = Path(__file__).resolve().parents[2]
import xr

C_NAMES = {"Timespec": "struct timespec"}


def declared_structures() -> dict[str, type[ctypes.Structure]]:
    return {name: value for name, value in vars(xr).items()
            if isinstance(value, type) and issubclass(value, ctypes.Structure) and value is not ctypes.Structure}


def layout_from_ctypes() -> dict[str, tuple[int, int]]:
    layout = {}
    for name, structure in declared_structures().items():
        layout[name] = (ctypes.sizeof(structure), ctypes.alignment(structure))
        for field, *_ in structure._fields_:
            descriptor = getattr(structure, field)
            layout[f"{name}.{field}"] = (descriptor.offset, descriptor.size)
    return layout


def printed_by_c(tmp_path: Path, statements: list[str]) -> dict[str, list[int]]:
    """Compiles and runs `statements` against openxr.h; each prints a key and its numbers."""
    source = tmp_path / "probe.c"
    source.write_text("#define XR_USE_TIMESPEC\n#include <stddef.h>\n#include <stdio.h>\n#include <time.h>\n"
                      "#include <openxr/openxr.h>\n#include <openxr/openxr_platform.h>\n"
                      "int main(void) {\n" + "\n".join(statements) + "\nreturn 0;\n}\n")
    compiler = shutil.which("cc") or shutil.which("gcc")
    assert compiler, "a C compiler is needed to read openxr.h"
    program = tmp_path / "probe"
    subprocess.run([compiler, "-std=c11", "-Wall", "-Werror", str(source), "-o", str(program)], check=True)
    output = subprocess.run([str(program)], check=True, capture_output=True, text=True).stdout
    return {key: [int(n) for n in numbers] for key, *numbers in (line.split() for line in output.splitlines())}


def layout_from_header(tmp_path: Path) -> dict[str, tuple[int, int]]:
    statements = []
    for name, structure in declared_structures().items():
        c_name = C_NAMES.get(name, f"Xr{name}")
        statements.append(f'printf("{name} %zu %zu\\n", sizeof({c_name}), _Alignof({c_name}));')
        for field, *_ in structure._fields_:
            statements.append(f'printf("{name}.{field} %zu %zu\\n", offsetof({c_name}, {field}), '
                              f'sizeof((({c_name} *)0)->{field}));')
    return {key: (numbers[0], numbers[1]) for key, numbers in printed_by_c(tmp_path, statements).items()}


@pytest.fixture(scope="module")
def header_layout(tmp_path_factory):
    return layout_from_header(tmp_path_factory.mktemp("layout"))


CTYPES_LAYOUT = layout_from_ctypes()


@pytest.mark.parametrize("key", sorted(CTYPES_LAYOUT))
def test_layout_matches_openxr_h(header_layout, key):
    assert CTYPES_LAYOUT[key] == header_layout[key]


def test_constants_match_openxr_h(tmp_path):
    # The API version is the one exception: the host asks for 1.0 with patch 0 on purpose.
    names = sorted(name for name, value in vars(xr).items()
                   if name.isupper() and type(value) is int and name != "API_VERSION_1_0")
    printed = printed_by_c(tmp_path, [f'printf("{name} %lld\\n", (long long)XR_{name});' for name in names])
    assert {name: value for name, (value,) in printed.items()} == {name: getattr(xr, name) for name in names}
