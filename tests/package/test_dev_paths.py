"""tools/dev on the host: paths named on its command line mean what they mean where it runs,
and what it makes belongs to whoever ran it."""

import os
import subprocess
from pathlib import Path

import pytest

REPO = Path(__file__).resolve().parents[2]


def inside(path, kind, cwd, repo=REPO):
    """tools/devroot-paths' answer for PATH: (where it is inside the root, folders to mount), or
    None and the message when it is refused."""
    script = f'repo={repo}; . {REPO}/tools/devroot-paths; binds=$(mktemp); inside "$1" {kind} "$binds"; ' \
             'status=$?; echo "--binds--"; cat "$binds"; exit $status'
    result = subprocess.run(["bash", "-c", script, "-", str(path)], capture_output=True, text=True, cwd=cwd)
    answer, binds = result.stdout.split("--binds--\n")
    return (answer.strip(), binds.split()) if result.returncode == 0 else (None, result.stderr.strip())


@pytest.mark.parametrize("path, kind, where, binds", [
    ("{repo}/build/x.jsonl", "path", "/src/build/x.jsonl", []),
    ("{repo}", "dir", "/src", []),
    ("{repo}/examples/../build/y.jsonl", "path", "/src/build/y.jsonl", []),
    ("/tmp/x.jsonl", "path", "/tmp/x.jsonl", ["/tmp"]),
    ("/tmp/../tmp/./x.jsonl", "path", "/tmp/x.jsonl", ["/tmp"]),
    ("{tmp}", "dir", "{tmp}", ["{tmp}"]),
    ("{tmp}/out", "path", "{tmp}/out", ["{tmp}/out"]),  # an existing folder is mounted itself
    ("log.jsonl", "path", "{tmp}/log.jsonl", ["{tmp}"]),  # relative: from where tools/dev runs
    ("/usr/share/x.jsonl", "path", None, "one of the dev root's own system folders"),
    ("/etc", "dir", None, "one of the dev root's own system folders"),
    ("/", "dir", None, "one of the dev root's own system folders"),
    ("/nonexistent/dir/x.jsonl", "path", None, "there is no folder /nonexistent/dir"),
])
def test_host_paths_are_found_inside_the_root_or_refused(tmp_path, path, kind, where, binds):
    (tmp_path / "out").mkdir()
    fill = {"repo": str(REPO), "tmp": str(tmp_path)}
    answer, found = inside(path.format(**fill), kind, cwd=tmp_path)
    if where is None:
        assert answer is None and binds in found
    else:
        assert (answer, found) == (where.format(**fill), [b.format(**fill) for b in binds])


@pytest.mark.skipif(os.geteuid() != 0, reason="making root-owned files needs root")
def test_what_a_sudo_run_made_goes_back_to_the_user(tmp_path):
    repo, elsewhere = tmp_path / "repo", tmp_path / "elsewhere"
    (repo / "build" / "root").mkdir(parents=True)
    elsewhere.mkdir()
    old = elsewhere / "old.jsonl"
    old.write_text("before the run\n")
    os.utime(old, (1, 1))
    started = tmp_path / "started"
    started.touch()
    os.utime(started, (100, 100))
    made = [repo / "build" / "root" / "a.o", repo / "notes.txt", elsewhere / "x.jsonl"]
    for path in made:
        path.write_text("made by the run\n")
    binds = tmp_path / "binds"
    binds.write_text(f"{elsewhere}\n")
    subprocess.run(["bash", "-c", f'repo={repo}; . {REPO}/tools/devroot-paths; give_back "$1" "$2"', "-",
                    str(started), str(binds)], check=True, env=dict(os.environ, SUDO_UID="4242", SUDO_GID="4343"))
    assert {(p.stat().st_uid, p.stat().st_gid) for p in made} == {(4242, 4343)}
    assert (repo / "build").stat().st_uid == 4242
    assert old.stat().st_uid == 0  # older than the run: not its doing
