"""What grounding is tuned by, as one value: `ground(settings=)` takes it, and a benchmark or
a caller tries other settings by passing another, never by changing the package's own."""

from __future__ import annotations

from dataclasses import dataclass


@dataclass(frozen=True)
class GroundingSettings:
    """The fitted and chosen values of the evidence model (docs/grounding.md).

    `certainty`: the coefficients of the logistic from a candidate's weighed evidence to how
    likely it is the one meant (see evidence.Found.features for its inputs, the intercept
    last), fitted on simulated users apart from the benchmark's (bench/grounding_bench.py --fit).

    `caution`: how far the fitted chance is lowered, in log odds, before a reference gives it
    as its certainty (--fit: the least that puts, on the fit's users, at least 85 % of every
    level's wrong words below `ask_below`, with room for another population). So the chance a
    reference is right is at least its certainty: of those given 0.5, about five in six are right.

    `ask_below`: the certainty below which an agent should ask which one was meant.
    """

    certainty: tuple[float, ...] = (1.157, 0.019, 0.379, -0.061, 2.364, 0.494, -3.894, 0.636, -0.202)
    caution: float = 1.6
    ask_below: float = 0.5


DEFAULT_SETTINGS = GroundingSettings()
