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


def test_the_native_example_builds_and_runs_against_the_installed_core(tmp_path):
    build, prefix, host = tmp_path / "core", tmp_path / "prefix", tmp_path / "host"
    run("cmake", "-S", REPO, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release", "-DQUILLARY_BUILD_MODULE=OFF",
        "-DQUILLARY_BUILD_TESTS=OFF", "-DQUILLARY_BUILD_BENCH=OFF")
    run("cmake", "--build", build, "--parallel", "2")
    run("cmake", "--install", build, "--prefix", prefix, "--component", "core")

    installed = sorted(p.relative_to(prefix).as_posix() for p in prefix.rglob("*") if p.is_file())
    assert [p for p in installed if p.startswith("include/")] == [
        "include/quillary/spatial/jsonl.hpp", "include/quillary/spatial/timeline.hpp",
        "include/quillary/spatial/values.hpp"]
    version_file = next(prefix.rglob("quillary_spatialConfigVersion.cmake")).read_text()
    assert f'set(PACKAGE_VERSION "{VERSION}")' in version_file

    run("cmake", "-S", REPO / "examples" / "cpp", "-B", host, "-G", "Ninja", f"-DCMAKE_PREFIX_PATH={prefix}")
    run("cmake", "--build", host)
    line = run(host / "native_host").stdout
    assert line.startswith('{"schema":"quillary.contextual-intent","version":1,')
    assert '"text":"turn that on","spatial_age_ns":4000000' in line and '"host_id":"lamp"' in line
