"""An utterance in words: what the pointer hit when it was submitted, and what each deictic
word meant, as the summary, the example hosts and their tests read it."""

from __future__ import annotations

from _spatial import ContextualIntentEvent

from ..grounding.words import GroundedUtterance, Reference
from ..log.checks import printable
from ..timeline import Explanation

TEXT_SHOWN = 40  # characters of an utterance's repr, at most


def describe_utterance(seconds: float, text: str, event: ContextualIntentEvent | None, explanation: Explanation,
                       grounded: GroundedUtterance | None = None) -> str:
    """`  t=   1.805 s  'turn this on'  -> pointer on submit: lamp  (context 5.0 ms old)`, and,
    when its deictic words were grounded, a second line: `words meant: this: lamp (0.93)`."""
    shown = repr(text)
    if len(shown) > TEXT_SHOWN:
        shown = shown[:TEXT_SHOWN - 3] + "...'"
    line = f"  t={seconds:8.3f} s  {shown:<26} -> {outcome(event, explanation)}"
    if grounded is not None and grounded.references:
        line += "\n" + " " * 16 + "words meant: " + ", ".join(map(said_word, grounded.references))
    return line


def outcome(event: ContextualIntentEvent | None, explanation: Explanation) -> str:
    """Where the pointer was when the sentence was submitted, or why it got no event."""
    if event is None:
        return explanation.describe()
    target = event.spatial_context.target
    referent = "(nothing hit)" if target is None else "(a hit without id)" if target.host_id is None else \
        printable(target.host_id)
    return f"pointer on submit: {referent}  (context {event.spatial_age_ns / 1e6:.1f} ms old)"


def said_word(r: Reference) -> str:
    """A deictic word as the agent got it: `that: lamp (0.93)`, `that: lamp (0.41, ask)` where
    the agent should ask which one was meant, or `here: nothing_hit`."""
    if r.referent is None:
        return f"{r.word}: {r.reason}"
    asked = ", ask" if r.ask else ""
    return f"{r.word}: {printable(r.referent)}" + ("" if r.certainty is None else f" ({r.certainty:.2f}{asked})")
