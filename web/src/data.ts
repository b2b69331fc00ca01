// The session as the Python side packs it (quillary_spatial/inspector/data.py), decoded.

export interface Problem {
  message: string;
  line: number | null;
  text: string;
}

export interface Header {
  capacity: string;
  maxContextAgeNs: string;
  libraryVersion: string;
  host: Record<string, unknown>;
}

export type Outcome = "event" | "empty_text" | "no_frame" | "before_history" | "too_old";

export interface Word {
  text: string;
  startNs: number; // after the first frame, as utterances' times are
  endNs: number;
}

// A deictic word as the agent got it: its referent, or why it has none.
export interface Reference {
  word: string;
  index: number; // into the utterance's words
  frame: number | null; // the frame it was paired with
  referent: string | null;
  reason: string | null;
  position: [number, number, number] | null; // where its ray hit
  certainty: number | null; // the chance the referent is right, in [0, 1]
  ask: boolean | null; // whether the agent should ask which one was meant (null where grounding did not say)
}

export interface SceneObject {
  id: string;
  position: [number, number, number];
  orientation: [number, number, number, number];
  size: [number, number, number];
}

export interface SceneRecord {
  timeNs: number;
  framesBefore: number; // it holds for the frames from this one on
  objects: SceneObject[];
}

export interface Utterance {
  line: number;
  timeNs: number;
  text: string;
  outcome: Outcome;
  reason: string;
  frame: number | null;
  framesBefore: number;
  ageNs: number | null;
  referent: string | null;
  hit: boolean;
  event: number | null; // its event's line, among the session's event lines
  words: Word[] | null;
  references: Reference[] | null;
}

// How a marker shows an utterance: its outcome, or "partial" for an event with a deictic word
// that found nothing.
export type Shown = Outcome | "partial";

export function shown(utterance: Utterance): Shown {
  if (utterance.outcome === "event" && utterance.references !== null &&
      utterance.references.some((r) => r.referent === null)) return "partial";
  return utterance.outcome;
}

interface PackedFrames {
  count: number;
  originNs: string;
  times: string;
  values: string;
  flags: string;
  targets: string;
  targetIds: string[];
}

interface Packed {
  format: number;
  name: string;
  header: Header | null;
  error: Problem | null;
  truncated: string | null;
  frames: PackedFrames;
  utterances: Utterance[];
  eventLines: EventLines;
  scenes: SceneRecord[];
}

// Deflated in chunks (see quillary_spatial/inspector/data.py), inflated when one is shown.
interface EventLines {
  perChunk: number;
  chunks: string[];
}

export const FLOATS_PER_FRAME = 31;
// Offsets into a frame's floats.
export const HEAD_POSITION = 0, HEAD_ORIENTATION = 3, LEFT_HAND = 7, RIGHT_HAND = 10, POINTING_ORIGIN = 13,
  POINTING_DIRECTION = 16, GAZE_ORIGIN = 19, GAZE_DIRECTION = 22, TARGET_POSITION = 25, TARGET_NORMAL = 28;

export const Flag = {
  Pointing: 1, SelectPressed: 2, LeftHand: 4, RightHand: 8, Gaze: 16, Target: 32, HeadTracked: 64, HasSelect: 128,
} as const;

export interface Frames {
  count: number;
  originNs: string;
  times: Float64Array; // ns after the first frame; falls back at a clock reset
  values: Float32Array;
  flags: Uint8Array;
  targets: Int32Array; // index into targetIds, -1 for none
  targetIds: string[];
}

export interface Session {
  name: string;
  header: Header | null;
  error: Problem | null;
  truncated: string | null;
  frames: Frames;
  utterances: Utterance[];
  scenes: SceneRecord[];
  eventLine(index: number): Promise<string>;
}

// Uint8Array.fromBase64 is newer than TypeScript's DOM types here.
const fromBase64 = (Uint8Array as unknown as { fromBase64?: (text: string) => Uint8Array }).fromBase64;

function bytes(base64: string): ArrayBuffer {
  // Decoded natively where the browser can: tens of megabytes for an hour-long session.
  if (fromBase64 !== undefined) return fromBase64(base64).buffer as ArrayBuffer;
  const text = atob(base64);
  const out = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) out[i] = text.charCodeAt(i);
  return out.buffer;
}

function lineReader(packed: EventLines): (index: number) => Promise<string> {
  const inflated = new Map<number, Promise<string[]>>();
  return (index) => {
    const chunk = Math.floor(index / packed.perChunk);
    let lines = inflated.get(chunk);
    if (lines === undefined) {
      const stream = new Blob([bytes(packed.chunks[chunk]!)]).stream().pipeThrough(new DecompressionStream("deflate"));
      lines = new Response(stream).text().then((text) => text.split("\n"));
      inflated.set(chunk, lines);
    }
    return lines.then((all) => {
      const line = all[index % packed.perChunk];
      if (line === undefined) throw new Error(`the session data has no event line ${index}`);
      return line;
    });
  };
}

export function readSession(element: HTMLElement | null): Session {
  if (element === null || element.textContent === null) throw new Error("the page holds no session data");
  const packed = JSON.parse(element.textContent) as Packed;
  if (packed.format !== 1) throw new Error(`session data of format ${packed.format}; this page reads format 1`);
  const f = packed.frames;
  const frames: Frames = {
    count: f.count,
    originNs: f.originNs,
    times: new Float64Array(bytes(f.times)),
    values: new Float32Array(bytes(f.values)),
    flags: new Uint8Array(bytes(f.flags)),
    targets: new Int32Array(bytes(f.targets)),
    targetIds: f.targetIds,
  };
  if (frames.times.length !== f.count || frames.values.length !== f.count * FLOATS_PER_FRAME) {
    throw new Error("the session data is damaged: its arrays disagree with its frame count");
  }
  return { name: packed.name, header: packed.header, error: packed.error, truncated: packed.truncated, frames,
           utterances: packed.utterances, scenes: packed.scenes, eventLine: lineReader(packed.eventLines) };
}
