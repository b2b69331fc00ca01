"""Grounding from the evidence around each word: cases where the frame at the word's onset is
wrong and the frames around it are clear; calibration on simulated users; exact replay."""

import io
import json
import math
import random
import re
import sys
from pathlib import Path

import pytest

import quillary_spatial as qs
from quillary_spatial import schemas
from quillary_spatial.grounding import evidence
from quillary_spatial.log.checks import ReadError
from quillary_spatial.log.records import record_from_line

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "bench"))
import simulated_users as su  # noqa: E402

MS = 1_000_000
ONSET = 2_000 * MS  # the word "that", said from here to 250 ms later
AIMS = {"lamp": (0.24, 1.0, -1.96), "vase": (0.0, 0.9, -1.93), "mug": (-0.4, 0.8, -1.67), "sky": (0.3, 5.0, 1.0),
        "clock": (-2.5, 1.65, -3.0), "below the clock": (-2.5, 1.46, -3.05), "table": (-0.1, 0.74, -1.6),
        "above the clock": (-2.5, 1.92, -3.05), "shelf's foot": (-2.75, 0.4, -3.05), "sofa's front": (-0.9, 0.6, -4.1),
        "beside the plant": (2.8, 1.0, -3.1)}
# A cushion dropped behind the sofa, out of sight: the ray on the sofa passes just beside it.
BEHIND_THE_SOFA = su.SCENE + [qs.SceneObject("cushion", (-0.9, 0.4, -5.2), (0.3, 0.3, 0.3))]
HAND = (0.22, 1.3, -0.4)


def towards(point, wobble=0.0):
    d = [p - h for p, h in zip(point, HAND)]
    n = math.sqrt(sum(c * c for c in d))
    return tuple(c / n + wobble for c in d)


def frame(at_ms, aim=None, gaze=None, pressed=False, head=None):
    """A frame of the simulated room: the pointer aimed at `aim` (a name of AIMS, or a
    direction), the eyes at `gaze`, or, on a headset without eye tracking, the head facing
    `head`; the target from the room's ray cast."""
    f = qs.SpatialIntentFrame()
    f.timestamp_ns = ONSET + at_ms * MS
    f.capabilities.eye_gaze = head is None
    if head is not None:
        f.head_tracking = qs.TrackingConfidence.POSITION_AND_ORIENTATION
        f.head_pose.position = qs.Vec3(*su.HEAD)
        f.head_pose.orientation = su.orientation(*su.angles_to(su.HEAD, AIMS[head]))
    if aim is not None:
        p = qs.PointingIntent()
        direction = towards(AIMS[aim]) if isinstance(aim, str) else aim
        p.ray = qs.Ray(qs.Vec3(*HAND), qs.Vec3(*direction))
        p.source, p.confidence = qs.PointingSource.HAND, qs.TrackingConfidence.POSITION_AND_ORIENTATION
        f.pointing = p
        f = qs.resolve_target(f, su.raycast)
    if gaze is not None:
        g = [a - b for a, b in zip(AIMS[gaze], su.HEAD)]
        f.gaze_ray = qs.Ray(qs.Vec3(*su.HEAD), qs.Vec3(*g))
    select = qs.SelectState()
    select.pressed = pressed
    f.primary_select = select
    return f


def held(aim, start_ms, end_ms, **kw):
    return [frame(t, aim, **kw) for t in range(start_ms, end_ms, 11)]


def sweep(start_ms, end_ms):
    """A fast transit: the ray swings 90 degrees a second, through nothing in particular."""
    return [frame(t, towards(AIMS["lamp"], wobble=0.0015 * (t - start_ms))) for t in range(start_ms, end_ms, 11)]


def reach(start, end, start_ms, end_ms):
    """The pointer moved at an even pace from one named point to another."""
    a, b = AIMS[start], AIMS[end]
    return [frame(t, towards(tuple(p + (t - start_ms) / (end_ms - start_ms) * (q - p) for p, q in zip(a, b))))
            for t in range(start_ms, end_ms, 11)]


PUT_THAT = [("put", -300, -50), ("that", 0, 250)]
# Each case: the frames, ground's options, the words (start and end, ms from ONSET), and per
# deictic word what the single frame at its onset hit, what was meant, and what showed it.
CASES = {
    # The apex comes after the onset: at the onset the pointer is still on its way from the vase.
    "late apex": (held("vase", -600, -300) + sweep(-300, 30) + held("lamp", 30, 500), {}, PUT_THAT,
                  [(None, "lamp", "pointing")]),
    # The tracker dropped the hand for the onset; the hold around it is plain.
    "dropout at the onset": (held("lamp", -300, -30) + [frame(t) for t in range(-30, 60, 11)] + held("lamp", 60, 400),
                             {}, PUT_THAT, [(None, "lamp", "pointing")]),
    # The user only looks: no pointing ray, the eyes on the lamp before the word.
    "looks only": ([frame(t, gaze="lamp") for t in range(-500, 300, 11)], {"raycast": su.raycast}, PUT_THAT,
                   [(None, "lamp", "gaze")]),
    # No eye tracking and no pointing: the head turns to the lamp as the word begins.
    "head only": ([frame(t, head="mug") for t in range(-900, -450, 11)] + [frame(t, head="lamp") for t in range(-450, 400, 11)],
                  {"raycast": su.raycast}, PUT_THAT, [(None, "lamp", "gaze")]),
    # "take it and put it there": the second "it" has no gesture of its own (the hand still on
    # the lamp, then off to the table); it means what the first meant.
    "it again": (held("lamp", -300, 1250) + sweep(1250, 1350) + held("table", 1350, 1900), {},
                 [("take", -300, -50), ("it", 0, 150), ("and", 200, 350), ("put", 400, 600), ("it", 650, 800),
                  ("there", 1450, 1700)],
                 [("lamp", "lamp", "pointing"), ("lamp", "lamp", "pointing"), ("table", "table", "pointing")]),
    # "take that and put it there": during "it" the hand is on its way from the lamp to the
    # table, over the vase for a moment; that is no gesture of its own, so "it" means what
    # "that" meant.
    "it on the way": (held("lamp", -300, 250) + sweep(250, 370) + held("vase", 370, 470) + sweep(470, 620) +
                      held("table", 620, 1500), {},
                      [("take", -300, -50), ("that", 0, 150), ("and", 200, 260), ("put", 260, 380), ("it", 400, 520),
                       ("there", 700, 850)],
                      [("lamp", "lamp", "pointing"), ("vase", "lamp", "pointing"), ("table", "table", "pointing")]),
    # "put that next to it": "it" has a gesture of its own, held on the vase: it means the vase.
    "it, another thing": (held("lamp", -300, 400) + sweep(400, 450) + held("vase", 450, 1200), {},
                          PUT_THAT + [("next", 300, 450), ("to", 450, 550), ("it", 600, 750)],
                          [("lamp", "lamp", "pointing"), ("vase", "vase", "pointing")]),
    # The eyes on the clock, the tracker's error scattering the looks: a third on it, a third
    # on the shelf below, a third over it onto nothing. With the scene, the looks beside the
    # clock count for it too.
    "looks scattered around a small object": (
        [frame(t, gaze=("clock", "below the clock", "above the clock")[(t // 11) % 3]) for t in range(-500, 300, 11)],
        {"raycast": su.raycast, "scene": su.SCENE}, PUT_THAT, [(None, "clock", "gaze")]),
    # The eyes' every look a little below the clock, on the shelf: a look on a large thing says
    # little of which part is meant, and the small thing it passed beside is the likelier.
    "looks just beside a small object": ([frame(t, gaze="below the clock") for t in range(-500, 300, 11)],
                                         {"raycast": su.raycast, "scene": su.SCENE}, PUT_THAT, [(None, "clock", "gaze")]),
    # A glance on the mug long before; during the word the pointer is on nothing.
    "points at nothing": (held("mug", -800, -600) + sweep(-600, -400) + held("sky", -400, 400), {}, PUT_THAT,
                          [(None, None, None)]),
    # A brief pass over the vase at the onset, a long hold on the lamp with a click.
    "click on the held one": (held("lamp", -500, -10) + held("vase", -10, 10) + held("lamp", 10, 80) +
                              held("lamp", 80, 200, pressed=True) + held("lamp", 200, 300),
                              {}, PUT_THAT, [("vase", "lamp", "pointing")]),
    # Aimed a little below the clock the whole time, onto the shelf behind it: the scene says
    # the ray passes far nearer the clock's middle than the shelf's.
    "just off a small object": (held("clock", -420, -380) + held("below the clock", -380, 400),
                                {"scene": su.SCENE}, PUT_THAT, [("shelf", "clock", "pointing")]),
    # The same aim, never once on the clock: the scene makes a candidate of what the ray
    # passes beside.
    "beside a small object, never hit": (held("below the clock", -400, 400), {"scene": su.SCENE}, PUT_THAT,
                                         [("shelf", "clock", "pointing")]),
    # The same aim, reached up the shelf from its foot, and no scene: the reach's hits show the
    # shelf is large, the eyes' hits on the clock where the clock is, and the ray passes
    # nearer the clock.
    "beside a small object, no scene": (reach("shelf's foot", "below the clock", -700, -300) +
                                        held("below the clock", -300, 400, gaze="clock"),
                                        {"raycast": su.raycast}, PUT_THAT, [("shelf", "clock", "both")]),
    # Aimed just past the plant's side into nothing, with no scene and no eyes: only the rays
    # cast around the aim find the plant.
    "just beside a thing, no scene": (held("beside the plant", -400, 400), {"raycast": su.raycast}, PUT_THAT,
                                      [(None, "plant", "pointing")]),
    # Held on the sofa's front, just beside a small thing the sofa hides from the eyes: what
    # cannot be seen is not what the ray just missed.
    "beside a hidden object": (held("sofa's front", -400, 400), {"scene": BEHIND_THE_SOFA}, PUT_THAT,
                               [("sofa", "sofa", "pointing")]),
    # "put that there": a click on the lamp at "that"; the pointer then lingers on the lamp and
    # is on the vase only briefly, as "there" begins. The two words mean two things, and the
    # surer one, "that", keeps the lamp.
    "two words, two things": (held("lamp", -300, 80) + held("lamp", 80, 200, pressed=True) + held("lamp", 200, 500) +
                              held("vase", 500, 560) + held("lamp", 560, 1000), {},
                              PUT_THAT + [("there", 500, 700)],
                              [("lamp", "lamp", "pointing"), ("vase", "vase", "pointing")]),
}


@pytest.mark.parametrize("frames, options, said, expected", CASES.values(), ids=CASES.keys())
def test_the_frames_around_the_word_outweigh_a_wrong_onset_frame(frames, options, said, expected):
    timeline = qs.IntentTimeline(240, 2_000_000_000)
    for f in frames:
        timeline.push(f)
    words = [qs.Word(text, ONSET + start * MS, ONSET + end * MS) for text, start, end in said]
    text = " ".join(w.text for w in words)
    at_onset = qs.ground_at_onset(timeline, text, words, ONSET + 900 * MS).references
    grounded = qs.ground(timeline, text, words, ONSET + 900 * MS, **options).references
    assert [r.referent for r in at_onset] == [old for old, _, _ in expected]
    assert [r.referent for r in grounded] == [meant for _, meant, _ in expected]
    for ref, (_, meant, evidence) in zip(grounded, expected):
        if meant is None:
            assert ref.reason == "nothing_hit" and ref.certainty is None
            continue
        assert ref.candidates[0] == qs.Candidate(meant, ref.candidates[0].score, evidence)
        assert ref.source == ("hand" if evidence == "pointing" else "eye_gaze" if frames[0].capabilities.eye_gaze else "head")
        assert all(a.score >= b.score for a, b in zip(ref.candidates[1:], ref.candidates[2:]))
        assert 0 < ref.certainty <= 1 and sum(c.score for c in ref.candidates) <= 1


def test_a_line_is_blocked_exactly_where_its_points_pass_through_the_turned_box():
    """Against points along the line, each turned into the box's frame by its quaternion:
    catches axes taken as rows, a sign turned, a half size taken as a whole."""
    from quillary_spatial.grounding import sight

    def turned(q, v):  # v by q's conjugate: q* v q
        x, y, z, w = -q[0], -q[1], -q[2], q[3]
        c = (y * v[2] - z * v[1], z * v[0] - x * v[2], x * v[1] - y * v[0])
        cc = (y * c[2] - z * c[1], z * c[0] - x * c[2], x * c[1] - y * c[0])
        return tuple(v[i] + 2 * w * c[i] + 2 * cc[i] for i in range(3))

    rng = random.Random(5)
    outcomes = set()
    for _ in range(120):
        q = [rng.gauss(0, 1) for _ in range(4)]
        n = math.sqrt(sum(c * c for c in q))
        q = tuple(c / n for c in q)
        middle, size = tuple(rng.uniform(-1, 1) for _ in range(3)), tuple(rng.uniform(0.3, 1.5) for _ in range(3))
        start, end = (tuple(rng.uniform(-2, 2) for _ in range(3)) for _ in range(2))

        def inside(p):
            local = turned(q, [a - b for a, b in zip(p, middle)])
            return all(abs(c) <= s / 2 for c, s in zip(local, size))

        along = [inside([a + i / 1000 * (b - a) for a, b in zip(start, end)]) for i in range(1001)]
        expected = not along[0] and not along[-1] and any(along)
        box = sight.box_of(qs.SceneObject("box", middle, size, q))
        assert sight.crosses(start, end, *box) == expected
        outcomes.add((expected, along[0] or along[-1]))
    assert len(outcomes) == 3  # lines through, beside, and from inside


@pytest.mark.parametrize("direction", [(0.3, -0.2, -1.0), (0.0, 1.0, 0.0), (0.05, -3.0, 0.02), (-2.0, 0.1, 0.4)])
def test_the_rays_around_an_aim_lie_on_their_rings_all_around_it(direction):
    """Each at its ring's angle from the aim, and the ring's directions spread evenly around it
    (their mean points along the aim): catches a vector across the aim that is not across it."""
    from quillary_spatial.grounding import sight

    n = math.sqrt(sum(c * c for c in direction))
    aim = tuple(c / n for c in direction)
    directions = sight.ring((0.0, 1.6, 0.0, *direction), (2.0, 4.0), 6)
    assert len(directions) == 12
    for k, d in enumerate(directions):
        assert math.degrees(math.acos(min(1.0, sum(a * b for a, b in zip(aim, d))))) == pytest.approx((2.0, 4.0)[k // 6])
    for ring in (directions[:6], directions[6:]):
        mean = [sum(d[i] for d in ring) / 6 for i in range(3)]
        assert math.degrees(math.acos(min(1.0, sum(a * b for a, b in zip(aim, mean)) / math.hypot(*mean)))) < 1e-6


@pytest.mark.parametrize("sure, unsure, takes, at_least, below", [
    # The sure word keeps the vase; the lamp is left to the unsure word, likelier now, but
    # not as if the vase were ruled out for certain (0.35 / 0.4 = 0.875).
    ({"vase": 0.95, "lamp": 0.03}, {"vase": 0.6, "lamp": 0.35}, "lamp", 0.35, 0.875),
    # A word displaced from the shelf onto a glance at the vase is not made sure by it.
    ({"shelf": 0.95}, {"shelf": 0.92, "vase": 0.046, "lamp": 0.035}, "vase", 0.046, 0.5),
])
def test_two_words_take_two_things_as_sure_as_the_other_word_is(sure, unsure, takes, at_least, below):
    from quillary_spatial.grounding.words import distinct

    def word(chances):
        ranked = tuple(((True, name), evidence.Weighed(pointing=p)) for name, p in chances.items())
        return evidence.Found(ranked, 1.0), [(p, key, w) for (key, w), p in zip(ranked, chances.values())]

    first, second = distinct([word(sure), word(unsure)])
    assert first[0][1] == (True, next(iter(sure)))
    assert second[0][1] == (True, takes)
    assert at_least < second[0][0] < below
    assert sum(p for p, _, _ in second) <= 1 + 1e-9


def test_certainty_is_a_chance_and_ask_catches_the_wrong_words_on_simulated_users():
    """On users of the broad population (seeds the settings were not fitted on): of the words
    given a certainty in a band, about that share are right; and `ask` is set where the
    certainty is below the threshold, which catches most wrong words."""
    given = []
    settings = qs.GroundingSettings()
    for level in ("calm", "realistic", "hurried"):
        for timeline, said, spoken in su.population_corpus(level, 11, 8, 6, su.BROAD):
            truth = {i: w.referent for i, w in enumerate(said.words) if w.referent}
            grounded = qs.ground(timeline, said.text, [w.word for w in said.words], said.delivered_ns,
                                 raycast=spoken.world.raycast, scene=spoken.world.scene)
            for r in grounded.references:
                if r.index in truth:
                    assert r.ask == (r.referent is None or r.certainty < settings.ask_below)
                    given.append((r.certainty, r.referent == truth[r.index], r.ask))
    for low, high in ((0.0, 0.3), (0.3, 0.6), (0.6, 0.9), (0.9, 1.01)):
        band = [(c, right) for c, right, _ in given if c is not None and low <= c < high]
        if len(band) >= 30:
            expected = sum(c for c, _ in band) / len(band)
            # Within chance of a calibrated certainty (2.5 sd of a band this size), and a little.
            room = 0.05 + 2.5 * math.sqrt(expected * (1 - expected) / len(band))
            assert abs(sum(right for _, right in band) / len(band) - expected) <= room, (low, high, len(band))
    wrong = [asked for _, right, asked in given if not right]
    assert sum(wrong) >= 0.75 * len(wrong)


# Users whose grounding a replay must repeat: the one room's (eyes, gaze hits); and a room of
# their own, no eye tracking (the head's rays cast), references back ("put it there").
# A host without a scene: where things are is only what the rays hit, the replay's from the
# record; and "it" may mean what the utterance before named.
REPLAYED = {"one room": (su.LEGACY, None, True), "own room, no eye tracking": (
    su.Population(eye_tracking=0.0, repeats=0.5, objects=(12, 20)), (12, 20), True),
    "own room, no scene, follow-ups": (su.Population(objects=(12, 20), follow_ups=0.5), (12, 20), False)}


@pytest.mark.parametrize("population, objects, scene", REPLAYED.values(), ids=REPLAYED.keys())
def test_a_recorded_session_replays_to_the_same_grounding_without_the_ray_cast(population, objects, scene):
    rng = random.Random(3)
    world = su.HOME if objects is None else su.random_world(rng, objects)
    log = io.StringIO()
    recorder = qs.Recorder(log)
    if scene:
        recorder.record_scene(world.scene, 10**12)  # ground weighs where things are from the recorded scene
    user = su.Session(su.LEVELS["hurried"], rng, 10**12, population, world)
    live = []
    for _ in range(6):
        said = user.utterance(recorder)
        words = [w.word for w in said.words]
        recorder.submit_text(said.text, said.delivered_ns, words=words)
        live.append(qs.ground(recorder, said.text, words, said.delivered_ns, raycast=world.raycast))
    recorder.close()
    gaze_records = [line for line in log.getvalue().splitlines() if '"quillary.gaze-hits"' in line]
    assert len(gaze_records) == len(live)
    assert any('"probe"' in line for line in gaze_records) == (not scene)  # rays around the aim, without a scene
    for line in gaze_records:
        schemas.validate(json.loads(line))
    assert any(c.evidence != "pointing" for g in live for r in g.references for c in r.candidates)
    replayed = [r.grounded for r in qs.replay(io.BytesIO(log.getvalue().encode()))]
    assert replayed == live
    assert [g.to_json() for g in replayed] == [g.to_json() for g in live]
    for g in live:
        schemas.validate(g.to_dict())


@pytest.mark.parametrize("certainty, ask, tool", [(0.3, None, "ask"), (0.49, None, "ask"), (0.5, None, "move"),
                                                 (None, None, "move"), (0.9, True, "ask"), (0.3, False, "move")])
def test_the_example_agent_asks_which_one_when_unsure(certainty, ask, tool):
    from agent_rules import tool_call

    that = {"word": "that", "index": 1, "referent": "lamp",
            "candidates": [{"referent": "lamp", "score": 0.45, "evidence": "both"},
                           {"referent": "vase", "score": 0.4, "evidence": "pointing"}]}
    if certainty is not None:  # a version 1 record has none, and is acted on as before
        that["certainty"] = certainty
    if ask is not None:  # a version 3 record says whether to ask; version 2 leaves it to the certainty
        that["ask"] = ask
    there = {"word": "there", "index": 2, "referent": "table", "certainty": 0.97, "position": [0, 0.75, -1.5]}
    call = tool_call({"text": "put that there", "references": [that, there]})
    assert call["tool"] == tool
    if tool == "ask":
        assert call["arguments"] == {"word": "that", "question": "which one: the lamp or the vase?"}


GAZE_HITS = {"schema": "quillary.gaze-hits", "timestamp_ns": 5, "hits": [{"frame_ns": 3, "referent": "lamp"}]}


@pytest.mark.parametrize("version, hit, read", [
    (1, {}, None), (2, {}, None), (2, {"probe": 13}, 13),
    (1, {"probe": 13}, "hits[0].probe: unknown member"),  # older logs hold no rays around an aim
    (2, {"probe": -1}, "hits[0].probe: -1 is out of range"), (2, {"probe": 1.0}, "hits[0].probe: expected an integer"),
    (3, {}, "version: unsupported version 3 (this library reads versions 1 to 2)")])
def test_a_gaze_hits_record_of_either_version_reads_with_its_probes(version, hit, read):
    line = json.dumps(GAZE_HITS | {"version": version, "hits": [GAZE_HITS["hits"][0] | hit]})
    if isinstance(read, str):
        with pytest.raises(ReadError, match=re.escape(read)):
            record_from_line(line)
    else:
        (recorded,) = record_from_line(line).hits
        assert (recorded.frame_ns, recorded.referent, recorded.probe) == (3, "lamp", read)


def test_a_gaze_hit_without_a_finite_place_is_recorded_by_what_it_hit():
    """A host's ray cast may answer with a hit at NaN: the referent counts, the place is left
    out (a log cannot hold it), and the recording replays the same."""
    log = io.StringIO()
    recorder = qs.Recorder(log)
    for f in [frame(t, gaze="lamp") for t in range(-500, 300, 11)]:
        recorder.push(f)

    def nowhere(ray):
        hit = su.raycast(ray)
        if hit is not None:
            hit.position = qs.Vec3(math.nan, 0, 0)
        return hit

    words = [qs.Word("that", ONSET, ONSET + 250 * MS)]
    recorder.submit_text("that", ONSET + 600 * MS, words=words)
    (ref,) = qs.ground(recorder, "that", words, ONSET + 600 * MS, raycast=nowhere).references
    recorder.close()
    assert (ref.referent, ref.source, ref.position) == ("lamp", "eye_gaze", None)
    (replayed,) = qs.replay(io.BytesIO(log.getvalue().encode()))
    assert replayed.grounded.references == (ref,)


def test_it_leans_to_what_the_word_before_meant_as_far_as_its_own_evidence_leaves_in_doubt():
    frames, _, said, _ = CASES["it on the way"]
    timeline = qs.IntentTimeline(240, 2_000_000_000)
    for f in frames:
        timeline.push(f)
    words = [qs.Word(text, ONSET + start * MS, ONSET + end * MS) for text, start, end in said]

    def it(settings):
        return qs.ground(timeline, "take that and put it there", words, ONSET + 900 * MS, settings=settings).references[1]

    on_its_own, leaning = it(qs.GroundingSettings(refers_back=0.0)), it(qs.GroundingSettings())
    assert (on_its_own.referent, leaning.referent) == ("lamp", "lamp")
    assert leaning.certainty > on_its_own.certainty + 0.05


def test_settings_take_one_coefficient_for_each_input_of_the_certainty():
    from quillary_spatial.grounding.settings import CERTAINTY_INPUTS

    found = evidence.Found((((True, "lamp"), evidence.Weighed(pointing=0.2, head=0.1)),), 0.33, 0.9)
    assert len(found.features(*found.ranked[0], None)) == CERTAINTY_INPUTS
    with pytest.raises(ValueError, match=f"certainty: expected {CERTAINTY_INPUTS} coefficients, got 9"):
        qs.GroundingSettings(certainty=(0.0,) * 9)  # settings fitted for an older model


@pytest.mark.parametrize("timeline, gap_s, during_it, expected", [
    # Nothing shows anything during "it": it means what "that" named seconds before.
    (qs.ExplainedTimeline, 3, "nothing", "lamp"),
    # Its own gesture wins.
    (qs.ExplainedTimeline, 3, "vase", "vase"),
    # The conversation is over, or the timeline does not keep it (a plain IntentTimeline).
    (qs.ExplainedTimeline, 31, "nothing", None),
    (qs.IntentTimeline, 3, "nothing", None),
])
def test_it_with_no_gesture_of_its_own_means_what_the_conversation_named_last(timeline, gap_s, during_it, expected):
    host = timeline(240, 2_000_000_000)
    later = gap_s * 1000

    def said(text, words, at_ms):
        words = [qs.Word(w, ONSET + (at_ms + start) * MS, ONSET + (at_ms + end) * MS) for w, start, end in words]
        if isinstance(host, qs.ExplainedTimeline):
            host.submit_text(text, ONSET + (at_ms + 900) * MS, words=words)
        return qs.ground(host, text, words, ONSET + (at_ms + 900) * MS).references

    for f in held("lamp", -300, 400):
        host.push(f)
    (that,) = said("what is that", [("what", -400, -250), ("is", -250, -100), ("that", 0, 250)], 0)
    for f in held("vase", later - 300, later + 400) if during_it == "vase" else [frame(t) for t in range(later - 600, later + 400, 11)]:
        host.push(f)
    (it,) = said("turn it off", [("turn", -300, -50), ("it", 0, 150), ("off", 200, 400)], later)
    assert that.referent == "lamp" and it.referent == expected
    if expected == "lamp":  # as sure as its own doubt and the lamp's certainty let it be, and shown as the lamp was
        assert 0 < it.certainty < that.certainty and it.ask
        assert it.candidates[0] == qs.Candidate("lamp", it.certainty, "pointing")
