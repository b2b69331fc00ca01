"""The command line: replay a session log, summarise its utterances, or inspect it in a browser.

Exit status: 0 on success, 1 when --verify finds a difference, 2 on bad input (a one-line
message, no traceback).
"""

from __future__ import annotations

import argparse
import os
import pathlib
import sys
import time
import webbrowser
from collections.abc import Callable, Sequence
from typing import Any, TextIO

from .log.checks import ReadError, counted, printable
from .replay import Replay, Replayed, first_difference
from .version import __version__
from .views.describe import describe_utterance


class Progress:
    """A progress bar on stderr, shown only on a terminal and redrawn at most ten times a second."""

    def __init__(self, replay: Replay, stream: TextIO):
        self.replay, self.stream = replay, stream
        self.shown = stream.isatty() and replay.reader.total_bytes is not None
        self.next_draw = time.monotonic() + 0.5

    def update(self) -> None:
        if self.shown and time.monotonic() >= self.next_draw:
            self.next_draw = time.monotonic() + 0.1
            done = self.replay.reader.done()
            bar = "#" * int(done * 30)
            self.stream.write(f"\r  [{bar:<30}] {done:4.0%}  {self.replay.frames} frames")
            self.stream.flush()

    def done(self) -> None:
        if self.shown:
            self.stream.write("\r" + " " * 60 + "\r")


def replayed(replay: Replay, progress: Progress) -> list[Replayed]:
    # Utterances are few (one every few seconds); frames stream through without being kept.
    results = []
    for result in replay:
        results.append(result)
        progress.update()
    progress.update()
    progress.done()
    return results


class OutputError(Exception):
    """Standard output could not be written (other than by its reader going away)."""


def emit(text: str) -> None:
    try:
        sys.stdout.write(text)
    except BrokenPipeError:
        raise
    except OSError as error:
        raise OutputError(error.strerror or str(error)) from None


def shown_lines(text: str) -> str:
    return "\n".join(printable(line) for line in text.split("\n"))


def drop_output() -> None:
    """What is still buffered for stdout goes nowhere, so that leaving does not try again."""
    os.dup2(os.open(os.devnull, os.O_WRONLY), sys.stdout.fileno())


def settings(replay: Replay) -> str:
    timeline = replay.timeline
    if timeline is None:
        return ""
    # What the timeline works with: a recorded capacity of 0 keeps one frame, a negative age acts as 0.
    return timeline.describe_settings()


def run_replay(args: argparse.Namespace) -> int:
    replay = Replay(args.log, capacity=args.capacity, max_context_age_ns=args.max_context_age_ns)
    progress = Progress(replay, sys.stderr)
    difference = None
    events = 0
    for result in replay:
        progress.update()
        line = result.event_line
        if line is not None:
            events += 1
            emit(line + "\n")
        if args.verify and difference is None:
            difference = first_difference(result)
    progress.done()
    warn_if_truncated(replay)
    print(f"replayed {counted(replay.frames, 'frame')}, {counted(events, 'event')} ({settings(replay)})",
          file=sys.stderr)
    if args.verify:
        if difference is not None:
            print(f"verify: {printable(args.log)}: {shown_lines(difference.describe())}", file=sys.stderr)
            return 1
        print("verify: every event is identical to the recorded one", file=sys.stderr)
    return 0


def run_summary(args: argparse.Namespace) -> int:
    replay = Replay(args.log, capacity=args.capacity, max_context_age_ns=args.max_context_age_ns)
    results = replayed(replay, Progress(replay, sys.stderr))
    warn_if_truncated(replay)
    emit(f"{printable(args.log)}: {counted(replay.frames, 'frame')}, {counted(len(results), 'utterance')} "
         f"({settings(replay)})\n")
    if replay.scene is not None:
        emit(f"  scene: {', '.join(printable(o.id) for o in replay.scene.objects) or 'no objects'}\n")
    origin = replay.first_frame_ns or 0
    for result in results:
        said = result.utterance
        emit(describe_utterance((said.timestamp_ns - origin) / 1e9, said.text, result.event, result.explanation,
                                result.grounded) + "\n")
    return 0


def run_view(args: argparse.Namespace) -> int:
    from . import inspector  # the page's assets are read only when asked for

    if os.path.isfile(args.log) and (size := os.path.getsize(args.log)) > 64 * 2**20:
        print(f"reading {printable(args.log)} ({size / 2**20:,.0f} MiB; an hour at 90 Hz takes seconds)", file=sys.stderr)
    if args.html is not None:
        data = inspector.session_data(args.log, os.path.basename(args.log), lazily=True)
        with open(args.html, "w", encoding="utf-8") as out:
            inspector.write_page(out, data)
        print(f"wrote {printable(args.html)}", file=sys.stderr)
        if args.open:
            webbrowser.open(pathlib.Path(args.html).resolve().as_uri())
        if data["error"] is not None:
            # The page is written all the same: it shows the error, for a bug report.
            print(f"quillary_spatial: {printable(data['error']['text'])}", file=sys.stderr)
            return 2
        return 0
    try:
        server = inspector.serve(args.log, args.port)
    except OSError as error:
        print(f"quillary_spatial: cannot listen on 127.0.0.1:{args.port}: {error.strerror or error}", file=sys.stderr)
        return 2
    with server:
        try:
            server.cache.page()  # made before the URL is shown: a log that cannot be opened fails here
            print(f"serving the inspector of {printable(args.log)} at {server.url} (Ctrl-C stops)", flush=True)
            if args.open:
                webbrowser.open(server.url)
            server.serve_forever()
        except KeyboardInterrupt:
            # Ctrl-C is how a server is stopped, not a failure.
            print("stopped", file=sys.stderr)
    return 0


def run_mcp(args: argparse.Namespace) -> int:
    try:
        from . import mcp
        session = mcp.RecordedSession(args.log)  # read whole first: a bad log is said before any message
        app = mcp.application(session)
    except ImportError as error:
        print(f"quillary_spatial: the MCP server needs {error.name}: pip install 'quillary-spatial[mcp]'",
              file=sys.stderr)
        return 2
    if session.replay.truncated is not None:
        warn_if_truncated(session.replay)
    if not args.http:
        mcp.serve_stdio(app, sys.stdin.buffer, sys.stdout.buffer)
        return 0
    try:
        server = mcp.McpHttpServer(app, args.port)
    except OSError as error:
        print(f"quillary_spatial: cannot listen on 127.0.0.1:{args.port}: {error.strerror or error}", file=sys.stderr)
        return 2
    with server:
        print(f"serving MCP of {printable(args.log)} at {server.url} with token {server.token} (Ctrl-C stops)",
              flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            print("stopped", file=sys.stderr)
    return 0


def warn_if_truncated(replay: Replay) -> None:
    if replay.truncated is not None:
        print(f"warning: {replay.truncated}; everything before it was replayed", file=sys.stderr)


def bounded(low: int, high: int) -> argparse._ActionType:
    def convert(text: str) -> int:
        value = int(text)
        if not low <= value <= high:
            raise argparse.ArgumentTypeError(f"{value} is outside [{low}, {high}]")
        return value

    return convert


def what_ifs(command: argparse.ArgumentParser) -> None:
    # The timeline would take 0 as 1 and a negative age as 0: such values are refused, not changed.
    command.add_argument("--capacity", type=bounded(1, 2**64 - 1), help="replay with this capacity instead of the recorded one")
    command.add_argument("--max-context-age-ns", type=bounded(0, 2**63 - 1),
                         help="replay with this maximum context age instead")


def command(commands: Any, name: str, run: Callable[[argparse.Namespace], int], help: str,
            description: str | None = None) -> argparse.ArgumentParser:
    """A command that reads a session log."""
    made: argparse.ArgumentParser = commands.add_parser(name, help=help, description=description)
    made.add_argument("log", help="a session log (JSON Lines)")
    made.set_defaults(run=run, parser=made)
    return made


def parser() -> argparse.ArgumentParser:
    # The same commands as the console script quillary-spatial and as python -m quillary_spatial.
    prog = "python -m quillary_spatial" if os.path.basename(sys.argv[0]) == "__main__.py" else "quillary-spatial"
    top = argparse.ArgumentParser(prog=prog, description=__doc__.splitlines()[0])
    top.add_argument("--version", action="version", version=f"quillary-spatial {__version__}")
    commands = top.add_subparsers(dest="command", required=True)
    replay = command(commands, "replay", run_replay, "replay a session log: event lines to stdout, a summary to stderr")
    what_ifs(replay)
    replay.add_argument("--verify", action="store_true",
                        help="compare every event with the recorded one; exit 1 at a difference")
    what_ifs(command(commands, "summary", run_summary, "every utterance with its referent, or why it got no event, "
                                                       "and each deictic word's referent"))
    view = command(commands, "view", run_view,
                   "inspect a session log in a browser: served on 127.0.0.1, or as one HTML file",
                   "Serve the inspector of a session log on 127.0.0.1, or write it as one self-contained HTML file "
                   "that opens offline (exit status 2 when the log is bad: the page is still written, and shows the "
                   "error).")
    view.add_argument("--port", type=bounded(0, 65535), default=0, help="the port to serve on (default: a free one)")
    view.add_argument("--open", action="store_true", help="open the page in the default browser")
    view.add_argument("--html", metavar="OUT.html", help="write the page to this file instead of serving it")
    mcp = command(commands, "mcp", run_mcp, "an MCP server of a session log for agents: on stdin and stdout, or --http",
                  "Serve a recorded session to agents over the Model Context Protocol: on stdin and stdout (how an "
                  "agent runtime starts a local server), or with --http over Streamable HTTP on 127.0.0.1, with a "
                  "token it prints.")
    mcp.add_argument("--http", action="store_true", help="serve over HTTP on 127.0.0.1 instead of stdin and stdout")
    mcp.add_argument("--port", type=bounded(0, 65535), default=0, help="with --http, the port (default: a free one)")
    return top


def main(argv: Sequence[str] | None = None) -> int:
    args, unknown = parser().parse_known_args(argv)
    if unknown:  # said by the command's own usage, not the top level's
        args.parser.error(f"unrecognized arguments: {' '.join(unknown)}")
    # One map from what went wrong to what is said, most specific first.
    try:
        status: int = args.run(args)
        try:
            sys.stdout.flush()
        except BrokenPipeError:
            raise
        except OSError as error:
            raise OutputError(error.strerror or str(error)) from None
        return status
    except BrokenPipeError:
        # The reader of stdout went away (| head): nothing more to say to it, now or at exit.
        drop_output()
        return 0
    except OutputError as error:
        drop_output()
        print(f"quillary_spatial: cannot write the output: {error}", file=sys.stderr)
    except ReadError as error:
        print(f"quillary_spatial: {error}", file=sys.stderr)
    except OSError as error:
        about = error.filename if error.filename is not None else args.log
        print(f"quillary_spatial: {printable(os.fsdecode(about))}: {error.strerror or error}", file=sys.stderr)
    except KeyboardInterrupt:
        print("quillary_spatial: interrupted", file=sys.stderr)
        return 130
    return 2
