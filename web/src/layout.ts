// Where each frame sits on the time strip. Time runs as recorded, except that a clock reset
// (a frame older than the one before it) starts a new stretch after a break, so that the
// strip always runs forward; gaps in the frames keep their real length and show as breaks.

import type { Frames, Utterance } from "./data.js";

export interface Break {
  from: number; // display ns
  to: number;
  reset: boolean; // a clock reset, rather than a gap in the frames
}

export interface Layout {
  display: Float64Array; // per frame, ns along the strip; never decreasing
  segmentStart: Int32Array; // per frame, the first frame of its stretch
  breaks: Break[];
  length: number; // ns along the strip, first frame to last
  gapNs: number; // a step longer than this is a gap
}

const MIN_GAP_NS = 100e6;

function typicalStep(times: Float64Array): number {
  const steps: number[] = [];
  const stride = Math.max(1, Math.floor(times.length / 2000));
  for (let i = stride; i < times.length; i += stride) {
    const step = times[i]! - times[i - 1]!;
    if (step > 0) steps.push(step);
  }
  steps.sort((a, b) => a - b);
  return steps.length === 0 ? 0 : steps[steps.length >> 1]!;
}

export function layOut(frames: Frames, utterances: Utterance[]): Layout {
  const { times, count } = frames;
  const display = new Float64Array(count);
  const segmentStart = new Int32Array(count);
  const gapNs = Math.max(MIN_GAP_NS, 4 * typicalStep(times));
  const breaks: Break[] = [];
  let recorded = 0;
  let resets = 0;
  for (let i = 1; i < count; i++) {
    if (times[i]! < times[i - 1]!) resets++;
    else recorded += times[i]! - times[i - 1]!;
  }
  // A reset's break is a fixed share of the strip, so that it stays visible at any length.
  const resetBreak = resets === 0 ? 0 : Math.max(gapNs, (recorded * 0.02) / resets);
  let start = 0;
  for (let i = 0; i < count; i++) {
    if (i > 0 && times[i]! < times[i - 1]!) {
      display[i] = display[i - 1]! + resetBreak;
      breaks.push({ from: display[i - 1]!, to: display[i]!, reset: true });
      start = i;
    } else if (i > 0) {
      display[i] = display[i - 1]! + (times[i]! - times[i - 1]!);
      if (times[i]! - times[i - 1]! > gapNs) breaks.push({ from: display[i - 1]!, to: display[i]!, reset: false });
    }
    segmentStart[i] = start;
  }
  const layout = { display, segmentStart, breaks, length: count === 0 ? 0 : display[count - 1]!, gapNs };
  // The strip runs on to the last utterance, which may come after the last frame.
  for (const utterance of utterances) layout.length = Math.max(layout.length, utterancePosition(layout, frames, utterance));
  return layout;
}

// The last frame at or before a strip position (the first frame before the strip begins).
export function frameAt(layout: Layout, position: number): number {
  const d = layout.display;
  let low = 0;
  let high = d.length - 1;
  if (high < 0) return -1;
  while (low < high) {
    const middle = (low + high + 1) >> 1;
    if (d[middle]! <= position) low = middle;
    else high = middle - 1;
  }
  return low;
}

// Where an utterance sits: in the stretch of the newest frame pushed before it, at its own time.
export function utterancePosition(layout: Layout, frames: Frames, utterance: Utterance): number {
  if (utterance.framesBefore === 0 || frames.count === 0) return 0;
  const newest = Math.min(utterance.framesBefore, frames.count) - 1;
  const first = layout.segmentStart[newest]!;
  return Math.max(layout.display[first]!, layout.display[first]! + (utterance.timeNs - frames.times[first]!));
}
