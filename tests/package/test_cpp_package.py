"""A native host configured and built against the installed core, not the source tree."""

import re
import subprocess
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
VERSION = re.search(r'^__version__ = "(.+)"$', (REPO / "python" / "quillary_spatial" / "version.py").read_text(), re.M)[1]


def run(*command, cwd=None):
    return subprocess.run([str(c) for c in command], check=True, capture_output=True, text=True, cwd=cwd)


def test_a_plain_configure_needs_no_test_or_benchmark_library(tmp_path):
    # As on a machine without GoogleTest or Google Benchmark: they are left out, not required.
    result = run("cmake", "-S", REPO, "-B", tmp_path / "plain", "-G", "Ninja",
                 "-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON", "-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON")
    assert "the C++ tests are left out" in result.stdout and "the benchmarks are left out" in result.stdout


def readme_block(containing: str) -> str:
    (block,) = [b for b in re.findall(r"```sh\n(.*?)```", (REPO / "README.md").read_text(), re.S) if containing in b]
    return block


def test_the_readme_cpp_route_runs_as_written(tmp_path):
    # README's own commands, with the prefix and the build folders moved into tmp_path.
    script = readme_block("--component core") + readme_block("pkg-config")
    script = script.replace("/opt/quillary", str(tmp_path / "prefix")).replace("build/", f"{tmp_path}/")
    ran = subprocess.run(["bash", "-euc", script], cwd=REPO, capture_output=True, text=True)
    assert ran.returncode == 0, ran.stdout + ran.stderr
    assert "CMAKE_BUILD_TYPE:STRING=Release" in (tmp_path / "core" / "CMakeCache.txt").read_text()

    prefix = tmp_path / "prefix"
    installed = sorted(p.relative_to(prefix).as_posix() for p in prefix.rglob("*") if p.is_file())
    assert [p for p in installed if p.startswith("include/")] == [
        "include/quillary/spatial/jsonl.hpp", "include/quillary/spatial/timeline.hpp",
        "include/quillary/spatial/values.hpp"]
    version_file = next(prefix.rglob("quillary_spatialConfigVersion.cmake")).read_text()
    assert f'set(PACKAGE_VERSION "{VERSION}")' in version_file

    # The host built by CMake printed its line; the one built through pkg-config prints the same.
    line = run(tmp_path / "native_host").stdout
    assert line.startswith('{"schema":"quillary.contextual-intent","version":1,')
    assert '"text":"turn that on","spatial_age_ns":4000000' in line and '"host_id":"lamp"' in line
    assert line in ran.stdout
