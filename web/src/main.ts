// The inspector page: reads the session inlined in the page and wires the views together.

import { readSession, type Session } from "./data.js";
import { frameAt, layOut, utterancePosition } from "./layout.js";
import { UtteranceList } from "./list.js";
import { frameName, seconds, showFrame, showUtterance } from "./panel.js";
import { SpatialView } from "./scene.js";
import { TimeStrip } from "./strip.js";

function byId<T extends HTMLElement>(id: string): T {
  const e = document.getElementById(id);
  if (e === null) throw new Error(`the page has no #${id}`);
  return e as T;
}

function showProblem(text: string, warning = false): void {
  const problem = byId("problem");
  problem.textContent = text;
  problem.classList.add("shown");
  problem.classList.toggle("warning", warning);
}

interface State {
  cursorFrame: number;
  cursorTimeNs: number | null;
  selectedUtterance: number | null;
  highlightedTarget: string | null;
  markers: string[]; // per utterance, how its marker shows it
  span: [number, number]; // the strip ns in view
  lookingFromHead: boolean;
  wordTicks: { word: string; x: number; color: string | null }[]; // the picked utterance's, in strip pixels
  listed: number[]; // the utterances the list keeps
}

// For tests and the console: what the page shows, and where a point lands on the canvas or
// an utterance's marker on the strip.
declare global {
  interface Window {
    quillaryInspector?: { ready: boolean; state(): State; project(point: [number, number, number]): [number, number];
                          markerX(index: number): number; pick(index: number): void };
  }
}

function start(session: Session): void {
  const { frames, utterances } = session;
  byId("name").textContent = session.name;
  const header = session.header;
  byId("facts").textContent = `${frames.count} frames, ${utterances.length} utterances` +
    (header === null ? "" : `; capacity ${header.capacity}, max context age ${Number(header.maxContextAgeNs) / 1e6} ms,` +
      ` library ${header.libraryVersion}`);
  if (session.error !== null) {
    showProblem(`This log could not be read to the end; what came before the fault is shown.\n${session.error.text}`);
  } else if (session.truncated !== null) {
    showProblem(`${session.truncated}; everything before it is shown.`, true);
  }

  const layout = layOut(frames, utterances);
  const panel = byId("panel");
  const view = new SpatialView(byId("view"), byId("labels"), frames, layout, session.scenes);
  let cursor = 0;
  let shown = -1; // the frame the view shows
  let selected: number | null = null;
  let playing = false;
  const clock = byId("clock");

  const moveTo = (position: number, pick: number | null) => {
    cursor = Math.min(Math.max(position, 0), layout.length);
    const pickedFrame = pick === null ? null : utterances[pick]!.frame;
    const frame = pickedFrame ?? frameAt(layout, cursor);
    shown = frame;
    if (pick !== selected) {
      const utterance = pick === null ? null : utterances[pick]!;
      view.showWords(utterance?.references ?? [], utterance?.referent ?? null);
      list.select(pick);
    }
    selected = pick;
    strip.select(pick);
    strip.reveal(cursor);
    strip.setCursor(cursor);
    view.show(frame, pickedFrame !== null);
    clock.textContent = frame < 0 ? "no frames" :
      `${seconds(frames.times[frame]!)}  frame ${frameName(frame)} of ${frames.count} (${frameName(0)} to ` +
      `${frameName(frames.count - 1)})`;
    if (pick !== null) showUtterance(panel, utterances[pick]!, session);
    else showFrame(panel, frames, frame);
  };
  const pickUtterance = (index: number) => {
    const utterance = utterances[index]!;
    const at = utterance.frame !== null ? layout.display[utterance.frame]! : utterancePosition(layout, frames, utterance);
    setPlaying(false);
    moveTo(at, index);
  };
  const strip = new TimeStrip(byId("strip-canvas"), frames, layout, utterances,
                              (position) => moveTo(position, null), pickUtterance);
  const list = new UtteranceList(byId("utterance-list"), byId<HTMLInputElement>("search"), byId("list-count"),
                                 utterances, pickUtterance);
  byId("zoom-in").addEventListener("click", () => strip.zoom(0.5, cursor));
  byId("zoom-out").addEventListener("click", () => strip.zoom(2, cursor));
  byId("zoom-fit").addEventListener("click", () => strip.fit());

  const play = byId<HTMLButtonElement>("play");
  let last = 0;
  const tick = (now: number) => {
    if (!playing) return;
    // Real speed: the strip advances by the wall-clock time since the last tick.
    moveTo(cursor + (now - last) * 1e6, null);
    last = now;
    if (cursor >= layout.length) setPlaying(false);
    else requestAnimationFrame(tick);
  };
  const setPlaying = (on: boolean) => {
    playing = on && frames.count > 1;
    play.textContent = playing ? "Pause" : "Play";
    if (playing) {
      if (cursor >= layout.length) cursor = 0;
      last = performance.now();
      requestAnimationFrame(tick);
    }
  };
  play.addEventListener("click", () => setPlaying(!playing));
  byId("look-from-head").addEventListener("click", () => view.lookFromHead());
  byId("overview").addEventListener("click", () => view.overview());
  document.addEventListener("keydown", (event) => {
    if (event.target instanceof HTMLInputElement) return; // typing a search
    if (event.target instanceof HTMLButtonElement && event.key === " ") return;
    if (event.key === " ") { setPlaying(!playing); event.preventDefault(); }
    if (event.key === "+" || event.key === "=") strip.zoom(0.5, cursor);
    if (event.key === "-") strip.zoom(2, cursor);
    const step = event.key === "ArrowRight" ? 1 : event.key === "ArrowLeft" ? -1 : 0;
    if (step !== 0 && frames.count > 0) {
      const frame = Math.min(frames.count - 1, Math.max(0, frameAt(layout, cursor) + step));
      moveTo(layout.display[frame]!, null);
    }
  });

  view.overview();
  moveTo(0, null);
  window.quillaryInspector = {
    ready: true,
    state: () => ({
      cursorFrame: shown,
      cursorTimeNs: shown < 0 ? null : frames.times[shown]!,
      selectedUtterance: selected,
      highlightedTarget: document.querySelector(".target-label.highlighted")?.textContent ?? null,
      markers: strip.kinds.slice(),
      span: strip.span,
      lookingFromHead: view.lookingFromHead,
      wordTicks: selected === null ? [] : strip.wordTicks(selected),
      listed: list.shownIndices,
    }),
    project: (point) => view.project(point),
    markerX: (index) => strip.markerX(index),
    pick: pickUtterance,
  };
}

try {
  start(readSession(document.getElementById("session-data")));
} catch (error) {
  // Never a blank page: whatever went wrong is said where the view would be.
  showProblem(`The inspector could not show this session: ${error instanceof Error ? error.message : String(error)}`);
  console.error(error);
}
