"""What grounding is tuned by, as one value: `ground(settings=)` takes it, and a benchmark or
a caller tries other settings by passing another, never by changing the package's own."""

from __future__ import annotations

from dataclasses import dataclass


# How many inputs the certainty's logistic has (evidence.Found.features), the intercept included.
CERTAINTY_INPUTS = 16


@dataclass(frozen=True)
class GroundingSettings:
    """The fitted and chosen values of the evidence model (docs/grounding.md).

    `certainty`: the coefficients of the logistic from a candidate's weighed evidence to how
    likely it is the one meant (see evidence.Found.features for its inputs, the intercept
    last), fitted on simulated users apart from the benchmark's (bench/grounding_bench.py --fit).

    `calibration`: (slope, offset) in log odds, from a candidate's chance once the words of the
    utterance are weighed together to the certainty a reference gives, fitted on users of
    other seeds than the coefficients (--fit), so that a certainty is the chance it is right.

    `ask_below`: below this certainty a reference says `ask`, that the agent should ask which
    one was meant before acting (--fit: the least that asks about 87 % of the wrong words of
    the calibration's users).

    `refers_back`: of what its own evidence leaves in doubt, the chance that a word that may
    refer back ("it") means what the deictic word before it in the utterance means (chosen on
    simulated users apart from the benchmark's).

    `refers_earlier`: the same for such a word first in an utterance and what the conversation
    last named (on an ExplainedTimeline or Recorder, within 30 s), as far as that was sure:
    "what is that?" "turn it off" (chosen likewise).
    """

    certainty: tuple[float, ...] = (0.1, 0.059, -0.221, 0.773, 2.903, 3.065, -3.467, 0.752, -0.921, 0.042,
                                   0.19, 0.686, -0.485, -0.285, -0.296, -0.843)
    calibration: tuple[float, float] = (1.087, 0.414)
    ask_below: float = 0.81
    refers_back: float = 0.5
    refers_earlier: float = 1.0

    def __post_init__(self) -> None:
        # Fewer or more coefficients than inputs would be zipped away without a word.
        if len(self.certainty) != CERTAINTY_INPUTS:
            raise ValueError(f"certainty: expected {CERTAINTY_INPUTS} coefficients, got {len(self.certainty)}")


DEFAULT_SETTINGS = GroundingSettings()
