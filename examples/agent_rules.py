"""The put-that-there agent's script and rules, without the library: what the scripted user
says (each word with its times), and the rules that turn a grounded utterance into a tool
call. examples/put_that_there.py grounds in the host's process; examples/mcp_agent.py asks an
MCP server, and uses the same rules on what it answers."""

from dataclasses import dataclass
from typing import Any


@dataclass(frozen=True)
class Spoken:
    text: str
    words: list[tuple[str, float, float]]  # each word with its start and end, in seconds
    delivered_at: float  # when the recogniser hands over the sentence


SCRIPT = [
    Spoken("put that there", [("put", 0.60, 0.75), ("that", 0.80, 1.00), ("there", 1.65, 1.90)], 2.2),
    Spoken("what is this?", [("what", 2.80, 2.95), ("is", 3.00, 3.10), ("this?", 3.15, 3.40)], 3.7),
    Spoken("put it here", [("put", 3.75, 3.85), ("it", 3.90, 4.00), ("here", 4.50, 4.70)], 5.0),
]

# Below this certainty the agent asks which one was meant, for a record that does not say
# (version 2); a version 3 record says so itself, in each reference's `ask`.
SURE_ENOUGH = 0.5

WHY = {
    "nothing_hit": "the pointer was on nothing",
    "no_host_id": "what the pointer hit has no id",
    "no_pointing": "nothing was pointing",
    "too_old": "the tracking data of that moment was too old",
    "before_history": "that moment is older than the history kept",
    "no_frame": "there was no tracking data yet",
    "no_context": "there was no fresh tracking data",
}


def tool_call(grounded: dict[str, Any]) -> dict[str, object]:
    """The agent: a few rules from a grounded utterance's words and their referents (the
    quillary.grounded-utterance record, as `ground` or an MCP server gives it) to one call of
    a tool."""
    refs = grounded["references"]
    missing = next((r for r in refs if r.get("referent") is None), None)
    if missing is not None:
        reason = missing.get("reason") or "no_context"
        return {"tool": "refuse", "arguments": {
            "word": missing["word"], "reason": reason,
            "message": f'"{grounded["text"]}": no referent for "{missing["word"]}": {WHY.get(reason, reason)}'}}
    unsure = next((r for r in refs if r.get("referent") is not None and
                   r.get("ask", r.get("certainty", 1.0) < SURE_ENOUGH)), None)
    if unsure is not None:
        # Asking costs the user a second; moving the wrong thing costs more.
        named = [c["referent"] for c in unsure.get("candidates", [])[:2]] or [unsure["referent"]]
        return {"tool": "ask", "arguments": {
            "word": unsure["word"], "question": "which one: " + " or ".join(f"the {n}" for n in named) + "?"}}
    said = [w.strip("?!.,").lower() for w in grounded["text"].split()]
    if said[:1] == ["put"] and len(refs) == 2:
        where = refs[1]
        return {"tool": "move", "arguments": {
            "object": refs[0]["referent"],
            "destination": {"host_id": where["referent"], "position": list(where.get("position") or ())}}}
    if said[:2] == ["what", "is"] and len(refs) == 1:
        return {"tool": "describe", "arguments": {"object": refs[0]["referent"]}}
    return {"tool": "refuse", "arguments": {"reason": "not_understood",
                                            "message": f'"{grounded["text"]}": not understood'}}
