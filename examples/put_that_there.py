"""Put that there: a rule-based agent that acts on what the user says and where they point
while saying each word.

In the demo's room a scripted user says "put that there", pointing at the lamp on "that" and
at the table on "there"; then "what is this?" pointing at the wall; then "put it here" with the
pointer on nothing at "here". The recogniser gives each word's start and end and delivers the
sentence a few hundred milliseconds later; the host grounds every deictic word at its moment
and the agent turns each grounded utterance into one tool call, printed as a JSON line.

    python3 examples/put_that_there.py                  # the scripted session, live
    python3 examples/put_that_there.py --record LOG     # ... recorded as a session log
    python3 examples/put_that_there.py --replay LOG     # the same calls from a recorded log
"""

import argparse
import json
import sys
import time
from collections.abc import Iterator

import quillary_spatial as spatial
from agent_rules import SCRIPT, Spoken, tool_call
from demo import TICK_RATE_HZ, ScriptedRuntime, ns_at
from scene import AIM_POINTS, SCENE_OBJECTS, SKY, Point, raycast

AIM: list[tuple[float, Point]] = [
    (0.0, AIM_POINTS["lamp"]), (1.2, AIM_POINTS["lamp"]),
    (1.4, AIM_POINTS["table"]), (2.4, AIM_POINTS["table"]),
    (2.6, AIM_POINTS["wall"]), (3.6, AIM_POINTS["wall"]),
    (3.7, AIM_POINTS["lamp"]), (4.1, AIM_POINTS["lamp"]),
    (4.3, SKY), (5.2, SKY),
]
SESSION_SECONDS = 5.2
NO_SELECT = (99.0, 99.0)


def words_of(spoken: Spoken) -> list[spatial.Word]:
    return [spatial.Word(text, ns_at(start), ns_at(end)) for text, start, end in spoken.words]


def live(record: str | None, timeline: spatial.ExplainedTimeline | None = None,
         real_time: bool = False) -> Iterator[spatial.GroundedUtterance]:
    """The scripted session through a host loop: push every tick, ground each sentence when
    it is delivered. Into a Recorder of `record`, the given timeline, or a fresh one; with
    `real_time`, a tick every 1/90 s as a headset would give them."""
    runtime = ScriptedRuntime(seed=7, aim=AIM, select_held=NO_SELECT)
    if timeline is None:
        timeline = (spatial.Recorder(record, host={"host": "examples/put_that_there.py"}) if record
                    else spatial.ExplainedTimeline())
    started = time.monotonic()
    if isinstance(timeline, spatial.Recorder):
        timeline.record_scene(SCENE_OBJECTS, ns_at(0))  # what the pointer can hit, for viewers
    pending = list(SCRIPT)
    for tick in range(round(SESSION_SECONDS * TICK_RATE_HZ)):
        if real_time:
            time.sleep(max(0.0, started + tick / TICK_RATE_HZ - time.monotonic()))
        timeline.push(spatial.resolve_target(runtime.frame_at(tick / TICK_RATE_HZ), raycast))
        while pending and pending[0].delivered_at < (tick + 1) / TICK_RATE_HZ:
            spoken = pending.pop(0)
            words, at_ns = words_of(spoken), ns_at(spoken.delivered_at)
            timeline.submit_text(spoken.text, at_ns, words=words)  # a Recorder records it with its words
            yield spatial.ground(timeline, spoken.text, words, at_ns, raycast=raycast, scene=SCENE_OBJECTS)
    if isinstance(timeline, spatial.Recorder):
        timeline.close()


def replayed(log: str) -> Iterator[spatial.GroundedUtterance]:
    for utterance in spatial.replay(log):
        if utterance.grounded is not None:
            yield utterance.grounded


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description="Ground each deictic word of a scripted user's utterances and "
                                     "print the tool call a rule-based agent makes of each, one JSON line each.")
    source = parser.add_mutually_exclusive_group()
    source.add_argument("--record", metavar="LOG", help="record the live session as a session log here")
    source.add_argument("--replay", metavar="LOG", help="ground the utterances of a recorded session log instead")
    parser.add_argument("--grounded", action="store_true", help="also print each grounded utterance, before its call")
    args = parser.parse_args(argv)
    try:
        for grounded in (replayed(args.replay) if args.replay else live(args.record)):
            if args.grounded:
                print(grounded.to_json())
            print(json.dumps(tool_call(grounded.to_dict()), separators=(",", ":")))
    except spatial.ReadError as error:
        print(f"put_that_there: {error}", file=sys.stderr)
        return 2
    except OSError as error:  # a log that cannot be opened or written
        print(f"put_that_there: {error.filename}: {error.strerror or error}", file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
