"""Grounding an utterance word by word: "put that there", with the pointer on the lamp at
"that" and on the table at "there".

Speech recognisers report each word's start and end and deliver the sentence later. `ground`
weighs, for each deictic word, the frames around it: what the pointing ray hit and how still
it was, what the gaze ray hit when the host's ray cast is given, and a click during the word
(see evidence.py). Each reference names the referent, how sure that is, and up to three
candidates. `ground_at_onset` is the simpler rule it replaced, kept for comparison: the one
frame the timeline pairs with the word's start. The result is a compact record for agents:
per deictic word its referent, or why it has none.
"""

from __future__ import annotations

import itertools
import json
import math
from collections.abc import Callable, Iterable, Sequence
from dataclasses import dataclass, field, replace
from typing import Any

from _spatial import IntentTimeline, Ray, SpatialHit, SpatialIntentFrame

from .. import _native
from ..log.checks import CONFIDENCE_NAMES, SOURCE_NAMES, like_timeline
from ..log.records import Scene, SceneObject, Word, checked_word
from ..timeline import WORDED_KEPT, ExplainedTimeline
from .evidence import (NEGLIGIBLE, UNSEEN, Found, GazeCasts, Key, Places, Shared, Weighed, around_aims, as_logged,
                       calibrated, rays_hits, seen_places, weigh)
from .settings import DEFAULT_SETTINGS, GroundingSettings

GROUNDED_SCHEMA = "quillary.grounded-utterance"
GROUNDED_VERSION = 3

DEICTIC_WORDS = frozenset({"this", "that", "these", "those", "it", "here", "there"})

# Why a deictic word has no referent: the reasons a whole utterance gets no event, and two
# more for a context that was found: its frame has no pointing target, or a target without id.
NO_POINTING = "no_pointing"
NOTHING_HIT = "nothing_hit"
NO_HOST_ID = "no_host_id"


@dataclass(frozen=True)
class Candidate:
    """A possible referent of a word: how likely it is the one meant, and what showed it."""

    referent: str
    score: float  # in [0, 1]; the candidates' scores add up to at most 1
    evidence: str  # pointing, gaze or both

    def to_dict(self) -> dict[str, Any]:
        return {"referent": self.referent, "score": self.score, "evidence": self.evidence}


@dataclass(frozen=True)
class Reference:
    """One deictic word and what it refers to, or why it refers to nothing."""

    word: str
    index: int  # the word's place among the utterance's words, from 0
    at_ns: int  # the moment it was paired at: its start
    select_held: bool  # the select input was pressed at some time during the word
    referent: str | None = None  # the host id of what the pointer hit
    position: tuple[float, float, float] | None = None  # where it hit
    normal: tuple[float, float, float] | None = None
    source: str | None = None  # what pointed: controller, hand, eye_gaze, head
    confidence: str | None = None
    distance_m: float | None = None  # from the head to the hit
    context_age_ns: int | None = None
    reason: str | None = None  # when there is no referent
    # How sure the referent is: the chance it is right, in [0, 1]. Up to three candidates, the
    # referent first.
    certainty: float | None = None
    candidates: tuple[Candidate, ...] | None = None
    # Whether the agent should ask which one was meant before acting: no referent, or a
    # certainty below the settings' ask_below.
    ask: bool | None = None
    # The number push returned for the frame it was paired with. Not in the record: it
    # numbers the frames of one timeline (in a replay, the log's frames from 0).
    frame: int | None = field(default=None, compare=False)

    def to_dict(self) -> dict[str, Any]:
        """JSON-compatible: absent members left out, vectors as lists."""
        return {name: [c.to_dict() for c in value] if name == "candidates" else
                list(value) if isinstance(value, tuple) else value
                for name, value in vars(self).items() if value is not None and name != "frame"}


@dataclass(frozen=True)
class GroundedUtterance:
    text: str
    timestamp_ns: int
    references: tuple[Reference, ...]

    @property
    def unresolved(self) -> Reference | None:
        """The first deictic word without a referent, if any."""
        return next((r for r in self.references if r.referent is None), None)

    def to_dict(self) -> dict[str, Any]:
        return {"schema": GROUNDED_SCHEMA, "version": GROUNDED_VERSION, "text": self.text, "timestamp_ns": self.timestamp_ns,
                "references": [r.to_dict() for r in self.references]}

    def to_json(self) -> str:
        """One compact line, its numbers written as frame lines write theirs (`1`, not `1.0`)."""
        return compact_json(self.to_dict())


def compact_json(value: object) -> str:
    """JSON without whitespace whose floats take the frame writer's form: nine significant
    digits at most, no decimal point for an integral value (`0`, `-0`, `1.5`, `1e-05`)."""
    if isinstance(value, float):
        if not math.isfinite(value):
            raise ValueError(f"{value} is not JSON")
        return _native.number_text(value)
    if isinstance(value, dict):
        return "{" + ",".join(f"{json.dumps(k, ensure_ascii=False)}:{compact_json(v)}" for k, v in value.items()) + "}"
    if isinstance(value, (list, tuple)):
        return "[" + ",".join(compact_json(v) for v in value) + "]"
    return json.dumps(value, ensure_ascii=False)


def ground(timeline: IntentTimeline | ExplainedTimeline, text: str, words: Sequence[Word], timestamp_ns: int,
           deictics: Iterable[str] = DEICTIC_WORDS, *,
           raycast: Callable[[Ray], SpatialHit | None] | None = None,
           scene: Scene | Sequence[SceneObject] | None = None,
           settings: GroundingSettings = DEFAULT_SETTINGS) -> GroundedUtterance:
    """Grounds every deictic word of `words` (lower-cased, punctuation stripped, compared
    with `deictics`) from the frames around it. With `raycast`, the host's ray cast (the
    callable resolve_target takes), the gaze rays there are cast too, and a Recorder records
    what they hit with the utterance, so that a replay weighs the same. Nothing is submitted
    as an utterance: a Recorder records the utterance, with its words, through its own
    submit_text, called just before or just after `ground` (no frame pushed between: a
    replay grounds the utterance on the frames that came before it in the log).

    `scene`, the objects the host's ray cast can hit (an ExplainedTimeline's `last_scene`,
    which a Recorder keeps, when not given), tells where each candidate is: a pointing ray is
    then weighed by how near it passes to each candidate's middle, so that a ray aimed just
    off a small object counts for it, not only for the large one behind it. `settings` are
    what the model is tuned by (GroundingSettings)."""
    gaze = GazeCasts(raycast)
    explained = timeline if isinstance(timeline, ExplainedTimeline) else None
    if scene is None and explained is not None:
        scene = explained.last_scene
    grounded = ground_from_evidence(timeline, text, words, timestamp_ns, deictics, gaze, scene, settings)
    if raycast is not None and explained is not None:
        explained.record_gaze_hits(timestamp_ns, tuple(gaze.made.values()), text)
    return grounded


def ground_from_evidence(timeline: IntentTimeline | ExplainedTimeline, text: str, words: Sequence[Word],
                         timestamp_ns: int, deictics: Iterable[str], gaze: GazeCasts,
                         scene: Scene | Sequence[SceneObject] | None = None,
                         settings: GroundingSettings = DEFAULT_SETTINGS) -> GroundedUtterance:
    """`ground` with the gaze rays' hits from `gaze` (the host's ray cast, or a replay's record)."""
    weighed = weigh_words(timeline, words, timestamp_ns, deictics, gaze, scene, settings)
    explained = timeline if isinstance(timeline, ExplainedTimeline) else None
    chosen = distinct([(found, judged) for _, found, judged in weighed],
                      [at_onset.word in REFERS_BACK for at_onset, _, _ in weighed], settings.refers_back,
                      None if explained is None else referred_before(explained, timestamp_ns), settings.refers_earlier)
    references = (from_evidence(at_onset, found, choice, settings)
                  for (at_onset, found, _), choice in zip(weighed, chosen))
    grounded = GroundedUtterance(text, timestamp_ns, tuple(
        replace(r, ask=r.referent is None or r.certainty is None or r.certainty < settings.ask_below)
        for r in references))
    if explained is not None:
        remember(explained, grounded)
    return grounded


def referred_before(timeline: ExplainedTimeline, timestamp_ns: int) -> Earlier | None:
    """The thing the conversation last named before `timestamp_ns`: by the latest utterance
    submitted with words and grounded, no longer ago than CONVERSATION_NS, that named one."""
    # A copy: the host's thread may submit while an agent's grounds (MCP).
    for at, text in reversed(tuple(timeline.worded)):
        if at >= timestamp_ns:
            continue
        if timestamp_ns - at > CONVERSATION_NS:
            return None
        earlier = timeline.referents.get((at, text))
        if earlier is not None:
            return earlier
    return None


def remember(timeline: ExplainedTimeline, grounded: GroundedUtterance) -> None:
    """Keeps the last thing (not place) an utterance named, for the utterances after it; the
    same utterance grounded again replaces its own. Only the submitted utterances' are
    looked at: one grounded only to see (an agent's question) is no part of the conversation."""
    earlier = None
    for r in reversed(grounded.references):
        if r.referent is not None and r.certainty is not None and r.candidates and r.word not in PLACE_WORDS:
            earlier = Earlier(r.referent, r.certainty, r.candidates[0].evidence)
            break
    this = (grounded.timestamp_ns, grounded.text)
    timeline.referents[this] = earlier
    if len(timeline.referents) > 4 * WORDED_KEPT:
        # This one stays: a host may ground an utterance just before it submits it.
        kept = set(tuple(timeline.worded)) | {this}
        for key in tuple(timeline.referents):
            if key not in kept:
                timeline.referents.pop(key, None)


def weigh_words(timeline: IntentTimeline | ExplainedTimeline, words: Sequence[Word], timestamp_ns: int,
                deictics: Iterable[str], gaze: GazeCasts, scene: Scene | Sequence[SceneObject] | None,
                settings: GroundingSettings) -> list[tuple[Reference, Found, Chances]]:
    """Each deictic word's answer at its onset, the evidence around it, and its candidates'
    chances on their own (before the words are weighed together)."""
    objects = None if scene is None else scene.objects if isinstance(scene, Scene) else scene
    places = None if objects is None else places_of(objects)
    plain = timeline.timeline if isinstance(timeline, ExplainedTimeline) else timeline
    words = checked_words(words, timestamp_ns)
    wanted = frozenset(d.lower() for d in deictics)
    deictic = [(index, word) for index, word in enumerate(words) if normalise(word.text) in wanted]
    # Each word's neighbours: the next deictic word's onset, the end of the one before.
    around = [(next((w.start_ns for _, w in deictic if w.start_ns > word.start_ns), None),
               max((w.end_ns for _, w in deictic if w.start_ns < word.start_ns), default=None)) for _, word in deictic]
    # A word's frames, a frame's fit to a place, a look's shares and what is hidden: the same for every word.
    shared = Shared(objects=None if objects is None else {o.id: o for o in reversed(objects)})
    windows = [(word.start_ns, word.end_ns, following) for (_, word), (following, _) in zip(deictic, around)]
    given = places is not None
    # What may hide a thing near a ray is what the rays hit: the surface in front of it. Without
    # a scene, it hides what only a ray cast around an aim hit.
    hits = rays_hits(plain, windows, gaze, shared)
    shared.occluders = frozenset(hits)
    if places is None:
        places = shared.seen = seen_places(hits, around_aims(plain, windows, gaze, shared))
    weighed = []
    for (index, word), (following, previous) in zip(deictic, around):
        at_onset = reference(plain, word, index)
        found = weigh(plain, word.start_ns, word.end_ns, gaze, following, places, shared, previous, given)
        weighed.append((at_onset, found, found.judged(at_onset.referent, settings)))
    return weighed


@dataclass(frozen=True)
class Earlier:
    """What an utterance before named last: the thing, how sure, and what showed it."""

    referent: str
    certainty: float
    evidence: str


# Words whose candidates are weighed together, at most: beyond, each word takes its likeliest.
JOINT_LIMIT = 256
# The chances a word's candidates have, the likeliest first; what is left is "something else".
Chances = list[tuple[float, Key, Weighed]]


# Words that may mean what a word before them meant ("take it and put it there"), or, first
# in an utterance, what the conversation last referred to ("what is that?" "turn it off").
REFERS_BACK = frozenset({"it"})
# Words that name a place, not a thing: "it" does not refer back to them.
PLACE_WORDS = frozenset({"here", "there"})
# How long what the conversation last referred to stays something "it" may mean.
CONVERSATION_NS = 30_000_000_000


def distinct(words: list[tuple[Found, Chances]], back: list[bool] | None = None,
             refers_back: float = 0.0, earlier: Earlier | None = None,
             refers_earlier: float = 0.0) -> list[Chances]:
    """Each word's candidates with their chances given the others, the one it takes first.

    Two deictic words of one utterance mean two things ("put that there"): a word's chances
    are weighed with every other word's, over the ways they can mean different things (each
    taking one of its candidates or something else). Each word takes its candidate in the
    likeliest of those ways; so a word sure of the vase leaves the unsure word beside it the
    lamp, and the unsure word's chance is that of the lamp once the vase is ruled out only
    as far as the sure word is sure.

    A word that may refer back (`back`) may also mean what the word before it means ("take
    that and put it there": the hand is on its way to "there" during "it"), with the chance
    `refers_back` of what its own evidence leaves in doubt; the first such word, with no
    deictic word before it, what the conversation referred to `earlier`, with the chance
    `refers_earlier` of that doubt, as far as the earlier one was sure; so too when nothing
    showed anything during the word."""
    recalls = bool(words and back and back[0] and refers_earlier > 0 and earlier)
    open_ = [i for i, (found, judged) in enumerate(words)
             if judged and found.ranked[0][0][0] or i == 0 and recalls and not found.ranked]
    result = [judged for _, judged in words]
    # A word that refers back may take any candidate of the word before it, or the earlier referent.
    before = [w - 1 if w and refers_back > 0 and back and back[i] else None for w, i in enumerate(open_)]
    first_back = 0 if recalls and open_ and open_[0] == 0 else None
    for w, v in enumerate(before):
        mine = result[open_[w]]
        if v is not None:
            result[open_[w]] = mine + [(0.0, key, weighed) for _, key, weighed in result[open_[v]]
                                       if all(key != k for _, k, _ in mine)]
        elif w == first_back and earlier is not None and all(k != (True, earlier.referent) for _, k, _ in mine):
            result[open_[w]] = mine + [(0.0, (True, earlier.referent), Weighed(earlier=earlier.evidence))]
    again = [v is not None or bool(back and back[i]) for v, i in zip(before, open_)]
    chances = [[(p / max(1.0, sum(q for q, _, _ in judged)), key) for p, key, _ in judged]
               for judged in (result[i] for i in open_)]
    # A word's ways: each candidate, something else, and for a word that refers back, "the same".
    same = [v is not None or w == first_back for w, v in enumerate(before)]
    options = [len(c) + 1 + s for c, s in zip(chances, same)]
    if math.prod(options) > JOINT_LIMIT:
        return [judged[:3] for judged in result]
    # Referring back takes what the word's own evidence leaves in doubt: a word pointed with
    # at something new means that. The earlier referent, only as far as it was sure.
    doubt = [(refers_back if before[w] is not None or earlier is None else refers_earlier * earlier.certainty)
             * (1 - max((p for p, _ in c), default=0.0)) for w, c in enumerate(chances)]
    elsewhere = [max(0.0, 1 - sum(p for p, _ in c)) for c in chances]  # the chance of something else
    marginals = [[0.0] * len(c) for c in chances]
    total, best, likeliest = 0.0, -1.0, [0] * len(chances)
    for ways in itertools.product(*(range(n) for n in options)):
        weight, taken = 1.0, list(ways)
        for w, n in enumerate(ways):
            if n < len(chances[w]):
                weight *= chances[w][n][0]
            elif n == len(chances[w]):
                weight *= elsewhere[w]
            else:  # the same as the word before (its candidate, or something else), or as earlier
                weight *= doubt[w]
                v = before[w]
                if v is None:
                    assert earlier is not None
                    meant: Key | None = (True, earlier.referent)
                else:
                    meant = chances[v][taken[v]][1] if taken[v] < len(chances[v]) else None
                taken[w] = next((k for k, (_, key) in enumerate(chances[w]) if key == meant), len(chances[w]))
        chosen = [(again[w], chances[w][n][1]) for w, n in enumerate(taken) if n < len(chances[w])]
        if not apart(chosen):
            continue  # two words meaning one thing
        total += weight
        for w, n in enumerate(taken):
            if n < len(chances[w]):
                marginals[w][n] += weight
        if len(chosen) == len(ways) and weight > best:
            best, likeliest = weight, taken
    if total <= 0:
        return [judged[:3] for judged in result]
    # Each word takes its likeliest candidate, given the others, unless two words would then
    # mean one thing: then the likeliest way they mean different things.
    surest = [max(range(len(m)), key=lambda n: (m[n], -n)) if m else 0 for m in marginals]
    if all(marginals) and apart([(again[w], chances[w][n][1]) for w, n in enumerate(surest)]):
        likeliest = surest
    for w, i in enumerate(open_):
        judged = [(m / total, key, weighed) for m, (_, key, weighed) in zip(marginals[w], result[i])]
        first = judged.pop(likeliest[w])
        result[i] = [first] + sorted(judged, key=lambda j: (-j[0], j[1]))[:2]
    return result


def apart(chosen: list[tuple[bool, Key]]) -> bool:
    """Whether the words, each with whether it may refer back and the candidate it takes, mean
    different things, but for a word that means what a word before it means and refers back."""
    seen: set[Key] = set()
    for refers_back, key in chosen:
        if key in seen and not refers_back:
            return False
        seen.add(key)
    return True


def places_of(objects: Sequence[SceneObject]) -> Places:
    """Each object's middle and the radius of a ball around its box (rotation changes neither)."""
    places: Places = {}
    for o in objects:
        if not isinstance(o, SceneObject):
            raise TypeError(f"scene: expected SceneObject items, got {type(o).__name__}")
        size = math.hypot(*(float(c) for c in o.size)) / 2
        middle = (float(o.position[0]), float(o.position[1]), float(o.position[2]))
        if math.isfinite(size) and all(math.isfinite(c) for c in middle):
            places.setdefault(o.id, (middle, size))
    return places


def ground_at_onset(timeline: IntentTimeline | ExplainedTimeline, text: str, words: Sequence[Word],
                    timestamp_ns: int, deictics: Iterable[str] = DEICTIC_WORDS) -> GroundedUtterance:
    """The single-frame rule, for comparison: each deictic word's referent is what the pointer
    hit in the one frame the timeline pairs with the word's start. No certainty, no candidates."""
    plain = timeline.timeline if isinstance(timeline, ExplainedTimeline) else timeline
    wanted = frozenset(d.lower() for d in deictics)
    return GroundedUtterance(text, timestamp_ns, tuple(reference(plain, word, index) for index, word
                                                       in enumerate(checked_words(words, timestamp_ns))
                                                       if normalise(word.text) in wanted))


def checked_words(words: Sequence[Word], timestamp_ns: int) -> tuple[Word, ...]:
    """The words as a Recorder takes them: each a Word of text said on the 64-bit nanosecond
    clock, as the utterance's time is (TypeError otherwise), ending no earlier than it starts
    (ValueError otherwise), naming the word."""
    like_timeline(timestamp_ns, "timestamp_ns")
    return tuple(checked_word(word, f"words[{i}]") for i, word in enumerate(words))


def from_evidence(at_onset: Reference, found: Found, judged: Chances,
                  settings: GroundingSettings = DEFAULT_SETTINGS) -> Reference:
    """The reference the evidence gives, with the first of `judged` as referent and its
    chance, calibrated, as the certainty. The word, its moment, select and the context's age
    stay as at the onset; an empty window (no frames around the word) leaves the onset's
    answer, a referent there as its one candidate, as sure as one frame makes it, unless the
    word refers back to what the conversation named before (then `judged` holds that)."""
    if not found.ranked and not judged:
        if at_onset.referent is None:
            return at_onset
        # Only the onset's frame, from before the window, shows it: the onset's answer, with
        # the little that one frame is worth.
        lone = Found((((True, at_onset.referent), Weighed(pointing=NEGLIGIBLE)),), UNSEEN + NEGLIGIBLE,
                     scene=found.scene)
        (chance, _, _), = lone.judged(at_onset.referent, settings)
        score, = candidate_scores([chance], settings)
        return replace(at_onset, certainty=score, candidates=(Candidate(at_onset.referent, score, "pointing"),))
    # Scores say how likely each is the one meant, adding up to at most 1.
    scale = max(1.0, sum(p for p, _, _ in judged))
    scores = candidate_scores([p / scale for p, _, _ in judged], settings)
    candidates = tuple(Candidate(key[1], score, w.evidence) for score, (_, key, w) in zip(scores, judged))
    said = replace(at_onset, referent=None, position=None, normal=None, source=None, confidence=None,
                   distance_m=None, reason=None, frame=None, candidates=candidates)
    if found.ranked and not found.ranked[0][0][0]:  # pointing at nothing outweighed every object
        (_, name), top = found.ranked[0]
        return replace(said, reason=name, **where(top))
    # The referent is the first candidate, and as sure as its score.
    return replace(said, referent=candidates[0].referent, certainty=candidates[0].score,
                   **where(judged[0][2], candidates[0].referent))


def candidate_scores(chances: list[float], settings: GroundingSettings = DEFAULT_SETTINGS) -> list[float]:
    """The candidates' scores: each chance, calibrated, as a reference gives it (three
    decimals, rounded down), together at most 1."""
    scores = [calibrated(chance, settings) for chance in chances]
    total = sum(scores)
    return [math.floor(score / max(total, 1.0) * 1000) / 1000 for score in scores]


def where(weighed: Weighed, referent: str | None = None) -> dict[str, Any]:
    """Where the strongest frame of a candidate saw it: what pointed, the hit, the distance
    (no hit for a `referent` its ray passed beside)."""
    sample = weighed.sample
    if sample is None:
        return {}
    number, _, pointing, target, _, _, head, _, _ = sample
    if weighed.gaze_hit is not None:
        position, normal, confidence = weighed.gaze_hit.position, weighed.gaze_hit.normal, None
        source = "head" if weighed.by_head else "eye_gaze"
    else:
        assert pointing is not None
        source = SOURCE_NAMES.get(pointing[1], "head")
        confidence = CONFIDENCE_NAMES.get(pointing[2], "unavailable")
        beside = referent is not None and target is not None and target[0] != referent
        position, normal = (target[1], target[2]) if target is not None and not beside else (None, None)
    found: dict[str, Any] = {"source": source, "confidence": confidence, "frame": number}
    if position is not None and normal is not None:
        found.update(position=rounded(position), normal=rounded(normal), distance_m=distance(head, position))
    return found


def normalise(word: str) -> str:
    return word.strip(" \t.,;:!?\"'()[]{}").lower()


def reference(timeline: IntentTimeline, word: Word, index: int) -> Reference:
    """The word's answer by the single-frame rule: the frame a text at its start pairs with."""
    frame, pairing = _native.frame_at(timeline, word.start_ns)
    ended = _native.frame_at(timeline, word.end_ns)[0] if word.end_ns != word.start_ns else frame
    said = Reference(normalise(word.text), index, word.start_ns,
                     select_held(frame, word.start_ns) or select_held(ended, word.start_ns),
                     frame=None if frame is None else pairing.frame)
    if frame is None:
        return replace(said, reason=pairing.outcome)
    said = replace(said, context_age_ns=pairing.age_ns)
    pointing, target = frame.pointing, frame.target
    if pointing is None:
        return replace(said, reason=NO_POINTING)
    said = replace(said, source=SOURCE_NAMES.get(int(pointing.source), "head"),
                   confidence=CONFIDENCE_NAMES.get(int(pointing.confidence), "unavailable"))
    if target is None:
        return replace(said, reason=NOTHING_HIT)
    position = as_logged(target.position)
    said = replace(said, position=rounded(position), normal=rounded(as_logged(target.normal)),
                   distance_m=distance_from_head(frame, position))
    referent = _native.hit_id(target)
    if referent is None:
        return replace(said, reason=NO_HOST_ID)
    return replace(said, referent=referent)


def select_held(frame: SpatialIntentFrame | None, since_ns: int) -> bool:
    """Whether the frame shows the select input pressed at any time from `since_ns` to the
    frame: pressed now, or changed since (released during the word)."""
    if frame is None:
        return False
    select = frame.primary_select
    return select is not None and (select.pressed or select.last_change_time_ns >= since_ns)


def distance_from_head(frame: SpatialIntentFrame, hit: tuple[float, float, float]) -> float | None:
    return distance(as_logged(frame.head_pose.position), hit)


def distance(head: tuple[float, float, float], hit: tuple[float, float, float]) -> float | None:
    d = math.dist(head, hit)
    return round(d, 3) if math.isfinite(d) else None


def rounded(v: tuple[float, float, float]) -> tuple[float, float, float] | None:
    """To a tenth of a millimetre: plenty for an agent, and short. None when not finite
    (JSON has no form for it)."""
    if not all(math.isfinite(c) for c in v):
        return None
    return (round(v[0], 4), round(v[1], 4), round(v[2], 4))
