"""Runs the OpenXR host against a live Monado runtime: starts monado-service with the null
compositor and its remote driver, plays the scripted user into that driver, runs the host for
the scripted session, then stops everything and prints the host's summary.

Everything runs in a private network namespace, since the remote driver listens on every
interface, and in a private PID namespace with this launcher as its init, so that no process
can outlive it: when it ends, however it ends, the kernel ends the rest.
"""

import argparse
import contextlib
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from collections.abc import Iterator
from pathlib import Path
from types import FrameType

import script

HERE = Path(__file__).resolve().parent
ISOLATED = "QUILLARY_OPENXR_ISOLATED"
SOCKET_NAME = "monado_comp_ipc"
START_TIMEOUT_S = 10.0
STOP_TIMEOUT_S = 5.0
# Time from starting the host to the script's first instant: instance, session and focus.
LEAD_IN_S = 1.5


class LaunchError(RuntimeError):
    pass


def isolate(argv: list[str]) -> int:
    """Runs this launcher again as init of new network, PID and mount namespaces."""
    command = ["unshare", "--net", "--pid", "--fork", "--kill-child", "--mount-proc",
               "--propagation", "unchanged"]
    if os.geteuid() != 0:
        command.append("--map-root-user")
    command += [sys.executable, str(Path(__file__).resolve()), *argv]
    env = dict(os.environ, **{ISOLATED: "1"})
    try:
        process = subprocess.Popen(command, env=env)
    except FileNotFoundError:
        print("openxr launcher: unshare (util-linux) is needed to isolate the runtime", file=sys.stderr)
        return 1
    # A Ctrl-C reaches the launcher inside too; it stops the runtime and the session itself, so
    # this side only waits for it. Killing it here would leave the runtime's files behind.
    while True:
        try:
            return process.wait()
        except KeyboardInterrupt:
            continue


def terminate_on_signal(signum: int, _frame: FrameType | None) -> None:
    raise KeyboardInterrupt(f"signal {signum}")


def log_tail(path: Path, lines: int = 25) -> str:
    try:
        text = path.read_text(encoding="utf-8", errors="replace").splitlines()
    except OSError:
        return "(no log)"
    return "\n".join(text[-lines:])


class Monado:
    """monado-service with its stdin on a pipe: closing the pipe is its clean shutdown."""

    def __init__(self, runtime_dir: Path, log_path: Path):
        self.runtime_dir = runtime_dir
        self.log_path = log_path
        self.socket = runtime_dir / SOCKET_NAME
        self.stopped_by = "not started"
        env = dict(os.environ, XDG_RUNTIME_DIR=str(runtime_dir), XRT_COMPOSITOR_NULL="1",
                   P_OVERRIDE_ACTIVE_CONFIG="remote")
        with open(log_path, "wb") as log:
            try:
                self.process = subprocess.Popen(["monado-service"], stdin=subprocess.PIPE, stdout=log,
                                                stderr=subprocess.STDOUT, env=env, process_group=0)
            except FileNotFoundError:
                raise LaunchError("monado-service is not installed (package monado-service)") from None
        self.stopped_by = "running"

    def wait_until_serving(self) -> None:
        deadline = time.monotonic() + START_TIMEOUT_S
        while not self.socket.exists():
            status = self.process.poll()
            if status is not None:
                raise LaunchError(f"monado-service exited with status {status} at start:\n{log_tail(self.log_path)}")
            if time.monotonic() > deadline:
                raise LaunchError(f"monado-service opened no socket within {START_TIMEOUT_S:.0f} s:\n"
                                  f"{log_tail(self.log_path)}")
            time.sleep(0.02)

    def stop(self) -> None:
        if self.process.poll() is None:
            assert self.process.stdin is not None
            self.process.stdin.close()  # end of input: the service shuts down and removes its socket
            self.stopped_by = "end of input"
            try:
                self.process.wait(STOP_TIMEOUT_S)
            except subprocess.TimeoutExpired:
                self.stopped_by = "SIGKILL after end of input was ignored"
                self.process.kill()
                self.process.wait()
        elif self.stopped_by == "running":
            self.stopped_by = f"exited early with status {self.process.returncode}"


@contextlib.contextmanager
def child(command: list[str], **options: object) -> Iterator[subprocess.Popen[bytes]]:
    """A helper process that is stopped, at the latest, when the block is left."""
    process = subprocess.Popen(command, process_group=0, **options)  # type: ignore[call-overload]
    try:
        yield process
    finally:
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(2.0)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def session(out_dir: Path, runtime_dir: Path, to_stdout: bool, record: Path | None = None) -> dict[str, object]:
    try:
        subprocess.run(["ip", "link", "set", "lo", "up"], check=True)
    except (OSError, subprocess.CalledProcessError) as error:
        raise LaunchError(f"cannot bring up loopback in the private network namespace: {error}") from None
    monado = Monado(runtime_dir, out_dir / "monado-service.log")
    outcome: dict[str, object] = {"runtime_dir": str(runtime_dir)}
    try:
        monado.wait_until_serving()
        epoch_ns = time.monotonic_ns() + round(LEAD_IN_S * 1e9)
        env = dict(os.environ, XDG_RUNTIME_DIR=str(runtime_dir), PYTHONDONTWRITEBYTECODE="1", XRT_LOG="warning")
        python = sys.executable
        host_command = [python, str(HERE / "host.py"), "--epoch-ns", str(epoch_ns),
                        "--frames", str(out_dir / "frames.jsonl"), "--report", str(out_dir / "report.json")]
        if not to_stdout:
            host_command += ["--out", str(out_dir / "events.jsonl")]
        if record is not None:
            host_command += ["--record", str(record)]
        with child([python, str(HERE / "remote_driver.py"), "--epoch-ns", str(epoch_ns)], env=env) as driver, \
                open(out_dir / "host.log", "wb") as host_log, \
                child(host_command, env=env, stderr=host_log) as host:
            budget_s = LEAD_IN_S + script.SESSION_SECONDS + 20.0
            try:
                host_status = host.wait(budget_s)
                # A failed host leaves nothing to play to: the driver is stopped on the way out.
                driver_status = driver.wait(budget_s) if host_status == 0 else None
            except subprocess.TimeoutExpired as timeout:
                raise LaunchError(f"{Path(str(timeout.cmd[1])).name} did not finish within {budget_s:.0f} s") from None
        outcome.update(host_status=host_status, driver_status=driver_status)
    finally:
        monado.stop()
        outcome["monado_stopped_by"] = monado.stopped_by
        outcome["monado_status"] = monado.process.returncode
        outcome["socket_left"] = monado.socket.exists()
        (out_dir / "launch.json").write_text(json.dumps(outcome, indent=2) + "\n", encoding="utf-8")
    return outcome


def problems_of(outcome: dict[str, object]) -> list[str]:
    problems = []
    if outcome["host_status"] != 0:
        problems.append(f"the host exited with status {outcome['host_status']}")
    if outcome["driver_status"] not in (0, None):
        problems.append(f"the remote driver exited with status {outcome['driver_status']}")
    if outcome["monado_stopped_by"] != "end of input" or outcome["monado_status"] != 0:
        problems.append(f"monado-service did not stop cleanly ({outcome['monado_stopped_by']}, "
                        f"status {outcome['monado_status']})")
    if outcome["socket_left"]:
        problems.append("monado-service left its socket behind")
    return problems


def report(out_dir: Path, outcome: dict[str, object]) -> int:
    problems = problems_of(outcome)
    if outcome["host_status"] == 0:
        summary = json.loads((out_dir / "report.json").read_text(encoding="utf-8"))["summary"]
        print("\n".join(summary), file=sys.stderr)
    else:
        print(f"openxr launcher: the host's log ends:\n{log_tail(out_dir / 'host.log')}", file=sys.stderr)
    if problems:
        print(f"openxr launcher: the runtime's log ends:\n{log_tail(out_dir / 'monado-service.log')}",
              file=sys.stderr)
    for problem in problems:
        print(f"openxr launcher: {problem}", file=sys.stderr)
    return 1 if problems else 0


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(
        description="Run the OpenXR host against Monado, headless, with a scripted user: events go to "
        "stdout as JSON lines, the summary to stderr.")
    parser.add_argument("--out-dir", metavar="DIR",
                        help="write the events, frames, reports and logs here instead of stdout and a "
                        "scratch folder")
    parser.add_argument("--record", metavar="FILE", help="record the session as a session log here")
    args = parser.parse_args(argv)
    if os.environ.get(ISOLATED) != "1":
        return isolate(sys.argv[1:] if argv is None else argv)

    signal.signal(signal.SIGTERM, terminate_on_signal)
    signal.signal(signal.SIGHUP, terminate_on_signal)
    runtime_dir = Path(tempfile.mkdtemp(prefix="qxr-", dir="/tmp"))  # a socket path must stay short
    scratch = None if args.out_dir else Path(tempfile.mkdtemp(prefix="quillary-openxr-"))
    out_dir = Path(args.out_dir) if args.out_dir else scratch
    assert out_dir is not None
    try:
        out_dir.mkdir(parents=True, exist_ok=True)
        record = Path(args.record).resolve() if args.record else None
        return report(out_dir, session(out_dir, runtime_dir, to_stdout=not args.out_dir, record=record))
    except LaunchError as error:
        print(f"openxr launcher: {error}", file=sys.stderr)
        return 1
    except KeyboardInterrupt:
        print("openxr launcher: interrupted; the runtime and the session are stopped", file=sys.stderr)
        return 130
    finally:
        shutil.rmtree(runtime_dir, ignore_errors=True)
        if scratch is not None:
            shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
