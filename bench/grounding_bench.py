"""How often grounding names the referent the simulated users meant (bench/simulated_users.py),
per level, by the evidence rule (`ground`, with the host's ray cast for gaze) and, in the same
run on the same frames, the single-frame rule it replaced (`ground_at_onset`); the calibration
of the certainty; and what grounding costs a host.

    python3 bench/grounding_bench.py            # the benchmark (seed 1)
    python3 bench/grounding_bench.py --quick    # a small smoke run
    python3 bench/grounding_bench.py --fit      # fit the certainty's logistic on seeds 100+
"""

from __future__ import annotations

import argparse
import math
import statistics
import sys
import time
from collections.abc import Iterator
from dataclasses import dataclass
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import quillary_spatial as qs  # noqa: E402
from quillary_spatial.grounding import evidence, words as grounding  # noqa: E402

import simulated_users as su  # noqa: E402


# The share of wrong words the caution puts below 0.5 on the fit's users: the goal of four in
# five, with room for another population.
CAUGHT = 0.85


@dataclass(frozen=True)
class Judged:
    right: bool
    referent: str | None
    certainty: float
    rows: tuple[tuple[tuple[float, ...], float], ...]  # each candidate's inputs and whether it was meant (for fitting)
    onset_right: bool  # the single-frame rule on the same word


def judged(level: str, seed: int, users: int, utterances: int, gaze: bool = True,
           settings: qs.GroundingSettings = qs.GroundingSettings()) -> Iterator[Judged]:
    for timeline, said in su.corpus(level, seed, users, utterances):
        words = [w.word for w in said.words]
        truth = {i: w.referent for i, w in enumerate(said.words) if w.referent}
        onset = qs.ground_at_onset(timeline, said.text, words, said.delivered_ns)
        raycast = su.raycast if gaze else None
        grounded = qs.ground(timeline, said.text, words, said.delivered_ns, raycast=raycast, scene=su.SCENE,
                             settings=settings)
        # The evidence of each word as ground weighed it, for the fit.
        found = [f for _, f, _ in grounding.weigh_words(timeline, words, said.delivered_ns, qs.DEICTIC_WORDS,
                                                         evidence.GazeCasts(raycast), su.SCENE, settings)]
        for old, new, f in zip(onset.references, grounded.references, found):
            rows = tuple((f.features(key, w, old.referent), float(key[1] == truth[new.index]))
                         for key, w in f.referents()[:3])
            yield Judged(new.referent == truth[new.index], new.referent, new.certainty or 0.0, rows,
                         old.referent == truth[old.index])


def report(level: str, results: list[Judged]) -> None:
    n = len(results)
    right = sum(r.right for r in results)
    none = sum(r.referent is None for r in results)
    wrong = [r for r in results if not r.right and r.referent is not None]
    missed = [r for r in results if not r.right]
    ask_below = qs.GroundingSettings().ask_below
    unsure = sum(r.certainty < ask_below for r in missed)
    print(f"{level:9} {n:5} words  single frame {sum(r.onset_right for r in results) / n:6.1%}  "
          f"evidence {right / n:6.1%}  wrong referent {len(wrong) / n:5.1%}  no referent {none / n:5.1%}  "
          f"wrong words below {ask_below}: {unsure}/{len(missed)} ({unsure / max(len(missed), 1):.0%})")
    cells = []
    for low in range(10):
        given = [r for r in results if low / 10 <= r.certainty < (low + 1) / 10 or (low == 9 and r.certainty == 1)]
        if given:
            cells.append(f"{low / 10:.1f}: {sum(r.right for r in given) / len(given):4.0%} of {len(given)}")
    if missed:
        # The agent asks below a threshold: which one would catch four in five wrong words, and
        # how often it would ask then.
        catch, asked = catching([r.certainty for r in results], [r.certainty for r in missed])
        print(f"{'':9} asking below {ask_below} asks about {sum(r.certainty < ask_below for r in results) / n:.1%} of words; "
              f"catching 80 % of the wrong words needs asking at or below {catch:.3f}: {asked:.1%} of words")
    caution = qs.GroundingSettings().caution
    if missed and caution:
        # The same before the caution: the fitted chance itself.
        def chance(c: float) -> float:
            return c if c <= 0 or c >= 1 else 1 / (1 + math.exp(-math.log(c / (1 - c)) - caution))
        chances, wrong = [chance(r.certainty) for r in results], [chance(r.certainty) for r in missed]
        catch, asked = catching(chances, wrong)
        print(f"{'':9} before the caution: wrong words below a chance of {ask_below}: "
              f"{sum(c < ask_below for c in wrong)}/{len(missed)}, asking "
              f"{sum(c < ask_below for c in chances) / n:.1%} of words; catching "
              f"80 % needs asking at or below a chance of {catch:.3f}: {asked:.1%} of words")
    high = [r for r in results if r.certainty >= 0.9]
    print(f"{'':9} calibration (certainty decile: right of given)  " + "  ".join(cells))
    if high:
        print(f"{'':9} certainty >= 0.9: {sum(r.right for r in high) / len(high):.1%} right of {len(high)}")


def catching(given: list[float], wrong: list[float]) -> tuple[float, float]:
    """The threshold at or below which four in five wrong words fall, and the share of all
    words at or below it."""
    catch = sorted(wrong)[max(0, math.ceil(0.8 * len(wrong)) - 1)]
    return catch, sum(c <= catch for c in given) / len(given)


def fit(seeds: range) -> tuple[float, ...]:
    """Logistic regression, by Newton's method, of whether a candidate is the one meant on its
    inputs (see evidence.Found.features): the certainty's coefficients."""
    # Hosts with and without eye tracking: the same users, grounded with and without gaze.
    rows = [row for level in su.LEVELS for seed in seeds for gaze in (True, False)
            for r in judged(level, seed, 10, 10, gaze) for row in r.rows]
    n = len(rows[0][0])
    w = [0.0] * n
    for _ in range(30):
        grad = [0.0] * n
        hess = [[1e-6 if i == j else 0.0 for j in range(n)] for i in range(n)]
        for x, y in rows:
            p = 1 / (1 + math.exp(-max(min(sum(a * b for a, b in zip(w, x)), 50.0), -50.0)))
            for i in range(n):
                grad[i] += (y - p) * x[i]
                for j in range(n):
                    hess[i][j] += p * (1 - p) * x[i] * x[j]
        w = [a + b for a, b in zip(w, solve(hess, grad))]
    print(f"fitted on {len(rows)} candidates: certainty = ({', '.join(f'{c:.3f}' for c in w)})")
    # The caution: the least lowering of the chances (in log odds) that puts CAUGHT of every
    # level's wrong words below the asking threshold, with gaze as in the benchmark.
    fitted = qs.GroundingSettings(certainty=tuple(w), caution=0.0)
    needed = []
    for level in su.LEVELS:
        missed = sorted(r.certainty for seed in seeds for r in judged(level, seed, 20, 20, settings=fitted)
                        if not r.right)
        chance = min(max(missed[max(0, math.ceil(CAUGHT * len(missed)) - 1)], 1e-9), 1 - 1e-9)
        needed.append(math.log(chance / (1 - chance)))
        print(f"{level}: {len(missed)} words wrong, {CAUGHT:.0%} of them at or below a chance of {chance:.3f}")
    print(f"caution = {math.ceil(max(0.0, *needed) * 10) / 10:.1f}")
    return tuple(w)


def solve(a: list[list[float]], b: list[float]) -> list[float]:
    n = len(b)
    m = [row[:] + [b[i]] for i, row in enumerate(a)]
    for c in range(n):
        p = max(range(c, n), key=lambda r: abs(m[r][c]))
        m[c], m[p] = m[p], m[c]
        for r in range(n):
            if r != c:
                f = m[r][c] / m[c][c]
                m[r] = [x - f * y for x, y in zip(m[r], m[c])]
    return [m[i][n] / m[i][i] for i in range(n)]


def cost(repeats: int) -> None:
    """Grounding "put that there" from Python against a full 90 Hz history (240 frames), with
    a ray cast that answers at once (the host's own cost is its own)."""
    for timeline, said in su.corpus("realistic", 7, 1, 50):
        if sum(w.referent is not None for w in said.words) == 2:
            break
    words = [w.word for w in said.words]
    hit = su.raycast(qs.Ray(qs.Vec3(*su.HEAD), qs.Vec3(0, -0.3, -1)))
    for name, run in (("evidence, gaze, scene", lambda: qs.ground(timeline, said.text, words, said.delivered_ns,
                                                                 raycast=lambda ray: hit, scene=su.SCENE)),
                      ("evidence, no gaze", lambda: qs.ground(timeline, said.text, words, said.delivered_ns)),
                      ("single frame", lambda: qs.ground_at_onset(timeline, said.text, words, said.delivered_ns))):
        times = []
        for _ in range(repeats):
            started = time.perf_counter()
            run()
            times.append(time.perf_counter() - started)
        print(f"cost of {said.text!r} (2 deictic words), {name:18}: median {statistics.median(times) * 1e3:.3f} ms, "
              f"95th percentile {sorted(times)[int(len(times) * 0.95)] * 1e3:.3f} ms")


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quick", action="store_true")
    parser.add_argument("--fit", action="store_true")
    args = parser.parse_args()
    if args.fit:
        fit(range(100, 106))
        return
    users, utterances = (4, 5) if args.quick else (40, 25)
    print(f"grounding: {users} users a level, {utterances} utterances each, seed 1")
    for level in su.LEVELS:
        report(level, list(judged(level, 1, users, utterances)))
    cost(50 if args.quick else 1000)


if __name__ == "__main__":
    main()
